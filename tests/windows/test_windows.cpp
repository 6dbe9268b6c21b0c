#include "ScriptedProgram.h"
#include "TestLocale.h"

#include "app/HelpTopics.h"
#include "app/PrintJob.h"
#include "app/Texts.h"
#include "windows/ContextHelp.h"
#include "windows/dialogs/UpDown.h"
#include "windows/dialogs/frmAbout.h"
#include "windows/dialogs/frmInputCurrency.h"
#include "windows/dialogs/frmPageSetup.h"
#include "windows/dialogs/frmPrint.h"
#include "windows/dialogs/frmSettingsExport.h"
#include "windows/dialogs/frmSettingsImport.h"
#include "windows/main/frmMain.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QGroupBox>
#include <QHelpEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QSet>
#include <QStatusBar>
#include <QToolButton>
#include <QWhatsThis>
#include <QWindow>
#include <QtTest>

#include <functional>
#include <memory>

// The main window and its dialogs on real widgets over the scripted platform: that their controls reach the
// controller and show what it holds. The arithmetic, the settings and the report are tested below them.
class TestWindows : public QObject
{
    Q_OBJECT

    std::unique_ptr<ScriptedProgram> m_program;
    std::unique_ptr<frmMain> m_main;
    std::unique_ptr<QDialog> m_dialog; // the dialog under test, else the main window's controls are meant
    QStringList m_shown;               // the help topics shown since the last click
    int m_opened = 0;                  // amount dialogs opened

    ScriptedPlatform &platform() const { return m_program->platform; }
    AppContext &context() const { return m_program->context; }
    void start(const QByteArray &ini = {})
    {
        m_program = std::make_unique<ScriptedProgram>(ini);
        m_opened = 0;
        m_main = std::make_unique<frmMain>(context());
        m_main->show();
        QApplication::setActiveWindow(m_main.get());
        QVERIFY(QTest::qWaitForWindowActive(m_main.get()));
    }
    void showDialog(QDialog *dialog)
    {
        m_dialog.reset(dialog);
        m_dialog->show();
        QApplication::setActiveWindow(m_dialog.get()); // leaving a field counts only in the active window
        QVERIFY(QTest::qWaitForWindowActive(m_dialog.get()));
    }
    template<typename T = QPushButton>
    T *child(const QString &name) const
    {
        return m_dialog ? m_dialog->findChild<T *>(name) : m_main->findChild<T *>(name);
    }
    QLineEdit *field(const QString &name) const { return child<QLineEdit>(name); }
    QAction *action(const char *name) const { return m_main->findChild<QAction *>(name); }
    QLabel *amount(int slot) const { return child<QLabel>(QStringLiteral("lblAmount_%1").arg(slot)); }
    QPushButton *goButton(int slot) const { return child(QStringLiteral("cmdGo_%1").arg(slot)); }
    void switchLanguage(bool greek) const { action(greek ? "mnuToolsGreek" : "mnuToolsEnglish")->trigger(); }

    void whenDialogOpens(std::function<void(frmInputCurrency *)> answer)
    {
        QTimer::singleShot(0, this, [this, answer] {
            auto *dialog = qobject_cast<frmInputCurrency *>(QApplication::activeModalWidget());
            QVERIFY2(dialog, "the amount dialog did not open");
            ++m_opened;
            answer(dialog);
        });
    }
    void verifyCurrentRow(int slot) const
    {
        for (int row = 0; row < CurrencyCount; ++row) {
            QCOMPARE(child<QAction>(QStringLiteral("mnuConvertFrom_%1").arg(row))->isChecked(), row == slot);
            QCOMPARE(child<QRadioButton>(QStringLiteral("optCurrency_%1").arg(row))->isChecked(), row == slot);
        }
        QCOMPARE(m_main->focusWidget(), goButton(slot));
    }

    void stepUp(const QString &number) { QTest::keyClick(child<UpDown>("upd" + number), Qt::Key_Up); }
    QString shown(const QString &number) const { return child<QLabel>("lbl" + number)->text(); }
    // The font, its size and the left margin (where the rule under the title starts) of the next print.
    QString nextPrint()
    {
        PrintJob(context(), nullptr).Print(PrintJob::ToPrinter, {});
        const PrintedDocument &printed = *platform().printed.last();
        return printed.document.fontFamily
            + QStringLiteral(" %1, %2").arg(printed.document.pointSize).arg(printed.lines[1].indexOf(u'-'));
    }

