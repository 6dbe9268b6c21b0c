#pragma once

#include "app/texts/Language.h"
#include "core/ErrorCode.h"
#include "platform/PlatformServices.h"

#include <QString>

#include <span>

// Every text the program shows, by its id; the ids and the words are one list
// (TextEntries.h).
enum class TextId {
#define TEXT(id, english, greek) id,
#include "app/texts/TextEntries.h"
#undef TEXT
    TextCount
};

QString Text(TextId id, Language language);

// The row title of a currency slot (0 to 13) in the chosen language.
QString CurrencyCaption(int slot, Language language);
// The name of a currency of LaterChangeovers (by its index there): "BGN - Bulgarian Lev".
QString LaterCurrencyName(int index, Language language);

// The description of an error code in the chosen language.
QString ErrorDescription(ErrorCode code, Language language);
// The same, naming the file the failure concerned: "Permission denied: /path".
QString FailureDescription(const Failure &failure, Language language);

// The captions of the message-box buttons in the chosen language.
MessageButtons MessageButtonTexts(Language language);

// The message of the unexpected-error report, with its two line breaks.
QString UnexpectedErrorMessage(qint32 number, const QString &description, Language language);

// A text of the toolkit's own windows (the file and folder choosers, the
// printer setup): the toolkit's context, then the text in every language, the
// English one being the toolkit's own as it asks for it.
struct ToolkitText
{
    const char *context;
    std::array<const char *, Languages.size()> texts;
};
// Every text of the toolkit's windows that the program gives in its other languages.
std::span<const ToolkitText> ToolkitTexts();
// The entry the toolkit asks for by its context and English text; null when none.
const ToolkitText *FindToolkitText(const char *context, const char *sourceText);
