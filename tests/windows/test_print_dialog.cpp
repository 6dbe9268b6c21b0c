#include "ScriptedProgram.h"
#include "TestLocale.h"

#include "app/PrintJob.h"
#include "windows/dialogs/frmPrint.h"
#include "windows/main/frmMain.h"

#include <QAction>
#include <QApplication>
#include <QGroupBox>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QToolButton>
#include <QWindow>
#include <QtTest>

// The print dialog on real widgets, its file chooser and printer scripted: the
// destination buttons, and the run with its busy state, cancel and close box.
class TestPrintDialog : public QObject
{
    Q_OBJECT

    std::unique_ptr<ScriptedProgram> m_program;
    std::unique_ptr<frmPrint> m_dialog;

    ScriptedPlatform &platform() const { return m_program->platform; }
    void open(qint16 destination)
    {
        m_program = std::make_unique<ScriptedProgram>();
        m_program->controller.setPrintDestination(destination);
        m_dialog = std::make_unique<frmPrint>(m_program->controller);
        m_dialog->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_dialog.get())); // Ctrl+P needs a shown window
    }
    template<typename T = QPushButton>
    T *child(const QString &name) const
    {
        return m_dialog->findChild<T *>(name);
    }
    bool idle() const
    {
        return m_dialog->isVisible() && child("cmdPrint")->isEnabled() && !child("cmdCancelPrinting")->isEnabled()
            && child<QGroupBox>("fraPrintDestination")->isEnabled();
    }

private slots:
    void initTestCase() { QVERIFY(PinTestLocale()); }
    void cleanup() { m_dialog.reset(); }

    // The File menu's items and their buttons reach the dialogs, over the main window.
    void mainWindowOpensThem()
    {
        m_program = std::make_unique<ScriptedProgram>();
        frmMain window(m_program->controller);
        QStringList opened;
        const auto closeNextDialog = [&] {
            QTimer::singleShot(0, &window, [&opened] {
                opened.append(QApplication::activeModalWidget()->windowTitle());
                QApplication::activeModalWidget()->close();
            });
        };
        closeNextDialog();
        window.findChild<QAction *>(QStringLiteral("mnuFilePrint"))->trigger();
        closeNextDialog();
        window.findChild<QToolButton *>(QStringLiteral("cmdPageSetup"))->click();
        window.findChild<QToolButton *>(QStringLiteral("cmdPrintSetup"))->click();
        QCOMPARE(opened, QStringList({"Print - Number of pages: 1.", "Page setup"}));
        QCOMPARE(platform().printerSetupTitles, QStringList{"Printer setup"});
        QCOMPARE(platform().broughtToFront, 3);
    }

    // The printer setup renames the options at once. Apply writes the destination and leaves the dialog
    // open; Close keeps it for the running program, and so does Print and Close, even when no file is
    // chosen and nothing printed; Cancel keeps nothing.
    void destinationButtons_data()
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
    void destinationButtons()
    {
        QFETCH(QString, button);
        QFETCH(qint16, kept);
        QFETCH(bool, written);
        QFETCH(bool, stays);
        open(PrintJob::ToPrinter);
        QVERIFY(child<QRadioButton>("optPrintDestination_0")->isChecked() && !child("cmdCancel")->isEnabled());
        child<QRadioButton>("optPrintDestination_2")->click();
        QVERIFY(child("cmdCancel")->isEnabled());
        platform().printerAfterSetup = QStringLiteral("Laser & Co");
        child("cmdPrintSetup")->click();
        QCOMPARE(child<QRadioButton>("optPrintDestination_2")->text(),
                 QStringLiteral("both Laser && Co printer\nand Plain text file..."));
        child(button)->click();
        QCOMPARE(m_program->controller.printDestination(), kept);
        QCOMPARE(m_program->ini().contains("PrintDestination=2\r\n"), written);
        QCOMPARE(stays ? idle() : m_dialog->isVisible(), stays);
        QCOMPARE(child("cmdCancel")->isEnabled(), !written);
        QVERIFY(platform().printed.isEmpty() && platform().messages.isEmpty());
        QCOMPARE(platform().fileChoices.size(), button == QLatin1String("cmdPrintAndClose") ? 1 : 0);
    }

    // During a run the cancel button (or Escape, which presses it) asks first, and the close box is
    // refused with a message. Yes keeps what was printed and written so far and the dialog open;
    // otherwise the run goes on to the end, which replaces the old file whole and closes the dialog.
    void duringRun_data()
    {
        QTest::addColumn<QString>("press");
        QTest::addColumn<MessageAnswer>("answer");
        QTest::newRow("cancel, Yes") << "cmdCancelPrinting" << MessageAnswer::Yes;
        QTest::newRow("Escape, No") << "Escape" << MessageAnswer::No;
        QTest::newRow("close box") << "close box" << MessageAnswer::No;
    }
    void duringRun()
    {
        QFETCH(QString, press);
        QFETCH(MessageAnswer, answer);
        open(PrintJob::ToBoth);
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
};

QTEST_MAIN(TestPrintDialog)
#include "test_print_dialog.moc"
