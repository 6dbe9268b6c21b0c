#include "ScriptedPlatform.h"
#include "TestLocale.h"

#include "app/MainController.h"
#include "app/PrintJob.h"
#include "windows/dialogs/frmPrint.h"
#include "windows/main/frmMain.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QToolButton>
#include <QTemporaryDir>
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
    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<ScriptedPlatform> m_platform;
    std::unique_ptr<MainController> m_controller;
    std::unique_ptr<frmPrint> m_dialog;

    QString path(const QString &name) const { return m_dir->filePath(name); }
    static QByteArray read(const QString &path)
    {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
    }
    static bool write(const QString &path, const QByteArray &contents)
    {
        QFile file(path);
        return file.open(QIODevice::WriteOnly) && file.write(contents) == contents.size();
    }
    void open(qint16 destination, bool greek = false)
    {
        QVERIFY(write(path("zkEuroChangeoverAdviser.ini"), greek ? "[General]\r\nLanguage=True\r\n" : ""));
        m_controller = std::make_unique<MainController>(*m_platform);
        QVERIFY(m_controller->StartUp());
        m_controller->ConvertCurrent(nullptr);
        m_controller->setPrintDestination(destination);
        m_dialog = std::make_unique<frmPrint>(*m_controller);
        m_dialog->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_dialog.get()));
    }
    template <typename T = QPushButton> T *child(const char *name) const
    {
        T *widget = m_dialog->findChild<T *>(QLatin1String(name));
        if (!widget)
            qFatal("no child %s", name);
        return widget;
    }
    // Runs `action` once, while the run prints its line number `line`.
    void duringRun(int line, std::function<void()> action)
    {
        auto lines = std::make_shared<int>(0);
        m_platform->whilePrinting = [lines, line, action](const QString &) {
            if (++*lines == line)
                action();
        };
    }
    void verifyIdle() const
    {
        QVERIFY(m_dialog->isVisible());
        QVERIFY(child("cmdPrint")->isEnabled());
        QVERIFY(child<QGroupBox>("fraPrintDestination")->isEnabled());
        QVERIFY(!child("cmdCancelPrinting")->isEnabled());
    }

