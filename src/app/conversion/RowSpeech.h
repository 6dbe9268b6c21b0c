#pragma once

#include "app/conversion/RowTexts.h"

#include <QString>

// What a screen reader says for a row's result: the amount label's name, the
// row's title and the amount shown ("GRD - Greek Drachma: 999,999"), and its
// description, the unrounded amount; the row's button describes itself with the
// amount shown, so that tabbing through the buttons reads every result.
struct RowSpeech
{
    QString amountName;
    QString amountDescription;
    QString buttonDescription;
};

// `text` as the row shows it, its tooltip filled whatever the tooltips setting
// says: a listener asks for it, it never pops up.
RowSpeech SpeechOf(const QString &title, const RowText &text);