    void openPrint(qint16 destination)
    {
        start();
        context().setPrintDestination(destination);
        showDialog(new frmPrint(context()));
    }
    bool idle() const
    {
        return m_dialog->isVisible() && child("cmdPrint")->isEnabled() && !child("cmdCancelPrinting")->isEnabled()
            && child<QGroupBox>("fraPrintDestination")->isEnabled();
    }

    void openAmount(int slot, const QString &amount = QStringLiteral("1.00 "), bool greek = false)
    {
        start();
        context().app().GreekLanguage = greek;
        InputCurrencyRequest request{slot, CurrencyCaption(slot, greek), CurrencyCaption(0, greek), amount, QIcon()};
        showDialog(new frmInputCurrency(context().dialogs(), context().state(), request));
    }
    void retype(const char *name, const QString &text) const
    {
        field(name)->setFocus();
        field(name)->clear();
        QTest::keyClicks(field(name), text);
    }

    // Every dialog, opened in the language of the moment over the main window; every window's help is recorded.
    QList<QDialog *> openDialogs()
    {
        InputCurrencyRequest request{OtherCurrencyIndex, "Other", "Euro", "1 ", {}};
        const QList<QDialog *> dialogs{
            new frmPageSetup(context(), m_main.get()),
            new frmPrint(context(), m_main.get()),
            new frmInputCurrency(context().dialogs(), context().state(), request, m_main.get()),
            new frmAbout(context().dialogs(), m_main.get()),
            new frmSettingsExport(context().dialogs(), context().settings(), m_main.get()),
            new frmSettingsImport(context().dialogs(), context().settings(), m_main.get())};
        for (QDialog *dialog : dialogs)
            dialog->show();
        for (ContextHelp *help : m_main->findChildren<ContextHelp *>())
            help->setShowFunction([this](auto, const QString &text, auto) { m_shown << text; });
        return dialogs;
    }
    // Through the window, as a user clicks: the widget under the point receives it.
    QStringList click(QWidget *control, Qt::MouseButton button = Qt::RightButton)
    {
        m_shown.clear();
        QTest::mouseClick(control->window()->windowHandle(), button, {},
                          control->mapTo(control->window(), QPoint(5, 5)));
        return m_shown;
    }
    static QString topic(QWidget *control, bool greek)
    {
        return HelpTopics::topic(control->window()->objectName(), control->objectName(), greek);
    }

private slots:
    void initTestCase()
    {
        QVERIFY(PinTestLocale());
        qputenv("PATH", "/nonexistent"); // no system-information program to start
    }
    void cleanup()
    {
        m_dialog.reset();
        m_main.reset();
        m_program.reset();
        QCOMPARE(QApplication::activeModalWidget(), nullptr);
    }

    void firstStartThenAConversion()
    {
        start();
        QCOMPARE(amount(9)->text(), Localized(QStringLiteral("1,936 ")));
        QVERIFY(!action("mnuSettingsHelp")->isEnabled()); // only while the menu is open from its button
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
        QVERIFY(m_program->ini().contains("Amount=" + Localized(QStringLiteral("1000.5")).toUtf8() + "\r\n"));
        QVERIFY(platform().messages.isEmpty());
    }

    void keyboardAndOptionStartConversions()
    {
        start();
        whenDialogOpens([](frmInputCurrency *dialog) { QTest::keyClick(dialog, Qt::Key_Return); });
        QTest::mouseClick(child<QRadioButton>(QStringLiteral("optCurrency_3")), Qt::LeftButton);
        verifyCurrentRow(3);
        for (const Qt::Key key : {Qt::Key_Space, Qt::Key_Return, Qt::Key_Enter}) {
            whenDialogOpens([](frmInputCurrency *dialog) { QTest::keyClick(dialog, Qt::Key_Return); });
            QTest::keyClick(goButton(5), key);
            verifyCurrentRow(5);
            QCOMPARE(QApplication::activeModalWidget(), nullptr);
        }
        QCOMPARE(m_opened, 4);
    }

    // Cancel keeps the row and the file as they were, and so does Exit.
    void cancelAndExitKeepEverything()
    {
        start("[Last]\r\nID=2\r\nAmount=10\r\n");
        const QByteArray before = m_program->ini();
        const QString shown = amount(5)->text();
        whenDialogOpens([](frmInputCurrency *dialog) {
            dialog->findChild<QComboBox *>(QStringLiteral("cboDecimals"))->setCurrentIndex(4);
            QTest::mouseClick(dialog->findChild<QPushButton *>(QStringLiteral("cmdCancel")), Qt::LeftButton);
        });
        QTest::mouseClick(goButton(5), Qt::LeftButton);
        verifyCurrentRow(2);
        QCOMPARE(amount(5)->text(), shown);
        QApplication::setActiveWindow(m_main.get()); // the offscreen platform gives nothing the focus back
        QTest::keyClick(m_main.get(), Qt::Key_Q, Qt::ControlModifier);
        QVERIFY(!m_main->isVisible());
        QCOMPARE(m_program->ini(), before);
    }

