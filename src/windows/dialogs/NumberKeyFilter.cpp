#include "windows/dialogs/NumberKeyFilter.h"

#include "platform/PlatformServices.h"

#include <QKeyEvent>
#include <QLineEdit>

#include <algorithm>

namespace {

bool allowed(QChar c) { return c.isDigit() ? c.unicode() < 128 : (c == u',' || c == u'.'); }

qsizetype refusedCount(const QString &text)
{
    return std::count_if(text.cbegin(), text.cend(), [](QChar c) { return !allowed(c); });
}

} // namespace

NumberKeyFilter::NumberKeyFilter(QLineEdit *field, PlatformServices &platform)
    : QObject(field)
    , m_field(field)
    , m_platform(platform)
    , m_lastText(field->text())
{
    field->installEventFilter(this);
    connect(field, &QLineEdit::textChanged, this, [this](const QString &text) {
        if (!m_field->isModified())
            m_lastText = text; // set by the program, not typed
    });
    connect(field, &QLineEdit::textEdited, this, &NumberKeyFilter::guardEdit);
}

bool NumberKeyFilter::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::KeyPress) {
        auto *key = static_cast<QKeyEvent *>(event);
        const QString typed = key->text();
        const bool control = key->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier);
        if (!control && key->key() != Qt::Key_Backspace && !typed.isEmpty() && typed.at(0).isPrint()
            && refusedCount(typed) > 0) {
            m_platform.beep();
            return true;
        }
    }
    return QObject::eventFilter(watched, event);
}

void NumberKeyFilter::guardEdit(const QString &text)
{
    if (refusedCount(text) > refusedCount(m_lastText)) {
        const int cursor = m_field->cursorPosition() - int(text.size() - m_lastText.size());
        m_field->setText(m_lastText);
        m_field->setCursorPosition(std::max(0, cursor));
        m_platform.beep();
        return;
    }
    m_lastText = text;
}
