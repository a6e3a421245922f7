#include "ui/window_placement.h"

#include <gtest/gtest.h>

TEST(WindowPlacement, FirstStartsAndRememberedPlacesEndOnAScreen)
{
    const QRect laptop(0, 0, 1280, 770); // available area: a panel takes the bottom 30 pixels
    const QRect external(1280, 0, 1920, 1080);
    const QSize design(667, 433);
    const QSize minimum(500, 330);
    struct Case
    {
        const char *name;
        std::optional<WindowPlacement> remembered;
        QRect screen;      // the primary screen
        bool withExternal; // the external screen to its right too
        QRect normal;
        bool maximised;
    };
    const auto at = [](int x, int y, int width, int height, bool maximised) {
        return std::optional(WindowPlacement{QRect(x, y, width, height), maximised});
    };
    const Case cases[] = {
        {"first start: three quarters, centred", std::nullopt, laptop, false, QRect(160, 96, 960, 577),
         false},
        {"first start on a small screen: never below the design size", std::nullopt, QRect(0, 0, 800, 600),
         false, QRect(66, 75, 667, 450), false},
        {"first start on a screen smaller than the design", std::nullopt, QRect(0, 0, 640, 400), false,
         QRect(0, 0, 640, 400), false},
        {"remembered on the screen: kept", at(40, 30, 900, 600, true), laptop, false, QRect(40, 30, 900, 600),
         true},
        {"half off the right edge: moved back", at(900, 100, 800, 600, false), laptop, false,
         QRect(480, 100, 800, 600), false},
        {"on the second screen: kept there", at(1400, 50, 1000, 700, false), laptop, true,
         QRect(1400, 50, 1000, 700), false},
        {"mostly on the second screen, past its bottom", at(1200, 600, 1000, 700, false), laptop, true,
         QRect(1280, 380, 1000, 700), false},
        {"screen unplugged: centred on the primary screen", at(1400, 50, 1000, 700, true), laptop, false,
         QRect(140, 35, 1000, 700), true},
        {"larger than the screen: shrunk to it", at(-50, -20, 2000, 1200, false), laptop, false,
         QRect(0, 0, 1280, 770), false},
        {"below the minimum size: enlarged", at(100, 100, 120, 80, false), laptop, false,
         QRect(100, 100, 500, 330), false},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        const WindowPlacement placed = placeWindow(
            c.remembered, c.withExternal ? QList{c.screen, external} : QList{c.screen}, design, minimum);
        EXPECT_EQ(placed.normal, c.normal);
        EXPECT_EQ(placed.maximised, c.maximised);
    }
}
