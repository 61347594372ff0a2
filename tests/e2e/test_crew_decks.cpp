// The crew deck with its floor at z 10 (deck index 4) seen from above with
// the ceilings off: cabins, heads and corridors with their partitions and
// doors.
#include <X11/keysym.h>
#include <gtest/gtest.h>

#include "tests/e2e/e2e_fixture.h"

namespace {

using e2e::EndToEnd;
using e2e::Image;
using e2e::Pixel;
using namespace e2e::colours;

// The overhead view looks down on x -68..188, y -128..128 with +y up the
// window: 2.5 pixels to a ship unit.
int column(double x) { return static_cast<int>((x + 68) * 2.5); }
int row(double y) { return static_cast<int>((128 - y) * 2.5); }

// Pixels of a colour over the ship rectangle x0..x1, y0..y1.
int count(const Image& shot, Pixel colour, double x0, double x1, double y0, double y1)
{
    return shot.count(colour, column(x0), row(y1), column(x1), row(y0));
}

TEST_F(EndToEnd, OverheadDeckFourShowsCabinsHeadsCorridorsAndDoors)
{
    auto tev = start();
    ASSERT_TRUE(tev->has_window());
    tev->press(XK_o);
    for (int i = 0; i < 5; ++i)  // all decks, then deck 0, 1, 2, 3, 4
        tev->press(XK_u);
    tev->press(XK_t);  // ceilings off
    const Image shot = tev->screenshot();
    save(shot, "deck_4_overhead");
    EXPECT_GT(shot.count(pink, 0, 10, 320, 40), 50) << "the first heads-up line";

    // The floors of two cabin pairs with their heads between them, and of
    // the three corridors across the deck (about 130, 28 and 180 pixels).
    for (double x0 : {13, 21}) {
        EXPECT_GT(count(shot, light_green, x0 + 0.5, x0 + 5.5, -10.5, -6.5), 100) << "cabin at x " << x0;
        EXPECT_GT(count(shot, light_green, x0 + 0.5, x0 + 5.5, 1.5, 5.5), 100) << "cabin at x " << x0;
        EXPECT_GT(count(shot, light_blue, x0, x0 + 6, -1, 1), 40) << "head at x " << x0;
    }
    for (double x0 : {19, 37, 51})
        EXPECT_GT(count(shot, mid_gray, x0, x0 + 2, -10, 8), 120) << "corridor at x " << x0;

    // At 2.5 pixels to the unit a 0.1-thick partition shows only where it
    // crosses pixel centres: it does in the four cabins y 0..9, at y 5.
    for (double x0 : {31, 39, 45, 53})
        EXPECT_GE(count(shot, gray, x0 + 0.6, x0 + 2.8, 4, 6), 4) << "partition of cabin at x " << x0;

    // Door leaves are lower than the walls they stand in, so from above
    // they show only beside them: at the +y ends of the corridors.
    const struct {
        double x, y;
    } corridor_doors[] = {{20, 11}, {38, 9}, {52, 9}};
    for (const auto& d : corridor_doors)
        EXPECT_GE(count(shot, pink, d.x - 2, d.x + 2, d.y - 2, d.y + 2), 2)
            << "door at (" << d.x << ", " << d.y << ")";
}

}  // namespace
