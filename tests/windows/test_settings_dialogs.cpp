#include "WindowFixture.h"

#include "windows/dialogs/frmSettingsExport.h"
#include "windows/dialogs/frmSettingsImport.h"

#include <QCheckBox>

#include <sys/stat.h>

const QString Name = QStringLiteral("/zkEuroChangeoverAdviser.ini");

// The export and import dialogs with a scripted folder chooser. In a private folder ("%dir"):
// program/ holds the settings file, out/ the exported one; empty/, Program/, link/ (to program/) and fifo/ (a FIFO of
// the settings file's name) are other choices; home/ is the user's home, with the trash.
class TestSettingsDialogs : public WindowFixture
{
    Q_OBJECT

private:
    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<ScriptedPlatform> m_platform;
    std::unique_ptr<AppContext> m_context;
    QByteArray m_settings;
    bool m_import = false;

    QString path(const QString &name) const { return m_dir->filePath(name); }
    QString expand(QString text) const { return text.replace(QStringLiteral("%dir"), m_dir->path()); }
    QString settingsFile() const { return path(QStringLiteral("program") + Name); }
    QString source() const { return path(QStringLiteral("out") + Name); }
    // Opens a dialog over the settings file with more lines; out/ holds a file of its name, or nothing.
    void open(bool import, bool greek, const QString &more, const QString &kind = QStringLiteral("file"))
    {
        m_import = import;
        m_settings =
            expand(QStringLiteral("[General]\r\nLanguage=%1\r\n").arg(greek ? "True" : "False") + more).toUtf8();
        QVERIFY(WriteFile(settingsFile(), m_settings)
                && (kind != u"file" || WriteFile(source(), "[Last]\r\nID=7\r\n")));
        m_context = std::make_unique<AppContext>(*m_platform);
        QVERIFY(m_context->startUp());
        if (import)
            m_dialog = std::make_unique<frmSettingsImport>(m_context->dialogs(), m_context->settings());
        else
            m_dialog = std::make_unique<frmSettingsExport>(m_context->dialogs(), m_context->settings());
        m_dialog->show();
    }
    // "choose:NAME" picks the private folder's NAME ("choose:" cancels, "choose:/" the root); "toggle:NAME" toggles
    // the control as a screen reader does; any other step clicks the control of that name near its left edge, where
    // a check box has its box.
    void run(const QString &steps)
    {
        for (QString step : steps.split(u' ', Qt::SkipEmptyParts)) {
            if (step.startsWith(QLatin1String("toggle:"))) {
                toggle(child<QWidget>(step.mid(7)));
                continue;
            }
            if (step.startsWith(QLatin1String("choose:"))) {
                const QString name = step.mid(7);
                m_platform->folders =
                    name.isEmpty() ? QStringList() : QStringList{name == u"/" ? name : path(name) + '/'};
                step = QStringLiteral("cmdSettingsFolderExternal");
            }
            QWidget *control = child<QWidget>(step);
            QTest::mouseClick(control, Qt::LeftButton, {}, QPoint(6, control->height() / 2));
        }
    }
    // The dialog in a line: the settings-file box checked (x) or not (-), enabled (e) or not (d), its label
    // showing the settings file (L), nothing (_) or else (?); the action button; the cancel button; the folder.
    QString state() const
    {
        const auto *ini = child<QCheckBox>("chkIniFileName");
        const QString label = child<QLabel>("lblIniFileName")->text();
        const QString folder = child<QLabel>("lblSettingsFolderExternal")->text();
        const auto *action = child<QPushButton>(m_import ? QStringLiteral("cmdImport") : QStringLiteral("cmdExport"));
        return QString(ini->isChecked() ? u'x' : u'-') + (ini->isEnabled() ? u'e' : u'd')
            + (label.isEmpty()               ? u'_'
                   : label == settingsFile() ? u'L'
                                             : u'?')
            + (action->isEnabled() ? QStringLiteral(" on ") : QStringLiteral(" off "))
            + child<QPushButton>("cmdCancel")->text() + u' '
            + (folder.isEmpty() ? QStringLiteral("-") : QString(folder).remove(m_dir->path() + u'/'));
    }
    // Each message by what it says ("same", "missing", "question", "shut down"), else in full.
    QStringList messages() const
    {
        const Language language = m_context->app().language();
        const std::array<std::tuple<const char *, TextId, MessageStyle>, 4> known = {
            {{"same", m_import ? TextId::ImportSameFolder : TextId::ExportSameFolder, MessageStyle::Critical},
             {"missing", m_import ? TextId::ImportMissingFile : TextId::ExportMissingFile, MessageStyle::Critical},
             {"question", TextId::ImportQuestion, MessageStyle::Question},
             {"shut down", TextId::ImportShutDown, MessageStyle::Exclamation}}};
        QStringList names;
        for (const ScriptedPlatform::Message &message : std::as_const(m_platform->messages)) {
            names.append(message.text);
            for (const auto &[name, text, style] : known) {
                if (message.caption == Text(m_import ? TextId::ImportTitle : TextId::ExportTitle, language)
                    && message.style == style
                    && message.text == Text(text, language).arg(m_import ? source() : settingsFile()))
                    names.last() = QLatin1String(name);
            }
        }
        return names;
    }

private slots:
    void init()
    {
        m_dir = std::make_unique<QTemporaryDir>();
        for (const char *folder : {"program", "out", "empty", "Program", "home/.local/share"})
            QVERIFY(QDir(m_dir->path()).mkpath(QLatin1String(folder)));
        QVERIFY(QFile::link(path(QStringLiteral("program")), path(QStringLiteral("link"))));
        QVERIFY(QDir(m_dir->path()).mkdir(QStringLiteral("fifo")));
        QCOMPARE(::mkfifo(QFile::encodeName(path(QStringLiteral("fifo") + Name)).constData(), 0600), 0);
        qputenv("HOME", QFile::encodeName(path(QStringLiteral("home"))));
        qputenv("XDG_DATA_HOME", QFile::encodeName(path(QStringLiteral("home/.local/share"))));
        m_platform = std::make_unique<ScriptedPlatform>(path(QStringLiteral("program")));
    }

