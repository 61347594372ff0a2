// The station and the landing-bay target as a person sees them on the screen.
#include <X11/keysym.h>
#include <gtest/gtest.h>

#include "tests/e2e/e2e_fixture.h"

namespace {

using e2e::EndToEnd;
using e2e::Image;
using e2e::Pixel;
using namespace e2e::colours;

const Pixel yellow{255, 255, 0};

// At start-up the station floats below the ship, against the black of space
// and the Earth's rim: pale yellow panels and wings, its white node and last
// module, gray modules. F takes it away again.
TEST_F(EndToEnd, StartUpViewShowsTheStationBelowTheShip)
{
    auto tev = start();
    ASSERT_TRUE(tev->has_window());
    const Image shot = tev->screenshot();
    save(shot, "station");
    // The station's corner of the picture: x 200..480, y 420..580.
    EXPECT_GT(shot.count(pale_yellow, 200, 420, 480, 580), 1000) << "panels and wings";
    EXPECT_GT(shot.count(white, 200, 420, 480, 580), 300) << "white modules";
    EXPECT_GT(shot.count(gray, 200, 420, 480, 580) + shot.count(mid_gray, 200, 420, 480, 580), 800)
        << "gray modules and mast";
    EXPECT_GT(shot.count(pink, 200, 420, 480, 580), 20) << "pink caps";

    tev->press(XK_f);
    const Image hidden = tev->screenshot();
    save(hidden, "station_hidden");
    EXPECT_EQ(hidden.count(pale_yellow, 200, 420, 480, 580), 0) << "station hidden with F";
    EXPECT_EQ(hidden.count(white, 200, 420, 480, 580), 0) << "station hidden with F";
}

// Seen from above, the target is a yellow L at the ship's origin: 10 units
// along +x to the right and along +y up the window, 2 pixels wide. At the
// overhead view's 2.5 pixels a unit the origin falls at (170, 320). It stands
// inside the hangar, whose floor hides it from above once the ship is built,
// so the construction is taken back to its beginning first.
TEST_F(EndToEnd, OverheadViewWithXShowsTheYellowTarget)
{
    auto tev = start();
    ASSERT_TRUE(tev->has_window());
    tev->press(XK_o);
    tev->press(XK_z);
    const Image before = tev->screenshot();
    EXPECT_EQ(before.count(yellow, 0, 0, 640, 640), 0) << "no target before X";

    tev->press(XK_x);
    const Image shot = tev->screenshot();
    save(shot, "overhead_target");
    EXPECT_GT(shot.count(yellow, 172, 318, 200, 324), 30) << "x arm, 2 pixels wide, to the right";
    EXPECT_GT(shot.count(yellow, 166, 290, 174, 318), 30) << "y arm, up the window";
    EXPECT_EQ(shot.count(yellow, 0, 0, 640, 640), shot.count(yellow, 160, 285, 200, 330))
        << "yellow only at the origin";

    tev->press(XK_x);
    EXPECT_EQ(tev->screenshot().count(yellow, 0, 0, 640, 640), 0) << "X again hides it";
}

}  // namespace
