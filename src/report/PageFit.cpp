#include "report/PageFit.h"

PageFit FitReportPage(qsizetype characters, int pointSize, const PrinterMeasures &measures)
{
    const auto fits = [&](double width, int size) {
        return size >= 1 && std::size_t(size) <= measures.advances.size()
            && double(characters) * measures.advances[std::size_t(size - 1)] <= width;
    };
    PageFit fit{measures.landscape, pointSize, false, false};
    if (measures.advances.empty() || fits(measures.width, pointSize))
        return fit;
    fit.landscape = true;
    fit.turned = !measures.landscape;
    // Nothing fits even at one point: one point is the nearest to it.
    while (fit.pointSize > 1 && !fits(measures.landscapeWidth, fit.pointSize))
        --fit.pointSize;
    fit.reduced = fit.pointSize < pointSize;
    return fit;
}
