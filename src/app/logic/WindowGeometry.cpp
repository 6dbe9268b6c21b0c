#include "app/logic/WindowGeometry.h"

#include <algorithm>
#include <cmath>

double WindowScale(QSize designed, QSize window, QSize fixed)
{
    const QSize scaling = designed - fixed;
    if (scaling.isEmpty())
        return 1.0;
    const QSize room = window - fixed;
    const double scale =
        std::min(double(room.width()) / scaling.width(), double(room.height()) / scaling.height());
    return std::clamp(scale, MinimumScale, MaximumScale);
}

QSize ScaledSize(QSize designed, double scale, QSize fixed)
{
    const QSize scaling = designed - fixed;
    return fixed
        + QSize(int(std::lround(scaling.width() * scale)), int(std::lround(scaling.height() * scale)));
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

QRect OpeningPlace(const std::optional<QRect> &kept, QSize designed, const QList<QRect> &screens,
                   const QRect &mainScreen, const QMargins &frame)
{
    if (kept && std::any_of(screens.cbegin(), screens.cend(), [&](const QRect &screen) { return screen.contains(*kept); }))
        return *kept;
    return FitToScreen(kept ? kept->size() : designed, mainScreen, frame);
}
