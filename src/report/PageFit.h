#pragma once

#include "platform/PlatformServices.h"

// How the printed report holds its whole line, the left margin included. The
// page setup's size in the orientation the printer is set up in, when the line
// fits there; else turned to landscape; else, in landscape, the largest whole
// point size at which it fits. For one run only: the page setup keeps its size.
struct PageFit
{
    bool landscape = false; // the page is printed in landscape
    int pointSize = 0;
    bool turned = false;  // to landscape, from the printer's portrait
    bool reduced = false; // below the page setup's size
};

// `characters` in the printer's fixed-pitch font at the page setup's size.
// Without measures the page is printed as it is set up.
PageFit FitReportPage(qsizetype characters, int pointSize, const PrinterMeasures &measures);
