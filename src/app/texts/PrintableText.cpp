#include "app/texts/PrintableText.h"

#include <algorithm>

bool IsUnprintable(QChar c)
{
    const char16_t u = c.unicode();
    // C0, DEL and C1; the Arabic letter mark, the left-to-right and right-to-left
    // marks, the embeddings and overrides, the isolates; and the line and
    // paragraph separators, which end a line as a line end does.
    return u < 0x20 || (u >= 0x7F && u <= 0x9F) || u == 0x061C || u == 0x200E || u == 0x200F
        || (u >= 0x2028 && u <= 0x202E) || (u >= 0x2066 && u <= 0x2069);
}

bool IsPrintableText(QStringView text) { return std::none_of(text.begin(), text.end(), IsUnprintable); }

QString PrintableText(QStringView text)
{
    QString printable = text.toString();
    std::replace_if(printable.begin(), printable.end(), IsUnprintable, QChar(QChar::ReplacementCharacter));
    return printable;
}
