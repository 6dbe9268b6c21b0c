#pragma once

#include "app/texts/Language.h"
#include "report/ReportWords.h"

// The report's words in the chosen language, from the text table.
ReportWords ReportWordsFor(Language language);
