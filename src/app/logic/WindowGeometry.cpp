#include "app/logic/WindowGeometry.h"

#include <algorithm>
#include <cmath>

double WindowScale(QSize designed, QSize window, QSize fixed, double floor)
{
    const QSize scaling = designed - fixed;
    if (scaling.isEmpty())
        return 1.0;
    const QSize room = window - fixed;
    const double scale =
        std::min(double(room.width()) / scaling.width(), double(room.height()) / scaling.height());
    return std::clamp(scale, floor, MaximumScale);
}

QSize ScaledSize(QSize designed, double scale, QSize fixed)
{
    const QSize scaling = designed - fixed;
    return fixed
        + QSize(int(std::lround(scaling.width() * scale)), int(std::lround(scaling.height() * scale)));
}

double ScaleFloor(QSize designed, QSize fixed, QSize room)
{
    const QSize scaling = designed - fixed;
    if (scaling.isEmpty())
        return MinimumScale;
    const double fits = std::min(double(room.width() - fixed.width()) / scaling.width(),
                                 double(room.height() - fixed.height()) / scaling.height());
    return std::clamp(fits, LeastScale, MinimumScale);
}

QSize DesignedFor(QSize designed, QSize needed, QSize fixed, double scale)
{
    const QSize scaling = needed - fixed;
    return designed.expandedTo(
        fixed + QSize(int(std::ceil(scaling.width() / scale)), int(std::ceil(scaling.height() / scale))));
}

QRect FitToScreen(QSize wanted, const QRect &available, const QMargins &frame)
{
    // Only what does not fit is reduced: the scale follows the smaller ratio
    // anyway, and the room left in the other direction is the contents' to use.
    const QRect room = available.marginsRemoved(frame);
    QRect place(QPoint(), wanted.boundedTo(room.size()));
    place.moveCenter(room.center());
    return place;
}

QRect OpeningPlace(const std::optional<WindowPlace> &kept, QSize designed, const QList<ScreenArea> &screens,
                   const ScreenArea &mainScreen, const QMargins &frame)
{
    if (!kept)
        return FitToScreen(designed, mainScreen.available, frame);
    const bool sized = !kept->geometry.isEmpty();
    const QRect place(kept->geometry.topLeft(), sized ? kept->geometry.size() : designed);
    const bool onScreen = std::any_of(screens.cbegin(), screens.cend(), [&](const ScreenArea &screen) {
        return screen.pixelRatio == kept->pixelRatio && screen.available.contains(place);
    });
    // Its frame is not known yet: a guess larger than the desktop's would move
    // a window kept at a screen's edge. The frame is fitted once it is drawn.
    if (onScreen)
        return place;
    // A size taken under another ratio is no size the user chose here.
    const bool usersHere = sized && kept->pixelRatio == mainScreen.pixelRatio;
    return FitToScreen(usersHere ? place.size() : designed, mainScreen.available, frame);
}
