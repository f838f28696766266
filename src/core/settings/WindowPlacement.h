#pragma once
// Where the main window goes when its saved place is restored. The saved place
// may belong to a screen that is no longer there (a detached monitor, a
// smaller resolution), and a window outside every screen cannot be reached.

#include <QList>
#include <QRect>

// The outer bounds for a window saved at `saved`, given the available areas
// of the screens (virtual desktop coordinates). A window that lies wholly on
// the screens keeps its place. Any other is pulled onto the screen it overlaps
// most (the nearest one when it overlaps none): its size is kept where it
// fits and cut to the screen where it does not, and it moves only as far as
// needed to lie on that screen. Without screens nothing changes.
QRect PlaceWindowOnScreens(const QRect &saved, const QList<QRect> &screens);
