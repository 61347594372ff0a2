// The real tev under Xvfb, seen the way a person sees it: the window, what it
// prints, how it ends and what is on the screen.
#include <X11/keysym.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <memory>
#include <regex>
#include <string>

#include "tests/e2e/x_session.h"

namespace {

using e2e::Image;
using e2e::Pixel;
using e2e::Tev;

const Pixel black{0, 0, 0};
const Pixel light_blue{102, 102, 255};  // the Earth
const Pixel pink{255, 102, 102};        // first heads-up line
const Pixel light_green{102, 255, 102}; // second heads-up line, cabins
const Pixel gray{178, 178, 178};        // walls
const Pixel mid_gray{153, 153, 153};    // ceilings, corridors

class EndToEnd : public testing::Test {
protected:
    static void SetUpTestSuite() { display = std::make_unique<e2e::VirtualDisplay>(); }
    static void TearDownTestSuite() { display.reset(); }

    // Starts tev in a fresh working directory named after the test.
    std::unique_ptr<Tev> start()
    {
        const std::string dir = std::string(SCREENSHOT_DIR) + "/run_" +
                                testing::UnitTest::GetInstance()->current_test_info()->name();
        std::system(("rm -rf '" + dir + "'").c_str());
        auto tev = std::make_unique<Tev>(display->name(), dir);
        EXPECT_TRUE(tev->has_window()) << "no window titled \"TEV V1.0\" appeared";
        return tev;
    }

    static void save(const Image& image, const std::string& name)
    {
        image.save_png(std::string(SCREENSHOT_DIR) + "/" + name + ".png");
    }

    static std::unique_ptr<e2e::VirtualDisplay> display;
};

std::unique_ptr<e2e::VirtualDisplay> EndToEnd::display;

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
    auto count_in_band = [&](Pixel c, int top, int bottom) {
        int n = 0;
        for (int y = top; y < bottom; ++y)
            for (int x = 0; x < 320; ++x) {
                const Pixel& p = shot.at(x, y);
                n += std::abs(p.r - c.r) <= 3 && std::abs(p.g - c.g) <= 3 && std::abs(p.b - c.b) <= 3;
            }
        return n;
    };
    // The lines stand one and two tenths of the half-height below the top:
    // their baselines at rows 32 and 64.
    EXPECT_GT(count_in_band(pink, 10, 40), 50) << "first line, pink";
    EXPECT_GT(count_in_band(light_green, 42, 72), 50) << "second line, light green";
    EXPECT_GT(shot.share(mid_gray), 0.02) << "ceilings seen from above";
}

}  // namespace
