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

#include <memory>

// The print dialog on real widgets, its file chooser and printer scripted: the
// destination buttons, the run with its busy state, cancel and close box, and
// files that cannot be written.
class TestPrintDialog : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<ScriptedProgram> m_program;
    std::unique_ptr<frmPrint> m_dialog;

    QString path(const QString &name) const { return m_program->path(name); }
    ScriptedPlatform &platform() const { return m_program->platform; }
    void open(qint16 destination, const QByteArray &ini = QByteArray())
    {
        m_program = std::make_unique<ScriptedProgram>(ini);
        m_program->controller.setPrintDestination(destination);
        m_dialog = std::make_unique<frmPrint>(m_program->controller);
        m_dialog->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_dialog.get())); // Ctrl+P needs a shown window
    }
    template <typename T = QPushButton> T *child(const char *name) const
    {
        return m_dialog->findChild<T *>(QLatin1String(name));
    }
    void click(const char *name) const { QTest::mouseClick(child(name), Qt::LeftButton); }
    bool idle() const
    {
        return m_dialog->isVisible() && child("cmdPrint")->isEnabled() && !child("cmdCancelPrinting")->isEnabled()
            && child<QGroupBox>("fraPrintDestination")->isEnabled();
    }
    // Runs `action` once, as the run prints its line number `line`.
    void duringRun(qsizetype line, std::function<void()> action)
    {
        platform().whilePrinting = [this, line, action] {
            if (platform().printed.last()->lines.size() == line)
                action();
        };
    }

