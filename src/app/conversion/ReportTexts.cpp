#include "app/conversion/ReportTexts.h"

#include "app/texts/Texts.h"

ReportWords ReportWordsFor(Language language)
{
    // The failure words are the row captions' own, without the space that
    // separates a caption from the label's edge.
    return ReportWords{Text(TextId::ProgramTitle, language),
                       Text(TextId::ReportCurrencyTitle, language),
                       Text(TextId::ReportRateTitle, language),
                       Text(TextId::ReportRoundedTitle, language),
                       Text(TextId::ReportUnroundedTitle, language),
                       Text(TextId::OverflowCaption, language).trimmed(),
                       Text(TextId::UndefinedCaption, language).trimmed()};
}