    bool rowImports() const { return QByteArray(QTest::currentDataTag()).startsWith("import"); }
    bool rowInGreek() const { return QByteArray(QTest::currentDataTag()).contains(" el:"); }

    // The boxes, the buttons, where the chooser starts, what Apply stores (only the enabled boxes, a chosen
    // folder, the delete box always) and the paths in tooltips.
    static void row(const char *tag, const QString &settings, const QString &steps, const char *state,
                    const char *starts = "", const QString &stored = {})
    {
        QTest::newRow(tag) << settings << steps << QString(state) << QString(starts) << stored;
    }
    void boxesButtonsAndApply_data()
    {
        QTest::addColumn<QString>("settings");
        QTest::addColumn<QString>("steps");
        QTest::addColumn<QString>("state");
        QTest::addColumn<QString>("starts"); // of the chooser, one a choice
        QTest::addColumn<QString>("stored"); // the file after [General] once applied
        const QString ex = QStringLiteral("[ExportSettings]\r\nIni=True\r\n");
        const QString in = QStringLiteral("[ImportSettings]\r\nIni=TRUE\r\nFolder=%dir/");
        const QString check = QStringLiteral("choose:out chkIniFileName"), none;
        row("export: no folder", ex, none, "xeL off Cancel -");
        row("export el: unchecking", ex, check, "-eL off Άκυρο out/", "home");
        row("export: choice cancelled", ex, "choose:out choose:", "xeL on Cancel out/", "home out");
        row("export: the root", ex, "choose:/", "xeL on Cancel /", "home");
        row("export: no tooltips", "ToolTipText=True\r\n", "choose:out", "-eL off Cancel out/", "home");
        row("export el: Apply", none, "choose:out cmdApply", "-eL off Κλείσιμο out/", "home",
            "[ExportSettings]\r\nIni=False\r\nFolder=%dir/out\r\n");
        row("export: a box after Apply", ex, "cmdApply chkIniFileName", "-eL off Cancel -", "", ex);
        row("export: a screen reader's toggle", none, "choose:out toggle:chkIniFileName cmdApply", "xeL on Close out/",
            "home", "[ExportSettings]\r\nIni=True\r\nFolder=%dir/out\r\n");
        row("import: no folder", none, none, "-d_ off Cancel -");
        row("import: checking", none, check, "xeL on Cancel out/", "home");
        row("import: stored choices", in + "out/", none, "xeL on Cancel out/");
        row("import: a FIFO is no file", in + "fifo", none, "-d_ off Cancel fifo/");
        row("import: folder gone", in + "gone", "choose:", "-d_ off Cancel gone/", "home");
        row("import el: Apply", none, check + " cmdApply", "xeL on Κλείσιμο out/", "home",
            "[ImportSettings]\r\nIni=True\r\nFolder=%dir/out\r\nDeleteAfter=False\r\n");
        row("import: a screen reader's toggle", "[ImportSettings]\r\nDeleteAfter=True\r\n",
            "toggle:chkDeleteAfterImporting cmdApply", "-d_ off Close -", "",
            "[ImportSettings]\r\nDeleteAfter=False\r\n");
        row("import: a disabled box kept", "[ImportSettings]\r\nIni=True\r\n", "chkDeleteAfterImporting cmdApply",
            "-d_ off Close -", "", "[ImportSettings]\r\nIni=True\r\nDeleteAfter=True\r\n");
    }
    void boxesButtonsAndApply()
    {
        QFETCH(QString, settings);
        QFETCH(QString, stored);
        QFETCH(QString, starts);
        const bool import = rowImports(), greek = rowInGreek();
        open(import, greek, settings);
        QFETCH(QString, steps);
        run(steps);
        QTEST(state(), "state");
        QVERIFY(m_platform->messages.isEmpty());
        QCOMPARE(m_platform->chooserStarts.join(u' ').remove(m_dir->path() + u'/'), starts);
        for (const QString &title : std::as_const(m_platform->chooserTitles))
            QCOMPARE(
                title,
                Text(import ? TextId::ImportChooseFolder : TextId::ExportChooseFolder, m_context->app().language()));
        const QString general = QStringLiteral("[General]\r\nLanguage=%1\r\n").arg(greek ? "True" : "False");
        QCOMPARE(ReadFile(settingsFile()), stored.isEmpty() ? m_settings : expand(general + stored).toUtf8());
        for (const char *name : {"lblIniFileName", "lblSettingsFolderExternal"}) {
            const QLabel *label = child<QLabel>(QLatin1String(name));
            QCOMPARE(label->toolTip(), settings.contains(QLatin1String("ToolTipText")) ? QString() : label->text());
        }
    }

