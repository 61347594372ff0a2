// Deck index 3 seen from above with the ceilings off: the hangar deck with
// its floor, pad marker and platform, and the lift run with its car.
#include <X11/keysym.h>
#include <gtest/gtest.h>

#include "tests/e2e/e2e_fixture.h"

namespace {

using e2e::EndToEnd;
using e2e::Image;
using namespace e2e::colours;

// The overhead view looks down on x -68..188, y -128..128 (ship units) in
// the 640-pixel window: 2.5 pixels a unit, +x to the right, +y up.
int column(double x) { return static_cast<int>((x + 68) * 2.5); }
int row(double y) { return static_cast<int>((128 - y) * 2.5); }

// Pixels of a colour within the ship-frame rectangle x0..x1, y0..y1.
int count_in(const Image& shot, e2e::Pixel colour, double x0, double x1, double y0, double y1)
{
    return shot.count(colour, column(x0), row(y1), column(x1), row(y0));
}

int area(double x0, double x1, double y0, double y1)
{
    return (column(x1) - column(x0)) * (row(y0) - row(y1));
}

TEST_F(EndToEnd, OverheadDeckThreeShowsTheHangarAndTheLiftRunFittings)
{
    auto tev = start();
    ASSERT_TRUE(tev->has_window());
    tev->press(XK_o);
    for (int deck = 0; deck <= 3; ++deck)  // from all decks up to deck index 3
        tev->press(XK_u);
    tev->press(XK_t);  // ceilings off, so the fittings show from above
    const Image shot = tev->screenshot();
    save(shot, "overhead_deck_3");

    // The hangar lays its own mid-gray floor; forward of the ring it is bare.
    EXPECT_GT(count_in(shot, mid_gray, 5, 9, -9, 9), area(5, 9, -9, 9) * 8 / 10)
        << "hangar floor";
    // The pad marker at the aft edge: a dark plate with two white quarters.
    EXPECT_GT(count_in(shot, white, -22, -14, -2, 2), 50) << "white quarters of the pad marker";
    EXPECT_GT(count_in(shot, dark_gray, -22, -14, -2, 2), 50) << "dark plate of the pad marker";
    // The platform under the floor reaches out beyond the open aft end.
    EXPECT_GT(count_in(shot, mid_gray, -25.5, -22.5, -2, 2), area(-25.5, -22.5, -2, 2) * 8 / 10)
        << "platform beyond the aft edge";
    // The car of the lift run at x 60 on the centre line.
    EXPECT_GT(count_in(shot, dark_gray, 58, 62, -2, 2), 40) << "lift car";
}

}  // namespace
