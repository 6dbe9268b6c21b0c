#pragma once

#include "settings/StateStore.h"

#include <QList>
#include <QMargins>
#include <QRect>
#include <QSize>

#include <optional>

// How big a window's contents are drawn, and where a window opens. Pure
// arithmetic on sizes and screen rectangles, so that it is tested without a
// screen; the windows apply it.

// The smallest and the largest scale: text stays readable at the one, and a
// window does not outgrow a wall screen at the other.
constexpr double MinimumScale = 0.6;
constexpr double MaximumScale = 3.0;
// Below the smallest scale only where a screen is too small to hold the window
// at it (a large text setting on a small screen), and never below this.
constexpr double LeastScale = 0.3;

// The scale of a window's fonts, pictures and controls: its size against the
// size it was designed at, the smaller of the width and the height ratio (so
// that everything still fits), within `floor` and MaximumScale. `fixed` is the
// part of the designed size that does not scale (frames and marks the desktop's
// style draws at one size); the ratios are those of the rest.
double WindowScale(QSize designed, QSize window, QSize fixed = QSize(0, 0), double floor = MinimumScale);

// The size of a window laid out at a scale: its fixed part, and the rest scaled.
QSize ScaledSize(QSize designed, double scale, QSize fixed = QSize(0, 0));

// The smallest scale a window may take in `room` (its screen's available area
// without the frame): MinimumScale where the window fits at it, else the scale
// at which it fits, down to LeastScale.
double ScaleFloor(QSize designed, QSize fixed, QSize room);

// The size a window is designed at while its contents need `needed` at
// `scale`: the size it was first designed at, made larger where the contents
// need more (the part that scales taken back to the designed scale). Contents
// that need less again give the room back.
QSize DesignedFor(QSize designed, QSize needed, QSize fixed, double scale);

// A window of the size wanted, reduced where it and its frame do not fit the
// screen's available area, centred there. The rectangle is the window's own,
// without the frame.
QRect FitToScreen(QSize wanted, const QRect &available, const QMargins &frame);

// A screen's available area and its device pixels to a pixel, in percent.
struct ScreenArea
{
    QRect available;
    int pixelRatio = 100;
};

// Where the main window opens: where it was last, when that place still lies
// wholly on a screen of the pixel ratio it was kept under (at its designed
// size where the user chose none). Otherwise centred on the
// main screen, at the size the user gave it under this ratio, else at its
// designed size, reduced to fit.
QRect OpeningPlace(const std::optional<WindowPlace> &kept, QSize designed, const QList<ScreenArea> &screens,
                   const ScreenArea &mainScreen, const QMargins &frame);
