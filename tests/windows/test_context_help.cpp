#include "TestLocale.h"

#include "app/HelpTopics.h"
#include "windows/ContextHelp.h"

#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QSpinBox>
#include <QTimer>
#include <QWhatsThis>
#include <QtTest>

#include <memory>

// Two small windows named like the program's, so that their controls find real
// topics: array elements, a disabled and a hidden control, a text field without
// a topic, a frame and a spin box whose inner text field answers for it.
class TestContextHelp : public QObject
{
    Q_OBJECT

private:
    struct Shown
    {
        QString text;
        QWidget *control;
    };

    template <typename T> static T *add(QWidget *parent, const char *name, QRect geometry)
    {
        auto *widget = new T(parent);
        widget->setObjectName(QLatin1String(name));
        widget->setGeometry(geometry);
        return widget;
    }

    static QWidget *makeWindow(const char *name)
    {
        auto *window = new QWidget;
        window->setObjectName(QLatin1String(name));
        window->resize(400, 300);
        return window;
    }

    // Through the window, as a user clicks: the widget under the point receives it.
    static void click(QWidget *window, const QString &name, Qt::MouseButton button)
    {
        QWidget *widget = window->findChild<QWidget *>(name);
        QVERIFY2(widget, qPrintable(name));
        // A menu that waits for a choice (a spin box's) would hold the test until
        // its time-out; this closes it, and dies with the click when none opens.
        QTimer closer;
        closer.setSingleShot(true);
        connect(&closer, &QTimer::timeout, [] {
            if (QWidget *popup = QApplication::activePopupWidget())
                popup->close();
        });
        closer.start(1000);
        QTest::mouseClick(window->windowHandle(), button, {}, widget->mapTo(window, QPoint(5, 5)));
    }

    std::unique_ptr<QWidget> m_main{makeWindow("frmMain")};
    std::unique_ptr<QWidget> m_setup{makeWindow("frmPageSetup")};
    ContextHelp *m_mainHelp = nullptr;
    ContextHelp *m_setupHelp = nullptr;
    QList<Shown> m_shown;

private slots:
    void initTestCase()
    {
        QVERIFY(PinTestLocale());
        QWidget *main = m_main.get();
        add<QPushButton>(main, "cmdGo_0", {10, 10, 60, 30});
        add<QPushButton>(main, "cmdGo_7", {80, 10, 60, 30});
        add<QLabel>(main, "lblTitle_7", {150, 10, 100, 30})->setContextMenuPolicy(Qt::CustomContextMenu);
        add<QPushButton>(main, "cmdPrint", {10, 50, 60, 30})->setEnabled(false);
        add<QPushButton>(main, "cmdOptions", {80, 50, 60, 30})->hide();
        add<QLineEdit>(main, "txtNotes", {10, 90, 200, 30});
        QGroupBox *frame = add<QGroupBox>(m_setup.get(), "fraMargin", {10, 10, 380, 200});
        add<QSpinBox>(frame, "updTopMargin", {10, 30, 100, 30});
        add<QLineEdit>(frame, "txtNotes", {10, 70, 200, 30});
        add<QLineEdit>(frame, "txtLocked", {10, 110, 200, 30})->setEnabled(false);
        for (QWidget *window : {m_main.get(), m_setup.get()}) {
            ContextHelp *help = ContextHelp::install(window, false);
            help->setShowFunction([this](const QPoint &, const QString &text, QWidget *control) {
                m_shown.append({text, control});
            });
            (window == main ? m_mainHelp : m_setupHelp) = help;
            window->show();
            QVERIFY(QTest::qWaitForWindowExposed(window));
        }
    }

    void init()
    {
        m_mainHelp->retranslate(false);
        m_setupHelp->retranslate(false);
        m_shown.clear();
    }