    void languageSwitchAppliesEveryCaption()
    {
        start("[Last]\r\nAmount=922337203685477\r\n");
        QTest::mouseClick(child<QToolButton>(QStringLiteral("cmdLanguage_0")), Qt::LeftButton);
        QVERIFY(m_program->ini().contains("Language=True"));
        QCOMPARE(m_main->windowTitle(), QStringLiteral("Σύμβουλος μετάβασης στο Ευρώ"));
        QCOMPARE(amount(5)->text(), QStringLiteral("Απροσδιόριστο "));
        // One language at a time, in the menu and on the flags, also when chosen again.
        switchLanguage(true);
        QVERIFY(action("mnuToolsGreek")->isChecked()
                && child<QToolButton>(QStringLiteral("cmdLanguage_0"))->isChecked());
        QVERIFY(!action("mnuToolsEnglish")->isChecked());
        QFile::remove(m_program->path(QStringLiteral("zkEuroChangeoverAdviser.ini")));
        switchLanguage(false);
        switchLanguage(false);
        QVERIFY(!action("mnuToolsGreek")->isChecked()
                && !child<QToolButton>(QStringLiteral("cmdLanguage_0"))->isChecked());
        QCOMPARE(amount(13)->text(), QStringLiteral("Undefined "));
        QCOMPARE(m_program->ini(), QByteArray("[General]\r\nLanguage=False\r\n"));
    }

    // A name shows as typed: an "&" is no keyboard mnemonic in the row or the menu.
    void otherCurrencyNameShownAsTyped()
    {
        start();
        whenDialogOpens([](frmInputCurrency *dialog) {
            dialog->findChild<QLineEdit *>(QStringLiteral("txtCurrencyName"))
                ->setText(QStringLiteral("Zloty & Groszy"));
            dialog->findChild<QLineEdit *>(QStringLiteral("txtCurrencyRate"))->setText(QStringLiteral("4"));
            QTest::mouseClick(dialog->findChild<QPushButton *>(QStringLiteral("cmdConvert")), Qt::LeftButton);
        });
        QTest::keyClick(m_main.get(), Qt::Key_O, Qt::ControlModifier);
        verifyCurrentRow(13);
        for (const QString &shown :
             {child<QLabel>(QStringLiteral("lblTitle_13"))->text(), action("mnuConvertFrom_13")->text()}) {
            QVERIFY(QKeySequence::mnemonic(shown).isEmpty());
            QCOMPARE(QString(shown).replace(QStringLiteral("&&"), QStringLiteral("&")),
                     QStringLiteral("Zloty & Groszy"));
        }
    }

    // Ctrl+C, Ctrl+Shift+C and a double-click copy the amount as the row shows it, without its padding, also
    // while the tooltips are hidden; the status line follows the row the keyboard is on, else the current row.
    void copyPutsTheShownText()
    {
        start("[General]\r\nToolTipText=True\r\n[Last]\r\nID=7\r\nAmount=1000000\r\n");
        const auto copy = [this](QWidget *focused, Qt::KeyboardModifiers modifiers) {
            focused->setFocus();
            QTest::keyClick(m_main.get(), Qt::Key_C, Qt::ControlModifier | modifiers);
            return QStringList{child<QLabel>(QStringLiteral("lblConversionRoad"))->accessibleName(),
                               QGuiApplication::clipboard()->text(), m_main->statusBar()->currentMessage()}
                .join(u'|');
        };
        const QString grd = QStringLiteral("1,000,000 GRD → 2,934.70 EUR → 999,999.0250 → 999,999 GRD|");
        QCOMPARE(copy(goButton(7), Qt::ShiftModifier), Localized(grd + "999,999.0250|Copied unrounded: 999,999.0250"));
        QCOMPARE(copy(goButton(8), {}),
                 Localized("1,000,000 GRD → 2,934.70 EUR → 2,311.2641 → 2,311.26 IEP|2,311.26|"
                           "Copied: 2,311.26"));
        QCOMPARE(copy(child<QToolButton>(QStringLiteral("cmdLanguage_0")), {}),
                 Localized(grd + "999,999|Copied: 999,999"));
        QTest::mouseDClick(amount(3), Qt::LeftButton);
        QCOMPARE(QGuiApplication::clipboard()->text(), Localized(QStringLiteral("5,739.77")));
    }