private slots:
    void initTestCase() { QVERIFY(PinTestLocale()); }
    void cleanup() { m_dialog.reset(); }

    // The File menu's items and their buttons reach the dialogs, over the main window.
    void mainWindowOpensThem()
    {
        m_program = std::make_unique<ScriptedProgram>();
        frmMain window(m_program->controller);
        window.show();
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
        QTest::mouseClick(window.findChild<QToolButton *>(QStringLiteral("cmdPageSetup")), Qt::LeftButton);
        QTest::mouseClick(window.findChild<QToolButton *>(QStringLiteral("cmdPrintSetup")), Qt::LeftButton);
        QCOMPARE(opened, QStringList({"Print - Number of pages: 1.", "Page setup"}));
        QCOMPARE(platform().printerSetupTitles, QStringList{"Printer setup"});
        QCOMPARE(platform().broughtToFront, 3);
    }

    // Apply writes the destination and leaves the dialog open; Close keeps it
    // for the running program; Cancel keeps nothing.
    void destinationButtons_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<qint16>("kept");
        QTest::addColumn<bool>("written");
        QTest::newRow("Apply") << "cmdApply" << PrintJob::ToBoth << true;
        QTest::newRow("Close") << "cmdClose" << PrintJob::ToBoth << false;
        QTest::newRow("Cancel") << "cmdCancel" << PrintJob::ToPrinter << false;
    }
    void destinationButtons()
    {
        QFETCH(QString, button);
        QFETCH(qint16, kept);
        QFETCH(bool, written);
        open(PrintJob::ToPrinter);
        QCOMPARE(child<QRadioButton>("optPrintDestination_0")->text(), QStringLiteral("Scripted printer"));
        QVERIFY(child<QRadioButton>("optPrintDestination_0")->isChecked() && !child("cmdCancel")->isEnabled());
        QTest::mouseClick(child<QRadioButton>("optPrintDestination_2"), Qt::LeftButton);
        QVERIFY(child("cmdCancel")->isEnabled());
        QTest::mouseClick(m_dialog->findChild<QPushButton *>(button), Qt::LeftButton);
        QCOMPARE(m_program->controller.printDestination(), kept);
        QCOMPARE(m_program->ini().contains("PrintDestination=2\r\n"), written);
        QCOMPARE(m_dialog->isVisible(), written);
        QCOMPARE(child("cmdCancel")->isEnabled(), !written);
    }

    // The printer setup renames the printer options at once; the choice stays.
    void printerSetupRenamesTheOptions()
    {
        open(PrintJob::ToFile);
        platform().printerAfterSetup = QStringLiteral("Laser & Co");
        click("cmdPrintSetup");
        QCOMPARE(child<QRadioButton>("optPrintDestination_2")->text(),
                 QStringLiteral("both Laser && Co printer\nand Plain text file..."));
        QVERIFY(child<QRadioButton>("optPrintDestination_1")->isChecked());
    }

    void cancelledChoicePrintsNothing()
    {
        open(PrintJob::ToBoth);
        click("cmdPrint");
        QCOMPARE(platform().fileChoices.size(), 1);
        QVERIFY(platform().printed.isEmpty() && platform().messages.isEmpty());
        QVERIFY(idle());
    }

    // The cancel button, or Escape, asks first. Yes keeps what was printed and
    // written so far and the dialog open; No goes on to the end, which replaces
    // the old file whole and closes the dialog.
    void cancelDuringRun_data()
    {
        QTest::addColumn<bool>("escape");
        QTest::addColumn<MessageAnswer>("answer");
        QTest::newRow("button, Yes") << false << MessageAnswer::Yes;
        QTest::newRow("Escape, Yes") << true << MessageAnswer::Yes;
        QTest::newRow("Escape, No") << true << MessageAnswer::No;
    }
    void cancelDuringRun()
    {
        QFETCH(bool, escape);
        QFETCH(MessageAnswer, answer);
        open(PrintJob::ToBoth);
        QVERIFY(WriteFile(path("PRN_Euro.txt"), QByteArray(100000, 'x')));
        platform().savePaths = {path("PRN_Euro.txt")};
        platform().answers = {answer};
        bool busy = false;
        duringRun(10, [&] {
            busy = !child("cmdPrint")->isEnabled() && !child<QGroupBox>("fraPrintDestination")->isEnabled()
                && child<QProgressBar>("prbProgressBar")->isEnabled() && child("cmdCancelPrinting")->isEnabled();
            // Pressed while the run lets events through, as a user would.
            QTimer::singleShot(0, m_dialog.get(), [this, escape] {
                if (escape)
                    QTest::keyClick(m_dialog.get(), Qt::Key_Escape);
                else
                    click("cmdCancelPrinting");
            });
        });
        QTest::keyClick(m_dialog.get(), Qt::Key_P, Qt::ControlModifier);
        QVERIFY(busy);
        QCOMPARE(platform().messages.size(), 1);
        QCOMPARE(platform().messages[0].caption, QStringLiteral("Cancel processing"));
        QCOMPARE(platform().messages[0].style, MessageStyle::QuestionDefaultNo);
        QVERIFY(platform().printed[0]->ended);
        const qsizetype printed = platform().printed[0]->lines.size();
        const QByteArray file = ReadFile(path("PRN_Euro.txt"));
        QVERIFY(!file.contains("xxxx"));
        if (answer == MessageAnswer::No) {
            QCOMPARE(file.count("\r\n"), 47);
            QCOMPARE(child<QProgressBar>("prbProgressBar")->text(), QStringLiteral("100 %"));
            QVERIFY(!m_dialog->isVisible());
            return;
        }
        QVERIFY(printed >= 10 && printed < 47);
        QVERIFY(file.count("\r\n") == printed || file.count("\r\n") == printed - 1);
        QVERIFY(idle());
    }

    // During a run the close box is refused with a message, and the run goes on.
    void closeBoxRefusedDuringRun()
    {
        open(PrintJob::ToPrinter);
        bool stayed = false;
        duringRun(5, [&] {
            m_dialog->windowHandle()->close();
            stayed = m_dialog->isVisible();
        });
        click("cmdPrint");
        QVERIFY(stayed);
        QCOMPARE(platform().messages.value(0).caption, QStringLiteral("Close window"));
        QCOMPARE(platform().printed[0]->lines.size(), 47);
        m_dialog->show(); // idle, the close box closes it
        m_dialog->windowHandle()->close();
        QVERIFY(!m_dialog->isVisible());
    }

    // A chosen file that cannot be written: a plain message in the user's
    // language, nothing printed, what stands at the path untouched.
    void unwritableFile_data()
    {
        QTest::addColumn<bool>("greek");
        QTest::addColumn<QString>("chosen");
        QTest::addColumn<QString>("kept"); // a file that must stay as it is
        QTest::addColumn<QString>("message");
        QTest::newRow("a folder in the way") << false << "PRN_Euro.txt" << "PRN_Euro.txt/old.txt"
                                             << "The file '%1' cannot be written (Path/File access error). Nothing "
                                                "was printed: please choose another file.";
        QTest::newRow("a file in the way of its folder, Greek")
            << true << "old.txt/PRN_Euro.txt" << "old.txt"
            << "Το αρχείο «%1» δεν μπορεί να γραφτεί (Η διαδρομή δεν βρέθηκε).";
        QTest::newRow("a system folder") << false << "/sys/PRN_Euro.txt" << "old.txt"
                                         << "The file '%1' cannot be written (Permission denied).";
    }
    void unwritableFile()
    {
        QFETCH(bool, greek);
        QFETCH(QString, chosen);
        QFETCH(QString, kept);
        QFETCH(QString, message);
        open(PrintJob::ToBoth, greek ? "[General]\r\nLanguage=True\r\n" : "");
        QVERIFY(QDir().mkpath(QFileInfo(path(kept)).path()) && WriteFile(path(kept), "old"));
        platform().savePaths = {path(chosen)};
        click("cmdPrint");
        QCOMPARE(platform().messages.size(), 1);
        QVERIFY(platform().messages[0].text.startsWith(message.replace(QStringLiteral("%1"), path(chosen))));
        QCOMPARE(platform().messages[0].style, MessageStyle::Exclamation);
        QVERIFY(platform().printed.isEmpty());
        QCOMPARE(ReadFile(path(kept)), QByteArray("old"));
        // Nothing left behind beside it either, such as a temporary file.
        QCOMPARE(QFileInfo(path(kept)).dir().entryList({QStringLiteral("PRN_Euro*")}, QDir::Files), QStringList());
        QVERIFY(idle());
    }
};

QTEST_MAIN(TestPrintDialog)
#include "test_print_dialog.moc"
