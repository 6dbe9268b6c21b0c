#include "ScriptedProgram.h"
#include "TestLocale.h"

#include <QTest>

#include <memory>

// The start-up, the language and the conversion with its save, without a window.
class TestMainController : public QObject
{
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<ScriptedPlatform> m_platform;
    std::unique_ptr<MainController> m_controller;

    QString iniPath() const { return m_dir->filePath(QStringLiteral("zkEuroChangeoverAdviser.ini")); }
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

    // From the settings file and the desktop's languages to row 7, its status line, and the file
    // after the first conversion. The first language the program speaks decides, unless one is stored.
    void startUp_data()
    {
        QTest::addColumn<QString>("ini");
        QTest::addColumn<QStringList>("desktop");
        QTest::addColumn<QString>("row"); // title|caption|tooltip
        QTest::addColumn<QByteArray>("written");
        QTest::addColumn<QString>("road");
        const QString en = QStringLiteral("GRD - Greek Drachma|341 | 340.7500 ");
        const QString el = QStringLiteral("GRD - Δραχμή Ελλάδος|341 | 340.7500 ");
        const QString road = QStringLiteral("1 EUR → 340.7500 → 341 GRD");
        const QByteArray first = "[General]\r\nLanguage=False\r\n[Last]\r\nID=0\r\nAmount=1\r\n[Decimals]\r\n0=2\r\n";
        const QByteArray greek = "[General]\r\nLanguage=True\r\n";
        QTest::newRow("Greek spoken first") << "" << QStringList{"de-DE", "el"} << el << greek << road;
        QTest::newRow("English before Greek") << "" << QStringList{"en-GB", "el"} << en << first << road;
        QTest::newRow("no choice stored") << "[General]\r\nLanguage=\r\n" << QStringList{"el"} << el << greek << road;
        QTest::newRow("stored wins") << "[General]\r\nLanguage=False\r\n[Last]\r\nID=7\r\nAmount=1000000\r\n"
                                     << QStringList{"el-GR"} << "GRD - Greek Drachma|999,999 | 999,999.0250 "
                                     << QByteArray("Language=False\r\n")
                                     << "1,000,000 GRD → 2,934.70 EUR → 999,999.0250 → 999,999 GRD";
        QTest::newRow("Greek as typed, no tooltips")
            << "[General]\r\nLanguage= true \r\nToolTipText=True\r\n[Last]\r\nID=7\r\nAmount=1000.5\r\n"
            << QStringList{"en"} << "GRD - Δραχμή Ελλάδος|998 |" << QByteArray("[General]\r\nLanguage= True \r\n")
            << "1,000.5 GRD → 1,000 GRD → 2.93 EUR → 998.3975 → 998 GRD";
        QTest::newRow("overflow kept")
            << "[Last]\r\nID=7\r\nAmount=922337203685477\r\n"
            << QStringList{"en"} << "GRD - Greek Drachma|Overflow | Overflow "
            << QByteArray("Amount=922337203685477\r\n")
            << "Overflow: the program holds at most 922,337,203,685,477.5807 (922,337,203,685,477 GRD)";
        QTest::newRow("no rate") << "[General]\r\nLanguage=True\r\n[Last]\r\nID=13\r\nAmount=5\r\n"
                                 << QStringList{"en"} << "GRD - Δραχμή Ελλάδος|Απροσδιόριστο | Απροσδιόριστο "
                                 << QByteArray("ID=13\r\n")
                                 << "Κανένα αποτέλεσμα: η ισοτιμία του «Άλλο νόμισμα» είναι 0 (5 Άλλο νόμισμα)";
        QTest::newRow("unnamed currency")
            << "[General]\r\nOtherCurrency=?\r\n[Last]\r\nID=13\r\nAmount=5\r\n[Rates]\r\n13=2\r\n"
            << QStringList{"en"} << "GRD - Greek Drachma|852 | 851.8750 " << QByteArray("OtherCurrency=?\r\n")
            << "5 Other currency → 2.50 EUR → 851.8750 → 852 GRD";
    }
    void startUp()
    {
        QFETCH(QString, ini);
        QFETCH(QStringList, desktop);
        QFETCH(QString, row);
        QFETCH(QByteArray, written);
        QFETCH(QString, road);
        QVERIFY(WriteFile(iniPath(), ini.toUtf8()));
        m_platform->languages = desktop;
        m_controller = std::make_unique<MainController>(*m_platform);
        QVERIFY(m_controller->StartUp());
        // Nothing is written before the window shows; its rows show the lower end of the range.
        QCOMPARE(ReadFile(iniPath()), ini.toUtf8());
        QCOMPARE(caption(7), QStringLiteral("-922.337.203.685.477,5808"));
        m_controller->SetLanguage(m_controller->app().GreekLanguage);
        m_controller->ConvertCurrent(nullptr);
        const RowText shown = m_controller->rowText(7);
        QCOMPARE(QStringList({m_controller->rowTitle(7), shown.caption, shown.toolTip}).join(u'|'), Localized(row));
        QVERIFY2(ReadFile(iniPath()).contains(written), ReadFile(iniPath()));
        QCOMPARE(m_controller->statusLine(7), Localized(road));
        QVERIFY(m_platform->messages.isEmpty());
    }

