#include "ScriptedPlatform.h"
#include "TestLocale.h"

#include "app/MainController.h"
#include "windows/ContextHelp.h"
#include "windows/dialogs/frmSettingsExport.h"
#include "windows/dialogs/frmSettingsImport.h"
#include "windows/main/frmMain.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTemporaryDir>
#include <QToolButton>
#include <QtTest>

#include <memory>
#include <sys/stat.h>

// The export and import dialogs on real widgets, with a scripted folder
// chooser, and the Settings menu that opens them. In a private folder:
// program/ holds the settings file; out/ is where the user exports to and
// imports from; empty/, Program/ (another folder on Linux) and link/ (a
// symbolic link to program/) are other choices; home/ is the user's home.
class TestSettingsDialogs : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<ScriptedPlatform> m_platform;
    std::unique_ptr<MainController> m_controller;
    std::unique_ptr<SettingsTransferDialog> m_dialog;
    QByteArray m_settings;

    QString path(const QString &name) const { return m_dir->filePath(name); }
    QString settingsFile() const { return path(QStringLiteral("program/zkEuroChangeoverAdviser.ini")); }
    QString source() const { return path(QStringLiteral("out/zkEuroChangeoverAdviser.ini")); }
    static QByteArray Read(const QString &file)
    {
        QFile input(file);
        return input.open(QIODevice::ReadOnly) ? input.readAll() : QByteArray();
    }
    static bool Write(const QString &file, const QByteArray &bytes)
    {
        QFile output(file);
        return output.open(QIODevice::WriteOnly) && output.write(bytes) == bytes.size();
    }
    // Starts the program on a settings file in the language given, with more
    // lines where "%dir" stands for the private folder, and with the file
    // named like the settings file in out/ of the kind given.
    void start(bool greek, const QString &more, const QString &sourceKind = QStringLiteral("file"))
    {
        m_settings = QStringLiteral("[General]\r\nLanguage=%1\r\n%2")
                         .arg(greek ? QStringLiteral("True") : QStringLiteral("False"), more)
                         .replace(QStringLiteral("%dir"), m_dir->path())
                         .toUtf8();
        QVERIFY(Write(settingsFile(), m_settings));
        if (sourceKind == u"file")
            QVERIFY(Write(source(), "[General]\r\nLanguage=True\r\n[Last]\r\nID=7\r\n"));
        else if (sourceKind == u"folder")
            QVERIFY(QDir().mkdir(source()));
        else if (sourceKind == u"fifo")
            QCOMPARE(::mkfifo(QFile::encodeName(source()).constData(), 0600), 0);
        m_controller = std::make_unique<MainController>(*m_platform);
        QVERIFY(m_controller->StartUp());
    }
    void open(bool import)
    {
        if (import)
            m_dialog = std::make_unique<frmSettingsImport>(m_controller->dialogs(), m_controller->settings());
        else
            m_dialog = std::make_unique<frmSettingsExport>(m_controller->dialogs(), m_controller->settings());
        m_dialog->show();
    }
    template<typename T>
    T *child(const char *name) const
    {
        T *widget = m_dialog->findChild<T *>(QLatin1String(name));
        if (!widget)
            qFatal("no child %s", name);
        return widget;
    }
    QPushButton *action() const
    {
        auto *button = m_dialog->findChild<QPushButton *>(QStringLiteral("cmdExport"));
        return button ? button : child<QPushButton>("cmdImport");
    }
    // Near the left edge, where a check box has its box.
    void click(const char *name) const
    {
        QWidget *control = child<QWidget>(name);
        QTest::mouseClick(control, Qt::LeftButton, {}, QPoint(6, control->height() / 2));
    }
    // Steps, separated by spaces: "choose:NAME" picks the private folder's
    // NAME ("choose:" cancels, "choose:/" picks the root), "ini" and "delete"
    // click those boxes, "apply" clicks Apply.
    void run(const QString &steps)
    {
        for (const QString &step : steps.split(u' ', Qt::SkipEmptyParts)) {
            if (step.startsWith(QLatin1String("choose:"))) {
                const QString name = step.mid(7);
                m_platform->folders.clear();
                if (!name.isEmpty())
                    m_platform->folders = {name == u"/" ? name : path(name) + u'/'};
                click("cmdSettingsFolderExternal");
            } else {
                click(step == u"ini" ? "chkIniFileName" : step == u"delete" ? "chkDeleteAfterImporting" : "cmdApply");
            }
        }
    }
    // The dialog in a line: the settings-file box checked (x) or not (-),
    // enabled (e) or not (d), its label showing the settings file (L) or
    // empty (_) or something else (?); the action button on or off; the cancel button's caption;
    // the folder label, within the private folder.
    QString state() const
    {
        const auto *ini = child<QCheckBox>("chkIniFileName");
        const QString label = child<QLabel>("lblIniFileName")->text();
        QString folder = child<QLabel>("lblSettingsFolderExternal")->text();
        folder.replace(m_dir->path() + u'/', QString());
        QString line;
        line += ini->isChecked() ? u'x' : u'-';
        line += ini->isEnabled() ? u'e' : u'd';
        line += label.isEmpty() ? u'_' : label == settingsFile() ? u'L' : u'?';
        line += action()->isEnabled() ? QStringLiteral(" on ") : QStringLiteral(" off ");
        return line + child<QPushButton>("cmdCancel")->text() + u' '
            + (folder.isEmpty() ? QStringLiteral("-") : folder);
    }
    QStringList captions() const
    {
        QStringList shown;
        for (const ScriptedPlatform::Message &message : std::as_const(m_platform->messages))
            shown.append(message.caption);
        return shown;
    }