    void rightButtonShowsTheTopicUnderThePointer_data()
    {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("clicked");
        QTest::addColumn<QString>("topic"); // empty: nothing is shown
        const QString main = QStringLiteral("frmMain");
        const QString setup = QStringLiteral("frmPageSetup");
        QTest::newRow("array element 7") << main << "cmdGo_7" << "cmdGo_7";
        QTest::newRow("array element 0") << main << "cmdGo_0" << "cmdGo_0";
        QTest::newRow("label") << main << "lblTitle_7" << "lblTitle_7";
        QTest::newRow("disabled") << main << "cmdPrint" << "";
        QTest::newRow("hidden") << main << "cmdOptions" << "";
        QTest::newRow("text field without topic") << main << "txtNotes" << "";
        QTest::newRow("inner part of a spin box") << setup << "qt_spinbox_lineedit" << "updTopMargin";
        QTest::newRow("frame") << setup << "fraMargin" << "fraMargin";
        QTest::newRow("text field inside a frame") << setup << "txtNotes" << "";
        QTest::newRow("disabled field inside a frame") << setup << "txtLocked" << "";
    }
    void rightButtonShowsTheTopicUnderThePointer()
    {
        QFETCH(QString, window);
        QFETCH(QString, clicked);
        QFETCH(QString, topic);
        click(window == QLatin1String("frmMain") ? m_main.get() : m_setup.get(), clicked, Qt::RightButton);
        if (auto *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget()))
            menu->close(); // the text field's own menu
        if (topic.isEmpty()) {
            QVERIFY(m_shown.isEmpty());
            return;
        }
        QCOMPARE(m_shown.size(), 1);
        QCOMPARE(m_shown[0].text, HelpTopics::topic(window, topic, false));
        QCOMPARE(m_shown[0].control->objectName(), topic);
    }

    void otherButtonsKeepTheirMeaning()
    {
        auto *go = m_main->findChild<QPushButton *>(QStringLiteral("cmdGo_7"));
        QSignalSpy clicks(go, &QPushButton::clicked);
        click(m_main.get(), QStringLiteral("cmdGo_7"), Qt::LeftButton);
        click(m_main.get(), QStringLiteral("cmdGo_7"), Qt::MiddleButton);
        QCOMPARE(clicks.size(), 1);
        QVERIFY(m_shown.isEmpty());
        click(m_main.get(), QStringLiteral("cmdGo_7"), Qt::RightButton);
        QCOMPARE(clicks.size(), 1);
    }

    void contextMenuOnlyWithoutTopic()
    {
        auto *label = m_main->findChild<QLabel *>(QStringLiteral("lblTitle_7"));
        QSignalSpy menuRequests(label, &QWidget::customContextMenuRequested);
        click(m_main.get(), QStringLiteral("lblTitle_7"), Qt::RightButton);
        QCOMPARE(menuRequests.size(), 0);
        QVERIFY(!QApplication::activePopupWidget());
        click(m_main.get(), QStringLiteral("txtNotes"), Qt::RightButton);
        auto *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget());
        QVERIFY(menu); // copy, paste and the rest
        menu->close();
    }

    void languageSwitchChangesPopupAndWhatsThis()
    {
        auto *go = m_main->findChild<QWidget *>(QStringLiteral("cmdGo_7"));
        const QString greek = HelpTopics::topic(QStringLiteral("frmMain"), QStringLiteral("cmdGo_7"), true);
        const QString english = HelpTopics::topic(QStringLiteral("frmMain"), QStringLiteral("cmdGo_7"), false);
        QCOMPARE(go->whatsThis(), english);
        m_mainHelp->retranslate(true);
        QCOMPARE(go->whatsThis(), greek);
        click(m_main.get(), QStringLiteral("cmdGo_7"), Qt::RightButton);
        m_mainHelp->showFor(go);
        QCOMPARE(m_shown.size(), 2);
        QCOMPARE(m_shown[0].text, greek);
        QCOMPARE(m_shown[1].text, greek);
        QVERIFY(m_main->findChild<QWidget *>(QStringLiteral("txtNotes"))->whatsThis().isEmpty());
    }

    void whatsThisModeFromShiftF1()
    {
        QTest::keyClick(m_setup.get(), Qt::Key_F1, Qt::ShiftModifier);
        QVERIFY(QWhatsThis::inWhatsThisMode());
        QWhatsThis::leaveWhatsThisMode();
    }

    void unmatchedTopicsNameMissingControls()
    {
        const QStringList unmatched = m_mainHelp->unmatchedTopics();
        QVERIFY(unmatched.contains(QStringLiteral("cmdGo_3")));
        QVERIFY(!unmatched.contains(QStringLiteral("cmdGo_7")));
        QVERIFY(!unmatched.contains(QStringLiteral("cmdOptions"))); // hidden, but there
    }

    // The real pop-up, without the recording stand-in.
    void defaultShowOpensWhatsThisPopup()
    {
        auto *window = makeWindow("frmAbout");
        add<QPushButton>(window, "cmdOK", {10, 10, 80, 30});
        ContextHelp::install(window, true);
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window));
        click(window, QStringLiteral("cmdOK"), Qt::RightButton);
        const QWidgetList popups = QApplication::topLevelWidgets();
        QVERIFY(std::any_of(popups.begin(), popups.end(), [](QWidget *widget) {
            return widget->inherits("QWhatsThat") && widget->isVisible();
        }));
        QWhatsThis::hideText();
        delete window;
    }
};

QTEST_MAIN(TestContextHelp)
#include "test_context_help.moc"
