// The real tev under Xvfb, seen the way a person sees it: the window, what it
// prints, how it ends and what is on the screen.
#include <X11/keysym.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <regex>
#include <string>

#include "tests/e2e/e2e_fixture.h"

namespace {

using e2e::EndToEnd;
using e2e::Image;
using e2e::Pixel;
using namespace e2e::colours;

TEST_F(EndToEnd, OpensItsWindowAndPrintsTheHelpText)
{
    auto tev = start();
    ASSERT_TRUE(tev->has_window());
    EXPECT_EQ(tev->title(), "TEV V1.0");
    int x, y, width, height;
    tev->geometry(x, y, width, height);
    EXPECT_EQ(width, 640);
    EXPECT_EQ(height, 640);
    EXPECT_EQ(x, 160);
    EXPECT_EQ(y, 40);

    ASSERT_TRUE(tev->wait_for_output("ESC/Q \t quit\n"));
    const std::regex help(
        "TEV V1\\.0 \\(beta 3\\) built [A-Z][a-z]{2} [A-Z][a-z]{2} [ 0-9][0-9] "
        "[0-9]{2}:[0-9]{2}:[0-9]{2} [0-9]{2} A\\.S\\.\n"
        "Self-Replicating Starship Simulation\n\\(Tollenvar Class Seedshuttle\\)\n"
        "https://tev\\.example\\.org/\n\n"
        "E \t toggle earth\n(.*\n){19}"
        "ESC/Q \t quit\n");
    EXPECT_TRUE(std::regex_match(tev->output(), help)) << tev->output();
}

TEST_F(EndToEnd, UnknownKeyPrintsItsDiagnosticAndTheProgramGoesOn)
{
    auto tev = start();
    ASSERT_TRUE(tev->wait_for_output("ESC/Q \t quit\n"));
    tev->press(XK_b);
    EXPECT_TRUE(tev->wait_for_output("\nDon't know what to do with keyboard hit: 'b' (0x62)\n"));
    tev->press(XK_5);
    EXPECT_TRUE(tev->wait_for_output("\nDon't know what to do with keyboard hit: '5' (0x35)\n"));
    EXPECT_EQ(tev->wait_exit(0.5), -1) << "the program must carry on";
    EXPECT_TRUE(tev->has_window());
}

TEST_F(EndToEnd, QuitKeysEndTheProcessWithStatusZero)
{
    struct {
        unsigned long keysym;
        bool shift;
    } const quits[] = {{XK_Escape, false}, {XK_q, false}, {XK_q, true}};
    for (const auto& q : quits) {
        auto tev = start();
        ASSERT_TRUE(tev->has_window());
        tev->press(q.keysym, q.shift);
        EXPECT_EQ(tev->wait_exit(10), 0) << "keysym " << q.keysym << " shift " << q.shift;
    }
}

// The start-up view: the Earth below the ship in orbit fills part of the
// picture; the ship's compartments show in their colours elsewhere.
TEST_F(EndToEnd, FirstFrameShowsTheEarthAndTheShip)
{
    auto tev = start();
    ASSERT_TRUE(tev->has_window());
    const Image shot = tev->screenshot();
    save(shot, "first_frame");
    ASSERT_EQ(shot.width, 640);
    const double earth = shot.share(light_blue);
    EXPECT_GT(earth, 0.10);
    EXPECT_LT(earth, 0.90);
    const double ship = 1 - earth - shot.share(black);
    EXPECT_GT(ship, 0.01) << "ship colours";
    EXPECT_GT(shot.share(gray) + shot.share(mid_gray), 0.005) << "walls and ceilings";
}

// Overhead, the two heads-up lines stand at the top left in pink and light
// green over the ship seen from above.
TEST_F(EndToEnd, OverheadViewShowsTheHeadsUpLines)
{
    auto tev = start();
    ASSERT_TRUE(tev->has_window());
    tev->press(XK_o);
    const Image shot = tev->screenshot();
    save(shot, "overhead");
    // The lines stand one and two tenths of the half-height below the top:
    // their baselines at rows 32 and 64.
    EXPECT_GT(shot.count(pink, 0, 10, 320, 40), 50) << "first line, pink";
    EXPECT_GT(shot.count(light_green, 0, 42, 320, 72), 50) << "second line, light green";
    EXPECT_GT(shot.share(mid_gray), 0.02) << "ceilings seen from above";
}

}  // namespace
