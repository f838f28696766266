#include "core/settings/WindowPlacement.h"

#include <QRegion>

#include <algorithm>
#include <cmath>

namespace {

qint64 area(const QRect &rect)
{
    return rect.isEmpty() ? 0 : qint64(rect.width()) * rect.height();
}

// How far a point lies from a rectangle (0 inside it).
double distance(const QPoint &point, const QRect &rect)
{
    const int dx = std::max({rect.left() - point.x(), 0, point.x() - rect.right()});
    const int dy = std::max({rect.top() - point.y(), 0, point.y() - rect.bottom()});
    return std::hypot(double(dx), double(dy));
}

// The screen the window belongs to: the one it covers most, or, when it
// covers none, the one nearest to its centre.
const QRect &targetScreen(const QRect &window, const QList<QRect> &screens)
{
    const QRect *best = &screens.front();
    qint64 bestOverlap = -1;
    for (const QRect &screen : screens) {
        const qint64 overlap = area(window.intersected(screen));
        if (overlap > bestOverlap) {
            best = &screen;
            bestOverlap = overlap;
        }
    }
    if (bestOverlap > 0)
        return *best;
    const QPoint centre = window.center();
    for (const QRect &screen : screens)
        if (distance(centre, screen) < distance(centre, *best))
            best = &screen;
    return *best;
}

} // namespace

QRect PlaceWindowOnScreens(const QRect &saved, const QList<QRect> &screens)
{
    if (screens.isEmpty())
        return saved;
    // A window spread over several screens that all of it is on stays put.
    QRegion covered;
    for (const QRect &screen : screens)
        covered += screen;
    if (QRegion(saved).subtracted(covered).isEmpty())
        return saved;

    const QRect &screen = targetScreen(saved, screens);
    const int width = std::min(saved.width(), screen.width());
    const int height = std::min(saved.height(), screen.height());
    const int left = std::clamp(saved.left(), screen.left(), screen.left() + screen.width() - width);
    const int top = std::clamp(saved.top(), screen.top(), screen.top() + screen.height() - height);
    return QRect(left, top, width, height);
}