private slots:
    void initTestCase() { QVERIFY(PinTestLocale()); }
    void init()
    {
        m_dir = std::make_unique<QTemporaryDir>();
        for (const char *folder : {"program", "out", "empty", "Program", "home/.local/share"})
            QVERIFY(QDir(m_dir->path()).mkpath(QLatin1String(folder)));
        QVERIFY(QFile::link(path(QStringLiteral("program")), path(QStringLiteral("link"))));
        // The trash and the chooser's first folder are the private home's.
        qputenv("HOME", QFile::encodeName(path(QStringLiteral("home"))));
        qputenv("XDG_DATA_HOME", QFile::encodeName(path(QStringLiteral("home/.local/share"))));
        m_platform = std::make_unique<ScriptedPlatform>(path(QStringLiteral("program")));
    }
    void cleanup()
    {
        m_dialog.reset();
        m_controller.reset();
    }

    void boxesButtonsAndCaptions_data()
    {
        QTest::addColumn<bool>("import");
        QTest::addColumn<bool>("greek");
        QTest::addColumn<QString>("settings");
        QTest::addColumn<QString>("sourceKind");
        QTest::addColumn<QString>("steps");
        QTest::addColumn<QString>("state");
        const QString iniTrue = QStringLiteral("[ExportSettings]\r\nIni=True\r\n");
        const QString file = QStringLiteral("file");
        QTest::newRow("export: no folder, no export") << false << false << iniTrue << file << ""
                                                      << "xeL off Cancel -";
        QTest::newRow("export: a folder enables") << false << false << iniTrue << file << "choose:out"
                                                  << "xeL on Cancel out/";
        QTest::newRow("export: no box, no export") << false << true << "" << file << "choose:out"
                                                   << "-eL off Άκυρο out/";
        QTest::newRow("export: checking enables") << false << false << "" << file << "choose:out ini"
                                                  << "xeL on Cancel out/";
        QTest::newRow("export: unchecking disables") << false << false << iniTrue << file << "choose:out ini"
                                                     << "-eL off Cancel out/";
        QTest::newRow("export: Apply, Close") << false << true << "" << file << "choose:out apply"
                                              << "-eL off Κλείσιμο out/";
        QTest::newRow("export: a box after Apply") << false << false << "" << file << "apply ini"
                                                   << "xeL off Cancel -";
        QTest::newRow("export: a folder after Apply") << false << true << "" << file << "apply choose:empty"
                                                      << "-eL off Άκυρο empty/";
        QTest::newRow("export: a cancelled choice keeps the folder")
            << false << false << iniTrue << file << "choose:out choose:"
            << "xeL on Cancel out/";
        QTest::newRow("export: the root is a folder too") << false << false << iniTrue << file << "choose:/"
                                                          << "xeL on Cancel /";
        QTest::newRow("export: stored choices") << false << false << iniTrue + "Folder=%dir/out\r\n"
                                                << file << ""
                                                << "xeL on Cancel out/";
        const QString stored = QStringLiteral("[ImportSettings]\r\nIni=TRUE\r\nFolder=%dir/out/\r\n");
        QTest::newRow("import: no folder, no boxes") << true << false << "" << file << ""
                                                     << "-d_ off Cancel -";
        QTest::newRow("import: a folder without the file") << true << false << "" << file << "choose:empty"
                                                           << "-d_ off Cancel empty/";
        QTest::newRow("import: a folder with the file") << true << true << "" << file << "choose:out"
                                                        << "-eL off Άκυρο out/";
        QTest::newRow("import: checking enables") << true << false << "" << file << "choose:out ini"
                                                  << "xeL on Cancel out/";
        QTest::newRow("import: stored choices") << true << false << stored << file << ""
                                                << "xeL on Cancel out/";
        QTest::newRow("import: a folder of that name is no file") << true << false << stored << "folder"
                                                                  << ""
                                                                  << "-d_ off Cancel out/";
        QTest::newRow("import: a FIFO of that name is no file") << true << false << stored << "fifo"
                                                                << ""
                                                                << "-d_ off Cancel out/";
        QTest::newRow("import: a folder without the file unchecks") << true << false << stored << file << "choose:empty"
                                                                    << "-d_ off Cancel empty/";
        QTest::newRow("import: Apply, Close") << true << true << stored << file << "apply"
                                              << "xeL on Κλείσιμο out/";
        QTest::newRow("import: delete box after Apply") << true << false << stored << file << "apply delete"
                                                        << "xeL on Cancel out/";
    }
    void boxesButtonsAndCaptions()
    {
        QFETCH(bool, import);
        QFETCH(bool, greek);
        QFETCH(QString, settings);
        QFETCH(QString, sourceKind);
        QFETCH(QString, steps);
        start(greek, settings, sourceKind);
        open(import);
        run(steps);
        QTEST(state(), "state");
        QVERIFY(m_platform->messages.isEmpty());
        if (!steps.contains(QLatin1String("apply")))
            QCOMPARE(Read(settingsFile()), m_settings);
    }

    // Apply stores the boxes that are enabled, a chosen folder, and the delete
    // box in every case; a disabled box keeps its stored choice.
    void applyStoresTheChoices_data()
    {
        QTest::addColumn<bool>("import");
        QTest::addColumn<QString>("settings");
        QTest::addColumn<QString>("steps");
        QTest::addColumn<QString>("added");
        QTest::newRow("export: the box, no folder") << false << "[ExportSettings]\r\nIni=True\r\n"
                                                    << "ini apply"
                                                    << "[ExportSettings]\r\nIni=False\r\n";
        QTest::newRow("export: box and folder") << false << ""
                                                << "choose:out apply"
                                                << "[ExportSettings]\r\nIni=False\r\nFolder=%dir/out\r\n";
        QTest::newRow("import: disabled box kept, delete box written")
            << true << "[ImportSettings]\r\nIni=True\r\n"
            << "delete apply"
            << "[ImportSettings]\r\nIni=True\r\nDeleteAfter=True\r\n";
        QTest::newRow("import: everything")
            << true << ""
            << "choose:out ini apply"
            << "[ImportSettings]\r\nIni=True\r\nFolder=%dir/out\r\nDeleteAfter=False\r\n";
    }
    void applyStoresTheChoices()
    {
        QFETCH(bool, import);
        QFETCH(QString, settings);
        QFETCH(QString, steps);
        QFETCH(QString, added);
        start(false, settings);
        open(import);
        run(steps);
        QString expected = QStringLiteral("[General]\r\nLanguage=False\r\n") + added;
        QCOMPARE(QString::fromUtf8(Read(settingsFile())), expected.replace(QStringLiteral("%dir"), m_dir->path()));
        QVERIFY(m_platform->messages.isEmpty());
    }

    // Export: where to, and what becomes of it. "break" puts a folder in the
    // way of the copy; "gone" removes the settings file once the dialog is open.
    void exportRefusesOrCopies_data()
    {
        QTest::addColumn<bool>("greek");
        QTest::addColumn<QString>("destination");
        QTest::addColumn<QString>("trouble");
        QTest::addColumn<QStringList>("captions");
        QTest::addColumn<QString>("text"); // of the first message; "%dir" is the private folder
        QTest::addColumn<bool>("copied");
        QTest::addColumn<QString>("state"); // after the export; "closed" when the dialog closed
        const QString same = QStringLiteral("The folder where the files with the settings will be exported to, must "
                                            "not be the same as the folder were these files are stored.");
        const QStringList export_ = {QStringLiteral("Export settings")};
        QTest::newRow("another folder") << false << "out"
                                        << "" << QStringList() << "" << true << "closed";
        QTest::newRow("a missing folder") << false << "out/new/deeper"
                                          << "" << QStringList() << "" << true << "closed";
        QTest::newRow("a name that differs in case") << false << "Program"
                                                     << "" << QStringList() << "" << true << "closed";
        QTest::newRow("the same folder") << false << "program"
                                         << "" << export_ << same << false << "xeL on Cancel program/";
        QTest::newRow("the same through a link")
            << true << "link"
            << "" << QStringList{QStringLiteral("Εξαγωγή ρυθμίσεων")}
            << "Ο φάκελλος προς τον οποίο θα εξαχθούν τα αρχεία των ρυθμίσεων, δεν πρέπει να είναι ίδιος με τον "
               "φάκελλο στον οποίο ευρίσκονται αποθηκευμένα τα αρχεία αυτά."
            << false << "xeL on Άκυρο link/";
        QTest::newRow("the same through ..") << false << "program/../program/."
                                             << "" << export_ << same << false << "xeL on Cancel program/../program/./";
        QTest::newRow("the file gone") << false << "out"
                                       << "gone" << export_
                                       << "File '%dir/program/zkEuroChangeoverAdviser.ini', does not exist." << false
                                       << "-d_ off Cancel out/";
        QTest::newRow("the copy fails") << false << "out"
                                        << "break" << QStringList{QStringLiteral("Euro changeover adviser [ SEE1000 ]")}
                                        << "" << false << "closed";
    }
    void exportRefusesOrCopies()
    {
        QFETCH(bool, greek);
        QFETCH(QString, destination);
        QFETCH(QString, trouble);
        QFETCH(QString, text);
        start(greek, QStringLiteral("[ExportSettings]\r\nIni=True\r\nFolder=%dir/") + destination, QString());
        open(false);
        if (trouble == u"gone")
            QVERIFY(QFile::remove(settingsFile()));
        if (trouble == u"break")
            QVERIFY(QDir().mkdir(source()));
        const QByteArray before = Read(settingsFile());
        click("cmdExport");
        QTEST(captions(), "captions");
        if (!text.isEmpty())
            QCOMPARE(m_platform->messages[0].text, text.replace(QStringLiteral("%dir"), m_dir->path()));
        for (const ScriptedPlatform::Message &message : std::as_const(m_platform->messages))
            QCOMPARE(message.style, message.caption.contains(u'[') ? MessageStyle::Question : MessageStyle::Critical);
        const QString target = path(destination + QStringLiteral("/zkEuroChangeoverAdviser.ini"));
        QFETCH(bool, copied);
        if (copied)
            QCOMPARE(Read(target), before);
        QVERIFY(copied || !QFileInfo(source()).isFile());
        // Above all, a refused copy onto itself leaves the file whole.
        QCOMPARE(Read(settingsFile()), trouble == u"gone" ? QByteArray() : before);
        QTEST(m_dialog->isVisible() ? state() : QStringLiteral("closed"), "state");
        QVERIFY(!m_platform->ended);
    }

    // Import: the question, the copy, the trash and the end of the program.
    // "break" puts a folder in the place of the settings file; "gone" removes
    // the source once the dialog is open.
    void importAsksCopiesAndEnds_data()
    {
        QTest::addColumn<bool>("greek");
        QTest::addColumn<QString>("folder");
        QTest::addColumn<QString>("trouble");
        QTest::addColumn<bool>("deleteAfter");
        QTest::addColumn<QString>("answers");
        QTest::addColumn<QStringList>("captions");
        QTest::addColumn<QString>("text");    // of the first message; "%dir" is the private folder
        QTest::addColumn<QString>("outcome"); // imported (and ended), or the dialog's state
        QTest::addColumn<QString>("source");  // kept, or trashed
        const QString question = QStringLiteral("The application INI file is about to be imported. If this process "
                                                "completes successfully, the application will shut down.\n\nDo you "
                                                "really want to continue?");
        const QString title = QStringLiteral("Import settings");
        const QString greekTitle = QStringLiteral("Εισαγωγή ρυθμίσεων");
        QTest::newRow("No to the question")
            << false << "out"
            << "" << true << "no" << QStringList{title} << question << "xeL on Cancel out/"
            << "kept";
        QTest::newRow("Yes: imported, the program ends")
            << true << "out"
            << "" << false << "yes" << QStringList{greekTitle, greekTitle}
            << "Πρόκειται να γίνει εισαγωγή των βασικών ρυθμίσεων της εφαρμογής. Εάν η διαδικασία αυτή ολοκληρωθεί "
               "με επιτυχία, η εφαρμογή θα τερματισθεί.\n\nΘέλετε πράγματι να συνεχίσετε;"
            << "imported"
            << "kept";
        QTest::newRow("Yes, and the source to the trash")
            << false << "out"
            << "" << true << "yes" << QStringList{title, title} << question << "imported"
            << "trashed";
        QTest::newRow("the copy fails: nothing deleted")
            << false << "out"
            << "break" << true << "yes no" << QStringList{title, QStringLiteral("Euro changeover adviser [ SII1000 ]")}
            << question << "xeL on Cancel out/"
            << "kept";
        QTest::newRow("the same folder") << false << "program"
                                         << "" << true << "" << QStringList{title}
                                         << "The folder where the files with the settings will be imported from, "
                                            "must not be the same as the folder were these files will be stored."
                                         << "xeL on Cancel program/"
                                         << "kept";
        QTest::newRow("the same through a link")
            << true << "link"
            << "" << false << "" << QStringList{greekTitle}
            << "Ο φάκελλος από τον οποίο θα εισαχθούν τα αρχεία των ρυθμίσεων, δεν πρέπει να είναι ίδιος με τον "
               "φάκελλο στον οποίο θα αποθηκευθούν τα αρχεία αυτά."
            << "xeL on Άκυρο link/"
            << "kept";
        QTest::newRow("the source gone") << true << "out"
                                         << "gone" << false << "" << QStringList{greekTitle}
                                         << "Το αρχείο «'%dir/out/zkEuroChangeoverAdviser.ini», δεν υπάρχει."
                                         << "-d_ off Άκυρο out/"
                                         << "gone";
    }
    void importAsksCopiesAndEnds()
    {
        QFETCH(bool, greek);
        QFETCH(QString, folder);
        QFETCH(QString, trouble);
        QFETCH(bool, deleteAfter);
        QFETCH(QString, answers);
        QFETCH(QString, text);
        QFETCH(QString, outcome);
        QFETCH(QString, source);
        start(greek,
              QStringLiteral("[ImportSettings]\r\nIni=True\r\nDeleteAfter=%1\r\nFolder=%dir/%2\r\n")
                  .arg(deleteAfter ? QStringLiteral("True") : QStringLiteral("False"), folder));
        open(true);
        const QByteArray imported = Read(this->source());
        if (trouble == u"gone")
            QVERIFY(QFile::remove(this->source()));
        if (trouble == u"break")
            QVERIFY(QFile::remove(settingsFile()) && QDir().mkdir(settingsFile()));
        for (const QString &answer : answers.split(u' ', Qt::SkipEmptyParts))
            m_platform->answers.append(answer == u"yes" ? MessageAnswer::Yes : MessageAnswer::No);
        click("cmdImport");

        QTEST(captions(), "captions");
        QCOMPARE(m_platform->messages[0].text, text.replace(QStringLiteral("%dir"), m_dir->path()));
        const bool ended = outcome == u"imported";
        QCOMPARE(m_platform->ended, ended);
        QCOMPARE(m_controller->settings().frozen(), ended);
        if (ended) {
            QCOMPARE(m_platform->messages.constLast().style, MessageStyle::Exclamation);
            QCOMPARE(Read(settingsFile()), imported);
        } else {
            QCOMPARE(state(), outcome);
            QVERIFY(m_dialog->isVisible());
            QVERIFY(trouble == u"break" || Read(settingsFile()) == m_settings);
        }
        const QString trashed = path(QStringLiteral("home/.local/share/Trash/files/zkEuroChangeoverAdviser.ini"));
        QCOMPARE(QFile::exists(this->source()), source == u"kept");
        QCOMPARE(QFile::exists(trashed), source == u"trashed");
        QVERIFY(source != u"trashed" || Read(trashed) == imported);
    }

    // The chooser starts in the chosen folder while it exists, else in the
    // user's home, under the title of its dialog.
    void folderChooser_data()
    {
        QTest::addColumn<bool>("import");
        QTest::addColumn<bool>("greek");
        QTest::addColumn<QString>("stored");
        QTest::addColumn<QString>("start");
        QTest::addColumn<QString>("title");
        QTest::newRow("export, nothing stored") << false << false << ""
                                                << "home"
                                                << "Select the folder that will be used for exporting";
        QTest::newRow("export, a folder stored") << false << true << "out"
                                                 << "out"
                                                 << "Επιλέξτε τον φάκελλο στον οποίο θα γίνει η εξαγωγή";
        QTest::newRow("import, the folder gone") << true << false << "gone"
                                                 << "home"
                                                 << "Select the folder that will be used for importing";
        QTest::newRow("import, a folder stored") << true << true << "out"
                                                 << "out"
                                                 << "Επιλέξετε τον φάκελλο από τον οποίο θα γίνει η εισαγωγή";
    }
    void folderChooser()
    {
        QFETCH(bool, import);
        QFETCH(bool, greek);
        QFETCH(QString, stored);
        QFETCH(QString, start);
        const QString section = import ? QStringLiteral("ImportSettings") : QStringLiteral("ExportSettings");
        this->start(greek,
                    stored.isEmpty() ? QString() : QStringLiteral("[%1]\r\nFolder=%dir/%2\r\n").arg(section, stored));
        open(import);
        run(QStringLiteral("choose:"));
        QCOMPARE(m_platform->chooserStarts, QStringList{path(start)});
        QTEST(m_platform->chooserTitles.value(0), "title");
    }

    void pathsInTooltipsUnlessHidden_data()
    {
        QTest::addColumn<bool>("hidden");
        QTest::newRow("shown") << false;
        QTest::newRow("hidden") << true;
    }
    void pathsInTooltipsUnlessHidden()
    {
        QFETCH(bool, hidden);
        start(false, hidden ? QStringLiteral("ToolTipText=True\r\n") : QString());
        open(false);
        run(QStringLiteral("choose:out"));
        QCOMPARE(child<QLabel>("lblIniFileName")->toolTip(), hidden ? QString() : settingsFile());
        QCOMPARE(child<QLabel>("lblSettingsFolderExternal")->toolTip(), hidden ? QString() : path("out/"));
    }

    // Every help topic of both dialogs has its control; the saved-paths pair
    // exists for its topics, hidden.
    void everyTopicHasItsControl()
    {
        start(false, QString());
        for (const bool import : {false, true}) {
            open(import);
            QCOMPARE(m_dialog->findChild<ContextHelp *>()->unmatchedTopics(), QStringList());
            QVERIFY(child<QCheckBox>("chkSavedPaths")->isHidden());
            QVERIFY(child<QLabel>("lblSavedPaths")->isHidden());
        }
    }

    // The Settings button opens its menu below itself, with Help and Cancel;
    // from the menu bar those two are disabled. Export... opens its dialog.
    void settingsMenu()
    {
        start(false, QString());
        frmMain window(*m_controller);
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        auto *button = window.findChild<QToolButton *>(QStringLiteral("cmdSettings"));
        auto *menu = window.findChild<QMenu *>(QStringLiteral("mnuSettings"));
        QAction *help = window.findChild<QAction *>(QStringLiteral("mnuSettingsHelp"));
        QAction *cancel = window.findChild<QAction *>(QStringLiteral("mnuSettingsCancel"));
        QStringList seen;
        const auto look = [&] {
            QTimer::singleShot(0, this, [&] {
                QWidget *popup = QApplication::activePopupWidget();
                seen.append(
                    QStringLiteral("%1 %2 %3").arg(popup == menu).arg(help->isEnabled()).arg(cancel->isEnabled()));
                if (popup)
                    popup->close();
            });
        };
        look();
        QTest::mouseClick(button, Qt::LeftButton);
        QVERIFY(menu->geometry().top() >= button->mapToGlobal(QPoint(0, button->height())).y());
        for (const Qt::Key key : {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Space}) {
            look();
            button->setFocus();
            QTest::keyClick(button, key);
        }
        window.menuBar()->setActiveAction(menu->menuAction());
        QTRY_VERIFY(menu->isVisible());
        seen.append(QStringLiteral("%1 %2 %3").arg(true).arg(help->isEnabled()).arg(cancel->isEnabled()));
        menu->close();
        QCOMPARE(seen, QStringList({"1 1 1", "1 1 1", "1 1 1", "1 1 1", "1 0 0"}));

        QTimer::singleShot(0, this, [] {
            QWidget *dialog = QApplication::activeModalWidget();
            QVERIFY(dialog && dialog->objectName() == u"frmSettingsExport");
            dialog->close();
        });
        window.findChild<QAction *>(QStringLiteral("mnuSettingsExport"))->trigger();
        QCOMPARE(QApplication::activeModalWidget(), nullptr);
    }
};

QTEST_MAIN(TestSettingsDialogs)
#include "test_settings_dialogs.moc"
