#pragma once

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

// The scale of a window's fonts, pictures and controls: its size against the
// size it was designed at, the smaller of the width and the height ratio (so
// that everything still fits), within the limits above. `fixed` is the part of
// the designed size that does not scale (frames and marks the desktop's style
// draws at one size); the ratios are those of the rest.
double WindowScale(QSize designed, QSize window, QSize fixed = QSize(0, 0));

// The size of a window laid out at a scale: its fixed part, and the rest scaled.
QSize ScaledSize(QSize designed, double scale, QSize fixed = QSize(0, 0));

// A window of the size wanted, reduced where it and its frame do not fit the
// screen's available area, centred there. The rectangle is the window's own,
// without the frame.
QRect FitToScreen(QSize wanted, const QRect &available, const QMargins &frame);

// Where the main window opens. Where it was last, when that place still lies
// wholly on one of the screens (their available areas); otherwise centred on
// the main screen, at the size it had (its designed size when none was kept),
// reduced to fit.
QRect OpeningPlace(const std::optional<QRect> &kept, QSize designed, const QList<QRect> &screens,
                   const QRect &mainScreen, const QMargins &frame);