    void secondCopyEnds()
    {
        QVERIFY(WriteFile(iniPath(), "[General]\r\nLanguage=True\r\n"));
        m_platform->instance = PlatformServices::Instance::OtherRunning;
        QVERIFY(!start() && m_platform->ended);
        QCOMPARE(m_platform->messages.size(), 1);
        QVERIFY(m_platform->messages[0].text.startsWith(QStringLiteral("Η εφαρμογή είναι ήδη ενεργοποιημένη"))
                && m_platform->messages[0].style == MessageStyle::Critical);
        QCOMPARE(ReadFile(iniPath()), QByteArray("[General]\r\nLanguage=True\r\n"));
    }

    // A settings file that cannot be read is reported at start-up, one that cannot be written at the
    // first save; each once, naming the file. Yes ends the program, and nothing is written after it.
    void unreadableAndUnwritableSettings_data()
    {
        QTest::addColumn<MessageAnswer>("atStart");
        QTest::addColumn<MessageAnswer>("atSave");
        QTest::newRow("go on") << MessageAnswer::No << MessageAnswer::No;
        QTest::newRow("end at the save") << MessageAnswer::No << MessageAnswer::Yes;
        QTest::newRow("end at the start") << MessageAnswer::Yes << MessageAnswer::Yes;
    }
    void unreadableAndUnwritableSettings()
    {
        QFETCH(MessageAnswer, atStart);
        QFETCH(MessageAnswer, atSave);
        QVERIFY(QDir().mkpath(iniPath()));
        m_platform->answers = {atStart};
        QCOMPARE(start(), atStart == MessageAnswer::No);
        QCOMPARE(m_platform->messages.size(), 1);
        QCOMPARE(m_platform->messages[0].caption, QStringLiteral("Euro changeover adviser [ MFL1000 ]"));
        QVERIFY(m_platform->messages[0].text.startsWith(
            QStringLiteral("Error condition 75 with the description 'Path/File access error: ") + iniPath()));
        QCOMPARE(m_platform->ended, atStart == MessageAnswer::Yes);
        if (m_platform->ended)
            return;
        // Readable at the start, unwritable later.
        QVERIFY(QDir(iniPath()).removeRecursively() && start());
        QVERIFY(QFile::remove(iniPath()) && QDir().mkpath(iniPath()));
        m_platform->answers = {atSave};
        m_controller->ConvertCurrent(nullptr);
        m_controller->ConvertCurrent(nullptr);
        QCOMPARE(m_platform->messages.size(), 2);
        QCOMPARE(m_platform->messages[1].caption, QStringLiteral("Euro changeover adviser [ 342 ]"));
        QCOMPARE(m_platform->messages[1].style, MessageStyle::Question);
        QCOMPARE(caption(0), Localized(QStringLiteral("1.00 "))); // shown though not kept
        QVERIFY(QDir(iniPath()).removeRecursively());
        m_controller->SetLanguage(true);
        QCOMPARE(m_platform->ended, atSave == MessageAnswer::Yes);
        QCOMPARE(QFile::exists(iniPath()), atSave == MessageAnswer::No);
    }

    // Either language's built-in name leaves the currency unnamed: its title follows the language.
    void otherCurrencyNames_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<bool>("unnamed");
        QTest::newRow("own name") << "Zloty & Groszy" << false;
        QTest::newRow("English built-in") << "Other currency" << true;
        QTest::newRow("Greek built-in") << "Άλλο νόμισμα" << true;
    }
    void otherCurrencyNames()
    {
        QFETCH(QString, typed);
        QFETCH(bool, unnamed);
        QVERIFY(start());
        m_controller->ConfirmInput(13, {Money::fromRaw(10000), 4, 1.23456, typed});
        m_controller->ConvertCurrent(nullptr);
        QVERIFY(ReadFile(iniPath()).contains("OtherCurrency=" + (unnamed ? "?" : typed.toUtf8()) + "\r\n"));
        QVERIFY(start()); // the next start reads the name, decimals and rate back
        m_controller->SetLanguage(true);
        QCOMPARE(m_controller->rowTitle(13), unnamed ? QStringLiteral("Άλλο νόμισμα") : typed);
        QCOMPARE(caption(13), Localized(QStringLiteral("1.0000 ")));
        QCOMPARE(caption(0), Localized(QStringLiteral("0.81 ")));
    }
};

QTEST_GUILESS_MAIN(TestMainController)
#include "test_main_controller.moc"
