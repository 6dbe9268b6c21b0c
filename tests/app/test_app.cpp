#include "ScriptedProgram.h"
#include "TestLocale.h"
#include "Unprivileged.h"
#include "WriteFaults.h"

#include "app/logic/AboutModel.h"
#include "app/logic/AmountEntry.h"
#include "app/logic/PathKeeping.h"
#include "app/logic/PrintJob.h"
#include "app/logic/SettingsExport.h"
#include "app/logic/SettingsImport.h"
#include "app/logic/WindowGeometry.h"
#include "app/services/FileChooserFolder.h"
#include "app/services/SettingsLocation.h"
#include "app/texts/HelpTopics.h"
#include "app/texts/InputHints.h"
#include "app/texts/Texts.h"
#include "platform/QtPlatformServices.h"
#include "settings/IniAccess.h"
#include "settings/SettingsStore.h"

#include <QRegularExpression>
#include <QSet>
#include <QStandardPaths>
#include <QtTest>

#include <memory>
#include <optional>
#include <sys/stat.h>

static const QString Name = QStringLiteral("/zkEuroChangeoverAdviser.ini");

// A file's bytes; anything else unopened (a FIFO would block).
static QByteArray Contents(const QString &path) { return QFileInfo(path).isFile() ? ReadFile(path) : "<not a file>"; }

// Puts at path what a row names: a link to "victim" (0600) beside it, a relative one to "dotfiles/victim", one to
// a link to "victim" ("chain"), a link to "nowhere", a FIFO, a file left empty or holding garbage, a folder, or a
// folder holding a file ("full").
static bool Plant(const QString &what, const QString &path)
{
    const QString beside = QFileInfo(path).path() + u'/';
    if (what == u"link" || what == u"relative" || what == u"chain") {
        const QString victim = what == u"relative" ? "dotfiles/victim" : "victim";
        const QString linked = what == u"relative" ? victim : beside + (what == u"chain" ? "middle" : "victim");
        return WriteFile(beside + victim, "victim")
            && ::chmod(QFile::encodeName(beside + victim).constData(), 0600) == 0
            && (what != u"chain" || QFile::link(beside + victim, beside + "middle"))
            && ::symlink(QFile::encodeName(linked).constData(), QFile::encodeName(path).constData()) == 0;
    }
    if (what == u"dangling")
        return QFile::link(beside + "nowhere", path);
    if (what == u"fifo")
        return ::mkfifo(QFile::encodeName(path).constData(), 0600) == 0;
    if (what == u"empty" || what == u"garbage") // as a crash or a full disk can leave a lock file
        return WriteFile(path, what == u"empty" ? "" : "\177ELF\n\n");
    return QDir().mkdir(path) && (what != u"full" || WriteFile(path + "/mine", "mine"));
}

static QString LastMessage(const ScriptedPlatform &platform)
{
    return platform.messages.isEmpty() ? QString() : platform.messages.last().text;
}

class TestApp : public QObject
{
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<ScriptedPlatform> m_platform;
    std::unique_ptr<AppContext> m_context;
    std::unique_ptr<MainController> m_controller;

    QString iniPath() const { return m_dir->filePath(QStringLiteral("zkEuroChangeoverAdviser.ini")); }
    bool start()
    {
        m_context = std::make_unique<AppContext>(*m_platform);
        m_controller = std::make_unique<MainController>(*m_context);
        if (!m_context->startUp())
            return false;
        m_controller->finishStartUp(nullptr);
        return true;
    }
    RowText row(int slot) const
    {
        const AppValues &app = m_context->app();
        return m_context->conversion().rowTexts(app.language(), app.HideToolTips)[std::size_t(slot)];
    }

private slots:
    void initTestCase() { QVERIFY(PinTestLocale()); }
    void init()
    {
        m_dir = std::make_unique<QTemporaryDir>();
        m_platform = std::make_unique<ScriptedPlatform>(m_dir->path());
    }

