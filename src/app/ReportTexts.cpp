#include "app/ReportTexts.h"

#include "app/Texts.h"

ReportWords ReportWordsFor(bool greek)
{
    // The failure words are the row captions' own, without the space that
    // separates a caption from the label's edge.
    return ReportWords{Text(TextId::ProgramTitle, greek),
                       Text(TextId::ReportCurrencyTitle, greek),
                       Text(TextId::ReportRateTitle, greek),
                       Text(TextId::ReportRoundedTitle, greek),
                       Text(TextId::ReportUnroundedTitle, greek),
                       Text(TextId::OverflowCaption, greek).trimmed(),
                       Text(TextId::UndefinedCaption, greek).trimmed()};
}
