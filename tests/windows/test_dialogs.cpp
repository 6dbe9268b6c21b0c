#include "WindowFixture.h"

#include "app/logic/PrintJob.h"
#include "app/texts/HelpTopics.h"
#include "app/texts/Texts.h"
#include "platform/QtPlatformServices.h"
#include "windows/ContextHelp.h"
#include "windows/ModalDialog.h"
#include "windows/dialogs/UpDown.h"
#include "windows/dialogs/frmAbout.h"
#include "windows/dialogs/frmConvertList.h"
#include "windows/dialogs/frmInputCurrency.h"
#include "windows/dialogs/frmPageSetup.h"
#include "windows/dialogs/frmPrint.h"
#include "windows/dialogs/frmSettingsExport.h"
#include "windows/dialogs/frmSettingsImport.h"

#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QGroupBox>
#include <QHeaderView>
#include <QHelpEvent>
#include <QMenu>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QRadioButton>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QStyle>
#include <QTabBar>
#include <QTableView>
#include <QToolButton>
#include <QTreeView>
#include <QWhatsThis>

#include <sys/stat.h>

const QString Name = QStringLiteral("/zkEuroChangeoverAdviser.ini");

// The dialogs, each opened over the main window: their controls reach their logic and show what it holds.
class TestDialogs : public WindowFixture
{
    Q_OBJECT

    // Settings whose conversion overflows in the drachma's row.
    inline static const QByteArray Overflowing = "[Last]\r\nID=7\r\nAmount=922337203685477\r\n";

    QStringList m_shown; // the help topics shown since the last click

