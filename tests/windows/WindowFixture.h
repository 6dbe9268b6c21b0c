#pragma once

#include "ScriptedProgram.h"
#include "TestLocale.h"

#include "windows/main/frmMain.h"

#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QWindow>
#include <QtTest>

#include <functional>
#include <memory>

// The main window and its dialogs on real widgets over the scripted platform, for the test programs of both: that
// their controls reach their logic and show what it holds. The logic itself is tested below them.
class WindowFixture : public QObject
{
    Q_OBJECT

protected:
    std::unique_ptr<ScriptedProgram> m_program;
    std::unique_ptr<frmMain> m_main;
    std::unique_ptr<QDialog> m_dialog; // the dialog under test, else the main window's controls are meant

    ScriptedPlatform &platform() const { return m_program->platform; }
    AppContext &context() const { return m_program->context; }
    Q_SLOT void initTestCase()
    {
        QVERIFY(PinTestLocale());
        qputenv("PATH", "/nonexistent"); // no system-information program to start
    }
    Q_SLOT void cleanup()
    {
        m_dialog.reset();
        m_main.reset();
        m_program.reset();
        QCOMPARE(QApplication::activeModalWidget(), nullptr);
    }
    void start(const QByteArray &ini = {})
    {
        m_program = std::make_unique<ScriptedProgram>(ini);
        m_main = std::make_unique<frmMain>(context());
        m_main->show();
        QApplication::setActiveWindow(m_main.get());
        QVERIFY(QTest::qWaitForWindowActive(m_main.get()));
    }
    void showDialog(QDialog *dialog)
    {
        m_dialog.reset(dialog);
        m_dialog->show();
        QApplication::setActiveWindow(m_dialog.get()); // leaving a field counts only in the active window
        QVERIFY(QTest::qWaitForWindowActive(m_dialog.get()));
    }
    template<typename T = QPushButton>
    T *child(const QString &name) const
    {
        return m_dialog ? m_dialog->findChild<T *>(name) : m_main->findChild<T *>(name);
    }
    QLineEdit *field(const QString &name) const { return child<QLineEdit>(name); }
    QAction *action(const char *name) const { return m_main->findChild<QAction *>(name); }
    QLabel *amount(int slot) const { return child<QLabel>(QStringLiteral("lblAmount_%1").arg(slot)); }
    QPushButton *goButton(int slot) const { return child(QStringLiteral("cmdGo_%1").arg(slot)); }
    // As a screen reader or voice control toggles a control.
    static void toggle(QWidget *control)
    {
        QAccessible::queryAccessibleInterface(control)->actionInterface()->doAction(
            QAccessibleActionInterface::toggleAction());
    }
    // Runs `then` on the next modal window once it shows; the caller then opens it.
    void whenShown(std::function<void(QWidget *)> then, QWidget *over = nullptr)
    {
        QTimer::singleShot(50, this, [this, then, over] {
            QWidget *window = QApplication::activeModalWidget();
            if (!window || window == over)
                return whenShown(then, over);
            then(window);
        });
    }
    void switchLanguage(Language language) const
    {
        action(language == Language::Greek ? "mnuToolsGreek" : "mnuToolsEnglish")->trigger();
    }
};
