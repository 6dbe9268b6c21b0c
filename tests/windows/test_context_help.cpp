#include "ScriptedProgram.h"
#include "TestLocale.h"

#include "app/HelpTopics.h"
#include "windows/ContextHelp.h"
#include "windows/dialogs/frmAbout.h"
#include "windows/dialogs/frmInputCurrency.h"
#include "windows/dialogs/frmPageSetup.h"
#include "windows/dialogs/frmPrint.h"
#include "windows/main/frmMain.h"

#include <QAction>
#include <QApplication>
#include <QHelpEvent>
#include <QRegularExpression>
#include <QWhatsThis>
#include <QtTest>

#include <memory>

// Context help on the real windows: the right-click on a few controls, and every topic on its control.
class TestContextHelp : public QObject
{
    Q_OBJECT

    ScriptedProgram m_program;
    MainController &m_controller = m_program.controller;
    std::unique_ptr<frmMain> m_main;
    QStringList m_shown; // the topics shown since the last click

    // Every dialog built so far, opened in the language of the moment; every window's help is recorded.
    QList<QDialog *> openDialogs()
    {
        InputCurrencyRequest request{OtherCurrencyIndex, "Other", "Euro", "1 ", {}};
        const QList<QDialog *> dialogs{
            new frmPageSetup(m_controller, m_main.get()), new frmPrint(m_controller, m_main.get()),
            new frmInputCurrency(m_controller.dialogs(), m_controller.state(), request, m_main.get()),
            new frmAbout(m_controller.dialogs(), m_main.get())};
        for (QDialog *dialog : dialogs)
            dialog->show();
        for (ContextHelp *help : m_main->findChildren<ContextHelp *>())
            help->setShowFunction([this](auto, const QString &text, auto) { m_shown << text; });
        return dialogs;
    }
    QAction *action(const char *name) const { return m_main->findChild<QAction *>(name); }
    void switchLanguage(bool greek) const { action(greek ? "mnuToolsGreek" : "mnuToolsEnglish")->trigger(); }
    // Through the window, as a user clicks: the widget under the point receives it.
    QStringList click(QWidget *control, Qt::MouseButton button = Qt::RightButton)
    {
        m_shown.clear();
        QTest::mouseClick(control->window()->windowHandle(), button, {},
                          control->mapTo(control->window(), QPoint(5, 5)));
        return m_shown;
    }
    static QString topic(QWidget *control, bool greek)
    {
        return HelpTopics::topic(control->window()->objectName(), control->objectName(), greek);
    }

private slots:
    void initTestCase()
    {
        QVERIFY(PinTestLocale());
        m_main = std::make_unique<frmMain>(m_controller);
        m_main->show();
        qDeleteAll(openDialogs());
    }

    // An element of an array, in the language of the moment; only the right button
    // shows help (the left one shows the hints, as the menu does), not when disabled or hidden.
    void rightClickOnTheMainWindow()
    {
        auto *go = m_main->findChild<QWidget *>("cmdGo_3");
        auto *help = m_main->findChild<QWidget *>("cmdHelp");
        for (bool greek : {false, true}) {
            switchLanguage(greek);
            QCOMPARE(click(go), QStringList(topic(go, greek)));
            m_program.platform.messages.clear();
            action("mnuHelpTips")->trigger();
            QVERIFY(click(help, Qt::LeftButton).isEmpty() && click(help, Qt::MiddleButton).isEmpty());
            QCOMPARE(m_program.platform.messages.size(), 2);
            for (const ScriptedPlatform::Message &message : std::as_const(m_program.platform.messages))
                QVERIFY(message.caption == Text(TextId::HintsTitle, greek)
                        && message.text == Text(TextId::HintsText, greek) && message.style == MessageStyle::Information
                        && message.owner == m_main.get());
        }
        go->hide();
        QVERIFY(!click(go).contains(topic(go, true))); // what lies beneath may answer
        go->show();
        go->setEnabled(false);
        QCOMPARE(click(go), QStringList());
        // The Settings button menu's Help item explains the button.
        m_shown.clear();
        Q_EMIT action("mnuSettingsHelp")->triggered(); // as while the menu is open from its button
        QCOMPARE(m_shown, QStringList(topic(m_main->findChild<QWidget *>("cmdSettings"), true)));
    }

    // A part answers for its control; a text field keeps its menu, and its frame does not answer
    // for it; a control with a topic and a menu of its own shows its help instead.
    void rightClickOnPartsAndFields()
    {
        switchLanguage(false);
        const QList<QDialog *> dialogs = openDialogs();
        QWidget *upDown = dialogs[0]->findChild<QWidget *>("updTopMargin");
        QCOMPARE(click(upDown->findChild<QWidget *>()), QStringList(topic(upDown, false)));
        QVERIFY(click(dialogs[2]->findChild<QWidget *>("txtAmount")).isEmpty() && QApplication::activePopupWidget());
        QApplication::activePopupWidget()->close();
        auto *label = dialogs[2]->findChild<QWidget *>("lblCurrencyName");
        label->setContextMenuPolicy(Qt::CustomContextMenu);
        QSignalSpy menu(label, &QWidget::customContextMenuRequested);
        QVERIFY(click(label) == QStringList(topic(label, false)) && menu.isEmpty());
        qDeleteAll(dialogs);
    }

    // Every topic reaches its control, as What's This text in the window's language (the main window's
    // follow a switch), read on the first question: Shift+F1 on a new window is one.
    void everyTopicOnItsControl()
    {
        for (bool greek : {false, true}) {
            switchLanguage(greek);
            const QList<QDialog *> dialogs = openDialogs();
            QWidget *version = dialogs[3]->findChild<QWidget *>("lblVersion");
            QVERIFY(version->whatsThis().isEmpty());
            QApplication::setActiveWindow(dialogs[3]);
            QTest::keyClick(dialogs[3], Qt::Key_F1, Qt::ShiftModifier);
            QVERIFY(QWhatsThis::inWhatsThisMode());
            QWhatsThis::leaveWhatsThisMode();
            QCOMPARE(version->whatsThis(), topic(version, greek));
            // And the other way round: every button, option, box, frame and arrow has its topic.
            for (QWidget *window : QList<QWidget *>{m_main.get()} + QList<QWidget *>(dialogs.begin(), dialogs.end()))
                for (QWidget *control : window->findChildren<QWidget *>(
                         QRegularExpression(QStringLiteral("^(cmd|opt|chk|fra|upd|prb)[A-Z]"))))
                    QVERIFY2(!topic(control, greek).isEmpty(), qPrintable(control->objectName()));
            for (const QString &key : HelpTopics::keys()) {
                const QString name = key.section(u'/', 0, 0);
                QWidget *window = name == m_main->objectName() ? m_main.get() : m_main->findChild<QWidget *>(name);
                QWidget *control = window ? window->findChild<QWidget *>(key.section(u'/', 1)) : nullptr;
                QHelpEvent query(QEvent::QueryWhatsThis, {}, {});
                QVERIFY2(window ? control && QApplication::sendEvent(control, &query)
                                 && control->whatsThis() == topic(control, greek)
                                : name.startsWith(QLatin1String("frmSettings")), // not built yet
                         qPrintable(key));
            }
            qDeleteAll(dialogs);
        }
    }
};

QTEST_MAIN(TestContextHelp)
#include "test_context_help.moc"