    // Every dialog, opened in the language of the moment over the main window; every window's help is recorded.
    QList<QDialog *> openDialogs()
    {
        const QList<QDialog *> dialogs{
            new frmPageSetup(context(), m_main.get()),
            new frmPrint(context(), m_main.get()),
            new frmInputCurrency(context().dialogs(),
                                 AmountEntry(context().conversion(), OtherCurrencyIndex, context().app().language()),
                                 QIcon(), m_main.get()),
            new frmAbout(context().dialogs(), m_main.get()),
            new frmSettingsExport(context().dialogs(), context().settings(), m_main.get()),
            new frmSettingsImport(context().dialogs(), context().settings(), m_main.get()),
            new frmConvertList(context().dialogs(), context().conversion(), m_main.get())};
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
    static QString topic(QWidget *control, Language language)
    {
        return HelpTopics::topic(control->window()->objectName(), control->objectName(), language);
    }

    void stepUp(const QString &number) { QTest::keyClick(child<UpDown>("upd" + number), Qt::Key_Up); }
    QString shown(const QString &number) const { return child<QLabel>("lbl" + number)->text(); }
    // The font, its size, the top margin (lines before the title) and the left margin (where the rule under the
    // title starts) of the next print.
    QString nextPrint()
    {
        PrintJob(context(), nullptr).print(PrintJob::ToPrinter, {});
        const PrintedDocument &printed = *platform().printed.last();
        const qsizetype top = printed.lines.indexOf(QRegularExpression(QStringLiteral(" *\\S.*")));
        return printed.document.fontFamily
            + QStringLiteral(" %1, %2 %3")
                  .arg(printed.document.pointSize)
                  .arg(top)
                  .arg(printed.lines[top + 1].indexOf(u'-'));
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

    // The amount dialog opened for a slot, its amount what the conversion of `ini` left in the slot's row.
    void openAmount(int slot, const QByteArray &ini = {})
    {
        start(ini);
        showDialog(new frmInputCurrency(context().dialogs(),
                                        AmountEntry(context().conversion(), slot, Language::English), {}));
    }

    QStringList m_seen; // every text a window showed

    // What a toolkit window shows: captions, titles, tooltips, names read out, column titles, the chosen item of each
    // list (not the folder the chooser is in), and the type of each file listed.
    void look(QWidget *window)
    {
        m_seen << window->windowTitle();
        for (QWidget *w : window->findChildren<QWidget *>()) {
            if (!w->isVisibleTo(window))
                continue;
            for (const char *shown : {"text", "title", "currentText"})
                if (!qobject_cast<QLineEdit *>(w) && w->objectName() != u"lookInCombo")
                    m_seen << w->property(shown).toString();
            m_seen << w->toolTip() << w->accessibleName();
            if (auto *tabs = qobject_cast<QTabBar *>(w))
                for (int i = 0; i < tabs->count(); ++i)
                    m_seen << tabs->tabText(i);
            if (auto *header = qobject_cast<QHeaderView *>(w))
                for (int i = 0; i < header->count(); ++i)
                    m_seen << header->model()->headerData(i, header->orientation()).toString();
        }
        if (auto *files = window->findChild<QTreeView *>("treeView")) {
            const QModelIndex folder = files->rootIndex();
            for (int row = 0; row < files->model()->rowCount(folder); ++row)
                m_seen << files->model()->index(row, 2, folder).data().toString();
        }
    }
    void lookAt(const QMenu *menu)
    {
        for (const QAction *action : menu->actions())
            m_seen << action->text();
    }
    // The words of the English the toolkit speaks on its own; names of files, paper formats and such stay as they are.
    QStringList englishWords() const
    {
        static const QRegularExpression word(QStringLiteral("[A-Za-z]{2,}"));
        static const QSet<QString> names{"PDF", "A4", "Letter", "ANSI", "mm", "in", "txt", "ini", "Ctrl", "Shift"};
        QStringList english;
        for (QString text : m_seen) {
            for (const QRegularExpressionMatch &match :
                 word.globalMatch(text.remove(u'&').remove(QStringLiteral("PRN_Euro"))))
                if (!names.contains(match.captured()))
                    english << match.captured() + QStringLiteral(" in \"") + text + u'"';
        }
        return english;
    }

    // The export and import dialogs, with a scripted folder chooser. In a private folder ("%dir"):
    // program/ holds the settings file, out/ the exported one; empty/, Program/, link/ (to program/) and fifo/ (a FIFO
    // of the settings file's name) are other choices; home/ is the user's home, with the trash.
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

    bool rowImports() const { return QByteArray(QTest::currentDataTag()).startsWith("import"); }
    bool rowInGreek() const { return QByteArray(QTest::currentDataTag()).contains(" el:"); }

private slots:
    // Every test in a private folder, the user's home among them.
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

    // What a screen reader finds: page setup's numbers as values it reads and sets, and its arrows by name in the
    // language of the moment; the print progress; the decimals list by its caption. One step per click or key, and
    // never beyond either end, however set; each number shows its own range. The number the keys change is marked
    // where its value shows.
    void pageSetupNumbersAndNames()
    {
        start();
        switchLanguage(Language::Greek);
        showDialog(new frmPageSetup(context()));
        QCOMPARE(child<QLabel>("lblLeftMarginMinMax")->text() + u'|' + child<QLabel>("lblLinesPerPageMinMax")->text(),
                 QStringLiteral("0 - 30|30 - 80"));
        QSet<QString> arrows;
        for (const UpDown *upDown : m_dialog->findChildren<UpDown *>())
            for (QWidget *arrow : {upDown->upButton(), upDown->downButton()})
                arrows << QAccessible::queryAccessibleInterface(arrow)->text(QAccessible::Name);
        QVERIFY(arrows.size() == 8 && arrows.contains(QStringLiteral("Μείωση αριστερού περιθωρίου")));
        auto *upDown = child<UpDown>("updLinesPerPage");
        QAccessibleInterface *lines = QAccessible::queryAccessibleInterface(upDown);
        QTest::mouseClick(upDown->upButton(), Qt::LeftButton);
        stepUp("LinesPerPage");
        QStringList seen{shown("LinesPerPage")};
        for (const int set : {81, 29}) {
            lines->valueInterface()->setCurrentValue(set);
            QTest::mouseClick(set > 80 ? upDown->upButton() : upDown->downButton(), Qt::LeftButton);
            QTest::keyClick(upDown, set > 80 ? Qt::Key_Up : Qt::Key_Down);
            seen << shown("LinesPerPage") + u' ' + lines->text(QAccessible::Value);
        }
        QCOMPARE(seen, QStringList({"32", "80 80", "30 30"}));
        QVERIFY(lines->text(QAccessible::Name) == QStringLiteral("Γραμμές ανά σελίδα")
                && lines->role() == QAccessible::SpinBox);
        QLabel *value = child<QLabel>("lblTopMargin");
        const auto marked = [value] {
            return value->grab().toImage().pixelColor(2, 2) == value->palette().color(QPalette::Highlight);
        };
        QVERIFY(!marked());
        child<UpDown>("updTopMargin")->setFocus();
        QVERIFY(marked());

        switchLanguage(Language::English);
        showDialog(new frmPrint(context()));
        QCOMPARE(QAccessible::queryAccessibleInterface(child<QProgressBar>("prbProgressBar"))->text(QAccessible::Name),
                 QStringLiteral("Print progress"));
        m_dialog.reset();
        openAmount(OtherCurrencyIndex);
        QAccessibleInterface *decimals = QAccessible::queryAccessibleInterface(child<QWidget>("cboDecimals"));
        QCOMPARE(decimals->text(QAccessible::Name) + u'|' + decimals->text(QAccessible::Value),
                 QStringLiteral("Decimals:| 2 - Two"));
    }

    // OK changes the next print but not the file. Apply writes and disables Cancel; Cancel afterwards keeps
    // what was applied. The next start shows each applied value in its own field, and prints with it.
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
        QCOMPARE(nextPrint(), QStringLiteral("Courier New Greek 9, 0 0"));
        QVERIFY(!m_program->ini().contains("[PageSetup]"));
        showDialog(new frmPageSetup(context()));
        QCOMPARE(shown("FontSize"), QStringLiteral("9"));
        for (const auto &[number, steps] :
             {std::pair("TopMargin", 11), std::pair("LeftMargin", 12), std::pair("LinesPerPage", 3)})
            for (int i = 0; i < steps; ++i)
                stepUp(number);
        child("cmdApply")->click();
        QVERIFY(!child("cmdCancel")->isEnabled());
        QVERIFY(m_program->ini().contains("[PageSetup]\r\nFontName=Courier New Greek\r\nFontSize=9\r\n"
                                          "TopMargin=11\r\nLeftMargin=12\r\nLinesPerPage=33\r\n"));
        stepUp("FontSize");
        child("cmdCancel")->click();
        QCOMPARE(nextPrint(), QStringLiteral("Courier New Greek 9, 11 12"));

        const QByteArray ini = m_program->ini();
        m_dialog.reset();
        m_main.reset();
        start(ini);
        showDialog(new frmPageSetup(context()));
        QVERIFY(child<QRadioButton>("chkCourierNewGreek")->isChecked());
        QCOMPARE(QStringList({shown("FontSize"), shown("TopMargin"), shown("LeftMargin"), shown("LinesPerPage")}),
                 QStringList({"9", "11", "12", "33"}));
        QCOMPARE(nextPrint(), QStringLiteral("Courier New Greek 9, 11 12"));
    }

    // The printer setup renames the options and says how its paper holds the report at once. Apply writes the
    // destination and stays open; Close, and Print and Close even with no file chosen, keep it for this run; Cancel
    // keeps nothing.
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
        toggle(child<QRadioButton>("optPrintDestination_2"));
        QVERIFY(child("cmdCancel")->isEnabled());
        platform().printerAfterSetup = QStringLiteral("Laser & Co");
        platform().measures = {false, 100, 200, std::vector<double>(8, 1.0)}; // its paper holds 100 characters
        child("cmdPrintSetup")->click();
        QCOMPARE(m_dialog->windowTitle(), QStringLiteral("Print - Number of pages: 1. Landscape orientation."));
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

    // The dialog shows its entry: its captions, its locked fields, Convert; leaving a field updates the captions.
    // Enter in a field converts; refused input is said in a message, and the focus goes to the field to correct.
    void amountDialogShowsItsEntry_data()
    {
        QTest::addColumn<int>("slot");
        QTest::addColumn<QByteArray>("ini");    // what the row's amount shows, as the conversion of these settings
        QTest::addColumn<QStringList>("typed"); // name, rate, amount; "-" leaves a field as it opened
        QTest::addColumn<QString>("shown");     // title|rate line once typed, then the values or the refused field
        QTest::newRow("named") << 13 << QByteArray() << QStringList{"Dollar", "1.1", "1,000.5"}
                               << "Convert 'Dollar' to all other currencies|(EUR - Euro) 1 = 1.1 (Dollar)|10005000 2";
        QTest::newRow("not a rate") << 13 << QByteArray() << QStringList{"-", "2,", "2"}
                                    << "Convert 'Other currency' to all other currencies|(EUR - Euro) 1 = 2, (Other "
                                       "currency)|txtCurrencyRate";
        QTest::newRow("failure word") << 7 << Overflowing << QStringList{"-", "-", "-"}
                                      << "Convert 'GRD - Greek Drachma' to all other currencies|(EUR - Euro) 1 = "
                                         "340.75 (GRD - Greek Drachma)|txtAmount";
    }
    void amountDialogShowsItsEntry()
    {
        QFETCH(int, slot);
        QFETCH(QByteArray, ini);
        QFETCH(QStringList, typed);
        QFETCH(QString, shown);
        openAmount(slot, ini);
        for (const char *name : {"txtCurrencyName", "txtCurrencyRate"})
            QVERIFY(field(name)->isReadOnly() == (slot != OtherCurrencyIndex)
                    && (field(name)->focusPolicy() == Qt::ClickFocus) == (slot != OtherCurrencyIndex));
        const char *fields[] = {"txtCurrencyName", "txtCurrencyRate", "txtAmount"};
        for (int i = 0; i < 3; ++i)
            if (typed[i] != u"-")
                field(fields[i])->setFocus(), field(fields[i])->clear(),
                    QTest::keyClicks(field(fields[i]), Localized(typed[i]));
        field("txtAmount")->setFocus();
        QTest::keyClick(field("txtAmount"), Qt::Key_Return);
        const InputCurrencyValues &values = static_cast<frmInputCurrency *>(m_dialog.get())->values();
        const QString outcome = m_dialog->isVisible()
            ? QApplication::focusWidget()->objectName()
            : QStringLiteral("%1 %2").arg(values.amount.raw()).arg(values.decimals);
        QCOMPARE(m_dialog->windowTitle() + u'|' + child<QLabel>("lblEuroRateTitle")->text() + u'|' + outcome,
                 Localized(shown));
        QVERIFY(platform().messages.size() == (m_dialog->isVisible() ? 1 : 0) && child("cmdConvert")->isEnabled()
                && child<QLabel>("lblConvertReason")->text().isEmpty());
    }

    // Typed or pasted, only digits and separators get in, with a beep for the rest; a paste at the cursor puts in
    // what it keeps of the paste alone; a failure word already there can still be deleted.
    void amountKeyFilterRefusesAndBeeps()
    {
        openAmount(7, Overflowing);
        QLineEdit *amount = field("txtAmount");
        amount->end(false);
        QTest::keyClick(amount, Qt::Key_Backspace);
        QCOMPARE(platform().beeps, 0);
        QTest::keyClicks(amount, QStringLiteral("a-3"));
        QCOMPARE(platform().beeps, 2);
        for (const char *pasted : {"4x", "4,5", " 6\n"}) {
            QApplication::clipboard()->setText(QLatin1String(pasted));
            amount->paste();
        }
        QCOMPARE(amount->text(), QStringLiteral("Overflo34,56"));
        QCOMPARE(platform().beeps, 3);
    }

    // Enter, where the focus is on opening, presses the dialog's default button: page setup keeps its values, the
    // print dialog prints, the amount dialog converts, About closes without starting anything, export copies, import
    // asks first; the list dialog opens in its field of amounts, where Enter starts the next line.
    void enterPressesTheDefaultButton()
    {
        QTemporaryDir folder;
        QVERIFY(WriteFile(folder.filePath(QStringLiteral("zkEuroChangeoverAdviser.ini")), "[Last]\r\nID=7\r\n"));
        const QString choices = QStringLiteral("Ini=True\r\nFolder=%1\r\n").arg(folder.path());
        start(("[ExportSettings]\r\n" + choices + "[ImportSettings]\r\n" + choices + "[Rates]\r\n13=2\r\n").toUtf8());
        QStringList seen;
        for (QDialog *dialog : openDialogs()) {
            platform().messages.clear();
            platform().printed.clear();
            showDialog(dialog);
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
            seen << (dialog->isVisible() ? "open" : dialog->result() == QDialog::Accepted ? "accepted" : "rejected");
            for (const ScriptedPlatform::Message &message : std::as_const(platform().messages))
                seen.last() += u' ' + message.caption;
            seen.last() += platform().printed.isEmpty() ? "" : " printed";
        }
        QCOMPARE(seen,
                 QStringList({"accepted", "accepted printed", "accepted", "accepted", "accepted",
                              "open Import settings", "open"}));
        QVERIFY(platform().started.isEmpty());
    }

    // A dialog that ends the program returns as cancelled, its owner left where it is; once it is ending, none opens.
    void modalReturn()
    {
        start();
        QDialog dialog(m_main.get());
        const int before = platform().broughtToFront;
        bool opened = false;
        for (int time = 0; time < 2; ++time) {
            QTimer::singleShot(0, &dialog, [&] { opened = true, context().dialogs().endProgram(), dialog.accept(); });
            QVERIFY(OpenModal(dialog, m_main.get(), context().dialogs()) == QDialog::Rejected
                    && std::exchange(opened, false) == (time == 0));
        }
        QCOMPARE(platform().broughtToFront, before);
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
            QCOMPARE(click(part), QStringList(topic(upDown, Language::English)));
        QVERIFY(click(dialogs[2]->findChild<QWidget *>("txtAmount")).isEmpty() && QApplication::activePopupWidget());
        QApplication::activePopupWidget()->close();
        auto *label = dialogs[2]->findChild<QWidget *>("lblCurrencyName");
        label->setContextMenuPolicy(Qt::CustomContextMenu);
        QSignalSpy menu(label, &QWidget::customContextMenuRequested);
        QVERIFY(click(label) == QStringList(topic(label, Language::English)) && menu.isEmpty());
        qDeleteAll(dialogs);

        auto *go = goButton(3);
        auto *help = child<QWidget>("cmdHelp");
        for (const Language language : Languages) {
            switchLanguage(language);
            QCOMPARE(click(go), QStringList(topic(go, language)));
            platform().messages.clear();
            action("mnuHelpTips")->trigger();
            QVERIFY(click(help, Qt::LeftButton).isEmpty() && click(help, Qt::MiddleButton).isEmpty());
            QCOMPARE(platform().messages.size(), 2);
            // The first paragraph says how help is reached here: the right button, or Shift+F1 and a click.
            QVERIFY(platform().messages[1].text == Text(TextId::HintsText, language)
                    && platform().messages[1].text.section(u'\n', 0, 0).contains(QStringLiteral("Shift+F1"))
                    && platform().messages[1].owner == m_main.get());
        }
        go->hide();
        QVERIFY(!click(go).contains(topic(go, Language::Greek))); // what lies beneath may answer
        go->show();
        go->setEnabled(false);
        QCOMPARE(click(go), QStringList());
        m_shown.clear();
        Q_EMIT action("mnuSettingsHelp")->triggered(); // as while the menu is open from its button
        QCOMPARE(m_shown, QStringList(topic(child<QWidget>("cmdSettings"), Language::Greek)));
    }

    // Every topic reaches its control, as What's This text in the window's language (the main window's
    // follow a switch), read on the first question: Shift+F1 on a new window is one. Every text button of every
    // dialog keeps the style's margin between its text and its edges ("Εκτύπωση και Κλείσιμο"): measured on the
    // button as drawn, where the text's ink begins and ends.
    void everyDialogInBothLanguages()
    {
        start();
        for (const Language language : Languages) {
            switchLanguage(language);
            const QList<QDialog *> dialogs = openDialogs();
            QWidget *version = dialogs[3]->findChild<QWidget *>("lblVersion");
            QVERIFY(version->whatsThis().isEmpty());
            QApplication::setActiveWindow(dialogs[3]);
            QTest::keyClick(dialogs[3], Qt::Key_F1, Qt::ShiftModifier);
            QVERIFY(QWhatsThis::inWhatsThisMode());
            QWhatsThis::leaveWhatsThisMode();
            QCOMPARE(version->whatsThis(), topic(version, language));
            // And the other way round: every button, option, box, frame and arrow has its topic, and every
            // button a name to read out (a picture's is its accessible name).
            for (QWidget *window : QList<QWidget *>{m_main.get()} + QList<QWidget *>(dialogs.begin(), dialogs.end()))
                for (QWidget *control : window->findChildren<QWidget *>(
                         QRegularExpression(QStringLiteral("^(cmd|opt|chk|fra|upd|prb)[A-Z]")))) {
                    QVERIFY2(!topic(control, language).isEmpty(), qPrintable(control->objectName()));
                    QVERIFY2(!control->inherits("QAbstractButton") || !control->accessibleName().isEmpty()
                                 || !control->property("text").toString().isEmpty(),
                             qPrintable(control->objectName()));
                }
            for (const QString &key : HelpTopics::keys()) {
                const QString name = key.section(u'/', 0, 0);
                QWidget *window = name == m_main->objectName() ? m_main.get() : m_main->findChild<QWidget *>(name);
                QWidget *control = window ? window->findChild<QWidget *>(key.section(u'/', 1)) : nullptr;
                QHelpEvent query(QEvent::QueryWhatsThis, {}, {});
                // A menu item's topic is its What's This text, there once the window was asked for one.
                if (auto *item = window ? window->findChild<QAction *>(key.section(u'/', 1)) : nullptr) {
                    QApplication::sendEvent(window, &query);
                    QVERIFY2(item->whatsThis() == HelpTopics::topic(name, item->objectName(), language),
                             qPrintable(key));
                    continue;
                }
                QVERIFY2(control && QApplication::sendEvent(control, &query)
                             && control->whatsThis() == topic(control, language),
                         qPrintable(key));
            }
            for (const QDialog *dialog : dialogs) {
                for (QPushButton *button : dialog->findChildren<QPushButton *>()) {
                    if (button->text().isEmpty() || !button->isVisible())
                        continue;
                    const QImage drawn = button->grab().toImage();
                    int first = drawn.width(), last = -1;
                    for (int x = 2; x < drawn.width() - 2; ++x) // within the frame's lines
                        for (int y = drawn.height() / 4; y < drawn.height() * 3 / 4; ++y)
                            if (qGray(drawn.pixel(x, y)) < 100)
                                first = std::min(first, x), last = x;
                    const int margin = button->style()->pixelMetric(QStyle::PM_ButtonMargin, nullptr, button);
                    QVERIFY2(first >= margin && drawn.width() - 1 - last >= margin,
                             qPrintable(button->text()
                                        + QStringLiteral(": %1, %2").arg(first).arg(drawn.width() - 1 - last)));
                }
            }
            qDeleteAll(dialogs);
        }
    }

    // The list dialog: a column pasted from a spreadsheet, with a line that is no amount, from the drachma (the row
    // converted last) to the mark: each line's results in place, the refused one saying why, the totals of what
    // converted; Copy's text and the file Save writes over an old one are the same tab-separated lines; a file that
    // cannot be written is said and nothing is saved. In Greek (test_list has the English summary), numbers in the
    // regional format.
    void listPasteCopyAndSave()
    {
        start("[Last]\r\nID=7\r\nAmount=1000\r\n");
        switchLanguage(Language::Greek);
        showDialog(new frmConvertList(context().dialogs(), context().conversion(), m_main.get()));
        QCOMPARE(child<QComboBox>("cboFrom")->currentIndex(), 7);
        QCOMPARE(child<QComboBox>("cboTo")->currentIndex(), 0);
        child<QComboBox>("cboTo")->setCurrentIndex(3);
        QGuiApplication::clipboard()->setText(Localized("1000000\r\n1,000.5\r\nabc\r\n\r\n340.5\r\n"));
        auto *amounts = child<QPlainTextEdit>("txtAmounts");
        amounts->setFocus();
        QTest::keyClick(amounts, Qt::Key_V, Qt::ControlModifier);
        QTRY_COMPARE(child<QLabel>("lblSummary")->text(), "Μετατράπηκαν 3 από 4 ποσά. Δεν μετατράπηκαν: γραμμή 3.");
        QCOMPARE(child<QLabel>("lblTotalAmounts")->text(),
                 Localized("Σύνολο των ποσών που μετατράπηκαν: 1,001,340 GRD"));
        QCOMPARE(child<QLabel>("lblTotalRounded")->text(),
                 Localized("Σύνολο των αποτελεσμάτων με στρογγυλοποίηση: 5,747.46 DEM"));
        const QAbstractItemModel *table = child<QTableView>("tblResults")->model();
        QCOMPARE(table->rowCount(), 5);
        QCOMPARE(table->index(2, 1).data().toString(), "Ανακριβές ποσό.");
        QVERIFY(table->index(2, 1).data(Qt::ForegroundRole).isValid()
                && !table->index(1, 1).data(Qt::ForegroundRole).isValid());
        QCOMPARE(table->index(4, 2).data().toString(), Localized("1.9558"));

        const QString text = Localized("1000000\t5,739.77\t5,739.7743\n1,000.5\t5.73\t5.7306\nabc\t\t\n\n"
                                       "340.5\t1.96\t1.9558\n");
        QGuiApplication::clipboard()->clear();
        child("cmdCopy")->click();
        QCOMPARE(QGuiApplication::clipboard()->text(), text);
        const QString file = m_program->path("list.txt");
        QVERIFY(WriteFile(file, "old bytes, longer than anything the list writes there, and more"));
        platform().savePaths = {file, m_program->dir.path()};
        child("cmdSave")->click();
        QCOMPARE(ReadFile(file), text.toUtf8());
        QCOMPARE(child<QLabel>("lblStatus")->text(), "Αποθηκεύθηκε στο «" + file + "».");
        child("cmdSave")->click(); // a folder stands where the file was meant
        QVERIFY(platform().messages.size() == 1 && platform().messages[0].text.contains("δεν μπορεί να γραφτεί")
                && platform().messages[0].style == MessageStyle::Exclamation);
        QCOMPARE(platform().fileChoices.constLast().fileName, QStringLiteral("GRD-DEM.txt"));
        child("cmdSave")->click(); // cancelled: nothing more is said or written
        QVERIFY(platform().messages.size() == 1 && platform().fileChoices.size() == 3
                && ReadFile(file) == text.toUtf8());
        // Grouped with no-break spaces, as a spreadsheet copies it in a Czech locale: converted as the command
        // line converts it, not refused for a blank.
        const auto restore = qScopeGuard([pinned = QLocale()] { QLocale::setDefault(pinned); });
        QLocale::setDefault(QLocale(QLocale::Czech, QLocale::Czechia));
        amounts->setPlainText(QStringLiteral("1\u00A0000,5"));
        QTRY_COMPARE(table->index(0, 1).data().toString(), QStringLiteral("5,73"));
    }

    // From the Tools menu, whose item has a mnemonic: the dialog opens modal over the window, From at the row
    // converted last, the keyboard in its field; the field, the table and the lists have names a screen reader says;
    // Tab leaves the field, Enter elsewhere copies, Escape closes.
    void listFromTheMenuByKeyboard()
    {
        start("[Last]\r\nID=3\r\n");
        QVERIFY(!QKeySequence::mnemonic(action("mnuToolsConvertList")->text()).isEmpty());
        QStringList seen;
        whenShown([&seen](QWidget *dialog) {
            auto *amounts = dialog->findChild<QPlainTextEdit *>("txtAmounts");
            seen << dialog->findChild<QComboBox *>("cboFrom")->currentText()
                 << QString::number(dialog->focusWidget() == amounts);
            for (const char *name : {"txtAmounts", "tblResults", "cboFrom", "cboTo"})
                seen << QAccessible::queryAccessibleInterface(dialog->findChild<QWidget *>(name))
                            ->text(QAccessible::Name);
            QTest::keyClicks(amounts, QStringLiteral("5"));
            QTest::keyClick(amounts, Qt::Key_Tab);
            seen << dialog->focusWidget()->objectName();
            QTRY_VERIFY(dialog->findChild<QPushButton *>("cmdCopy")->isEnabled());
            QTest::keyClick(dialog->findChild<QComboBox *>("cboTo"), Qt::Key_Return);
            seen << QGuiApplication::clipboard()->text();
            QTest::keyClick(dialog, Qt::Key_Escape);
        });
        action("mnuToolsConvertList")->trigger();
        QCOMPARE(seen,
                 QStringList({"DEM - German Mark", "1", "Amounts, one a line:", "Results:", "From:", "To:",
                              "tblResults", Localized("5\t2.56\t2.5600\n")}));
    }

    // The toolkit's own windows as the program opens them (the file and folder choosers with their overwrite question
    // and menus, the printer setup with its options and properties), in the language the program's switch chose.
    void everyWindowInTheInterfaceLanguage_data()
    {
        QTest::addColumn<Language>("language");
        QTest::newRow("Greek") << Language::Greek;
        QTest::newRow("English, after Greek") << Language::English;
    }
    void everyWindowInTheInterfaceLanguage()
    {
        QFETCH(Language, language);
        ScriptedProgram program;
        program.controller.setLanguage(Language::Greek);
        program.controller.setLanguage(language);
        QtPlatformServices platform;
        QVERIFY(WriteFile(program.path(QStringLiteral("PRN_Euro.txt")), "old"));
        m_seen.clear();

        // The save chooser over a folder with the file, its menus, then its question before replacing the file.
        whenShown([&](QWidget *chooser) {
            chooser->findChild<QAbstractButton *>("detailModeButton")->click();
            auto *files = chooser->findChild<QTreeView *>("treeView");
            QTRY_VERIFY(files->model()->rowCount(files->rootIndex()) > 0);
            look(chooser);
            const std::unique_ptr<QMenu> edit(
                chooser->findChild<QLineEdit *>("fileNameEdit")->createStandardContextMenu());
            lookAt(edit.get());
            QTimer::singleShot(0, this, [this] {
                auto *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget());
                QVERIFY(menu);
                lookAt(menu);
                menu->close();
            });
            emit files->customContextMenuRequested(QPoint(5, 5));
            whenShown(
                [&](QWidget *question) {
                    look(question);
                    static_cast<QMessageBox *>(question)->button(QMessageBox::No)->click();
                },
                chooser);
            static_cast<QDialog *>(chooser)->accept();
            static_cast<QDialog *>(chooser)->reject();
        });
        QVERIFY(platform.chooseSaveFile(nullptr, {"Τίτλος", program.dir.path(), "PRN_Euro.txt", "Όλα (*)"}).isEmpty());

        whenShown([&](QWidget *chooser) {
            look(chooser);
            static_cast<QDialog *>(chooser)->reject();
        });
        QVERIFY(platform.chooseFolder(nullptr, program.dir.path(), QStringLiteral("Φάκελλος")).isEmpty());

        // The printer setup, with its options shown, then the printer's properties.
        whenShown([&](QWidget *setup) {
            look(setup);
            for (QPushButton *button : setup->findChildren<QPushButton *>())
                if (button->text().contains(u">>"))
                    button->click();
            look(setup);
            whenShown(
                [&](QWidget *properties) {
                    look(properties);
                    static_cast<QDialog *>(properties)->reject();
                    static_cast<QDialog *>(setup)->reject();
                },
                setup);
            setup->findChild<QPushButton *>("properties")->click();
        });
        QVERIFY(!platform.printerSetup(nullptr, QStringLiteral("Εκτυπωτής")));

        if (language == Language::Greek) {
            QVERIFY2(englishWords().isEmpty(), qPrintable(englishWords().join(u'|')));
            QVERIFY(m_seen.contains(QStringLiteral("Το «PRN_Euro.txt» υπάρχει ήδη.\nΘέλετε να αντικατασταθεί;")));
            QVERIFY(m_seen.contains(QStringLiteral("Αρχείο txt"))
                    && m_seen.contains(QStringLiteral("Ιδιότητες εκτυπωτή")));
        } else {
            for (const char *english : {"Look in:", "Printer Properties", "&Yes", "Detail View"})
                QVERIFY2(m_seen.contains(QLatin1String(english)), english);
        }
    }

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

QTEST_MAIN(TestDialogs)
#include "test_dialogs.moc"
