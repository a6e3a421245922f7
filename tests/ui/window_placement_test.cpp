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
        QList<QRect> screens;
        WindowPlacement expected;
    };
    const Case cases[] = {
        {"first start: three quarters, centred", std::nullopt, {laptop}, {QRect(160, 96, 960, 577), false}},
        {"first start on a small screen: never below the design size",
         std::nullopt,
         {QRect(0, 0, 800, 600)},
         {QRect(66, 75, 667, 450), false}},
        {"first start on a screen smaller than the design",
         std::nullopt,
         {QRect(0, 0, 640, 400)},
         {QRect(0, 0, 640, 400), false}},
        {"remembered on the screen: kept",
         WindowPlacement{QRect(40, 30, 900, 600), true},
         {laptop},
         {QRect(40, 30, 900, 600), true}},
        {"half off the right edge: moved back",
         WindowPlacement{QRect(900, 100, 800, 600), false},
         {laptop},
         {QRect(480, 100, 800, 600), false}},
        {"on the second screen: kept there",
         WindowPlacement{QRect(1400, 50, 1000, 700), false},
         {laptop, external},
         {QRect(1400, 50, 1000, 700), false}},
        {"mostly on the second screen, past its bottom",
         WindowPlacement{QRect(1200, 600, 1000, 700), false},
         {laptop, external},
         {QRect(1280, 380, 1000, 700), false}},
        {"screen unplugged: centred on the primary screen",
         WindowPlacement{QRect(1400, 50, 1000, 700), true},
         {laptop},
         {QRect(140, 35, 1000, 700), true}},
        {"larger than the screen: shrunk to it",
         WindowPlacement{QRect(-50, -20, 2000, 1200), false},
         {laptop},
         {QRect(0, 0, 1280, 770), false}},
        {"below the minimum size: enlarged",
         WindowPlacement{QRect(100, 100, 120, 80), false},
         {laptop},
         {QRect(100, 100, 500, 330), false}},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        const WindowPlacement placed = placeWindow(c.remembered, c.screens, design, minimum);
        EXPECT_EQ(placed.normal, c.expected.normal);
        EXPECT_EQ(placed.maximised, c.expected.maximised);
    }
}
