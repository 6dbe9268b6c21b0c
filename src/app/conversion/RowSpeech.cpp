#include "app/conversion/RowSpeech.h"

RowSpeech SpeechOf(const QString &title, const RowText &text)
{
    const QString shown = text.caption.trimmed();
    return {title + QStringLiteral(": ") + shown, text.toolTip.trimmed(), shown};
}