    // The decimal separators of all rows stand in one column, whole numbers end at it.
    void amountsAlignedByPlace()
    {
        start("[Decimals]\r\n0=4\r\n3=0\r\n[Last]\r\nAmount=1234.5\r\n");
        const QString point = QLocale().decimalPoint();
        QSet<int> columns;
        QSet<qsizetype> decimals;
        for (int slot = 0; slot < CurrencyCount; ++slot) {
            const QLabel *label = amount(slot);
            const qsizetype at = label->text().indexOf(point);
            decimals << (at < 0 ? 0 : label->text().size() - at);
            const int textRight = label->contentsRect().right() + 1 - label->margin() - label->indent();
            columns << label->mapTo(m_main.get(), QPoint(textRight, 0)).x()
                    - label->fontMetrics().horizontalAdvance(at < 0 ? QStringLiteral(" ") : label->text().mid(at));
        }
        QVERIFY(decimals.size() > 1);
        QCOMPARE(columns.size(), 1);
    }

    // The menus' items and the buttons reach their dialogs, over the main window.
    void menusAndButtonsOpenTheirDialogs()
    {
        start();
        QStringList opened;
        QTimer closer; // closes each dialog as it opens
        connect(&closer, &QTimer::timeout, this, [&opened] {
            if (QWidget *dialog = QApplication::activeModalWidget())
                opened.append(dialog->windowTitle()), dialog->close();
        });
        closer.start(0);
        const int broughtToFront = platform().broughtToFront;
        action("mnuFilePrint")->trigger();
        for (const char *button : {"cmdPageSetup", "cmdPrintSetup", "cmdCopyright"})
            child<QToolButton>(QLatin1String(button))->click();
        action("mnuSettingsExport")->trigger();
        QCOMPARE(opened, QStringList({"Print - Number of pages: 1.", "Page setup", "About", "Export settings"}));
        QCOMPARE(platform().printerSetupTitles, QStringList{"Printer setup"});
        QCOMPARE(platform().broughtToFront, broughtToFront + 5);
    }

    // The Settings button opens its menu below itself, on a click, Enter or Space, with Help and Cancel; from the
    // menu bar those two are disabled.
    void settingsMenu()
    {
        start();
        auto *button = child<QToolButton>(QStringLiteral("cmdSettings"));
        auto *menu = child<QMenu>(QStringLiteral("mnuSettings"));
        QString seen;
        const auto look = [&] {
            seen += QStringLiteral("%1%2%3 ")
                        .arg(menu->isVisible())
                        .arg(action("mnuSettingsHelp")->isEnabled())
                        .arg(action("mnuSettingsCancel")->isEnabled());
            menu->close();
        };
        for (const Qt::Key key : {Qt::Key_unknown, Qt::Key_Return, Qt::Key_Enter, Qt::Key_Space}) {
            QTimer::singleShot(0, this, [&] {
                QVERIFY(menu->geometry().top() >= button->mapToGlobal(QPoint(0, button->height())).y());
                look();
            });
            if (key == Qt::Key_unknown)
                QTest::mouseClick(button, Qt::LeftButton);
            else
                QTest::keyClick(button, key);
        }
        m_main->menuBar()->setActiveAction(menu->menuAction());
        QTRY_VERIFY(menu->isVisible());
        look();
        QCOMPARE(seen, QStringLiteral("111 111 111 111 100 "));
    }

    // One page setup step per click or key from the default, the minimum; never beyond either end.
    void pageSetupRangesStopAtBothEnds_data()
    {
        QTest::addColumn<QString>("number");
        QTest::addColumn<int>("minimum");
        QTest::addColumn<int>("maximum");
        QTest::newRow("font size") << "FontSize" << 8 << 12;
        QTest::newRow("left margin") << "LeftMargin" << 0 << 30;
        QTest::newRow("lines per page") << "LinesPerPage" << 30 << 80;
    }
    void pageSetupRangesStopAtBothEnds()
    {
        QFETCH(QString, number);
        QFETCH(int, minimum);
        QFETCH(int, maximum);
        start();
        showDialog(new frmPageSetup(context()));
        QCOMPARE(child<QLabel>("lbl" + number + "MinMax")->text(), QStringLiteral("%1 - %2").arg(minimum).arg(maximum));
        auto *upDown = child<UpDown>("upd" + number);
        QTest::mouseClick(upDown->upButton(), Qt::LeftButton);
        QCOMPARE(shown(number), QString::number(minimum + 1));
        for (int i = minimum; i <= maximum; ++i)
            stepUp(number);
        QCOMPARE(shown(number), QString::number(maximum));
        for (int i = minimum; i <= maximum; ++i)
            QTest::mouseClick(upDown->downButton(), Qt::LeftButton);
        QCOMPARE(shown(number), QString::number(minimum));
    }

