#include "HelpControls.h"
#include "ScriptedPlatform.h"
#include "TestLocale.h"

#include "app/HelpTopics.h"
#include "app/MainController.h"
#include "windows/ContextHelp.h"
#include "windows/dialogs/frmAbout.h"
#include "windows/dialogs/frmInputCurrency.h"
#include "windows/main/frmMain.h"

#include <QAction>
#include <QApplication>
#include <QGroupBox>
#include <QHelpEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QWhatsThis>
#include <QtTest>

#include <map>
#include <memory>

// Context help and the hints on the real windows: the main window, and the
// amount dialog and the About box opened in each language. A stand-in page
// setup window brings the kinds of control the real ones do not have yet.
class TestContextHelp : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    std::unique_ptr<ScriptedPlatform> m_platform;
    std::unique_ptr<MainController> m_controller;
    std::unique_ptr<frmMain> m_main;
    std::map<std::pair<QString, bool>, std::unique_ptr<QWidget>> m_dialogs; // by window and language
    QWidget m_setup;
    QStringList m_shown; // "control: topic"

    template<typename T>
    static T *add(QWidget *parent, const char *name, QRect geometry)
    {
        auto *widget = new T(parent);
        widget->setObjectName(QLatin1String(name));
        widget->setGeometry(geometry);
        return widget;
    }
    template<typename T = QWidget>
    static T *child(QWidget *window, const QString &name)
    {
        T *widget = window->findChild<T *>(name);
        if (!widget)
            qFatal("no child %s", qPrintable(name));
        return widget;
    }
    void show(QWidget *window)
    {
        window->findChild<ContextHelp *>()->setShowFunction([this](const QPoint &, const QString &text, QWidget *c) {
            m_shown.append(c->objectName() + QStringLiteral(": ") + text);
        });
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window));
    }
    void switchLanguage(bool greek)
    {
        QTest::mouseClick(child(m_main.get(), QStringLiteral("cmdLanguage_%1").arg(greek ? 0 : 1)), Qt::LeftButton);
    }
    QWidget *window(const QString &name, bool greek)
    {
        if (name == QLatin1String("frmMain"))
            return m_main.get();
        return name == QLatin1String("frmPageSetup") ? &m_setup : m_dialogs.at({name, greek}).get();
    }
    // Through the window, as a user clicks: the widget under the point receives it.
    static void click(QWidget *window, QPoint at, Qt::MouseButton button)
    {
        // A menu that waits for a choice (a spin box's) would hold the test until
        // its time-out; this closes it, and dies with the click when none opens.
        QTimer closer;
        closer.setSingleShot(true);
        connect(&closer, &QTimer::timeout, [] {
            if (QWidget *popup = QApplication::activePopupWidget())
                popup->close();
        });
        closer.start(1000);
        QTest::mouseClick(window->windowHandle(), button, {}, at);
    }
    static QPoint inside(QWidget *window, QWidget *control) { return control->mapTo(window, QPoint(5, 5)); }

