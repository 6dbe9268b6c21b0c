#pragma once

#include "app/texts/Language.h"

#include <QObject>
#include <QPoint>
#include <QString>
#include <QStringList>

#include <functional>

class QWidget;

// Context help for one window: releasing the right mouse button over a control
// that has a help topic shows the topic beside it, in the current language, and
// the control does not open a context menu as well. Every such control also
// carries its topic as its What's This text, for Shift+F1 and the title-bar
// question mark. Topics are found by the window's object name and the control's
// (HelpTopics); a control without one keeps its own right-click behaviour.
// Nothing is read until the first question, so a window opens as fast without it.
class ContextHelp : public QObject
{
    Q_OBJECT
public:
    // What puts a topic on the screen; QWhatsThis::showText unless replaced.
    using ShowFunction = std::function<void(const QPoint &globalPos, const QString &text, QWidget *control)>;

    // Called once in the window's constructor, after its object name and its
    // controls' names are set and before it is shown. The window owns the result.
    static ContextHelp *install(QWidget *window, Language language);

    // The language switched: later pop-ups and every What's This text follow it.
    // Also picks up controls created after the What's This texts were first set.
    void retranslate(Language language);

    // Shows a control's topic below it, as a right-click on it does; for the
    // Help items of the button menus.
    void showFor(QWidget *control) const;

    void setShowFunction(ShowFunction show) { m_show = std::move(show); }
    Language language() const { return m_language; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    ContextHelp(QWidget *window, Language language);

    QWidget *controlAt(const QPoint &globalPos) const;
    QString topicOf(const QWidget *control) const;
    void setWhatsThisTexts();
    void ensureWhatsThisTexts();

    QWidget *m_window;
    QString m_windowName;
    Language m_language;
    bool m_whatsThisSet = false;
    ShowFunction m_show;
};