private slots:
    void initTestCase() { QVERIFY(PinTestLocale()); }
    void init()
    {
        m_dir = std::make_unique<QTemporaryDir>();
        m_platform = std::make_unique<ScriptedPlatform>(m_dir->path());
    }
    void cleanup() { m_dialog.reset(); }

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
        QCOMPARE(m_dialog->windowTitle(), QStringLiteral("Print - Number of pages: 1."));
        QCOMPARE(child<QRadioButton>("optPrintDestination_0")->text(), QStringLiteral("Scripted printer"));
        QVERIFY(child<QRadioButton>("optPrintDestination_0")->isChecked());
        QVERIFY(!child("cmdCancel")->isEnabled());
        QTest::mouseClick(child<QRadioButton>("optPrintDestination_2"), Qt::LeftButton);
        QVERIFY(child("cmdCancel")->isEnabled());
        QTest::mouseClick(m_dialog->findChild<QPushButton *>(button), Qt::LeftButton);
        QCOMPARE(m_controller->printDestination(), kept);
        QCOMPARE(read(path("zkEuroChangeoverAdviser.ini")).contains("PrintDestination=2\r\n"), written);
        QCOMPARE(m_dialog->isVisible(), written);
        if (written)
            QVERIFY(!child("cmdCancel")->isEnabled());
    }

    // The File menu's items and their buttons open the dialogs over the main window.
    void mainWindowOpensThem_data()
    {
        QTest::addColumn<QString>("control");
        QTest::addColumn<QString>("title");
        QTest::newRow("menu: print") << "mnuFilePrint" << "Print - Number of pages: 1.";
        QTest::newRow("button: page setup") << "cmdPageSetup" << "Page setup";
        QTest::newRow("button: printer setup") << "cmdPrintSetup" << "";
    }
    void mainWindowOpensThem()
    {
        QFETCH(QString, control);
        QFETCH(QString, title);
        m_controller = std::make_unique<MainController>(*m_platform);
        QVERIFY(m_controller->StartUp());
        frmMain window(*m_controller);
        window.show();
        QString opened;
        QTimer::singleShot(0, this, [&opened] {
            if (QWidget *dialog = QApplication::activeModalWidget()) {
                opened = dialog->windowTitle();
                dialog->close();
            }
        });
        if (auto *action = window.findChild<QAction *>(control))
            action->trigger();
        else
            QTest::mouseClick(window.findChild<QToolButton *>(control), Qt::LeftButton);
        QCOMPARE(opened, title);
        QCOMPARE(m_platform->printerSetupTitles.size(), title.isEmpty() ? 1 : 0);
        QCOMPARE(m_platform->broughtToFront, 1);
    }

    // The printer setup renames the printer options at once; the choice stays.
    void printerSetupRenamesTheOptions()
    {
        open(PrintJob::ToFile);
        m_platform->printerAfterSetup = QStringLiteral("Laser & Co");
        QTest::mouseClick(child("cmdPrintSetup"), Qt::LeftButton);
        QCOMPARE(m_platform->printerSetupTitles, QStringList{QStringLiteral("Printer setup")});
        QCOMPARE(child<QRadioButton>("optPrintDestination_2")->text(),
                 QStringLiteral("both Laser && Co printer\nand Plain text file..."));
        QVERIFY(child<QRadioButton>("optPrintDestination_1")->isChecked());
    }

    void cancelledChoicePrintsNothing()
    {
        open(PrintJob::ToBoth);
        QTest::mouseClick(child("cmdPrint"), Qt::LeftButton);
        QCOMPARE(m_platform->fileChoices.size(), 1);
        QVERIFY(m_platform->printed.isEmpty());
        QVERIFY(m_platform->messages.isEmpty());
        QCOMPARE(child<QProgressBar>("prbProgressBar")->text(), QString());
        verifyIdle();
    }

    // Ctrl+P prints; a completed run closes the dialog. The old file is gone whole.
    void existingFileReplacedWhole()
    {
        QVERIFY(write(path("PRN_Euro.txt"), QByteArray(100000, 'x')));
        open(PrintJob::ToFile);
        m_platform->savePaths = {path("PRN_Euro.txt")};
        QTest::keyClick(m_dialog.get(), Qt::Key_P, Qt::ControlModifier);
        const QByteArray written = read(path("PRN_Euro.txt"));
        QVERIFY(written.startsWith("Euro changeover adviser "));
        QCOMPARE(written.count("\r\n"), 47);
        QVERIFY(!written.contains("xxxx"));
        QVERIFY(!m_dialog->isVisible());
        QCOMPARE(m_dialog->result(), int(QDialog::Accepted));
        QCOMPARE(child<QProgressBar>("prbProgressBar")->text(), QStringLiteral("100 %"));
    }

    // The cancel button, or Escape, asks first. Yes keeps what was printed and
    // written so far and the dialog open; No goes on to the end.
    void cancelDuringRun_data()
    {
        QTest::addColumn<bool>("escape");
        QTest::addColumn<MessageAnswer>("answer");
        QTest::newRow("button, Yes") << false << MessageAnswer::Yes;
        QTest::newRow("Escape, Yes") << true << MessageAnswer::Yes;
        QTest::newRow("button, No") << false << MessageAnswer::No;
    }
    void cancelDuringRun()
    {
        QFETCH(bool, escape);
        QFETCH(MessageAnswer, answer);
        open(PrintJob::ToBoth);
        m_platform->savePaths = {path("PRN_Euro.txt")};
        m_platform->answers = {answer};
        bool busy = false;
        bool enabledAfterNo = false;
        auto lines = std::make_shared<int>(0);
        m_platform->whilePrinting = [&, lines](const QString &) {
            if (++*lines == 11)
                enabledAfterNo = child("cmdCancelPrinting")->isEnabled();
            if (*lines != 10)
                return;
            busy = !child("cmdPrint")->isEnabled() && !child<QGroupBox>("fraPrintDestination")->isEnabled()
                && child<QProgressBar>("prbProgressBar")->isEnabled() && child("cmdCancelPrinting")->isEnabled();
            // Pressed while the run lets events through, as a user would.
            QTimer::singleShot(0, m_dialog.get(), [this, escape] {
                if (escape)
                    QTest::keyClick(m_dialog.get(), Qt::Key_Escape);
                else
                    QTest::mouseClick(child("cmdCancelPrinting"), Qt::LeftButton);
            });
        };
        QTest::mouseClick(child("cmdPrintAndClose"), Qt::LeftButton);
        QVERIFY(busy);
        QCOMPARE(m_platform->messages.size(), 1);
        QCOMPARE(m_platform->messages[0].caption, QStringLiteral("Cancel processing"));
        QCOMPARE(m_platform->messages[0].style, MessageStyle::QuestionDefaultNo);
        QCOMPARE(m_platform->printed.size(), 1);
        QVERIFY(m_platform->printed[0]->ended);
        const int printedLines = int(m_platform->printed[0]->lines.size());
        const int fileLines = int(read(path("PRN_Euro.txt")).count("\r\n"));
        if (answer == MessageAnswer::No) {
            QVERIFY(enabledAfterNo);
            QCOMPARE(fileLines, 47);
            QVERIFY(!m_dialog->isVisible());
            return;
        }
        QVERIFY(printedLines >= 10 && printedLines < 47);
        QVERIFY(fileLines == printedLines || fileLines == printedLines - 1);
        verifyIdle();
        QCOMPARE(m_controller->printDestination(), PrintJob::ToBoth); // Print and Close kept it
    }

    // The close box closes an idle dialog; during a run it is refused with a message.
    void closeBox_data()
    {
        QTest::addColumn<bool>("running");
        QTest::newRow("idle") << false;
        QTest::newRow("running") << true;
    }
    void closeBox()
    {
        QFETCH(bool, running);
        open(PrintJob::ToPrinter);
        const auto closeBox = [this] { m_dialog->windowHandle()->close(); };
        if (!running) {
            closeBox();
            QVERIFY(!m_dialog->isVisible());
            QVERIFY(m_platform->messages.isEmpty());
            return;
        }
        bool open = false;
        duringRun(5, [&] {
            closeBox();
            open = m_dialog->isVisible();
        });
        QTest::mouseClick(child("cmdPrint"), Qt::LeftButton);
        QVERIFY(open);
        QCOMPARE(m_platform->messages.size(), 1);
        QCOMPARE(m_platform->messages[0].caption, QStringLiteral("Close window"));
        QCOMPARE(m_platform->messages[0].style, MessageStyle::Information);
        QCOMPARE(m_platform->printed[0]->lines.size(), 47); // the run went on to its end
    }

    // A chosen file that cannot be written: a plain message in the user's
    // language, nothing printed, what stands at the path untouched.
    void unwritableFile_data()
    {
        QTest::addColumn<bool>("greek");
        QTest::addColumn<QString>("chosen");
        QTest::addColumn<QString>("kept"); // a file that must stay as it is
        QTest::addColumn<QString>("message");
        QTest::newRow("a folder in the way")
            << false << "PRN_Euro.txt" << "PRN_Euro.txt/old.txt"
            << "The file '%1' cannot be written (Path/File access error). Nothing was printed: please choose "
               "another file.";
        QTest::newRow("a file in the way of its folder, Greek")
            << true << "old.txt/PRN_Euro.txt" << "old.txt"
            << "Το αρχείο «%1» δεν μπορεί να γραφτεί (Η διαδρομή δεν βρέθηκε). Δεν εκτυπώθηκε τίποτα: παρακαλώ "
               "επιλέξτε άλλο αρχείο.";
        QTest::newRow("a system folder") << false << "/sys/PRN_Euro.txt" << "old.txt"
                                         << "The file '%1' cannot be written (Permission denied).";
    }
    void unwritableFile()
    {
        QFETCH(bool, greek);
        QFETCH(QString, chosen);
        QFETCH(QString, kept);
        QFETCH(QString, message);
        QVERIFY(QDir(m_dir->path()).mkpath(QFileInfo(path(kept)).path()));
        QVERIFY(write(path(kept), "old contents\r\n"));
        open(PrintJob::ToBoth, greek);
        const QString target = QDir(m_dir->path()).filePath(chosen);
        m_platform->savePaths = {target};
        QTest::mouseClick(child("cmdPrint"), Qt::LeftButton);
        QCOMPARE(m_platform->messages.size(), 1);
        QVERIFY2(m_platform->messages[0].text.startsWith(message.replace(QStringLiteral("%1"), target)),
                 qPrintable(m_platform->messages[0].text));
        QCOMPARE(m_platform->messages[0].style, MessageStyle::Exclamation);
        QVERIFY(m_platform->printed.isEmpty());
        QCOMPARE(read(path(kept)), QByteArray("old contents\r\n"));
        const QStringList report = {QStringLiteral("PRN_Euro*")};
        QCOMPARE(QDir(QFileInfo(path(kept)).path()).entryList(report, QDir::Files), QStringList()); // no leftovers
        verifyIdle();
    }
};

QTEST_MAIN(TestPrintDialog)
#include "test_print_dialog.moc"