private slots:
    void initTestCase()
    {
        QVERIFY(PinTestLocale());
        m_platform = std::make_unique<ScriptedPlatform>(m_dir.path());
        m_controller = std::make_unique<MainController>(*m_platform);
        QVERIFY(m_controller->StartUp());
        m_main = std::make_unique<frmMain>(*m_controller);
        show(m_main.get());
        // The dialogs take the language of their opening; the additional
        // currency's amount dialog has every field in use.
        for (bool greek : {false, true}) {
            switchLanguage(greek);
            InputCurrencyRequest request{OtherCurrencyIndex, m_controller->rowTitle(OtherCurrencyIndex),
                                         m_controller->rowTitle(0), QStringLiteral("1.00 "), QIcon()};
            m_dialogs[{QStringLiteral("frmInputCurrency"), greek}] =
                std::make_unique<frmInputCurrency>(m_controller->dialogs(), m_controller->state(), request);
            m_dialogs[{QStringLiteral("frmAbout"), greek}] = std::make_unique<frmAbout>(m_controller->dialogs());
        }
        for (const auto &[key, dialog] : m_dialogs)
            show(dialog.get());

        m_setup.setObjectName(QStringLiteral("frmPageSetup"));
        auto *frame = add<QGroupBox>(&m_setup, "fraMargin", {10, 10, 380, 200});
        add<QSpinBox>(frame, "updTopMargin", {10, 30, 100, 30});
        add<QLineEdit>(frame, "txtNotes", {10, 70, 200, 30});
        add<QLineEdit>(frame, "txtLocked", {10, 110, 200, 30})->setEnabled(false);
        // A menu request that got through would show up as an open menu.
        auto *label = add<QLabel>(frame, "lblFontSize", {10, 150, 100, 30});
        label->setContextMenuPolicy(Qt::CustomContextMenu);
        connect(label, &QWidget::customContextMenuRequested, label, [label] { (new QMenu(label))->popup({}); });
        ContextHelp::install(&m_setup, false);
        m_setup.resize(400, 300);
        show(&m_setup);
    }
    void init()
    {
        m_shown.clear();
        m_platform->messages.clear();
    }

    // Every control of the table on the windows that exist, in both languages,
    // the main window switching between them row by row.
    void everyControlShowsExactlyItsTopic_data()
    {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("control");
        QTest::addColumn<bool>("greek");
        const QStringList built = {"frmMain", "frmInputCurrency", "frmAbout"};
        for (const HelpControl &control : HelpControls)
            for (const QString &name : ElementNames(control))
                for (bool greek : {false, true})
                    if (built.contains(QLatin1String(control.window)))
                        QTest::addRow("%s/%s %s", control.window, qPrintable(name), greek ? "el" : "en")
                            << QString::fromLatin1(control.window) << name << greek;
    }
    void everyControlShowsExactlyItsTopic()
    {
        QFETCH(QString, window);
        QFETCH(QString, control);
        QFETCH(bool, greek);
        switchLanguage(greek);
        QWidget *shownIn = this->window(window, greek);
        QWidget *widget = child(shownIn, control);
        const QString topic = HelpTopics::topic(window, control, greek);
        const bool wasEnabled = widget->isEnabled();
        const bool wasHidden = widget->isHidden();
        widget->setEnabled(true);
        widget->show();
        QApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
        const QPoint at = inside(shownIn, widget);
        click(shownIn, at, Qt::RightButton);
        QCOMPARE(m_shown, QStringList(control + QStringLiteral(": ") + topic));
        // What's This asks before it shows: the same topic is there, in the same language.
        QHelpEvent query(QEvent::QueryWhatsThis, QPoint(5, 5), widget->mapToGlobal(QPoint(5, 5)));
        QApplication::sendEvent(widget, &query);
        QVERIFY(query.isAccepted() && widget->whatsThis() == topic);

        m_shown.clear();
        widget->setEnabled(false);
        click(shownIn, at, Qt::RightButton);
        QCOMPARE(m_shown, QStringList());
        widget->setEnabled(true);
        widget->hide();
        click(shownIn, at, Qt::RightButton); // whatever lies beneath may answer, not the control
        QVERIFY(m_shown.filter(QRegularExpression(QLatin1Char('^') + control + QLatin1Char(':'))).isEmpty());
        widget->setEnabled(wasEnabled);
        widget->setVisible(!wasHidden);
    }

    // Controls outside the table, and parts of one.
    void rightClickBesideTheTable_data()
    {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("clicked");
        QTest::addColumn<QString>("topic"); // empty: nothing is shown
        QTest::addColumn<bool>("menu");     // the control's own context menu opens
        QTest::newRow("text field keeps copy and paste") << "frmInputCurrency"
                                                         << "txtAmount"
                                                         << "" << true;
        QTest::newRow("inner part of a spin box") << "frmPageSetup"
                                                  << "qt_spinbox_lineedit"
                                                  << "updTopMargin" << false;
        QTest::newRow("text field inside a frame") << "frmPageSetup"
                                                   << "txtNotes"
                                                   << "" << true;
        QTest::newRow("disabled field inside a frame") << "frmPageSetup"
                                                       << "txtLocked"
                                                       << "" << false;
        QTest::newRow("label with a menu of its own") << "frmPageSetup"
                                                      << "lblFontSize"
                                                      << "lblFontSize" << false;
    }
    void rightClickBesideTheTable()
    {
        QFETCH(QString, window);
        QFETCH(QString, clicked);
        QFETCH(QString, topic);
        QFETCH(bool, menu);
        QWidget *shownIn = this->window(window, false);
        click(shownIn, inside(shownIn, child(shownIn, clicked)), Qt::RightButton);
        auto *popup = qobject_cast<QMenu *>(QApplication::activePopupWidget());
        if (popup)
            popup->close();
        QCOMPARE(bool(popup), menu);
        const QStringList expected = {topic + QStringLiteral(": ") + HelpTopics::topic(window, topic, false)};
        QCOMPARE(m_shown, topic.isEmpty() ? QStringList() : expected);
    }

    void otherButtonsKeepTheirMeaning()
    {
        for (Qt::MouseButton button : {Qt::LeftButton, Qt::MiddleButton, Qt::RightButton})
            click(m_main.get(), inside(m_main.get(), child(m_main.get(), QStringLiteral("cmdHelp"))), button);
        QCOMPARE(m_platform->messages.size(), 1); // the left button's hints
        QCOMPARE(m_shown.size(), 1);
    }

    // A misnamed control would lose its help without a word.
    void everyTopicFindsItsControl()
    {
        for (const char *name : {"frmMain", "frmInputCurrency", "frmAbout"})
            QCOMPARE(window(QLatin1String(name), false)->findChild<ContextHelp *>()->unmatchedTopics(), QStringList());
        const QStringList missing = m_setup.findChild<ContextHelp *>()->unmatchedTopics();
        QVERIFY(missing.contains(QStringLiteral("chkCourierNew")) && !missing.contains(QStringLiteral("updTopMargin")));
    }

    // Topics are read on the first question: a new window carries none until Shift+F1.
    void whatsThisModeFromShiftF1()
    {
        switchLanguage(false);
        frmAbout about(m_controller->dialogs());
        show(&about);
        QWidget *version = child(&about, QStringLiteral("lblVersion"));
        QVERIFY(version->whatsThis().isEmpty());
        QTest::keyClick(&about, Qt::Key_F1, Qt::ShiftModifier);
        QVERIFY(QWhatsThis::inWhatsThisMode());
        QWhatsThis::leaveWhatsThisMode();
        QCOMPARE(version->whatsThis(),
                 HelpTopics::topic(QStringLiteral("frmAbout"), QStringLiteral("lblVersion"), false));
    }

    // The same message from the menu and the button, in the language of the
    // moment, owned by the main window.
    void hintsFromMenuAndButton_data()
    {
        QTest::addColumn<bool>("greek");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("opening");
        QTest::newRow("English") << false << "Hints and Tips"
                                 << "If we click the RIGHT mouse button";
        QTest::newRow("Greek") << true << "Χρήσιμες συμβουλές"
                               << "Για να λάβουμε άμεση βοήθεια, αρκεί";
    }
    void hintsFromMenuAndButton()
    {
        QFETCH(bool, greek);
        QFETCH(QString, title);
        QFETCH(QString, opening);
        switchLanguage(greek);
        child<QAction>(m_main.get(), QStringLiteral("mnuHelpTips"))->trigger();
        QTest::mouseClick(child(m_main.get(), QStringLiteral("cmdHelp")), Qt::LeftButton);
        QCOMPARE(m_platform->messages.size(), 2);
        for (const ScriptedPlatform::Message &message : std::as_const(m_platform->messages)) {
            QCOMPARE(message.caption, title);
            QCOMPARE(message.text, Text(TextId::HintsText, greek));
            QVERIFY(message.style == MessageStyle::Information && message.owner == m_main.get());
        }
        const QStringList paragraphs = m_platform->messages[0].text.split(QStringLiteral("\n\n"));
        QVERIFY(paragraphs.size() == 4 && paragraphs[0].startsWith(opening) && paragraphs[3].contains(u"1103"));
    }

    // The Settings button menu's Help item explains the button.
    void settingsMenuHelpShowsTheButtonsTopic()
    {
        switchLanguage(true);
        auto *help = child<QAction>(m_main.get(), QStringLiteral("mnuSettingsHelp"));
        help->setEnabled(true); // as while the menu is open from its button
        help->trigger();
        help->setEnabled(false);
        const QString topic = HelpTopics::topic(QStringLiteral("frmMain"), QStringLiteral("cmdSettings"), true);
        QCOMPARE(m_shown, QStringList(QStringLiteral("cmdSettings: ") + topic));
    }
};

QTEST_MAIN(TestContextHelp)
#include "test_context_help.moc"
