#include "ScriptedPlatform.h"
#include "TestLocale.h"

#include "windows/dialogs/frmInputCurrency.h"
#include "windows/main/frmMain.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QToolButton>
#include <QtTest>

#include <functional>
#include <memory>

namespace {

QString iniPath(const QTemporaryDir &dir)
{
    return dir.filePath(QStringLiteral("zkEuroChangeoverAdviser.ini"));
}

} // namespace

class TestMainWindow : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<ScriptedPlatform> m_platform;
    std::unique_ptr<frmMain> m_window;

    void writeIni(const QByteArray &contents)
    {
        QFile file(iniPath(*m_dir));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(contents);
    }
    QByteArray readIni() const
    {
        QFile file(iniPath(*m_dir));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    frmMain *start()
    {
        m_window = std::make_unique<frmMain>(*m_platform);
        m_window->show();
        QApplication::setActiveWindow(m_window.get());
        if (!QTest::qWaitForWindowActive(m_window.get()))
            qWarning("main window not active");
        return m_window.get();
    }
    template <typename T> T *child(const QString &name) const
    {
        T *widget = m_window->findChild<T *>(name);
        if (!widget)
            qFatal("no child %s", qPrintable(name));
        return widget;
    }
    QLabel *amount(int slot) const { return child<QLabel>(QStringLiteral("lblAmount_%1").arg(slot)); }
    QAction *action(const char *name) const { return child<QAction>(QLatin1String(name)); }

    // Runs `answer` on the amount dialog as soon as it is open.
    void whenDialogOpens(std::function<void(frmInputCurrency *)> answer)
    {
        QTimer::singleShot(0, this, [answer] {
            auto *dialog = qobject_cast<frmInputCurrency *>(QApplication::activeModalWidget());
            QVERIFY2(dialog, "the amount dialog did not open");
            answer(dialog);
        });
    }
    void convert(int slot, const QString &amountText)
    {
        whenDialogOpens([amountText](frmInputCurrency *dialog) {
            auto *field = dialog->findChild<QLineEdit *>(QStringLiteral("txtAmount"));
            field->selectAll();
            QTest::keyClicks(field, amountText);
            QTest::keyClick(field, Qt::Key_Return);
        });
        QTest::mouseClick(child<QPushButton>(QStringLiteral("cmdGo_%1").arg(slot)), Qt::LeftButton);
        QVERIFY(!QApplication::activeModalWidget());
    }
    void verifyCurrentRow(int slot) const
    {
        for (int row = 0; row < CurrencyCount; ++row) {
            QCOMPARE(child<QAction>(QStringLiteral("mnuConvertFrom_%1").arg(row))->isChecked(), row == slot);
            QCOMPARE(child<QRadioButton>(QStringLiteral("optCurrency_%1").arg(row))->isChecked(), row == slot);
        }
        QCOMPARE(m_window->focusWidget(), child<QPushButton>(QStringLiteral("cmdGo_%1").arg(slot)));
    }

private slots:
    void initTestCase() { QVERIFY(PinTestLocale()); }

    void init()
    {
        m_dir = std::make_unique<QTemporaryDir>();
        m_platform = std::make_unique<ScriptedPlatform>(m_dir->path());
    }
    void cleanup()
    {
        m_window.reset();
        QCOMPARE(QApplication::activeModalWidget(), nullptr);
    }

    void firstStartShowsOneEuroAndCreatesSettings()
    {
        start();
        QVERIFY(readIni().startsWith("[General]\r\nLanguage=False\r\n"));
        QCOMPARE(m_window->windowTitle(), QStringLiteral("Euro changeover adviser"));
        QCOMPARE(amount(0)->text(), Localized(QStringLiteral("1.00 ")));
        QCOMPARE(amount(1)->text(), Localized(QStringLiteral("13.76 ")));
        QCOMPARE(amount(3)->text(), Localized(QStringLiteral("1.96 ")));
        QCOMPARE(amount(7)->text(), QStringLiteral("341 "));
        QCOMPARE(amount(9)->text(), Localized(QStringLiteral("1,936 ")));
        QCOMPARE(amount(13)->text(), Localized(QStringLiteral("0.00 ")));
        QCOMPARE(amount(7)->toolTip(), Localized(QStringLiteral(" 340.7500 ")));
        QCOMPARE(amount(3)->toolTip(), Localized(QStringLiteral(" 1.9558 ")));
        QCOMPARE(amount(7)->accessibleName(), QStringLiteral("341"));
        QCOMPARE(amount(7)->accessibleDescription(), Localized(QStringLiteral("340.7500")));
        QCOMPARE(child<QRadioButton>(QStringLiteral("optCurrency_7"))->accessibleName(),
                 QStringLiteral("GRD - Greek Drachma"));
        QCOMPARE(child<QPushButton>(QStringLiteral("cmdGo_13"))->accessibleName(),
                 QStringLiteral("Convert from Other currency"));
        QCOMPARE(child<QLabel>(QStringLiteral("lblTitle_13"))->text(), QStringLiteral("Other currency"));
        QCOMPARE(action("mnuConvertFrom_13")->text(), QStringLiteral("Other currency"));
        verifyCurrentRow(0);
        QVERIFY(m_platform->messages.isEmpty());
    }

    void startupHidesAndDisables()
    {
        start();
        for (const char *name : {"mnuSavePath", "mnuRecallPath", "mnuToolsRefresh", "mnuToolsUpOneLevel",
                                 "mnuToolsOptions", "mnuToolsFactorySettings"})
            QVERIFY2(!action(name)->isVisible(), name);
        for (const char *name : {"cmdRecallSavedPath", "cmdSavePath", "cmdRefresh", "cmdOptions", "cmdUpOneLevel"})
            QVERIFY2(child<QToolButton>(QLatin1String(name))->isHidden(), name);
        for (const char *name : {"mnuSavePathHelp", "mnuRecallPathCancel", "mnuSettingsHelp", "mnuSettingsCancel"})
            QVERIFY2(!action(name)->isEnabled(), name);
        QVERIFY(action("mnuFileExit")->isEnabled());
        QStringList menus;
        for (const QAction *menu : m_window->menuBar()->actions())
            if (menu->isVisible())
                menus << menu->objectName();
        QCOMPARE(menus, QStringList({"mnuFile", "mnuTools", "mnuSettings", "mnuConvert", "mnuHelp"}));
        QCOMPARE(action("mnuConvertFrom_7")->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_H));
        QCOMPARE(action("mnuConvertFrom_13")->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_O));
    }

    void conversions_data()
    {
        QTest::addColumn<int>("slot");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("row");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("toolTip");
        QTest::addColumn<QString>("euro");
        QTest::newRow("1000 GRD, GRD row") << 7 << "1000" << 7 << "998 " << " 998.3975 " << "2.93 ";
        QTest::newRow("1000 GRD, DEM row") << 7 << "1000" << 3 << "5.73 " << " 5.7306 " << "2.93 ";
        QTest::newRow("1000 GRD, ITL row") << 7 << "1000" << 9 << "5,673 " << " 5,673.2711 " << "2.93 ";
        QTest::newRow("100 DEM") << 3 << "100" << 3 << "100.00 " << " 100.0016 " << "51.13 ";
        QTest::newRow("1000.5 GRD as 1000") << 7 << "1000.5" << 7 << "998 " << " 998.3975 " << "2.93 ";
        QTest::newRow("1001.5 GRD as 1002") << 7 << "1001.5" << 0 << "2.94 " << " 2.9400 " << "2.94 ";
        QTest::newRow("grouped amount") << 9 << "1,936,270" << 0 << "1,000.00 " << " 1,000.0000 " << "1,000.00 ";
    }
    void conversions()
    {
        QFETCH(int, slot);
        QFETCH(QString, typed);
        QFETCH(int, row);
        QFETCH(QString, caption);
        QFETCH(QString, toolTip);
        QFETCH(QString, euro);
        start();
        convert(slot, Localized(typed));
        QCOMPARE(amount(row)->text(), Localized(caption));
        QCOMPARE(amount(row)->toolTip(), Localized(toolTip));
        QCOMPARE(amount(0)->text(), Localized(euro));
        verifyCurrentRow(slot);
        const QByteArray ini = readIni();
        QVERIFY(ini.contains("ID=" + QByteArray::number(slot) + "\r\n"));
        QVERIFY(ini.contains("Amount=" + Localized(typed).remove(QLocale().groupSeparator()).toUtf8() + "\r\n"));
    }

    void storedStateShownInGreekWithoutDialog()
    {
        writeIni("[General]\r\nLanguage= true \r\n[Last]\r\nID=7\r\nAmount=1000\r\n");
        start();
        QCOMPARE(m_window->windowTitle(), QStringLiteral("Σύμβουλος μετάβασης στο Ευρώ"));
        QCOMPARE(QGuiApplication::applicationDisplayName(), QStringLiteral("Σύμβουλος μετάβασης στο Ευρώ"));
        QCOMPARE(action("mnuHelpAbout")->text(), QStringLiteral("Σχετικά..."));
        QCOMPARE(child<QLabel>(QStringLiteral("lblTitle_7"))->text(), QStringLiteral("GRD - Δραχμή Ελλάδος"));
        QCOMPARE(child<QLabel>(QStringLiteral("lblTitle_13"))->text(), QStringLiteral("Άλλο νόμισμα"));
        QVERIFY(action("mnuToolsGreek")->isChecked());
        QVERIFY(!action("mnuToolsEnglish")->isChecked());
        QCOMPARE(amount(7)->text(), QStringLiteral("998 "));
        verifyCurrentRow(7);
        QVERIFY(readIni().startsWith("[General]\r\nLanguage= True \r\n"));
    }

    void badStoredValuesFallBack()
    {
        writeIni("[General]\nLanguage=1\nOtherCurrency=?\n[Decimals]\n7=5\n0=2.0\n[Last]\nID=14\nAmount=abc\n");
        start();
        QCOMPARE(m_window->windowTitle(), QStringLiteral("Euro changeover adviser"));
        QCOMPARE(m_window->state().CurrentCurrency, qint16(0));
        QCOMPARE(amount(0)->text(), Localized(QStringLiteral("1.00 ")));
        QCOMPARE(amount(7)->text(), QStringLiteral("341 "));
        QCOMPARE(child<QLabel>(QStringLiteral("lblTitle_13"))->text(), QStringLiteral("Other currency"));
    }

    void overflowFollowsLanguage()
    {
        start();
        convert(0, QStringLiteral("922337203685477"));
        QCOMPARE(amount(0)->text(), QStringLiteral("Overflow "));
        QCOMPARE(amount(0)->toolTip(), QStringLiteral(" Overflow "));
        for (int row = 1; row < CurrencyCount; ++row)
            QCOMPARE(amount(row)->text(), QStringLiteral("Undefined "));
        QVERIFY(readIni().contains("Amount=922337203685477\r\n"));
        verifyCurrentRow(0);

        QTest::mouseClick(child<QToolButton>(QStringLiteral("cmdLanguage_0")), Qt::LeftButton);
        QCOMPARE(amount(0)->text(), QStringLiteral("Υπερχείλιση "));
        QCOMPARE(amount(0)->toolTip(), QStringLiteral(" Υπερχείλιση "));
        QCOMPARE(amount(5)->text(), QStringLiteral("Απροσδιόριστο "));
        QCOMPARE(amount(5)->toolTip(), QStringLiteral(" Απροσδιόριστο "));
        action("mnuToolsEnglish")->trigger();
        QCOMPARE(amount(0)->text(), QStringLiteral("Overflow "));
        QCOMPARE(amount(13)->text(), QStringLiteral("Undefined "));
    }

    void languageSwitchAppliesEveryCaption()
    {
        start();
        const QString englishTip = child<QToolButton>(QStringLiteral("cmdLanguage_1"))->toolTip();
        action("mnuToolsGreek")->trigger();
        QVERIFY(readIni().contains("Language=True"));
        QCOMPARE(action("mnuFile")->text(), QStringLiteral("Αρχείο"));
        QCOMPARE(action("mnuToolsUpOneLevel")->text(), QStringLiteral("Ένα επίπεδο επάνω\tBksp"));
        QCOMPARE(child<QMenu>(QStringLiteral("mnuConvert"))->title(), QStringLiteral("Μετατροπή από"));
        QCOMPARE(child<QToolButton>(QStringLiteral("cmdPrint"))->toolTip(), QStringLiteral("Εκτύπωση ... Ctl+P"));
        QCOMPARE(child<QToolButton>(QStringLiteral("cmdLanguage_1"))->toolTip(), englishTip);
        QCOMPARE(child<QToolButton>(QStringLiteral("cmdCopyright"))->toolTip(), QStringLiteral("Stone-Gleam Software"));
        QCOMPARE(child<QToolButton>(QStringLiteral("cmdEndApplication"))->accessibleName(), QStringLiteral("Έξοδος"));
        QCOMPARE(action("mnuConvertFrom_7")->text(), QStringLiteral("GRD"));
        QCOMPARE(amount(9)->text(), Localized(QStringLiteral("1,936 ")));

        // Choosing the active language again applies and writes it again.
        QFile::remove(iniPath(*m_dir));
        action("mnuToolsGreek")->trigger();
        QVERIFY(action("mnuToolsGreek")->isChecked());
        QVERIFY(!action("mnuToolsEnglish")->isChecked());
        QCOMPARE(readIni(), QByteArray("[General]\r\nLanguage=True\r\n"));
        QTest::mouseClick(child<QToolButton>(QStringLiteral("cmdLanguage_1")), Qt::LeftButton);
        QCOMPARE(action("mnuFile")->text(), QStringLiteral("File"));
        QCOMPARE(readIni(), QByteArray("[General]\r\nLanguage=False\r\n"));
    }

    void cancelKeepsEverything()
    {
        writeIni("[Last]\r\nID=2\r\nAmount=10\r\n");
        start();
        const QByteArray before = readIni();
        const QString shown = amount(5)->text();
        whenDialogOpens([](frmInputCurrency *dialog) {
            dialog->findChild<QComboBox *>(QStringLiteral("cboDecimals"))->setCurrentIndex(4);
            QTest::mouseClick(dialog->findChild<QPushButton *>(QStringLiteral("cmdCancel")), Qt::LeftButton);
        });
        QTest::mouseClick(child<QPushButton>(QStringLiteral("cmdGo_5")), Qt::LeftButton);
        verifyCurrentRow(2);
        QCOMPARE(amount(5)->text(), shown);
        QCOMPARE(m_window->state().CurrencyDecimals[5], qint16(2));
        QCOMPARE(readIni(), before);
    }

    void keyboardAndOptionStartConversions()
    {
        start();
        whenDialogOpens([](frmInputCurrency *dialog) {
            QVERIFY(dialog->windowTitle().contains(QStringLiteral("GRD")));
            QTest::keyClick(dialog, Qt::Key_Escape);
        });
        QTest::keyClick(m_window.get(), Qt::Key_H, Qt::ControlModifier);
        verifyCurrentRow(0);

        whenDialogOpens([](frmInputCurrency *dialog) {
            QVERIFY(dialog->windowTitle().contains(QStringLiteral("DEM")));
            QTest::keyClick(dialog, Qt::Key_Return);
        });
        QTest::mouseClick(child<QRadioButton>(QStringLiteral("optCurrency_3")), Qt::LeftButton);
        verifyCurrentRow(3);

        whenDialogOpens([](frmInputCurrency *dialog) { QTest::keyClick(dialog, Qt::Key_Return); });
        QTest::keyClick(child<QPushButton>(QStringLiteral("cmdGo_3")), Qt::Key_Space);
        verifyCurrentRow(3);
    }

    void hiddenToolTipsStayEmpty()
    {
        writeIni("[General]\r\nToolTipText=True\r\n");
        start();
        convert(7, QStringLiteral("1000"));
        for (int row = 0; row < CurrencyCount; ++row)
            QVERIFY(amount(row)->toolTip().isEmpty());
        QCOMPARE(amount(7)->accessibleDescription(), Localized(QStringLiteral("998.3975")));
    }

    void otherCurrency_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QByteArray>("stored");
        QTest::newRow("named") << "Dollar" << "Dollar" << QByteArray("OtherCurrency=Dollar");
        QTest::newRow("emptied name") << "" << "Other currency" << QByteArray("OtherCurrency=?");
        QTest::newRow("built-in name") << "Other currency" << "Other currency" << QByteArray("OtherCurrency=?");
    }
    void otherCurrency()
    {
        QFETCH(QString, name);
        QFETCH(QString, caption);
        QFETCH(QByteArray, stored);
        start();
        whenDialogOpens([name](frmInputCurrency *dialog) {
            auto *convert = dialog->findChild<QPushButton *>(QStringLiteral("cmdConvert"));
            QVERIFY(!convert->isEnabled());
            auto *nameField = dialog->findChild<QLineEdit *>(QStringLiteral("txtCurrencyName"));
            nameField->setFocus();
            nameField->selectAll();
            QTest::keyClick(nameField, Qt::Key_Backspace);
            QTest::keyClicks(nameField, name);
            dialog->findChild<QLineEdit *>(QStringLiteral("txtCurrencyRate"))->setText(Localized(QStringLiteral("1.23456")));
            dialog->findChild<QComboBox *>(QStringLiteral("cboDecimals"))->setCurrentIndex(4);
            dialog->findChild<QLineEdit *>(QStringLiteral("txtAmount"))->setText(QStringLiteral("0"));
            QTest::mouseClick(convert, Qt::LeftButton);
        });
        QTest::keyClick(m_window.get(), Qt::Key_O, Qt::ControlModifier);
        QCOMPARE(child<QLabel>(QStringLiteral("lblTitle_13"))->text(), caption);
        QCOMPARE(action("mnuConvertFrom_13")->text(), caption);
        const QByteArray ini = readIni();
        QVERIFY(ini.contains(stored));
        QVERIFY(ini.contains("13=" + Localized(QStringLiteral("1.23456")).toUtf8()));
        QVERIFY(ini.contains("13=4"));

        // The next start shows the stored name in either language, and the
        // additional currency converted from 1 EUR.
        m_window.reset();
        writeIni(readIni().replace("Language=False", "Language=True").replace("ID=13", "ID=0").replace("Amount=0", "Amount=1"));
        start();
        QCOMPARE(child<QLabel>(QStringLiteral("lblTitle_13"))->text(),
                 caption == QLatin1String("Dollar") ? caption : QStringLiteral("Άλλο νόμισμα"));
        QCOMPARE(amount(13)->text(), Localized(QStringLiteral("1.2346 ")));
        QCOMPARE(amount(13)->toolTip(), Localized(QStringLiteral(" 1.2346 ")));
    }

    void zeroRateSourceOverflows()
    {
        writeIni("[Last]\r\nID=13\r\n");
        start();
        QCOMPARE(amount(13)->text(), QStringLiteral("Overflow "));
        QCOMPARE(amount(0)->text(), QStringLiteral("Undefined "));
        verifyCurrentRow(13);
    }

    void failedSaveIsReported_data()
    {
        QTest::addColumn<int>("answer");
        QTest::newRow("go on") << int(MessageAnswer::No);
        QTest::newRow("end") << int(MessageAnswer::Yes);
    }
    void failedSaveIsReported()
    {
        QFETCH(int, answer);
        QVERIFY(QDir(m_dir->path()).mkdir(QStringLiteral("zkEuroChangeoverAdviser.ini")));
        m_platform->answers = {answer};
        start();
        QCOMPARE(m_platform->messages.size(), 1);
        const ScriptedPlatform::Message &report = m_platform->messages[0];
        QCOMPARE(report.caption, QStringLiteral("Euro changeover adviser [ 342 ]"));
        QVERIFY(report.text.startsWith(QStringLiteral("Error condition ")));
        QVERIFY(report.text.endsWith(QStringLiteral("\n\nDo you want to shut down the application?")));
        QCOMPARE(report.style, 36);
        QCOMPARE(m_platform->ended, answer == MessageAnswer::Yes);
        QCOMPARE(amount(0)->text(), Localized(QStringLiteral("1.00 ")));
    }

    void secondCopyEnds()
    {
        writeIni("[General]\r\nLanguage=True\r\n");
        m_platform->otherInstance = true;
        m_window = std::make_unique<frmMain>(*m_platform);
        QVERIFY(m_window->ended());
        QVERIFY(m_platform->ended);
        QCOMPARE(m_platform->messages.size(), 1);
        QCOMPARE(m_platform->messages[0].caption, QStringLiteral("Σύμβουλος μετάβασης στο Ευρώ"));
        QVERIFY(m_platform->messages[0].text.startsWith(QStringLiteral("Η εφαρμογή είναι ήδη ενεργοποιημένη")));
        QCOMPARE(m_platform->messages[0].style, 16);
        QCOMPARE(readIni(), QByteArray("[General]\r\nLanguage=True\r\n"));
    }

    void exitWritesNothing()
    {
        start();
        const QByteArray before = readIni();
        action("mnuFileExit")->trigger();
        QVERIFY(!m_window->isVisible());
        QCOMPARE(readIni(), before);
    }
};

QTEST_MAIN(TestMainWindow)
#include "test_main_window.moc"
