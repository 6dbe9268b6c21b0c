#pragma once

#include <QString>

// Every text the program shows, in English and Greek side by side (Texts.cpp).
// A text missing in either language fails the texts test.
enum class TextId {
    ProgramTitle,
    // Row words after a failed conversion.
    OverflowCaption,
    OverflowToolTip,
    UndefinedCaption,
    UndefinedToolTip,

    TextCount
};

QString Text(TextId id, bool greek);
