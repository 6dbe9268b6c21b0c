#include "windows/ContextHelp.h"

#include "app/texts/HelpTopics.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QDialog>
#include <QKeySequence>
#include <QMenu>
#include <QMouseEvent>
#include <QShortcut>
#include <QWhatsThis>
#include <QWidget>

namespace {

// A control is a widget we named; the unnamed or "qt_" parts inside a control
// (the text field of a spin box) answer for the control around them.
bool isControl(const QWidget *widget)
{
    const QString name = widget->objectName();
    return !name.isEmpty() && !name.startsWith(QLatin1String("qt_"));
}

} // namespace

ContextHelp *ContextHelp::install(QWidget *window, Language language)
{
    Q_ASSERT(window && !window->objectName().isEmpty());
    return new ContextHelp(window, language);
}

ContextHelp::ContextHelp(QWidget *window, Language language)
    : QObject(window)
    , m_window(window)
    , m_windowName(window->objectName())
    , m_language(language)
    , m_show([](const QPoint &globalPos, const QString &text, QWidget *control) {
        QWhatsThis::showText(globalPos, text, control);
    })
{
    // A right-click reaches the deepest widget under the pointer, which may be a
    // part of a control or a control made after this point; one filter on the
    // application sees them all and keeps to this window's.
    QCoreApplication::instance()->installEventFilter(this);

    // Shift+F1 lets the user point at any control, labels and frames included,
    // which cannot take the keyboard focus.
    connect(new QShortcut(QKeySequence::WhatsThis, window), &QShortcut::activated, this, [this] {
        ensureWhatsThisTexts();
        QWhatsThis::enterWhatsThisMode();
    });
    // An open menu takes the keyboard from the window: its items' texts are
    // there before it could be asked for one.
    for (QMenu *menu : window->findChildren<QMenu *>())
        connect(menu, &QMenu::aboutToShow, this, &ContextHelp::ensureWhatsThisTexts);
    // The question mark the hints speak of, where the window manager draws one.
    if (qobject_cast<QDialog *>(window) && !window->isVisible())
        window->setWindowFlag(Qt::WindowContextHelpButtonHint, true);
}

void ContextHelp::retranslate(Language language)
{
    m_language = language;
    // Texts never asked for stay unset: they are set in the new language when first asked for.
    if (m_whatsThisSet)
        setWhatsThisTexts();
}

void ContextHelp::ensureWhatsThisTexts()
{
    if (!m_whatsThisSet)
        setWhatsThisTexts();
}

void ContextHelp::setWhatsThisTexts()
{
    m_whatsThisSet = true;
    const QList<QWidget *> widgets = m_window->findChildren<QWidget *>();
    for (QWidget *widget : widgets) {
        const QString text = topicOf(widget);
        if (!text.isEmpty())
            widget->setWhatsThis(text);
    }
    // A menu item with a topic shows it when clicked in What's This mode, or
    // with F1 while it is the item chosen in its open menu.
    for (QAction *item : m_window->findChildren<QAction *>()) {
        const QString text = HelpTopics::topic(m_windowName, item->objectName(), m_language);
        if (!text.isEmpty())
            item->setWhatsThis(text);
    }
}

void ContextHelp::showFor(QWidget *control) const
{
    const QString text = topicOf(control);
    if (!text.isEmpty())
        m_show(control->mapToGlobal(QPoint(control->width() / 2, control->height())), text, control);
}

QWidget *ContextHelp::controlAt(const QPoint &globalPos) const
{
    QWidget *widget = m_window->childAt(m_window->mapFromGlobal(globalPos));
    while (widget && widget != m_window && !isControl(widget))
        widget = widget->parentWidget();
    return widget == m_window ? nullptr : widget;
}

QString ContextHelp::topicOf(const QWidget *control) const
{
    if (!control || !isControl(control))
        return QString();
    return HelpTopics::topic(m_windowName, control->objectName(), m_language);
}

bool ContextHelp::eventFilter(QObject *watched, QEvent *event)
{
    const QEvent::Type type = event->type();
    const bool whatsThis = type == QEvent::QueryWhatsThis || type == QEvent::WhatsThis;
    if (type != QEvent::MouseButtonRelease && type != QEvent::ContextMenu && !whatsThis)
        return false;
    if (!watched->isWidgetType() || static_cast<QWidget *>(watched)->window() != m_window)
        return false;
    // What's This mode asks a control for its text first when the pointer moves
    // over it (the question-mark cursor), then when it is clicked; either way
    // the texts are there before Qt reads them.
    if (whatsThis) {
        ensureWhatsThisTexts();
        return false;
    }

    // The control is the one under the pointer, not the event's receiver: an
    // event that a control leaves unhandled travels on to its parents, and the
    // frame around a text field must not answer for the field.
    if (type == QEvent::ContextMenu) {
        auto *request = static_cast<QContextMenuEvent *>(event);
        if (request->reason() != QContextMenuEvent::Mouse || topicOf(controlAt(request->globalPos())).isEmpty())
            return false;
        request->accept(); // the right button shows help here, not a menu as well
        return true;
    }

    auto *mouse = static_cast<QMouseEvent *>(event);
    if (mouse->button() != Qt::RightButton)
        return false;
    const QPoint globalPos = mouse->globalPosition().toPoint();
    QWidget *control = controlAt(globalPos);
    const QString text = topicOf(control);
    if (text.isEmpty())
        return false;
    // A disabled control receives no mouse events, so it shows no help either.
    if (control->isEnabled())
        m_show(globalPos, text, control);
    mouse->accept();
    return true;
}
