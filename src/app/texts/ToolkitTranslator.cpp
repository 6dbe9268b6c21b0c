#include "app/texts/ToolkitTranslator.h"

#include "app/texts/Texts.h"

#include <QCoreApplication>

namespace {

QByteArray Key(const char *context, const char *sourceText)
{
    return QByteArray(context) + '\0' + QByteArray(sourceText);
}

} // namespace

ToolkitTranslator::ToolkitTranslator()
{
    const std::span<const ToolkitText> texts = ToolkitTexts();
    for (qsizetype i = 0; i < qsizetype(texts.size()); ++i)
        m_entries.insert(Key(texts[std::size_t(i)].context, texts[std::size_t(i)].texts[IndexOf(Language::English)]),
                         i);
}

void ToolkitTranslator::follow(Language language)
{
    m_language = language;
    const bool wanted = language != Language::English;
    if (wanted == m_installed)
        return; // the toolkit would ask it twice
    m_installed = wanted;
    if (wanted)
        QCoreApplication::installTranslator(this);
    else
        QCoreApplication::removeTranslator(this);
}

QString ToolkitTranslator::translate(const char *context, const char *sourceText, const char *, int) const
{
    const Language language = m_language;
    if (language == Language::English || !context || !sourceText)
        return QString();
    const auto found = m_entries.constFind(Key(context, sourceText));
    if (found == m_entries.constEnd())
        return QString(); // the toolkit's own text then
    return QString::fromUtf8(ToolkitTexts()[std::size_t(*found)].texts[IndexOf(language)]);
}
