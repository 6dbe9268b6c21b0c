#pragma once

#include "settings/IniDocument.h"

#include <QString>

// The two fonts the report is printed in.
inline const QString CourierNew = QStringLiteral("Courier New");
inline const QString CourierNewGreek = QStringLiteral("Courier New Greek");

// The page setup of the printed report.
struct PageSetupValues
{
    QString FontName = CourierNew; // or CourierNewGreek
    qint16 FontSize = 8;           // points, 8 to 12
    qint16 TopMargin = 0;          // lines, 0 to 20
    qint16 LeftMargin = 0;         // characters, 0 to 30
    qint16 LinesPerPage = 30;      // 30 to 80
};

// Reads the five values of the page setup; any font name other than the two
// known ones becomes "Courier New".
PageSetupValues LoadPageSetup(const IniDocument &ini);
// Writes them in the order FontName, FontSize, TopMargin, LeftMargin, LinesPerPage.
void SavePageSetup(const PageSetupValues &values, IniDocument &ini);
