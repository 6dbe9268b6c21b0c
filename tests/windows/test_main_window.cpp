#include "ScriptedProgram.h"
#include "TestLocale.h"

#include "app/MainController.h"
#include "windows/dialogs/frmInputCurrency.h"
#include "windows/main/frmMain.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QSet>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QToolButton>
#include <QtTest>

#include <functional>
#include <memory>

// The main window on real widgets: that its controls reach the controller and
// show what it holds. The arithmetic and the settings are tested below it.
class TestMainWindow : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<ScriptedPlatform> m_platform;
    std::unique_ptr<MainController> m_controller;
    std::unique_ptr<frmMain> m_window;

    QString iniPath() const { return m_dir->filePath(QStringLiteral("zkEuroChangeoverAdviser.ini")); }
    void writeIni(const QByteArray &contents) const { QVERIFY(WriteFile(iniPath(), contents)); }
    QByteArray readIni() const { return ReadFile(iniPath()); }
    void start()
    {
        m_controller = std::make_unique<MainController>(*m_platform);
        QVERIFY(m_controller->StartUp());
        m_window = std::make_unique<frmMain>(*m_controller);
        m_window->show();
        QApplication::setActiveWindow(m_window.get());
        QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
    }
    template<typename T>
    T *child(const QString &name) const
    {
        return m_window->findChild<T *>(name);
    }
    QLabel *amount(int slot) const { return child<QLabel>(QStringLiteral("lblAmount_%1").arg(slot)); }
    QAction *action(const char *name) const { return child<QAction>(QLatin1String(name)); }
    QLabel *road() const { return child<QLabel>(QStringLiteral("lblConversionRoad")); }
    QPushButton *goButton(int slot) const { return child<QPushButton>(QStringLiteral("cmdGo_%1").arg(slot)); }

    // Runs `answer` on the amount dialog as soon as it is open.
    void whenDialogOpens(std::function<void(frmInputCurrency *)> answer)
    {
        QTimer::singleShot(0, this, [answer] {
            auto *dialog = qobject_cast<frmInputCurrency *>(QApplication::activeModalWidget());
            QVERIFY2(dialog, "the amount dialog did not open");
            answer(dialog);
        });
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

    void firstStartThenAConversion()
    {
        start();
        QVERIFY(readIni().startsWith("[General]\r\nLanguage=False\r\n"));
        QCOMPARE(amount(9)->text(), Localized(QStringLiteral("1,936 ")));
        QCOMPARE(amount(7)->toolTip(), Localized(QStringLiteral(" 340.7500 ")));
        QCOMPARE(amount(7)->accessibleDescription(), Localized(QStringLiteral("340.7500")));
        QCOMPARE(goButton(13)->accessibleName(), QStringLiteral("Convert from Other currency"));
        QVERIFY(!action("mnuSettingsHelp")->isEnabled() && !action("mnuSavePath")->isVisible());
        verifyCurrentRow(0);
        whenDialogOpens([](frmInputCurrency *dialog) {
            auto *field = dialog->findChild<QLineEdit *>(QStringLiteral("txtAmount"));
            field->selectAll();
            QTest::keyClicks(field, Localized(QStringLiteral("1,000.5")));
            QTest::keyClick(field, Qt::Key_Return);
        });
        QTest::mouseClick(goButton(7), Qt::LeftButton);
        QCOMPARE(amount(7)->text(), QStringLiteral("998 "));
        QCOMPARE(amount(0)->text(), Localized(QStringLiteral("2.93 ")));
        verifyCurrentRow(7);
        QVERIFY(readIni().contains("Amount=" + Localized(QStringLiteral("1000.5")).toUtf8() + "\r\n"));
        QVERIFY(m_platform->messages.isEmpty());
    }

    // Every way into a conversion: the menu's shortcut, the option, Space and
    // Enter on a row's button.
    void keyboardAndOptionStartConversions()
    {
        start();
        whenDialogOpens([](frmInputCurrency *dialog) {
            QVERIFY(dialog->windowTitle().contains(QStringLiteral("GRD")));
            QTest::keyClick(dialog, Qt::Key_Escape);
        });
        QTest::keyClick(m_window.get(), Qt::Key_H, Qt::ControlModifier);
        verifyCurrentRow(0);

        whenDialogOpens([](frmInputCurrency *dialog) { QTest::keyClick(dialog, Qt::Key_Return); });
        QTest::mouseClick(child<QRadioButton>(QStringLiteral("optCurrency_3")), Qt::LeftButton);
        verifyCurrentRow(3);

        for (const Qt::Key key : {Qt::Key_Space, Qt::Key_Return, Qt::Key_Enter}) {
            whenDialogOpens([](frmInputCurrency *dialog) { QTest::keyClick(dialog, Qt::Key_Return); });
            QTest::keyClick(child<QPushButton>(QStringLiteral("cmdGo_5")), key);
            verifyCurrentRow(5);
            QCOMPARE(QApplication::activeModalWidget(), nullptr);
        }
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
        QCOMPARE(readIni(), before);
    }

    void languageSwitchAppliesEveryCaption()
    {
        writeIni("[Last]\r\nAmount=922337203685477\r\n");
        start();
        QCOMPARE(amount(0)->text(), QStringLiteral("Overflow "));
        QTest::mouseClick(child<QToolButton>(QStringLiteral("cmdLanguage_0")), Qt::LeftButton);
        QVERIFY(readIni().contains("Language=True"));
        QCOMPARE(m_window->windowTitle(), QStringLiteral("Σύμβουλος μετάβασης στο Ευρώ"));
        QCOMPARE(child<QMenu>(QStringLiteral("mnuConvert"))->title(), QStringLiteral("&Μετατροπή από"));
        QCOMPARE(child<QToolButton>(QStringLiteral("cmdEndApplication"))->accessibleName(), QStringLiteral("Έξοδος"));
        QCOMPARE(child<QLabel>(QStringLiteral("lblTitle_13"))->text(), QStringLiteral("Άλλο νόμισμα"));
        QCOMPARE(amount(0)->toolTip(), QStringLiteral(" Υπερχείλιση "));
        QCOMPARE(amount(5)->text(), QStringLiteral("Απροσδιόριστο "));
        QVERIFY(road()->accessibleName().startsWith(QStringLiteral("Υπερχείλιση: η εφαρμογή χωρά έως ")));
        // One language at a time, in the menu and on the flags, also when chosen again.
        action("mnuToolsGreek")->trigger();
        QVERIFY(action("mnuToolsGreek")->isChecked()
                && child<QToolButton>(QStringLiteral("cmdLanguage_0"))->isChecked());
        QVERIFY(!action("mnuToolsEnglish")->isChecked());
        QFile::remove(iniPath());
        action("mnuToolsEnglish")->trigger();
        action("mnuToolsEnglish")->trigger();
        QVERIFY(!action("mnuToolsGreek")->isChecked()
                && !child<QToolButton>(QStringLiteral("cmdLanguage_0"))->isChecked());
        QCOMPARE(amount(13)->text(), QStringLiteral("Undefined "));
        QCOMPARE(readIni(), QByteArray("[General]\r\nLanguage=False\r\n"));
    }

    // A name shows as typed: an "&" is no keyboard mnemonic in the row or the menu.
    void otherCurrencyNameShownAsTyped()
    {
        start();
        whenDialogOpens([](frmInputCurrency *dialog) {
            auto *name = dialog->findChild<QLineEdit *>(QStringLiteral("txtCurrencyName"));
            name->setText(QStringLiteral("Zloty & Groszy"));
            dialog->findChild<QLineEdit *>(QStringLiteral("txtCurrencyRate"))->setText(QStringLiteral("4"));
            QTest::mouseClick(dialog->findChild<QPushButton *>(QStringLiteral("cmdConvert")), Qt::LeftButton);
        });
        QTest::keyClick(m_window.get(), Qt::Key_O, Qt::ControlModifier);
        verifyCurrentRow(13);
        QVERIFY(readIni().contains("OtherCurrency=Zloty & Groszy\r\n"));
        QCOMPARE(child<QRadioButton>(QStringLiteral("optCurrency_13"))->accessibleName(),
                 QStringLiteral("Zloty & Groszy"));
        for (const QString &shown :
             {child<QLabel>(QStringLiteral("lblTitle_13"))->text(), action("mnuConvertFrom_13")->text()}) {
            QVERIFY(QKeySequence::mnemonic(shown).isEmpty());
            QCOMPARE(QString(shown).replace(QStringLiteral("&&"), QStringLiteral("&")),
                     QStringLiteral("Zloty & Groszy"));
        }
    }

    // Ctrl+C, Ctrl+Shift+C and a double-click copy the amount as the row shows
    // it, without its padding, also while the tooltips are hidden; the status
    // line follows the row the keyboard is on.
    void copyPutsTheShownText_data()
    {
        QTest::addColumn<int>("focused"); // -1: a flag button has the focus
        QTest::addColumn<bool>("unrounded");
        QTest::addColumn<QString>("copied");
        QTest::addColumn<QString>("road");
        const QString grd = QStringLiteral("999,999.0250 → 999,999 GRD");
        QTest::newRow("unrounded") << 7 << true << "999,999.0250" << grd;
        QTest::newRow("focused row") << 8 << false << "2,311.26"
                                     << "2,311.2641 → 2,311.26 IEP";
        QTest::newRow("no row focused") << -1 << false << "999,999" << grd;
    }
    void copyPutsTheShownText()
    {
        QFETCH(int, focused);
        QFETCH(bool, unrounded);
        QFETCH(QString, copied);
        writeIni("[General]\r\nToolTipText=True\r\n[Last]\r\nID=7\r\nAmount=1000000\r\n");
        start();
        (focused < 0 ? static_cast<QWidget *>(child<QToolButton>(QStringLiteral("cmdLanguage_0"))) : goButton(focused))
            ->setFocus();
        QFETCH(QString, road);
        QCOMPARE(this->road()->accessibleName(), Localized(QStringLiteral("1,000,000 GRD → 2,934.70 EUR → ") + road));
        QTest::keyClick(m_window.get(), Qt::Key_C,
                        Qt::ControlModifier | (unrounded ? Qt::ShiftModifier : Qt::NoModifier));
        QCOMPARE(QGuiApplication::clipboard()->text(), Localized(copied));
        QCOMPARE(m_window->statusBar()->currentMessage(),
                 (unrounded ? QStringLiteral("Copied unrounded: ") : QStringLiteral("Copied: ")) + Localized(copied));
        QTest::mouseDClick(amount(3), Qt::LeftButton);
        QCOMPARE(QGuiApplication::clipboard()->text(), Localized(QStringLiteral("5,739.77")));
    }

    // The decimal separators of all rows stand in one column, whole numbers end
    // at it, and the captions are left as they are.
    void amountsAlignedByPlace()
    {
        writeIni("[Decimals]\r\n0=4\r\n3=0\r\n[Last]\r\nAmount=1234.5\r\n");
        start();
        const QString point = QLocale().decimalPoint();
        QSet<int> columns;
        QSet<qsizetype> decimals;
        for (int slot = 0; slot < CurrencyCount; ++slot) {
            const QLabel *label = amount(slot);
            const qsizetype at = label->text().indexOf(point);
            decimals << (at < 0 ? 0 : label->text().size() - at);
            const int textRight = label->contentsRect().right() + 1 - label->margin() - label->indent();
            columns << label->mapTo(m_window.get(), QPoint(textRight, 0)).x()
                    - label->fontMetrics().horizontalAdvance(at < 0 ? QStringLiteral(" ") : label->text().mid(at));
        }
        QVERIFY(decimals.size() > 1);
        QCOMPARE(columns.size(), 1);
    }

    void exitWritesNothing()
    {
        start();
        const QByteArray before = readIni();
        QTest::keyClick(m_window.get(), Qt::Key_Q, Qt::ControlModifier);
        QVERIFY(!m_window->isVisible());
        QCOMPARE(readIni(), before);
    }
};

QTEST_MAIN(TestMainWindow)
#include "test_main_window.moc"
