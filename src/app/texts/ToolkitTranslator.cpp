#include "app/texts/ToolkitTranslator.h"

#include "app/texts/Texts.h"

#include <QCoreApplication>

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
    const ToolkitText *found = FindToolkitText(context, sourceText);
    if (!found)
        return QString(); // the toolkit's own text then
    return QString::fromUtf8(found->texts[IndexOf(language)]);
}
