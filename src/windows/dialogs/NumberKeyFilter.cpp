#include "windows/dialogs/NumberKeyFilter.h"

#include "platform/PlatformServices.h"

#include <QKeyEvent>
#include <QLineEdit>

#include <algorithm>

namespace {

qsizetype refusedCount(QStringView text)
{
    return std::count_if(text.begin(), text.end(), [](QChar c) { return !IsNumberFieldCharacter(c); });
}

} // namespace

NumberKeyFilter::NumberKeyFilter(QLineEdit *field, PlatformServices &platform, PasteRule paste, Refused refused)
    : QValidator(field)
    , m_field(field)
    , m_platform(platform)
    , m_paste(std::move(paste))
    , m_refused(std::move(refused))
{
    remember();
    field->installEventFilter(this);
    field->setValidator(this);
    connect(field, &QLineEdit::textChanged, this, &NumberKeyFilter::remember);
    connect(field, &QLineEdit::selectionChanged, this, &NumberKeyFilter::remember);
    connect(field, &QLineEdit::cursorPositionChanged, this, &NumberKeyFilter::remember);
}

void NumberKeyFilter::remember()
{
    m_text = m_field->text();
    const bool selected = m_field->hasSelectedText();
    m_replacedStart = selected ? m_field->selectionStart() : m_field->cursorPosition();
    m_replacedEnd = selected ? m_field->selectionEnd() : m_field->cursorPosition();
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
    return QValidator::eventFilter(watched, event);
}

QValidator::State NumberKeyFilter::validate(QString &input, int &pos) const
{
    // Text the program sets, and edits that bring in nothing the field refuses
    // (typing, deleting, pasting digits), are the field's own.
    if (!m_field->isModified() || refusedCount(input) <= refusedCount(m_text))
        return Acceptable;
    // The edit replaced what was selected (or nothing, at the cursor) and left
    // the cursor after what it put in; where the field says otherwise, the whole
    // text counts as pasted.
    qsizetype start = m_replacedStart;
    qsizetype end = pos;
    const qsizetype kept = m_text.size() - m_replacedEnd;
    if (end < start || input.size() - end != kept || QStringView(input).left(start) != QStringView(m_text).left(start)
        || QStringView(input).mid(end) != QStringView(m_text).mid(m_replacedEnd)) {
        start = 0;
        end = input.size();
    }
    const PastedNumber pasted = m_paste(input.mid(start, end - start));
    if (const auto *text = std::get_if<QString>(&pasted)) {
        input = input.left(start) + *text + input.mid(end);
        pos = int(start + text->size());
        return Acceptable;
    }
    m_platform.beep();
    if (m_refused)
        m_refused(std::get<TextId>(pasted));
    return Invalid;
}
