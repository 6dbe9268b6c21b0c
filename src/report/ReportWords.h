#pragma once

#include <QString>

// The words of the report in the language it is printed in. The report lays out
// numbers; the layer that owns the texts fills these (app/conversion/ReportTexts.h).
struct ReportWords
{
    QString title;         // the program title, first on the page header
    QString currencyTitle; // the column titles, each exactly as wide as its column
    QString rateTitle;
    QString roundedTitle;
    QString unroundedTitle;
    QString overflow;  // in the amount columns of the row converted from, after an overflow
    QString undefined; // in the amount columns of every other row then
};
