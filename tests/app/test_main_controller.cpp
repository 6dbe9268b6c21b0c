#include "ScriptedPlatform.h"
#include "TestLocale.h"

#include "app/MainController.h"
#include "app/Texts.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

// The start-up, the language and the conversion with its save, without a window.
class TestMainController : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<ScriptedPlatform> m_platform;
    std::unique_ptr<MainController> m_controller;

    QString iniPath() const { return m_dir->filePath(QStringLiteral("zkEuroChangeoverAdviser.ini")); }
    void writeIni(const QByteArray &contents)
    {
        QFile file(iniPath());
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(contents);
    }
    QByteArray readIni() const
    {
        QFile file(iniPath());
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    // The start-up as main() and the window run it: settings, stored language, first conversion.
    bool start()
    {
        m_controller = std::make_unique<MainController>(*m_platform);
        if (!m_controller->StartUp())
            return false;
        m_controller->SetLanguage(m_controller->app().GreekLanguage);
        m_controller->ConvertCurrent(nullptr);
        return true;
    }
    QString caption(int slot) const { return m_controller->rowText(slot).caption; }

private slots:
    void initTestCase() { QVERIFY(PinTestLocale()); }
    void init()
    {
        m_dir = std::make_unique<QTemporaryDir>();
        m_platform = std::make_unique<ScriptedPlatform>(m_dir->path());
    }

    void firstStart()
    {
        m_controller = std::make_unique<MainController>(*m_platform);
        QVERIFY(m_controller->StartUp());
        QCOMPARE(m_controller->rowText(0).caption, QStringLiteral("-922.337.203.685.477,5808"));
        QVERIFY(!QFile::exists(iniPath()));
        m_controller->SetLanguage(false);
        QCOMPARE(readIni(), QByteArray("[General]\r\nLanguage=False\r\n"));
        m_controller->ConvertCurrent(nullptr);
        QCOMPARE(caption(7), QStringLiteral("341 "));
        QCOMPARE(m_controller->rowTitle(13), QStringLiteral("Other currency"));
        QCOMPARE(readIni(), QByteArray("[General]\r\nLanguage=False\r\n[Last]\r\nID=0\r\nAmount=1\r\n"
                                       "[Decimals]\r\n0=2\r\n"));
        QVERIFY(m_platform->messages.isEmpty());
    }

    // With no language stored the desktop's decides, and is stored; a stored
    // one wins. "this locale" is the desktop of this run (en_US or el_GR).
    void firstStartFollowsTheDesktop_data()
    {
        QTest::addColumn<QByteArray>("ini");
        QTest::addColumn<QStringList>("desktop");
        QTest::addColumn<bool>("greek");
        QTest::newRow("this locale") << QByteArray() << QLocale::system().uiLanguages()
                                     << (QLocale::system().language() == QLocale::Greek);
        QTest::newRow("first spoken language") << QByteArray() << QStringList{"de-DE", "el"} << true;
        QTest::newRow("neither") << QByteArray() << QStringList{"C"} << false;
        QTest::newRow("no choice stored") << QByteArray("[General]\r\nLanguage=\r\n") << QStringList{"el"} << true;
        QTest::newRow("stored") << QByteArray("[General]\r\nLanguage=False\r\n") << QStringList{"el-GR"} << false;
    }
    void firstStartFollowsTheDesktop()
    {
        QFETCH(QByteArray, ini);
        QFETCH(QStringList, desktop);
        QFETCH(bool, greek);
        if (!ini.isEmpty())
            writeIni(ini);
        m_platform->languages = desktop;
        QVERIFY(start());
        QVERIFY(readIni().startsWith(greek ? "[General]\r\nLanguage=True\r\n" : "[General]\r\nLanguage=False\r\n"));
    }

    // The status line's road of the last conversion for a row, or why it has
    // no result. The numbers follow the locale of the run, the words the language.
    void statusLine_data()
    {
        QTest::addColumn<QByteArray>("ini");
        QTest::addColumn<int>("slot");
        QTest::addColumn<QString>("road");
        QTest::newRow("through the euro") << QByteArray("[Last]\r\nID=7\r\nAmount=1000000\r\n") << 7
                                          << "1,000,000 GRD → 2,934.70 EUR → 999,999.0250 → 999,999 GRD";
        QTest::newRow("source rounded first") << QByteArray("[Last]\r\nID=7\r\nAmount=1000.5\r\n") << 3
                                              << "1,000.5 GRD → 1,000 GRD → 2.93 EUR → 5.7306 → 5.73 DEM";
        QTest::newRow("from the euro") << QByteArray() << 7 << "1 EUR → 340.7500 → 341 GRD";
        QTest::newRow("overflow") << QByteArray("[Last]\r\nAmount=922337203685477\r\n") << 5
                                  << "Overflow: the program holds at most 922,337,203,685,477.5807 (922,337,203,685,477 EUR)";
        QTest::newRow("no rate") << QByteArray("[General]\r\nLanguage=True\r\n[Last]\r\nID=13\r\nAmount=5\r\n") << 0
                                 << "Κανένα αποτέλεσμα: η ισοτιμία του «Άλλο νόμισμα» είναι 0 (5 Άλλο νόμισμα)";
    }
    void statusLine()
    {
        QFETCH(QByteArray, ini);
        QFETCH(int, slot);
        QFETCH(QString, road);
        if (!ini.isEmpty())
            writeIni(ini);
        QVERIFY(start());
        QCOMPARE(m_controller->statusLine(slot), Localized(road));
    }

    void storedStateInGreek()
    {
        writeIni("[General]\r\nLanguage= true \r\nToolTipText=True\r\n[Last]\r\nID=7\r\nAmount=1000\r\n");
        QVERIFY(start());
        QCOMPARE(m_controller->app().ProgramTitle, QStringLiteral("Σύμβουλος μετάβασης στο Ευρώ"));
        QCOMPARE(m_controller->rowTitle(7), QStringLiteral("GRD - Δραχμή Ελλάδος"));
        QCOMPARE(caption(7), QStringLiteral("998 "));
        QVERIFY(m_controller->rowText(7).toolTip.isEmpty());
        QVERIFY(readIni().startsWith("[General]\r\nLanguage= True \r\n"));
    }

    void overflowWordsFollowTheLanguage()
    {
        writeIni("[Last]\r\nAmount=922337203685477\r\n");
        QVERIFY(start());
        QCOMPARE(m_controller->rowText(0).toolTip, QStringLiteral(" Overflow "));
        QCOMPARE(caption(13), QStringLiteral("Undefined "));
        m_controller->SetLanguage(true);
        QCOMPARE(caption(0), QStringLiteral("Υπερχείλιση "));
        QCOMPARE(caption(5), QStringLiteral("Απροσδιόριστο "));
        QVERIFY(readIni().contains("Amount=922337203685477\r\n"));
    }

    void secondCopyEnds()
    {
        writeIni("[General]\r\nLanguage=True\r\n");
        m_platform->instance = PlatformServices::Instance::OtherRunning;
        QVERIFY(!start());
        QVERIFY(m_platform->ended);
        QCOMPARE(m_platform->messages.size(), 1);
        QCOMPARE(m_platform->messages[0].caption, QStringLiteral("Σύμβουλος μετάβασης στο Ευρώ"));
        QVERIFY(m_platform->messages[0].text.startsWith(QStringLiteral("Η εφαρμογή είναι ήδη ενεργοποιημένη")));
        QCOMPARE(m_platform->messages[0].style, MessageStyle::Critical);
        QCOMPARE(m_platform->messages[0].buttons.ok, QStringLiteral("ΟΚ"));
        QCOMPARE(readIni(), QByteArray("[General]\r\nLanguage=True\r\n"));
    }

    // A settings path that cannot be read is reported at start-up, naming the
    // file, and then never again; Yes ends the program with nothing written.
    void unreadableSettings_data()
    {
        QTest::addColumn<MessageAnswer>("answer");
        QTest::newRow("go on") << MessageAnswer::No;
        QTest::newRow("end") << MessageAnswer::Yes;
    }
    void unreadableSettings()
    {
        QFETCH(MessageAnswer, answer);
        QVERIFY(QDir().mkpath(iniPath()));
        m_platform->answers = {answer};
        QCOMPARE(start(), answer == MessageAnswer::No);
        QCOMPARE(m_platform->messages.size(), 1);
        QCOMPARE(m_platform->messages[0].caption, QStringLiteral("Euro changeover adviser [ MFL1000 ]"));
        QVERIFY(m_platform->messages[0].text.startsWith(
            QStringLiteral("Error condition 75 with the description 'Path/File access error: %1' has occured.")
                .arg(iniPath())));
        QCOMPARE(m_platform->ended, answer == MessageAnswer::Yes);
        QVERIFY(QFileInfo(iniPath()).isDir());
    }

    // A save that fails is reported once per cause, not at every re-run; Yes
    // ends the program, and nothing is written after it.
    void failedSaveReportedOnce_data()
    {
        QTest::addColumn<MessageAnswer>("answer");
        QTest::newRow("go on") << MessageAnswer::No;
        QTest::newRow("end") << MessageAnswer::Yes;
    }
    void failedSaveReportedOnce()
    {
        QFETCH(MessageAnswer, answer);
        QVERIFY(start());
        QFile::remove(iniPath());
        QVERIFY(QDir().mkpath(iniPath()));
        m_platform->answers = {answer};
        m_controller->ConvertCurrent(nullptr);
        m_controller->ConvertCurrent(nullptr);
        QCOMPARE(m_platform->messages.size(), 1);
        QCOMPARE(m_platform->messages[0].caption, QStringLiteral("Euro changeover adviser [ 342 ]"));
        QCOMPARE(m_platform->messages[0].style, MessageStyle::Question);
        QCOMPARE(caption(0), Localized(QStringLiteral("1.00 ")));
        QCOMPARE(m_platform->ended, answer == MessageAnswer::Yes);

        QVERIFY(QDir(iniPath()).removeRecursively());
        m_controller->SetLanguage(true);
        QCOMPARE(QFile::exists(iniPath()), answer == MessageAnswer::No);
    }

    void tooLargeSettingsSaidOnce()
    {
        writeIni(QByteArray(17 * 1024 * 1024, ';'));
        QVERIFY(start());
        QCOMPARE(m_platform->messages.size(), 1);
        QCOMPARE(m_platform->messages[0].style, MessageStyle::Exclamation);
        QVERIFY(m_platform->messages[0].text.contains(iniPath()));
        m_controller->ConvertCurrent(nullptr);
        QCOMPARE(m_platform->messages.size(), 1);
        QCOMPARE(QFileInfo(iniPath()).size(), 17 * 1024 * 1024);
    }

    // The built-in names of either language leave the currency unnamed: its
    // caption follows the language, and the file keeps "?".
    void otherCurrencyNames_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("greekTitle");
        QTest::addColumn<QByteArray>("stored");
        QTest::newRow("own name") << "Zloty & Groszy" << "Zloty & Groszy" << QByteArray("Zloty & Groszy");
        QTest::newRow("English built-in") << "Other currency" << "Άλλο νόμισμα" << QByteArray("?");
        QTest::newRow("Greek built-in") << "Άλλο νόμισμα" << "Άλλο νόμισμα" << QByteArray("?");
    }
    void otherCurrencyNames()
    {
        QFETCH(QString, typed);
        QFETCH(QString, greekTitle);
        QFETCH(QByteArray, stored);
        QVERIFY(start());
        m_controller->ConfirmInput(13, {Money::fromRaw(10000), 4, 1.23456, typed});
        m_controller->ConvertCurrent(nullptr);
        QVERIFY(readIni().contains("OtherCurrency=" + stored + "\r\n"));
        m_controller->SetLanguage(true);
        QCOMPARE(m_controller->rowTitle(13), greekTitle);
        QCOMPARE(caption(13), Localized(QStringLiteral("1.0000 ")));
        QCOMPARE(caption(0), Localized(QStringLiteral("0.81 ")));
    }

    // A start from the unnamed currency keeps it unnamed.
    void unnamedCurrencyKeepsItsMarker()
    {
        writeIni("[General]\r\nOtherCurrency=?\r\n[Last]\r\nID=13\r\nAmount=5\r\n[Rates]\r\n13=2\r\n");
        QVERIFY(start());
        QVERIFY(readIni().contains("OtherCurrency=?\r\n"));
        QCOMPARE(caption(0), Localized(QStringLiteral("2.50 ")));
        m_controller->SetLanguage(true);
        QCOMPARE(m_controller->rowTitle(13), QStringLiteral("Άλλο νόμισμα"));
    }
};

QTEST_GUILESS_MAIN(TestMainController)
#include "test_main_controller.moc"