    // The action refused, copied or failed; for the import also the question, the trash and the end. "how": the
    // answers in order, "delete" the delete box, "gone" removes the file to copy. A copy that fails is left to the app
    // tests.
    void exportAndImport_data()
    {
        QTest::addColumn<QString>("folder");
        QTest::addColumn<QString>("how");
        QTest::addColumn<QStringList>("messages");
        QTest::addColumn<QString>("outcome"); // closed, ended, or the dialog's state
        QTest::addColumn<QString>("copy");    // export: copied or none; import: the source kept, trashed or gone
        const QStringList none, same{"same"}, missing{"missing"}, done{"question", "shut down"};
        const auto add = [](const char *tag, const char *folder, const char *how, const QStringList &messages,
                            const char *outcome, const char *copy) {
            QTest::newRow(tag) << QString(folder) << QString(how) << messages << QString(outcome) << QString(copy);
        };
        add("export: another folder", "out", "", none, "closed", "copied");
        add("export: other letters", "Program", "", none, "closed", "copied");
        add("export: the same folder", "program", "", same, "xeL on Cancel program/", "none");
        add("export el: through a link", "link", "", same, "xeL on Άκυρο link/", "none");
        add("export el: the file gone", "out", "gone", missing, "-d_ off Άκυρο out/", "none");
        add("import: No", "out", "delete no", {"question"}, "xeL on Cancel out/", "kept");
        add("import el: Yes", "out", "yes", done, "ended", "kept");
        add("import: Yes, to the trash", "out", "delete yes", done, "ended", "trashed");
        add("import el: through a link", "link", "delete", same, "xeL on Άκυρο link/", "kept");
        add("import el: the source gone", "out", "gone", missing, "-d_ off Άκυρο out/", "gone");
    }
    void exportAndImport()
    {
        QFETCH(QString, folder);
        QFETCH(QString, how);
        QFETCH(QString, copy);
        const bool import = rowImports();
        open(import, rowInGreek(),
             QStringLiteral("[%1Settings]\r\nIni=True\r\nDeleteAfter=%2\r\nFolder=%dir/%3\r\n")
                 .arg(import ? "Import" : "Export", how.contains(QLatin1String("delete")) ? "True" : "False", folder),
             import ? QStringLiteral("file") : QString());
        const QByteArray imported = ReadFile(source());
        const QString target = import ? settingsFile() : path(folder + Name);
        QVERIFY(!how.contains(QLatin1String("gone")) || QFile::remove(import ? source() : settingsFile()));
        for (const QString &answer : how.split(u' ')) {
            if (answer == u"yes" || answer == u"no")
                m_platform->answers.append(answer == u"yes" ? MessageAnswer::Yes : MessageAnswer::No);
        }
        QTest::mouseClick(child<QPushButton>(import ? QStringLiteral("cmdImport") : QStringLiteral("cmdExport")),
                          Qt::LeftButton);

        QTEST(messages(), "messages");
        const QString shown = m_dialog->isVisible() ? state() : QStringLiteral("closed");
        QTEST(m_platform->ended ? QStringLiteral("ended") : shown, "outcome");
        QCOMPARE(m_context->settings().frozen(), m_platform->ended);
        // Above all, a refused copy onto itself leaves the file whole.
        if (!how.contains(QLatin1String("gone")))
            QCOMPARE(ReadFile(settingsFile()), m_platform->ended ? imported : m_settings);
        const QFileInfo copied(target);
        if (!import) {
            const bool elsewhere =
                copied.isFile() && copied.canonicalPath() != QFileInfo(settingsFile()).canonicalPath();
            QCOMPARE(elsewhere ? ReadFile(target) == m_settings : false, copy == u"copied");
            return;
        }
        QCOMPARE(QFile::exists(source()), copy == u"kept");
        QCOMPARE(ReadFile(path(QStringLiteral("home/.local/share/Trash/files") + Name)),
                 copy == u"trashed" ? imported : "<missing>");
    }
};

QTEST_MAIN(TestSettingsDialogs)
#include "test_settings_dialogs.moc"