    // OK changes the next print but not the file. Apply writes and disables Cancel; Cancel afterwards keeps
    // what was applied.
    void pageSetupOkApplyCancel()
    {
        start();
        showDialog(new frmPageSetup(context()));
        QVERIFY(!child("cmdCancel")->isEnabled());
        stepUp("FontSize");
        child<QRadioButton>("chkCourierNewGreek")->click();
        QVERIFY(child("cmdCancel")->isEnabled());
        child("cmdOK")->click();
        QVERIFY(!m_dialog->isVisible());
        QCOMPARE(nextPrint(), QStringLiteral("Courier New Greek 9, 0"));
        QVERIFY(!m_program->ini().contains("[PageSetup]"));
        showDialog(new frmPageSetup(context()));
        QCOMPARE(shown("FontSize"), QStringLiteral("9"));
        stepUp("LeftMargin");
        child("cmdApply")->click();
        QVERIFY(!child("cmdCancel")->isEnabled());
        QVERIFY(m_program->ini().contains("[PageSetup]\r\nFontName=Courier New Greek\r\nFontSize=9\r\nTopMargin=0\r\n"
                                          "LeftMargin=1\r\nLinesPerPage=30\r\n"));
        stepUp("FontSize");
        child("cmdCancel")->click();
        QCOMPARE(nextPrint(), QStringLiteral("Courier New Greek 9, 1"));
    }