    // The first language the program speaks decides, unless one is stored.
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
        // A currency fixed later goes by its code on the road, as the twelve do.
        QTest::newRow("named by its code")
            << "[General]\r\nOtherCurrency=BGN - Bulgarian Lev\r\n[Rates]\r\n13=1.95583\r\n[Last]\r\nID=13\r\n"
               "Amount=100\r\n"
            << QStringList{"en"} << "GRD - Greek Drachma|17,423 | 17,422.5475 "
            << QByteArray("OtherCurrency=BGN - Bulgarian Lev\r\n") << "100 BGN → 51.13 EUR → 17,422.5475 → 17,423 GRD";
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
        m_context = std::make_unique<AppContext>(*m_platform);
        m_controller = std::make_unique<MainController>(*m_context);
        QVERIFY(m_context->startUp());
        QCOMPARE(ReadFile(iniPath()), ini.toUtf8()); // nothing written before the window shows
        m_controller->finishStartUp(nullptr);
        const RowText shown = this->row(7);
        const CurrentConversion &conversion = m_context->conversion();
        const Language language = m_context->app().language();
        QCOMPARE(QStringList({conversion.rowTitle(7, language), shown.caption, shown.toolTip}).join(u'|'),
                 Localized(row));
        QVERIFY2(ReadFile(iniPath()).contains(written), ReadFile(iniPath()));
        QCOMPARE(conversion.road(7, language), Localized(road));
        QVERIFY(m_platform->messages.isEmpty());
    }

    // Each reported once; Yes ends the program, and nothing is written after it.
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
            QStringLiteral("Error condition 75 with the description 'Not a regular file: ") + iniPath()));
        QCOMPARE(m_platform->ended, atStart == MessageAnswer::Yes);
        if (m_platform->ended)
            return;
        QVERIFY(QDir(iniPath()).removeRecursively() && start());
        QVERIFY(QFile::remove(iniPath()) && QDir().mkpath(iniPath()));
        m_platform->answers = {atSave};
        m_controller->refreshConversion(nullptr);
        m_controller->refreshConversion(nullptr);
        QCOMPARE(m_platform->messages.size(), 2);
        QCOMPARE(m_platform->messages[1].caption, QStringLiteral("Euro changeover adviser [ 342 ]"));
        QCOMPARE(row(0).caption, Localized(QStringLiteral("1.00 "))); // shown though not kept
        QVERIFY(QDir(iniPath()).removeRecursively());
        m_controller->setLanguage(Language::Greek);
        QCOMPARE(m_platform->ended, atSave == MessageAnswer::Yes);
        QCOMPARE(QFile::exists(iniPath()), atSave == MessageAnswer::No);
    }

    // The mark ends on the current row; a conversion waiting for its amount holds off every other, and an end
    // of the program while it waits leaves everything as it was. The built-in name in either language leaves the
    // additional currency unnamed; its decimals are the confirmed ones.
    void conversionFlow()
    {
        QVERIFY(start());
        const InputCurrencyValues five{Money::fromRaw(50000), 4, 2, QStringLiteral("Άλλο νόμισμα")};
        QStringList seen;
        const auto flow = [&](int slot, const AmountQuestion &ask) {
            const MainChanges changes = m_controller->ConvertFrom(slot, ask, nullptr);
            seen << QStringLiteral("%1%2%3").arg(changes.captions).arg(changes.rows).arg(changes.marked.value_or(-1));
        };
        flow(3, [](int) { return std::nullopt; });
        flow(13, [&](int) {
            flow(4, [&](int) { return five; });
            seen << QString::number(m_controller->refreshConversion(nullptr).rows);
            return five;
        });
        flow(5, [&](int) { return m_context->dialogs().endProgram(), five; });
        QCOMPARE(seen, QStringList({"000", "00-1", "0", "1113", "00-1"}));
        QCOMPARE(row(13).caption, Localized(QStringLiteral("5.0000 ")));
        QVERIFY(ReadFile(iniPath()).contains("OtherCurrency=?\r\n"));
    }

    // What the amount dialog opens with, and what Convert makes of what was typed: only the additional currency's
    // name and rate are open, only the euro's decimals are locked; an empty name is the built-in one.
    void amountEntry_data()
    {
        QTest::addColumn<int>("slot");
        QTest::addColumn<Language>("language");
        QTest::addColumn<QString>("opened");    // caption|rate line|frame|why Convert is disabled|amount|decimals|locks
        QTest::addColumn<QStringList>("typed"); // name, rate, amount; empty leaves a field as it opened
        QTest::addColumn<QString>("outcome");   // the refusal and its field, else the amount, decimals, rate and name
        QTest::newRow("euro") << 0 << Language::English
                              << "Convert 'EUR - Euro' to all other currencies|(EUR - Euro) 1 = 1 (EUR - Euro)|"
                                 " Fixed exchange rate ||1.00|2|name rate decimals"
                              << QStringList{"", "", "0"} << "0 2 1 EUR - Euro";
        QTest::newRow("drachma, Greek") << 7 << Language::Greek
                                        << "Μετατροπή «GRD - Δραχμή Ελλάδος» σε όλα τα άλλα νομίσματα|"
                                           "(EUR - Ευρώ) 1 = 340.75 (GRD - Δραχμή Ελλάδος)| Κλειδωμένη ισοτιμία ||"
                                           "341|0|name rate"
                                        << QStringList{"", "", "1,000.5"} << "10005000 0 340.75 GRD - Δραχμή Ελλάδος";
        const QString other = "Convert 'Other currency' to all other currencies|(EUR - Euro) 1 = 0 (Other currency)|"
                              " Current exchange rate |Enter an exchange rate above 0|0.00|2|";
        QTest::newRow("no rate") << 13 << Language::English << other << QStringList{"", "0.000", "1"}
                                 << "Ανακριβής ισοτιμία. rate";
        QTest::newRow("unnamed, Greek") << 13 << Language::Greek
                                        << "Μετατροπή «Άλλο νόμισμα» σε όλα τα άλλα νομίσματα|(EUR - Ευρώ) 1 = 0 "
                                           "(Άλλο νόμισμα)| Τρέχουσα ισοτιμία |Δώστε ισοτιμία μεγαλύτερη από 0|0.00|2|"
                                        << QStringList{"  ", "1.23456", "0"} << "0 2 1.23456 Άλλο νόμισμα";
    }
    void amountEntry()
    {
        QFETCH(int, slot);
        QFETCH(Language, language);
        QFETCH(QStringList, typed);
        QVERIFY(start());
        AmountEntry entry(m_context->conversion(), slot, language);
        const QString locks =
            QString(entry.nameAndRateLocked() ? "name rate" : "") + (entry.decimalsLocked() ? " decimals" : "");
        QFETCH(QString, opened);
        QCOMPARE(QStringList({entry.caption(), entry.rateLine(), entry.frameTitle(), entry.convertReason(),
                              entry.amount(), QString::number(entry.decimals()), locks})
                     .join(u'|'),
                 Localized(opened));
        if (!typed[0].isEmpty())
            entry.setName(typed[0]);
        if (!typed[1].isEmpty())
            entry.setRate(Localized(typed[1]));
        entry.setAmount(typed[2].isEmpty() ? typed[2] : Localized(typed[2]));
        const AmountEntry::Outcome outcome = entry.validate();
        QString shown;
        if (const auto *refusal = std::get_if<CurrentConversion::Refusal>(&outcome))
            shown = Text(refusal->message, Language::Greek)
                + (refusal->field == CurrentConversion::Field::Rate ? " rate" : " amount");
        else if (const auto *values = std::get_if<InputCurrencyValues>(&outcome))
            shown = QStringLiteral("%1 %2 %3 %4")
                        .arg(values->amount.raw())
                        .arg(values->decimals)
                        .arg(values->rate)
                        .arg(values->name);
        QTEST(shown, "outcome");
    }

    // Typing a rate enables Convert above 0 and disables it when emptied; text that is not a number leaves it.
    // The rate line follows only when the rate or the name is left.
    void amountEntryFollowsTheRate()
    {
        AmountEntry entry(CurrentConversion(), OtherCurrencyIndex, Language::English);
        QString seen;
        for (const char *rate : {"2.5", ",", "", ",", "0", "1"}) {
            entry.setRate(Localized(QLatin1String(rate)));
            seen += entry.convertEnabled() ? u'1' : u'0';
        }
        QCOMPARE(seen, QStringLiteral("110001"));
        QCOMPARE(entry.rateLine(), QStringLiteral("(EUR - Euro) 1 = 0 (Other currency)"));
        entry.setName(QStringLiteral("Zloty"));
        entry.rateLeft();
        QCOMPARE(entry.rateLine(), QStringLiteral("(EUR - Euro) 1 = 1 (Zloty)"));
        QCOMPARE(AmountInputHint(Language::English),
                 QStringLiteral("Digits, the decimal separator '%1'; at most %2")
                     .arg(Localized("."), Localized("922,337,203,685,477.5807")));
    }

    // Each currency fixed later, against its official rate: chosen for the additional currency, it fills its name in
    // the language, the rate and two decimals, and converts as typed by hand. The twelve's slots offer none.
    void laterChangeovers_data()
    {
        QTest::addColumn<int>("index");
        QTest::addColumn<QString>("rate"); // the code, then the rate
        const QStringList rates = {"SIT 239.640",  "CYP 0.585274", "MTL 0.429300", "SKK 30.1260", "EEK 15.6466",
                                   "LVL 0.702804", "LTL 3.45280",  "HRK 7.53450",  "BGN 1.95583"};
        for (int index = 0; index < int(rates.size()); ++index)
            QTest::newRow(qPrintable(rates[index])) << index << rates[index];
    }
    void laterChangeovers()
    {
        QFETCH(int, index);
        QFETCH(QString, rate);
        const QString code = rate.section(u' ', 0, 0) + " - ";
        rate = rate.section(u' ', 1);
        ConversionState state;
        state.CurrencyDecimals[OtherCurrencyIndex] = 4;
        const CurrentConversion before(state);
        AmountEntry english(before, OtherCurrencyIndex, Language::English);
        AmountEntry el(before, OtherCurrencyIndex, Language::Greek);
        QVERIFY(english.laterChoices().value(index).startsWith(code));
        QCOMPARE(AmountEntry(before, 7, Language::English).laterChoices(), {});
        english.chooseLater(index);
        el.chooseLater(index);
        english.setAmount(QStringLiteral("1"));
        el.setAmount(QStringLiteral("1"));
        const auto values = std::get<InputCurrencyValues>(english.validate());
        const auto greek = std::get<InputCurrencyValues>(el.validate());
        QVERIFY(values.name.startsWith(code) && greek.name.startsWith(code) && greek.name != values.name);
        QVERIFY(greek.name == el.name() && greek.name.size() <= 29);
        QCOMPARE(english.rateLine(), "(EUR - Euro) 1 = " + Localized(rate) + " (" + values.name + ")");
        QCOMPARE(QStringLiteral("%1 %2").arg(values.decimals).arg(values.amount.raw()), "2 10000");
        QCOMPARE(values.rate, rate.toDouble());
        // Its name follows the language, whichever it was chosen in; a name typed stays as typed.
        QStringList titles;
        CurrentConversion chosen(state);
        for (const InputCurrencyValues &taken : {values, greek, InputCurrencyValues{{}, 2, 1, greek.name + u' '}}) {
            chosen.take(OtherCurrencyIndex, taken);
            titles << chosen.rowTitle(OtherCurrencyIndex, Language::Greek)
                   << chosen.rowTitle(OtherCurrencyIndex, Language::English);
        }
        const QString named = greek.name + u'|' + values.name;
        QCOMPARE(titles.join(u'|'), named + u'|' + named + u'|' + greek.name + u' ' + u'|' + greek.name + u' ');
    }

    // The scale is the smaller ratio to the designed size, within 0.6 and 3.
    void windowScale_data()
    {
        QTest::addColumn<QSize>("window");
        QTest::addColumn<double>("scale");
        QTest::newRow("designed") << QSize(500, 600) << 1.0;
        QTest::newRow("enlarged") << QSize(900, 1080) << 1.8;
        QTest::newRow("wider only") << QSize(1000, 600) << 1.0;
        QTest::newRow("taller only") << QSize(450, 1200) << 0.9;
        QTest::newRow("smallest") << QSize(250, 300) << 0.6;
        QTest::newRow("largest") << QSize(2000, 2400) << 3.0;
    }
    void windowScale()
    {
        QFETCH(QSize, window);
        QTEST(WindowScale(QSize(500, 600), window), "scale");
    }

    // Where the main window opens (designed 500 by 600, 40 by 100 of it drawn at one size, framed by 2, 20, 2 and 4)
    // after what the last run kept, and the smallest scale the main screen leaves it. A place lies wholly on a screen
    // of the pixel ratio (percent) it was kept under, or the window opens centred on the main screen.
    void windowPlace_data()
    {
        QTest::addColumn<QRect>("kept");           // a position without a size: none of the user's
        QTest::addColumn<int>("keptRatio");        // 0: nothing kept
        QTest::addColumn<QList<QRect>>("screens"); // the first is the main one
        QTest::addColumn<int>("ratio");
        QTest::addColumn<QSize>("needed"); // what the contents need now; empty: no more than designed
        QTest::addColumn<QRect>("place");
        QTest::addColumn<double>("floor");
        const QRect one(0, 0, 1280, 1024), two(1280, 0, 1920, 1080), centred(390, 220, 500, 600);
        const QList<QRect> alone{one};
        QTest::newRow("first start") << QRect() << 0 << alone << 100 << QSize() << centred << 0.6;
        QTest::newRow("frame counted on a small screen")
            << QRect() << 0 << QList{QRect(0, 0, 512, 384)} << 200 << QSize() << QRect(6, 20, 500, 360) << 0.52;
        QTest::newRow("scaled run's forced size not kept")
            << QRect(6, 20, 0, 0) << 200 << alone << 100 << QSize() << centred << 0.6;
        QTest::newRow("place kept, size not the user's")
            << QRect(30, 40, 0, 0) << 100 << alone << 100 << QSize() << QRect(30, 40, 500, 600) << 0.6;
        QTest::newRow("user's resize kept")
            << QRect(100, 50, 700, 800) << 100 << alone << 100 << QSize() << QRect(100, 50, 700, 800) << 0.6;
        QTest::newRow("user's size under another scale")
            << QRect(100, 50, 700, 800) << 200 << alone << 100 << QSize() << centred << 0.6;
        QTest::newRow("maximised from the minimum size")
            << QRect(30, 40, 316, 400) << 100 << alone << 100 << QSize() << QRect(30, 40, 316, 400) << 0.6;
        QTest::newRow("wider contents (Greek)")
            << QRect() << 0 << alone << 100 << QSize(560, 580) << QRect(360, 220, 560, 600) << 0.6;
        QTest::newRow("width after a language round trip")
            << QRect() << 0 << alone << 100 << QSize(480, 580) << centred << 0.6;
        const QRect elsewhere(1400, 100, 600, 700);
        QTest::newRow("on the second screen")
            << elsewhere << 100 << QList{one, two} << 100 << QSize() << elsewhere << 0.6;
        QTest::newRow("second screen gone")
            << elsewhere << 100 << alone << 100 << QSize() << QRect(340, 170, 600, 700) << 0.6;
        QTest::newRow("partly off the screen") << QRect(-50, 100, 600, 700) << 100 << QList{one, two} << 100 << QSize()
                                               << QRect(340, 170, 600, 700) << 0.6;
        QTest::newRow("larger than the screen")
            << QRect(0, 30, 2000, 1500) << 100 << alone << 100 << QSize() << QRect(2, 20, 1276, 1000) << 0.6;
    }
    void windowPlace()
    {
        QFETCH(QRect, kept);
        QFETCH(int, keptRatio);
        QFETCH(QList<QRect>, screens);
        QFETCH(int, ratio);
        QFETCH(QSize, needed);
        const QSize fixed(40, 100);
        const QMargins frame(2, 20, 2, 4);
        const QSize designed = needed.isEmpty() ? QSize(500, 600) : DesignedFor(QSize(500, 600), needed, fixed, 1.0);
        QList<ScreenArea> areas;
        for (const QRect &screen : screens)
            areas.append({screen, ratio});
        const std::optional<WindowPlace> place =
            keptRatio ? std::optional(WindowPlace{kept, false, keptRatio}) : std::nullopt;
        QTEST(OpeningPlace(place, designed, areas, areas.first(), frame), "place");
        QTEST(ScaleFloor(designed, fixed, screens.first().marginsRemoved(frame).size()), "floor");
    }

    // After any failure the old text file stays as it was.
    void print_data()
    {
        QTest::addColumn<QString>("printer");
        QTest::addColumn<QString>("file");    // the text file chosen
        QTest::addColumn<QString>("pdf");     // the PDF file chosen
        QTest::addColumn<QString>("message"); // in the folder %1; empty: none, and the printer takes the document
        const auto row = [](const char *name, const char *printer, const char *file, const char *pdf,
                            const QString &message) {
            QTest::newRow(name) << QString(printer) << QString(file) << QString(pdf) << message;
        };
        row("PDF cancelled", "", "PRN_Euro.txt", "", "");
        row("PDF chosen", "", "PRN_Euro.txt", "out.pdf", "");
        row("text file cannot be made", "Laser", "gone/PRN_Euro.txt", "",
            "Το αρχείο «%1/gone/PRN_Euro.txt» δεν μπορεί να γραφτεί (Η διαδρομή δεν βρέθηκε: %1/gone). Δεν εκτυπώθηκε");
        row("printer refuses", "Laser", "PRN_Euro.txt", "",
            "Παρουσιάσθηκε το σφάλμα με αριθμό 57 και περιγραφή «Σφάλμα εισόδου/εξόδου συσκευής: Laser»");
    }
    void print()
    {
        QFETCH(QString, printer);
        QFETCH(QString, file);
        QFETCH(QString, pdf);
        QFETCH(QString, message);
        ScriptedProgram program("[General]\r\nLanguage=True\r\nToolTipText=True\r\n");
        QVERIFY(WriteFile(program.path("PRN_Euro.txt"), "old"));
        program.platform.printer = printer;
        program.platform.printerRefuses = !message.isEmpty();
        program.platform.savePaths = {program.path(file), pdf.isEmpty() ? pdf : program.path(pdf)};
        QStringList progress;
        PrintJob::Window window;
        window.progress = [&](int fill, const QString &text) { progress.append(QString::number(fill) + u' ' + text); };
        const bool done =
            PrintJob(program.context, nullptr).print(PrintJob::ToBoth, window) == PrintJob::Outcome::Completed;

        QCOMPARE(program.platform.fileChoices.last().fileName, printer.isEmpty() ? "PRN_Euro.pdf" : "PRN_Euro.txt");
        QCOMPARE(done, !pdf.isEmpty() && message.isEmpty());
        QCOMPARE(program.platform.messages.size(), message.isEmpty() ? 0 : 1);
        if (!message.isEmpty())
            QVERIFY(program.platform.messages[0].text.startsWith(message.replace("%1", program.dir.path())));
        const QByteArray written = ReadFile(program.path("PRN_Euro.txt"));
        QCOMPARE(written == "old", !done);
        if (!done)
            return;
        QVERIFY(program.platform.printed[0]->document.pdf);
        const QString golden = Localized(QString::fromUtf8(ReadFile(QFINDTESTDATA("../report/one_euro_greek.txt"))));
        QCOMPARE(written.mid(written.indexOf("\r\n") + 2), golden.section(u'\n', 1).toUtf8().replace("\n", "\r\n"));
        QCOMPARE(progress.first() + " / " + progress.last(), Localized("7 7.14285714285714 % / 100 100 %"));
    }

    // A failed write keeps the old file and says so, naming it ("%t"); a FIFO or a folder at the target is refused
    // before it is opened. A link at an export's or a report's target is replaced, never written through; one at
    // the program's own files (settings, saved paths, an import over them) is the user's: it stays, and the file it
    // points to takes the bytes in its own mode, a link to nothing creating it.
    void nothingLostOnFailedWrites_data()
    {
        QTest::addColumn<QString>("writer");  // import, export, text or pdf
        QTest::addColumn<QString>("plant");   // a fault (full, io, sync, full 4k) or what stands at the target
        QTest::addColumn<QString>("message"); // in the last message; empty: no message, the file written
        const auto row = [](const char *tag, const char *writer, const char *plant, const char *message) {
            QTest::newRow(tag) << QString(writer) << QString(plant) << QString(message);
        };
        const char *full = "61 with the description 'Disk full: %t'",
                   *io = "57 with the description 'Device I/O error: %t'";
        const char *notFile = "'%t' is not a regular file",
                   *cannot = "The file '%t' cannot be written (Not a regular file)";
        row("import, disk full", "import", "full", full);
        row("export, disk full", "export", "full", full);
        row("text, disk full", "text", "full", full);
        row("PDF, disk full after 4 KB", "pdf", "full 4k", full);
        row("export, failed sync", "export", "sync", io);
        row("export through a link", "export", "link", "");
        row("export, a dangling link", "export", "dangling", "");
        row("text through a link", "text", "link", "");
        row("PDF through a link", "pdf", "link", "");
        row("PDF onto a FIFO", "pdf", "fifo", cannot);
        row("text onto a folder", "text", "folder", cannot);
        row("export onto a FIFO", "export", "fifo", notFile);
        row("import from a FIFO", "import", "fifo", notFile);
        row("settings through a link to a 0600 file", "settings", "link", "");
        row("settings through a relative link", "settings", "relative", "");
        row("settings through a dangling link", "settings", "dangling", "");
        row("settings through a link to a link", "settings", "chain", "");
        row("saved paths through a dangling link", "saved", "dangling", "");
        row("import through a link", "import", "link", "");
    }
    void nothingLostOnFailedWrites()
    {
        QFETCH(QString, writer);
        QFETCH(QString, plant);
        QFETCH(QString, message);
        ScriptedProgram program;
        const QString own = program.dir.path() + Name, out = program.path("out"), source = out + Name;
        const bool ownFile = writer == u"settings" || writer == u"saved" || (writer == u"import" && plant != u"fifo");
        const QString target = writer == u"saved"     ? out + "/saved paths"
            : writer == u"import" && plant == u"fifo" ? source
            : ownFile                                 ? own
                      : out + (writer == u"export" ? Name : "/PRN_Euro." + writer.left(3));
        // The copies an import takes from are to be deleted, unless it succeeds.
        const QString ini = "[ExportSettings]\r\nIni=True\r\nFolder=%1\r\n[ImportSettings]\r\nIni=True\r\nDeleteAfter="
                            "%2\r\nFolder=%1";
        QVERIFY(WriteFile(source, "[Last]\r\nID=7\r\n")
                && WriteFile(own, ini.arg(out, message.isEmpty() ? "False" : "True").toUtf8()));
        QVERIFY(ownFile || target == source || WriteFile(target, "old"));
        SettingsExport exporting(program.context.dialogs(), program.context.settings(), SavedPathsFile);
        SettingsImport importing(program.context.dialogs(), program.context.settings(), SavedPathsFile);
        exporting.load(nullptr);
        importing.load(nullptr);
        const int fault = QStringList{"full", "io", "sync", "full 4k"}.indexOf(plant); // in the order of WriteFault
        QVERIFY(fault >= 0 || ((QFile::remove(target) || !QFileInfo::exists(target)) && Plant(plant, target)));
        const QString folder = QFileInfo(target).path();
        const QByteArray before = Contents(target);
        const QStringList entries = QDir(folder).entryList(QDir::AllEntries | QDir::Hidden);
        std::optional<PlantedFault> planted;
        if (fault >= 0)
            planted.emplace(WriteFault(fault % 3), folder, fault == 3 ? 4096 : 0);

        QtPlatformServices qt;
        program.platform.savePaths = {target};
        program.platform.printer.clear();
        program.platform.real = writer == u"pdf" ? &qt : nullptr;
        program.platform.answers = {writer == u"import" ? MessageAnswer::Yes : MessageAnswer::No};
        if (writer == u"import") {
            importing.importFiles(nullptr);
        } else if (writer == u"export") {
            exporting.exportFiles(nullptr);
        } else if (writer == u"settings") {
            program.controller.setLanguage(Language::Greek);
        } else if (writer == u"saved") {
            StoreSavedPath(program.context.dialogs(), nullptr, QStringLiteral("/Δ"), target, false, false);
        } else {
            PrintJob(program.context, nullptr).print(writer == u"text" ? PrintJob::ToFile : PrintJob::ToPrinter, {});
        }
        planted.reset();
        QVERIFY2(LastMessage(program.platform).contains(message.replace("%t", target)),
                 qPrintable(LastMessage(program.platform)));
        QCOMPARE(program.platform.ended, writer == u"import" && message.isEmpty()); // an import's end
        QVERIFY(QFile::exists(source));
        QCOMPARE(QFile::exists(folder + "/nowhere"), ownFile && plant == u"dangling");
        QVERIFY(ownFile || plant != u"link" || ReadFile(folder + "/victim") == "victim");
        const QByteArray mark = writer == u"settings" ? "Language=True" : writer == u"saved" ? "/Δ" : "ID=7";
        struct stat linked = {};
        if (ownFile && message.isEmpty()) {
            // The link kept, the bytes in the file it points to in its mode, nothing left beside either.
            QVERIFY(QFileInfo(target).isSymLink() && ReadFile(target).contains(mark)
                    && ::stat(QFile::encodeName(target).constData(), &linked) == 0);
            QVERIFY(plant == u"dangling" || (linked.st_mode & 0777) == 0600);
            for (const QString &place : {folder, folder + "/dotfiles"})
                QVERIFY(QDir(place).entryList({".zkEuroChangeoverAdviser-*"}, QDir::Files | QDir::Hidden).isEmpty());
        } else if (message.isEmpty()) { // the link replaced by the file
            QVERIFY(!QFileInfo(target).isSymLink() && ReadFile(target).size() > 10);
        } else { // as it was, and nothing left beside it
            QCOMPARE(Contents(target) + QDir(folder).entryList(QDir::AllEntries | QDir::Hidden).join(u' ').toUtf8(),
                     before + entries.join(u' ').toUtf8());
        }
    }

    // At the start, what is left beside the settings file and what stands where the lock belongs ("%l"), and what
    // an export finds left in its folder; what a stored folder reads back as ("%d": the program's folder); an
    // export into a folder whose name is too long; an import too large.
    void startUpFoldersLockAndLimits_data()
    {
        QTest::addColumn<QString>("plant");
        QTest::addColumn<QString>("after");   // the program's folder ("~" its name) | the export's; the folder read
                                              // back; the lock
        QTest::addColumn<QString>("message"); // in the last message; empty: none
        const auto row = [](const char *tag, const QString &plant, const char *after, const char *message) {
            QTest::newRow(tag) << plant << QString(after) << QString(message);
        };
        // A name that ends in a line break is the user's, however it starts.
        const QByteArray users = ".~-0123456789abcdef.tmp\n ~.ini ~.ini.202406 ~.ini.Backup ~.ini.OLD001 ~.ini.v2copy";
        const QByteArray all = ".~-0123456789abcdef.tmp " + users, left = " | .~-fedcba9876543210.tmp";
        row("only own leftovers removed, the export's too", "leftovers", users + " | ~.ini", "");
        row("a second copy removes nothing", "leftovers:second", all + left, "The application is already active");
        row("a copy without a lock removes nothing", "leftovers:unlocked", all + left + " ~.ini",
            "only once: its lock");
        row("a trailing space", "folder:trail ", "kept", "");
        row("4096 characters", "folder:4096", "kept", "");
        row("4097 characters refused", "folder:4097", "none", "The path of the folder is longer than 4096 characters");
        row("an export into 4095 characters", "export:4095", "none", "'File name too long: %d/xxx");
        row("a line break refused", "folder:line\nbreak", "none",
            "The name of the folder '%d/line\nbreak' holds a line break");
        row("a lock file left empty", "lock:empty", "lock file", "");
        row("a lock file of no process", "lock:garbage", "lock file", "");
        row("an empty folder at the lock", "lock:folder", "lock file", "");
        row("a dangling link at the lock", "lock:dangling", "lock file", "");
        row("a folder with a file at the lock", "lock:full", "left alone",
            "a folder that is not empty stands where its lock file '%l' belongs");
        row("a FIFO at the lock", "lock:fifo", "left alone", "a FIFO, a socket or a device stands where");
        row("a file at the name of the lock's socket", "socket:garbage", "left alone", "");
        row("an import above 16 MB", "import", "kept", "is larger than 16 MB, so it cannot be a settings file");
    }
    void startUpFoldersLockAndLimits()
    {
        QFETCH(QString, plant);
        QFETCH(QString, message);
        const QString kind = plant.section(u':', 0, 0), what = plant.section(u':', 1);
        ScriptedProgram program; // started once before; what is planted meets the next start
        const QString own = program.dir.path() + Name, in = program.path("in"), run = program.path("run");
        const QString lock = run + "/zkEuroChangeoverAdviser.lock", socket = run + "/zkEuroChangeoverAdviser.socket";
        for (const char *name : {".Backup", ".202406", ".OLD001", ".v2copy"})
            QVERIFY(kind != u"leftovers" || WriteFile(own + name, "mine"));
        for (const char *name :
             {".zkEuroChangeoverAdviser-0123456789abcdef.tmp", "in/.zkEuroChangeoverAdviser-fedcba9876543210.tmp",
              ".zkEuroChangeoverAdviser-0123456789abcdef.tmp\n"})
            QVERIFY(kind != u"leftovers" || WriteFile(program.path(name), "x"));
        const QByteArray exported = "[ExportSettings]\r\nIni=True\r\nFolder=" + QFile::encodeName(in);
        QVERIFY((kind != u"leftovers" && kind != u"export") || WriteFile(own, exported));
        program.platform.instance = what == u"second" ? PlatformServices::Instance::OtherRunning
            : what == u"unlocked"                     ? PlatformServices::Instance::Unavailable
                                                      : PlatformServices::Instance::Alone;
        QtPlatformServices qt;
        const bool running = kind == u"lock" || kind == u"socket";
        program.platform.real = running ? &qt : nullptr;
        QVERIFY(!running
                || (QDir().mkdir(run) && ::chmod(QFile::encodeName(run).constData(), 0700) == 0
                    && Plant(what, kind == u"lock" ? lock : socket)
                    && qputenv("XDG_RUNTIME_DIR", QFile::encodeName(run))));
        QFile big(in + Name);
        QVERIFY(kind != u"import"
                || (QDir().mkdir(in) && big.open(QIODevice::WriteOnly) && big.resize(IniDocument::MaximumFileSize + 1)
                    && WriteFile(own, "[ImportSettings]\r\nIni=True\r\nFolder=" + QFile::encodeName(in))));
        program.context.startUp();
        const QByteArray settings = ReadFile(own);
        const int length = what.toInt() - program.dir.path().size() - 1; // a whole path of that many characters
        const QString chosen = program.path(length > 0 ? QString(length, u'x') : what);
        program.platform.folders = {chosen + u'/'};
        program.platform.answers = {MessageAnswer::Yes};
        SettingsExport exporting(program.context.dialogs(), program.context.settings(), SavedPathsFile);
        SettingsImport importing(program.context.dialogs(), program.context.settings(), SavedPathsFile);
        importing.load(nullptr);
        exporting.load(nullptr);
        if (kind == u"folder") {
            exporting.ChooseFolder(nullptr);
            exporting.apply(nullptr);
            exporting.load(nullptr);
        } else if (kind == u"export" || (kind == u"leftovers" && what != u"second")) {
            if (kind == u"export")
                exporting.ChooseFolder(nullptr);
            exporting.exportFiles(nullptr);
        } else if (kind == u"import") {
            importing.importFiles(nullptr);
        }
        QString listing = QDir(program.dir.path()).entryList(QDir::Files | QDir::Hidden, QDir::Name).join(u' ');
        listing += " | " + QDir(in).entryList(QDir::Files | QDir::Hidden, QDir::Name).join(u' ');
        listing.replace(QLatin1String("zkEuroChangeoverAdviser"), QLatin1String("~"));
        const bool locked = QFileInfo(lock).isFile() && !QFileInfo(lock).isSymLink();
        const QString after = kind == u"leftovers" ? listing
            : kind == u"export"                    ? (QFileInfo::exists(chosen) ? "made" : "none")
            : kind == u"folder"                    ? (exporting.folder() == chosen       ? "kept"
                                                          : exporting.folder().isEmpty() ? "none"
                                                                                         : exporting.folder())
            : kind == u"lock"                      ? (locked ? "lock file" : "left alone")
            : kind == u"socket"                    ? (Contents(socket) == "\177ELF\n\n" ? "left alone" : "removed")
                                                   : (ReadFile(own) == settings && big.exists() ? "kept" : "copied");
        QTEST(after, "after");
        QVERIFY(what != u"full" || ReadFile(lock + "/mine") == "mine");
        message.replace("%d", program.dir.path()).replace("%l", lock);
        QVERIFY2(LastMessage(program.platform).contains(message), qPrintable(LastMessage(program.platform)));
        QVERIFY(kind == u"leftovers" || !LastMessage(program.platform).contains("already active"));
    }

    void chooserFolder()
    {
        const QStringList elsewhere = {QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation),
                                       QDir::homePath()};
        QVERIFY(elsewhere.contains(FileChooserFolder(QStringLiteral("/proc/self")))); // no write bits at its root
        const QString here = FileChooserFolder(QDir::tempPath());
        QVERIFY(elsewhere.contains(here) || QDir::tempPath().startsWith(here));
    }

    // A missing or untranslated text or help topic, or an array element's topic copied from its neighbour. Greek
    // quotes names in « », and writes ΟΚ in Greek letters, but where the design itself writes otherwise (page
    // setup's OK, the print-to-file chooser's title); the toolkit's texts keep their keyboard letters. No Latin letter
    // hides in a Greek word (an O for an Ο reads, sorts and searches wrong), in the manual page neither. A currency
    // fixed later is named whole wherever a word of its name is, and the hints name all.
    void everyTextAndTopicInBothLanguages()
    {
        const QRegularExpression greekLetter(QStringLiteral("\\p{Greek}")), latinLetter(QStringLiteral("\\p{Latin}"));
        const QRegularExpression latinQuotes(QStringLiteral("'[^' ][^']*'|\\bOK\\b")), word(QStringLiteral("\\p{L}+"));
        const QSet<TextId> same = {TextId::TipLanguageEnglish, TextId::TipLanguageGreek, TextId::TipCopyright,
                                   TextId::PrintPdfPrinterName, TextId::DialogOk};
        QFile manual(QStringLiteral(GREEK_MANUAL_PAGE));
        QVERIFY(manual.open(QIODevice::ReadOnly));
        // The page's own marks (\fI for italics, \- for a hyphen) are no letters of its words.
        QStringList greekTexts{
            QString::fromUtf8(manual.readAll()).remove(QRegularExpression(QStringLiteral(R"re(\\(f.|\(..|.))re")))};
        QList<std::pair<QString, QString>> texts;
        for (int i = 0; i < int(TextId::TextCount); ++i) {
            const QString english = Text(TextId(i), Language::English), greek = Text(TextId(i), Language::Greek);
            QVERIFY2(same.contains(TextId(i)) ? greek == english : greek.contains(greekLetter), qPrintable(english));
            if (TextId(i) != TextId::DialogOk && TextId(i) != TextId::PrintFileTitle)
                texts.append({english, greek});
            greekTexts << greek;
        }
        for (const ToolkitText &text : ToolkitTexts()) {
            const QString english = QString::fromUtf8(text.texts[0]), greek = QString::fromUtf8(text.texts[1]);
            QVERIFY2(greek.contains(greekLetter) && greek.count(u'&') == english.count(u'&'), text.texts[0]);
            texts.append({english, greek});
            greekTexts << greek;
        }
        for (const auto &[english, greek] : texts)
            QVERIFY2(!english.trimmed().isEmpty() && greek.count(u'%') == english.count(u'%')
                         && !greek.contains(latinQuotes),
                     qPrintable(english));
        for (const Language language : Languages) {
            QSet<QString> seen;
            QStringList named{Text(TextId::HintsText, language)};
            for (const QString &key : HelpTopics::keys()) {
                const QString topic = HelpTopics::topic(key.section(u'/', 0, 0), key.section(u'/', 1), language);
                QVERIFY2(!topic.trimmed().isEmpty() && topic.contains(greekLetter) == (language == Language::Greek),
                         qPrintable(key));
                QVERIFY2(!seen.contains(key.section(u'_', 0, 0) + topic), qPrintable(key));
                seen.insert(key.section(u'_', 0, 0) + topic);
                named << topic;
            }
            if (language == Language::Greek)
                greekTexts << named.mid(1);
            QStringList titles; // every currency's words, to tell the words that name one currency alone
            for (int slot = 0; slot < CurrencyCount; ++slot)
                titles << CurrencyCaption(slot, language).toLower().split(u' ');
            for (int index = 0; index < int(LaterChangeovers.size()); ++index)
                titles << LaterCurrencyName(index, language).toLower().split(u' ');
            for (int index = 0; index < int(LaterChangeovers.size()); ++index) {
                const QString name = LaterCurrencyName(index, language).section(QStringLiteral(" - "), 1).toLower();
                QVERIFY2(named.first().toLower().contains(name), qPrintable(name));
                for (const QString &text : std::as_const(named)) {
                    const QString lower = text.toLower();
                    for (const QString &part : name.split(u' ')) {
                        if (titles.count(part) > 1)
                            continue; // a word that names more than this currency
                        const QRegularExpression alone(QStringLiteral("(?<!\\p{L})%1(?!\\p{L})").arg(part));
                        QVERIFY2(!lower.contains(alone) || lower.contains(name), qPrintable(name + u'|' + text));
                    }
                }
            }
        }
        for (const QString &text : std::as_const(greekTexts)) {
            for (auto words = word.globalMatch(text); words.hasNext();) {
                const QString found = words.next().captured();
                QVERIFY2(!found.contains(greekLetter) || !found.contains(latinLetter), qPrintable(found));
            }
        }
    }

    void aboutModel()
    {
        AppValues app;
        SharedDialogs dialogs(*m_platform, app);
        QCOMPARE(AboutModel::versionNumber(12345, 10, 999), QStringLiteral("12345.0010.0999"));
        QCOMPARE(AboutModel(dialogs).authorLine(QDate(2002, 3, 5)),
                 QStringLiteral("Euro changeover adviser © Stone-Gleam Software team, 2002-03-05"));
        QTemporaryDir bin;
        qputenv("PATH", QFile::encodeName(bin.path()));
        const AboutModel model(dialogs);
        app.setLanguage(Language::Greek);
        QCOMPARE(AboutModel(dialogs).authorLine(QDate(1999, 12, 31)),
                 QStringLiteral("Σύμβουλος μετάβασης στο Ευρώ © Ομάδα της Stone-Gleam Software, 1999-12-31"));
        QVERIFY(!model.StartSysInfo(nullptr));
        for (const char *name : {"gnome-system-monitor", "hardinfo"}) {
            QFile program(bin.filePath(QLatin1String(name)));
            QVERIFY(program.open(QIODevice::WriteOnly) && program.setPermissions(QFileDevice::ExeOwner));
        }
        QVERIFY(model.StartSysInfo(nullptr));
        m_platform->startSucceeds = false;
        QVERIFY(!model.StartSysInfo(nullptr));
        const QString started = bin.filePath(QStringLiteral("hardinfo"));
        QCOMPARE(m_platform->started, QList<QStringList>({{started}, {started}}));
        QCOMPARE(m_platform->messages.size(), 2);
        QCOMPARE(m_platform->messages[1].text,
                 QStringLiteral("Οι Πληροφορίες Συστήματος δεν είναι διαθέσιμες αυτήν την στιγμή."));
    }

    void keepPath_data()
    {
        QTest::addColumn<bool>("initial");      // SetInitialPath on the settings file, else StoreSavedPath
        QTest::addColumn<QByteArray>("before"); // the file; "-" when it is missing
        QTest::addColumn<bool>("yes");
        QTest::addColumn<QByteArray>("after");
        QTest::addColumn<QString>("message");
        const QString store = QStringLiteral("Do you really want to save path '/Δ', in the saved paths file?");
        QTest::newRow("store: a missing file") << false << QByteArray("-") << true << QByteArray("/Δ\r\n") << store;
        QTest::newRow("store: first, the rest kept")
            << false << QByteArray("/x\r\n/y\n\r\n") << true << QByteArray("/Δ\r\n/x\r\n/y\r\n\r\n") << store;
        QTest::newRow("store: No") << false << QByteArray("/x\r\n") << false << QByteArray("/x\r\n") << store;
        QTest::newRow("store: in other letters")
            << false << QByteArray("/x\r\n/δ\r\n") << true << QByteArray("/x\r\n/δ\r\n")
            << "Path '/Δ', has already been saved in the saved paths file.";
        const QByteArray ini = "[General]\r\nLanguage=False\r\n", kept = ini + "InitialPath=/δ\r\n";
        const QString set = QStringLiteral("Do you really want to set '/Δ', as the initial path of the application?");
        QTest::newRow("initial: written") << true << ini << true << ini + "InitialPath=/Δ\r\n" << set;
        QTest::newRow("initial: in other letters")
            << true << kept << true << kept
            << "Path '/Δ', has already been set as the initial path of the application.";
    }
    void keepPath()
    {
        QFETCH(bool, initial);
        QFETCH(QByteArray, before);
        QFETCH(bool, yes);
        const QString kept = m_dir->filePath(QStringLiteral("kept"));
        QVERIFY(before == "-" || WriteFile(kept, before));
        m_platform->answers = {yes ? MessageAnswer::Yes : MessageAnswer::No};
        const AppValues app;
        const SharedDialogs dialogs(*m_platform, app);
        SettingsStore settings(kept);
        QVERIFY(!settings.load().failed());
        const QString path = QStringLiteral("/Δ");
        const PathKeepingResult result =
            initial ? SetInitialPath(dialogs, settings, nullptr, path) : StoreSavedPath(dialogs, nullptr, path, kept);
        QTEST(ReadFile(kept), "after");
        QCOMPARE(m_platform->messages.size(), 1);
        QTEST(m_platform->messages[0].text, "message");
        QCOMPARE(result.already, m_platform->messages[0].style == MessageStyle::Information);
        QCOMPARE(result.written, !result.already && yes);
        QCOMPARE(result.cancelled, !yes);
        QVERIFY(!result.failure.failed());
    }

    // Where the window keeps its settings, and what it reads, which the command line reads too: the program's
    // folder, or the user's configuration folder with the administrator's file copied on a first start.
    void location_data()
    {
        QTest::addColumn<bool>("writable");
        QTest::addColumn<bool>("menuEntry");            // the install tree's, beside the bin folder
        QTest::addColumn<QByteArray>("beside");         // "ro:": without write bits
        QTest::addColumn<QByteArray>("administrators"); // in /etc/xdg
        QTest::addColumn<QByteArray>("users");          // "->": a link to nothing; "blocked": no folder can be made
        QTest::addColumn<QString>("expected");          // the folder chosen, then the settings read
        const auto row = [](const char *name, bool writable, bool menuEntry, const char *beside,
                            const char *administrators, const char *users, const char *expected) {
            QTest::newRow(name) << writable << menuEntry << QByteArray(beside) << QByteArray(administrators)
                                << QByteArray(users) << QString(expected);
        };
        row("portable", true, false, "B", "A", "U", "bin B");
        row("portable, first start", true, false, "", "A", "", "bin ");
        row("read-only, first start", false, false, "", "", "", "config ");
        row("read-only, prepared", false, false, "", "A", "", "config A");
        row("read-only, a writable file beside it kept", false, false, "B", "A", "", "bin B");
        row("read-only, a read-only file beside is the administrator's", false, false, "ro:B", "", "", "config B");
        row("installed, /etc/xdg before the file beside", true, true, "B", "A", "", "config A");
        row("installed, the file beside alone", false, true, "B", "", "", "config B");
        row("user's own kept", false, true, "", "A", "U", "config U");
        row("no configuration folder: the administrator's read", false, true, "", "A", "blocked", "config A");
        row("a first start through a link to nothing", false, true, "", "A", "->", "config A");
    }
    void location()
    {
        QFETCH(bool, writable);
        QFETCH(bool, menuEntry);
        QFETCH(QByteArray, beside);
        QFETCH(QByteArray, administrators);
        QFETCH(QByteArray, users);
        // No write bit at all is read-only for root too, whom the bits do not stop.
        const QString bare = m_dir->filePath("bare");
        QVERIFY(QDir().mkdir(bare) && QFile::setPermissions(bare, QFile::ReadOwner | QFile::ExeOwner)
                && !IsWritableFolder(bare));
        if (!writable && RanUnprivileged())
            return;
        const QString bin = m_dir->filePath("bin"), name = QStringLiteral("/zkEuroChangeoverAdviser.ini");
        const QString etc = m_dir->filePath("etc/" + QCoreApplication::applicationName()) + name;
        const QString home = m_dir->filePath(users == "blocked" ? "blocked/.config" : "home/.config");
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(home));
        qputenv("XDG_CONFIG_DIRS", QFile::encodeName(m_dir->filePath("etc")));
        const auto environment = qScopeGuard([] {
            qunsetenv("XDG_CONFIG_HOME");
            qunsetenv("XDG_CONFIG_DIRS");
        });
        const QString config = UserConfigFolder();
        QVERIFY(QDir().mkpath(bin) && (users != "blocked" || WriteFile(m_dir->filePath("blocked"), "")));
        QVERIFY(!menuEntry || WriteFile(m_dir->filePath("share/applications/euro-changeover-adviser.desktop"), ""));
        const QByteArray besideText = beside.startsWith("ro:") ? beside.mid(3) : beside;
        QVERIFY(beside.isEmpty() || WriteFile(bin + name, besideText));
        QVERIFY(!beside.startsWith("ro:") || QFile::setPermissions(bin + name, QFile::ReadOwner));
        QVERIFY(administrators.isEmpty()
                || (WriteFile(etc, administrators) && QFile::setPermissions(etc, QFile::ReadOwner)));
        QVERIFY(users != "U" || WriteFile(config + name, users));
        QVERIFY(users != "->" || (QDir().mkpath(config) && QFile::link(config + "/nowhere", config + name)));
        const QFile::Permissions readOnly = QFile::ReadOwner | QFile::ExeOwner;
        QVERIFY(QFile::setPermissions(bin, writable ? readOnly | QFile::WriteOwner : readOnly));

        ScriptedPlatform platform(bin);
        AppContext window(platform);
        QVERIFY(window.startUp() && platform.messages.isEmpty());
        SettingsStore &store = window.settings();
        // The command line reads what the window reads.
        QCOMPARE(ReadFile(ProgramSettingsFile(bin).current()).replace("<missing>", ""), store.document().bytes());
        const Failure written = store.edit([](IniDocument &ini) { WriteIniBoolean(ini, Setting::Language, true); });

        QFile::setPermissions(bin, readOnly | QFile::WriteOwner);
        const QString file = store.path();
        const QString folder = file == bin + name ? "bin" : file == config + name ? "config" : file;
        QTEST(folder + u' ' + store.document().bytes(), "expected");
        // Kept where it was read, ready for the first write; a copied file takes the user's changes; the folder
        // that cannot be made is named.
        const Failure named = users == "blocked" ? Failure{ErrorCode::PathNotFound, config} : Failure{};
        QVERIFY2(written == named, qPrintable(written.path));
        QCOMPARE(QFileInfo(file).isSymLink(), users == "->");
        QCOMPARE(QDir(bin).entryList(QDir::Files).size(), beside.isEmpty() && folder != u"bin" ? 0 : 1);
    }
};

QTEST_MAIN(TestApp)
#include "test_app.moc"
