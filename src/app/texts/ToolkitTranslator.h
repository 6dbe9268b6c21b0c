#pragma once

#include "app/texts/Language.h"

#include <QByteArray>
#include <QHash>
#include <QTranslator>

#include <atomic>

// Gives the toolkit's own windows (the file and folder choosers with their
// questions and menus, the printer setup) the interface language, from the
// program's text table: the toolkit ships no Greek of its own. Installed while
// the interface speaks a language other than the toolkit's English; the
// toolkit then asks it first for each of its texts.
class ToolkitTranslator : public QTranslator
{
public:
    ToolkitTranslator();

    // Installs itself for a language the toolkit does not speak, removes itself for English.
    void follow(Language language);

    bool isEmpty() const override { return false; }
    // The toolkit may ask from its own threads (the chooser reads folders in one).
    QString translate(const char *context, const char *sourceText, const char *disambiguation = nullptr,
                      int n = -1) const override;

private:
    QHash<QByteArray, qsizetype> m_entries; // "context" NUL "source text" -> entry
    std::atomic<Language> m_language = Language::English;
    bool m_installed = false;
};
