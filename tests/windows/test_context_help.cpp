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
// topics: array elements, a disabled and a hidden control, text fields without a
// topic, a frame and a spin box whose inner text field answers for it.
class TestContextHelp : public QObject
{
    Q_OBJECT

private:
    template <typename T> static T *add(QWidget *parent, const char *name, QRect geometry)
    {
        auto *widget = new T(parent);
        widget->setObjectName(QLatin1String(name));
        widget->setGeometry(geometry);
        return widget;
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

    std::unique_ptr<QWidget> m_main = std::make_unique<QWidget>();
    std::unique_ptr<QWidget> m_setup = std::make_unique<QWidget>();
    ContextHelp *m_mainHelp = nullptr;
    QStringList m_shown; // "control: topic"

private slots:
    void initTestCase()
    {
        QVERIFY(PinTestLocale());
        QWidget *main = m_main.get();
        main->setObjectName(QStringLiteral("frmMain"));
        add<QPushButton>(main, "cmdGo_0", {10, 10, 60, 30});
        add<QPushButton>(main, "cmdGo_7", {80, 10, 60, 30});
        // A menu request that got through would show up as an open menu.
        auto *label = add<QLabel>(main, "lblTitle_7", {150, 10, 100, 30});
        label->setContextMenuPolicy(Qt::CustomContextMenu);
        connect(label, &QWidget::customContextMenuRequested, label, [label] { (new QMenu(label))->popup({}); });
        add<QPushButton>(main, "cmdPrint", {10, 50, 60, 30})->setEnabled(false);
        add<QPushButton>(main, "cmdOptions", {80, 50, 60, 30})->hide();
        add<QLineEdit>(main, "txtNotes", {10, 90, 200, 30});
        m_setup->setObjectName(QStringLiteral("frmPageSetup"));
        auto *frame = add<QGroupBox>(m_setup.get(), "fraMargin", {10, 10, 380, 200});
        add<QSpinBox>(frame, "updTopMargin", {10, 30, 100, 30});
        add<QLineEdit>(frame, "txtNotes", {10, 70, 200, 30});
        add<QLineEdit>(frame, "txtLocked", {10, 110, 200, 30})->setEnabled(false);
        for (QWidget *window : {main, m_setup.get()}) {
            ContextHelp *help = ContextHelp::install(window, false);
            help->setShowFunction([this](const QPoint &, const QString &text, QWidget *control) {
                m_shown.append(control->objectName() + QStringLiteral(": ") + text);
            });
            if (window == main)
                m_mainHelp = help;
            window->resize(400, 300);
            window->show();
            QVERIFY(QTest::qWaitForWindowExposed(window));
        }
    }

    void init()
    {
        m_mainHelp->retranslate(false);
        m_shown.clear();
    }

    void rightButtonShowsTheTopicUnderThePointer_data()
    {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("clicked");
        QTest::addColumn<QString>("topic"); // empty: nothing is shown
        QTest::addColumn<bool>("menu");     // the control's own context menu opens
        const QString main = QStringLiteral("frmMain");
        const QString setup = QStringLiteral("frmPageSetup");
        QTest::newRow("array element 7") << main << "cmdGo_7" << "cmdGo_7" << false;
        QTest::newRow("array element 0") << main << "cmdGo_0" << "cmdGo_0" << false;
        QTest::newRow("label with a menu of its own") << main << "lblTitle_7" << "lblTitle_7" << false;
        QTest::newRow("disabled") << main << "cmdPrint" << "" << false;
        QTest::newRow("hidden") << main << "cmdOptions" << "" << false;
        QTest::newRow("text field without topic") << main << "txtNotes" << "" << true;
        QTest::newRow("inner part of a spin box") << setup << "qt_spinbox_lineedit" << "updTopMargin" << false;
        QTest::newRow("frame") << setup << "fraMargin" << "fraMargin" << false;
        QTest::newRow("text field inside a frame") << setup << "txtNotes" << "" << true;
        QTest::newRow("disabled field inside a frame") << setup << "txtLocked" << "" << false;
    }
    void rightButtonShowsTheTopicUnderThePointer()
    {
        QFETCH(QString, window);
        QFETCH(QString, clicked);
        QFETCH(QString, topic);
        QFETCH(bool, menu);
        click(window == QLatin1String("frmMain") ? m_main.get() : m_setup.get(), clicked, Qt::RightButton);
        auto *popup = qobject_cast<QMenu *>(QApplication::activePopupWidget());
        if (popup)
            popup->close();
        QCOMPARE(bool(popup), menu);
        const QStringList expected = {topic + QStringLiteral(": ") + HelpTopics::topic(window, topic, false)};
        QCOMPARE(m_shown, topic.isEmpty() ? QStringList() : expected);
    }

    void otherButtonsKeepTheirMeaning()
    {
        QSignalSpy clicks(m_main->findChild<QPushButton *>(QStringLiteral("cmdGo_7")), &QPushButton::clicked);
        for (Qt::MouseButton button : {Qt::LeftButton, Qt::MiddleButton, Qt::RightButton})
            click(m_main.get(), QStringLiteral("cmdGo_7"), button);
        QCOMPARE(clicks.size(), 1);
        QCOMPARE(m_shown.size(), 1);
    }

    void languageSwitchChangesPopupAndWhatsThis()
    {
        auto *go = m_main->findChild<QWidget *>(QStringLiteral("cmdGo_7"));
        const QString main = QStringLiteral("frmMain");
        QCOMPARE(go->whatsThis(), HelpTopics::topic(main, go->objectName(), false));
        m_mainHelp->retranslate(true);
        const QString greek = HelpTopics::topic(main, go->objectName(), true);
        QCOMPARE(go->whatsThis(), greek);
        click(m_main.get(), go->objectName(), Qt::RightButton);
        m_mainHelp->showFor(go); // a button menu's Help item
        QCOMPARE(m_shown, QStringList(2, QStringLiteral("cmdGo_7: ") + greek));
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
};

QTEST_MAIN(TestContextHelp)
#include "test_context_help.moc"
