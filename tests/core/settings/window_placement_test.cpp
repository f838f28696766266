// The restored window's place: kept when it lies on the screens, pulled onto
// a screen otherwise, for one screen and for several.

#include "core/settings/WindowPlacement.h"

#include <gtest/gtest.h>

namespace {

// Available areas: a full-HD screen with a task bar, a smaller one to its
// right, and one to the left of the origin.
const QRect Main(0, 0, 1920, 1040);
const QRect Right(1920, 0, 1280, 984);
const QRect Left(-1280, 0, 1280, 1024);

struct PlacementCase {
    const char *name;
    QRect saved;
    QList<QRect> screens;
    QRect expected;
};

void PrintTo(const PlacementCase &c, std::ostream *os)
{
    *os << c.name;
}

class WindowPlacement : public ::testing::TestWithParam<PlacementCase>
{
};

TEST_P(WindowPlacement, LandsOnTheScreens)
{
    const PlacementCase &c = GetParam();
    const QRect placed = PlaceWindowOnScreens(c.saved, c.screens);
    EXPECT_EQ(placed, c.expected) << "got " << placed.x() << "," << placed.y() << " " << placed.width() << "x"
                                  << placed.height();
}

const PlacementCase Cases[] = {
    {"on the screen stays", QRect(10, 10, 938, 708), {Main}, QRect(10, 10, 938, 708)},
    {"filling the screen stays", Main, {Main}, Main},
    {"wholly off to the left", QRect(-3000, 100, 938, 708), {Main}, QRect(0, 100, 938, 708)},
    {"wholly off to the right", QRect(5000, 100, 938, 708), {Main}, QRect(982, 100, 938, 708)},
    {"wholly off above", QRect(100, -2000, 938, 708), {Main}, QRect(100, 0, 938, 708)},
    {"wholly off below", QRect(100, 5000, 938, 708), {Main}, QRect(100, 332, 938, 708)},
    {"wholly off beyond a corner", QRect(-4000, -4000, 938, 708), {Main}, QRect(0, 0, 938, 708)},
    {"partly off to the right", QRect(1500, 100, 938, 708), {Main}, QRect(982, 100, 938, 708)},
    {"partly off above and to the left", QRect(-100, -50, 938, 708), {Main}, QRect(0, 0, 938, 708)},
    {"partly off below the task bar", QRect(100, 400, 938, 708), {Main}, QRect(100, 332, 938, 708)},
    {"larger than the screen", QRect(-10, -10, 2500, 1500), {Main}, QRect(0, 0, 1920, 1040)},
    {"taller than the screen only", QRect(300, 0, 938, 1200), {Main}, QRect(300, 0, 938, 1040)},
    {"larger and wholly off", QRect(6000, 3000, 2500, 1500), {Main}, QRect(0, 0, 1920, 1040)},
    {"on the second screen stays", QRect(2000, 100, 938, 708), {Main, Right}, QRect(2000, 100, 938, 708)},
    {"across two screens stays", QRect(1500, 100, 938, 708), {Main, Right}, QRect(1500, 100, 938, 708)},
    // Mostly on the shorter screen and partly off it: pulled wholly onto that one.
    {"across two screens, below the shorter one", QRect(1800, 500, 938, 708), {Main, Right},
     QRect(1920, 276, 938, 708)},
    {"beyond the second screen goes to it", QRect(4000, 100, 938, 708), {Main, Right}, QRect(2262, 100, 938, 708)},
    {"off the second screen's bottom", QRect(2000, 900, 938, 708), {Main, Right}, QRect(2000, 276, 938, 708)},
    {"left of the origin stays", QRect(-1000, 100, 938, 708), {Main, Left}, QRect(-1000, 100, 938, 708)},
    {"beyond the left screen goes to it", QRect(-5000, 100, 938, 708), {Left, Main}, QRect(-1280, 100, 938, 708)},
    {"on a screen that is gone", QRect(2500, 100, 938, 708), {Main}, QRect(982, 100, 938, 708)},
    {"no screens: unchanged", QRect(-3000, 100, 938, 708), {}, QRect(-3000, 100, 938, 708)},
};

INSTANTIATE_TEST_SUITE_P(Cases, WindowPlacement, ::testing::ValuesIn(Cases));

} // namespace
