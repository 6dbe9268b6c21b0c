#pragma once

#include <QString>

// Sections and keys of the settings file.
namespace Settings {
inline const QString General = QStringLiteral("General");
inline const QString Language = QStringLiteral("Language");
inline const QString ToolTipText = QStringLiteral("ToolTipText");
inline const QString PrintDestination = QStringLiteral("PrintDestination");
inline const QString OtherCurrency = QStringLiteral("OtherCurrency");
inline const QString InitialPath = QStringLiteral("InitialPath");

inline const QString Rates = QStringLiteral("Rates");
inline const QString Decimals = QStringLiteral("Decimals");

inline const QString Last = QStringLiteral("Last");
inline const QString Id = QStringLiteral("ID");
inline const QString Amount = QStringLiteral("Amount");

inline const QString PageSetup = QStringLiteral("PageSetup");
inline const QString FontName = QStringLiteral("FontName");
inline const QString FontSize = QStringLiteral("FontSize");
inline const QString TopMargin = QStringLiteral("TopMargin");
inline const QString LeftMargin = QStringLiteral("LeftMargin");
inline const QString LinesPerPage = QStringLiteral("LinesPerPage");

inline const QString ExportSettings = QStringLiteral("ExportSettings");
inline const QString ImportSettings = QStringLiteral("ImportSettings");
inline const QString Ini = QStringLiteral("Ini");
inline const QString SavedPaths = QStringLiteral("SavedPaths");
inline const QString Folder = QStringLiteral("Folder");
inline const QString DeleteAfter = QStringLiteral("DeleteAfter");

// The name of the settings file, which lies in the program's folder.
inline const QString FileName = QStringLiteral("zkEuroChangeoverAdviser.ini");
} // namespace Settings