    // The printer setup renames the options at once. Apply writes the destination and stays open; Close, and Print
    // and Close even with no file chosen, keep it for this run; Cancel keeps nothing.
    void printDestinationButtons_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<qint16>("kept");
        QTest::addColumn<bool>("written");
        QTest::addColumn<bool>("stays");
        QTest::newRow("Apply") << "cmdApply" << PrintJob::ToBoth << true << true;
        QTest::newRow("Close") << "cmdClose" << PrintJob::ToBoth << false << false;
        QTest::newRow("Print and Close, no file") << "cmdPrintAndClose" << PrintJob::ToBoth << false << true;
        QTest::newRow("Cancel") << "cmdCancel" << PrintJob::ToPrinter << false << false;
    }
    void printDestinationButtons()
    {
        QFETCH(QString, button);
        QFETCH(bool, written);
        QFETCH(bool, stays);
        openPrint(PrintJob::ToPrinter);
        QVERIFY(child<QRadioButton>("optPrintDestination_0")->isChecked() && !child("cmdCancel")->isEnabled());
        child<QRadioButton>("optPrintDestination_2")->click();
        QVERIFY(child("cmdCancel")->isEnabled());
        platform().printerAfterSetup = QStringLiteral("Laser & Co");
        child("cmdPrintSetup")->click();
        QCOMPARE(child<QRadioButton>("optPrintDestination_2")->text(),
                 QStringLiteral("both Laser && Co printer\nand Plain text file..."));
        child(button)->click();
        QTEST(context().printDestination(), "kept");
        QCOMPARE(m_program->ini().contains("PrintDestination=2\r\n"), written);
        QCOMPARE(stays ? idle() : m_dialog->isVisible(), stays);
        QCOMPARE(child("cmdCancel")->isEnabled(), !written);
        QVERIFY(platform().printed.isEmpty() && platform().messages.isEmpty());
        QCOMPARE(platform().fileChoices.size(), button == QLatin1String("cmdPrintAndClose") ? 1 : 0);
    }

    // While printing, the cancel button (or Escape) asks first and the close box is refused with a message. Yes keeps
    // what was done so far and the dialog open; No runs to the end, replaces the old file whole and closes.
    void printDuringRun_data()
    {
        QTest::addColumn<QString>("press");
        QTest::addColumn<MessageAnswer>("answer");
        QTest::newRow("cancel, Yes") << "cmdCancelPrinting" << MessageAnswer::Yes;
        QTest::newRow("Escape, No") << "Escape" << MessageAnswer::No;
        QTest::newRow("close box") << "close box" << MessageAnswer::No;
    }
    void printDuringRun()
    {
        QFETCH(QString, press);
        QFETCH(MessageAnswer, answer);
        openPrint(PrintJob::ToBoth);
        platform().savePaths = {m_program->path("PRN_Euro.txt")};
        QVERIFY(WriteFile(platform().savePaths[0], QByteArray(100000, 'x')));
        platform().answers = {answer};
        bool busy = false, stayed = false;
        platform().whilePrinting = [&] {
            if (platform().printed[0]->lines.size() != 10)
                return;
            busy = !child("cmdPrint")->isEnabled() && !child<QGroupBox>("fraPrintDestination")->isEnabled()
                && child<QProgressBar>("prbProgressBar")->isEnabled() && child("cmdCancelPrinting")->isEnabled();
            // Pressed while the run lets events through, as a user would.
            QTimer::singleShot(0, m_dialog.get(), [&] {
                if (press == QLatin1String("Escape"))
                    QTest::keyClick(m_dialog.get(), Qt::Key_Escape);
                else if (press == QLatin1String("close box"))
                    m_dialog->windowHandle()->close();
                else
                    child(press)->click();
                stayed = m_dialog->isVisible();
            });
        };
        QTest::keyClick(m_dialog.get(), Qt::Key_P, Qt::ControlModifier);
        QVERIFY(busy && stayed);
        QCOMPARE(platform().messages.size(), 1);
        QCOMPARE(platform().messages[0].caption, press == "close box" ? "Close window" : "Cancel processing");
        QVERIFY(platform().printed[0]->ended);
        const qsizetype printed = platform().printed[0]->lines.size();
        const qsizetype written = ReadFile(m_program->path("PRN_Euro.txt")).count("\r\n"); // the old file has none
        QVERIFY(written == printed || written == printed - 1);
        QCOMPARE(printed == 47, answer == MessageAnswer::No);
        QCOMPARE(child<QProgressBar>("prbProgressBar")->text() == QLatin1String("100 %"), answer == MessageAnswer::No);
        QCOMPARE(idle(), answer == MessageAnswer::Yes);
        m_dialog->windowHandle()->close(); // idle, the close box closes it
        QVERIFY(!m_dialog->isVisible());
    }

    // Only the additional currency's name and rate can be changed, only the euro's decimals cannot; Convert
    // says why it is disabled; the line under the amount says what it may hold, as the region writes it.
    void amountDialogOpening_data()
    {
        QTest::addColumn<int>("slot");
        QTest::addColumn<bool>("greek");
        QTest::addColumn<QString>("amount");
        QTest::addColumn<int>("decimals");
        QTest::addColumn<QString>("texts"); // title|rate line|frame|why Convert is disabled
        QTest::newRow("euro") << 0 << false << "1.00 " << 2
                              << "Convert 'EUR - Euro' to all other currencies|(EUR - Euro) 1 = 1 (EUR - Euro)|"
                                 " Fixed exchange rate |";
        QTest::newRow("drachma, Greek") << 7 << true << "1,936 " << 0
                                        << "Μετατροπή «GRD - Δραχμή Ελλάδος» σε όλα τα άλλα νομίσματα|"
                                           "(EUR - Ευρώ) 1 = 340.75 (GRD - Δραχμή Ελλάδος)| Κλειδωμένη ισοτιμία |";
        QTest::newRow("additional") << 13 << false << "Overflow " << 2
                                    << "Convert 'Other currency' to all other currencies|"
                                       "(EUR - Euro) 1 = 0 (Other currency)| Current exchange rate |"
                                       "Enter an exchange rate above 0";
    }
    void amountDialogOpening()
    {
        QFETCH(int, slot);
        QFETCH(bool, greek);
        QFETCH(QString, amount);
        QFETCH(QString, texts);
        openAmount(slot, amount, greek);
        const QString hint = greek ? QStringLiteral("Ψηφία, η υποδιαστολή «%1»· το πολύ %2")
                                   : QStringLiteral("Digits, the decimal separator '%1'; at most %2");
        QCOMPARE((QStringList{m_dialog->windowTitle(), child<QLabel>("lblEuroRateTitle")->text(),
                              child<QGroupBox>("fraFixedRate")->title(), child<QLabel>("lblConvertReason")->text(),
                              field("txtAmount")->text(), child<QLabel>("lblAmountHint")->text()}),
                 Localized(texts).split(u'|')
                     << amount.trimmed() << hint.arg(Localized("."), Localized("922,337,203,685,477.5807")));
        QVERIFY(child("cmdConvert")->isEnabled() == texts.endsWith(u'|')
                && child("cmdConvert")->accessibleDescription() == texts.section(u'|', 3));
        for (const char *name : {"txtCurrencyName", "txtCurrencyRate"})
            QVERIFY(field(name)->isReadOnly() == (slot != OtherCurrencyIndex)
                    && (field(name)->focusPolicy() == Qt::ClickFocus) == (slot != OtherCurrencyIndex));
        QTEST(child<QComboBox>("cboDecimals")->currentIndex(), "decimals");
        QCOMPARE(child<QComboBox>("cboDecimals")->isEnabled(), slot != 0);
    }

    // Refused input is said in a message, and the dialog stays open on the field to correct.
    void amountDialogRefusesBadInput_data()
    {
        QTest::addColumn<QStringList>("row"); // rate, amount, message, the field with the focus
        QTest::newRow("zero rate") << QStringList{"0.000", "1", "Incorrect exchange rate.", "txtCurrencyRate"};
        QTest::newRow("failure word") << QStringList{"2", "Overflow", "Incorrect amount.", "txtAmount"};
    }
    void amountDialogRefusesBadInput()
    {
        QFETCH(QStringList, row);
        openAmount(OtherCurrencyIndex, row[1]);
        field("txtCurrencyRate")->setText(Localized(row[0]));
        child("cmdConvert")->setEnabled(true);
        QTest::mouseClick(child("cmdConvert"), Qt::LeftButton);
        QCOMPARE(platform().messages.size(), 1);
        const ScriptedPlatform::Message &message = platform().messages[0];
        QCOMPARE(message.text, row[2]);
        QVERIFY(message.caption == QLatin1String("Error") && message.style == MessageStyle::Critical
                && m_dialog->isVisible() && m_dialog->result() == QDialog::Rejected);
        QTRY_COMPARE(QApplication::focusWidget()->objectName(), row[3]);
    }

    // Typed or pasted, only digits and separators get in, with a beep for the rest; a failure word already
    // there can still be deleted. Enter on a focused button presses that button.
    void amountKeyFilterRefusesAndBeeps()
    {
        openAmount(7, QStringLiteral("Overflow "));
        QLineEdit *amount = field("txtAmount");
        amount->end(false);
        QTest::keyClick(amount, Qt::Key_Backspace);
        QCOMPARE(platform().beeps, 0);
        QTest::keyClicks(amount, QStringLiteral("a-3"));
        QCOMPARE(platform().beeps, 2);
        for (const char *pasted : {"4x", "4,5"}) {
            QApplication::clipboard()->setText(QLatin1String(pasted));
            amount->paste();
        }
        QCOMPARE(amount->text(), QStringLiteral("Overflo34,5"));
        QCOMPARE(platform().beeps, 3);
        child("cmdCancel")->setFocus();
        QTest::keyClick(child("cmdCancel"), Qt::Key_Return);
        QVERIFY(!m_dialog->isVisible() && m_dialog->result() == QDialog::Rejected && platform().messages.isEmpty());
    }

    // Captions follow the name, Convert the rate; an empty name is the built-in one; Enter in a field converts.
    void amountConfirmGivesTheValues()
    {
        openAmount(OtherCurrencyIndex);
        retype("txtCurrencyName", QStringLiteral("Dollar"));
        retype("txtCurrencyRate", Localized("1.1"));
        field("txtAmount")->setFocus();
        QCOMPARE(m_dialog->windowTitle(), QStringLiteral("Convert 'Dollar' to all other currencies"));
        QCOMPARE(child<QLabel>("lblEuroRateTitle")->text(), Localized("(EUR - Euro) 1 = 1.1 (Dollar)"));
        QVERIFY(child("cmdConvert")->isEnabled() && child<QLabel>("lblConvertReason")->text().isEmpty());
        retype("txtCurrencyName", QStringLiteral("  "));
        retype("txtCurrencyRate", Localized("1.23456"));
        retype("txtAmount", Localized("1,000.5"));
        child<QComboBox>("cboDecimals")->setCurrentIndex(4);
        QTest::keyClick(field("txtAmount"), Qt::Key_Return);
        QVERIFY(!m_dialog->isVisible() && m_dialog->result() == QDialog::Accepted && platform().messages.isEmpty());
        const InputCurrencyValues &values = static_cast<frmInputCurrency *>(m_dialog.get())->values();
        QVERIFY(values.amount.raw() == 10005000 && values.decimals == 4 && values.rate == 1.23456);
        QCOMPARE(values.name, QStringLiteral("Other currency"));
    }

    // Only the right button shows help, in the language of the moment (the left one shows the hints), not when
    // disabled or hidden. A part answers for its control; a text field keeps its menu, and its frame does not answer
    // for it; a control with a topic and a menu of its own shows its help instead.
    void helpOnRightClick()
    {
        start();
        const QList<QDialog *> dialogs = openDialogs(); // records the main window's help too
        QWidget *upDown = dialogs[0]->findChild<QWidget *>("updTopMargin");
        const QList<QWidget *> parts = upDown->findChildren<QWidget *>();
        parts[0]->setObjectName(QStringLiteral("qt_spinbox_lineedit")); // as the toolkit names inner parts
        for (QWidget *part : parts)
            QCOMPARE(click(part), QStringList(topic(upDown, false)));
        QVERIFY(click(dialogs[2]->findChild<QWidget *>("txtAmount")).isEmpty() && QApplication::activePopupWidget());
        QApplication::activePopupWidget()->close();
        auto *label = dialogs[2]->findChild<QWidget *>("lblCurrencyName");
        label->setContextMenuPolicy(Qt::CustomContextMenu);
        QSignalSpy menu(label, &QWidget::customContextMenuRequested);
        QVERIFY(click(label) == QStringList(topic(label, false)) && menu.isEmpty());
        qDeleteAll(dialogs);

        auto *go = goButton(3);
        auto *help = child<QWidget>("cmdHelp");
        for (bool greek : {false, true}) {
            switchLanguage(greek);
            QCOMPARE(click(go), QStringList(topic(go, greek)));
            platform().messages.clear();
            action("mnuHelpTips")->trigger();
            QVERIFY(click(help, Qt::LeftButton).isEmpty() && click(help, Qt::MiddleButton).isEmpty());
            QCOMPARE(platform().messages.size(), 2);
            QVERIFY(platform().messages[1].text == Text(TextId::HintsText, greek)
                    && platform().messages[1].owner == m_main.get());
        }
        go->hide();
        QVERIFY(!click(go).contains(topic(go, true))); // what lies beneath may answer
        go->show();
        go->setEnabled(false);
        QCOMPARE(click(go), QStringList());
        m_shown.clear();
        Q_EMIT action("mnuSettingsHelp")->triggered(); // as while the menu is open from its button
        QCOMPARE(m_shown, QStringList(topic(child<QWidget>("cmdSettings"), true)));
    }

    // Every topic reaches its control, as What's This text in the window's language (the main window's
    // follow a switch), read on the first question: Shift+F1 on a new window is one.
    void everyHelpTopicOnItsControl()
    {
        start();
        for (bool greek : {false, true}) {
            switchLanguage(greek);
            const QList<QDialog *> dialogs = openDialogs();
            QWidget *version = dialogs[3]->findChild<QWidget *>("lblVersion");
            QVERIFY(version->whatsThis().isEmpty());
            QApplication::setActiveWindow(dialogs[3]);
            QTest::keyClick(dialogs[3], Qt::Key_F1, Qt::ShiftModifier);
            QVERIFY(QWhatsThis::inWhatsThisMode());
            QWhatsThis::leaveWhatsThisMode();
            QCOMPARE(version->whatsThis(), topic(version, greek));
            // And the other way round: every button, option, box, frame and arrow has its topic, and every
            // button a name to read out (a picture's is its accessible name).
            for (QWidget *window : QList<QWidget *>{m_main.get()} + QList<QWidget *>(dialogs.begin(), dialogs.end()))
                for (QWidget *control : window->findChildren<QWidget *>(
                         QRegularExpression(QStringLiteral("^(cmd|opt|chk|fra|upd|prb)[A-Z]")))) {
                    QVERIFY2(!topic(control, greek).isEmpty(), qPrintable(control->objectName()));
                    QVERIFY2(!control->inherits("QAbstractButton") || !control->accessibleName().isEmpty()
                                 || !control->property("text").toString().isEmpty(),
                             qPrintable(control->objectName()));
                }
            for (const QString &key : HelpTopics::keys()) {
                const QString name = key.section(u'/', 0, 0);
                QWidget *window = name == m_main->objectName() ? m_main.get() : m_main->findChild<QWidget *>(name);
                QWidget *control = window ? window->findChild<QWidget *>(key.section(u'/', 1)) : nullptr;
                QHelpEvent query(QEvent::QueryWhatsThis, {}, {});
                QVERIFY2(control && QApplication::sendEvent(control, &query)
                             && control->whatsThis() == topic(control, greek),
                         qPrintable(key));
            }
            qDeleteAll(dialogs);
        }
    }
};

QTEST_MAIN(TestWindows)
#include "test_windows.moc"
