#include <GL/freeglut.h>
#include <gtest/gtest.h>

#include <cstring>
#include <cctype>
#include <string>

#include "app/app.h"
#include "app/input.h"
#include "render/render.h"
#include "tests/scene.h"
#include "view/view_state.h"

using gl_capture::state;

const char* const help_after_title =
    "Self-Replicating Starship Simulation\n(Tollenvar Class Seedshuttle)\n"
    "https://tev.example.org/\n\n"
    "E \t toggle earth\n"
    "F \t toggle alpha\n"
    "Z \t begin construction (no blocks)\n"
    "J \t construction forward\n"
    "H \t construction reverse\n"
    "A \t end construction (show all blocks)\n"
    "U \t scans up thru decks built\n"
    "N \t scans dn thru decks built\n"
    "L \t all decks built displayed\n"
    "X \t toggle landing bay target\n"
    "O \t overhead view (page keys zoom <shift>)\n"
    "P \t perspective view\n"
    "S \t rotate view about + z-axis <shift>\n"
    "D \t rotate view about - z-axis <shift>\n"
    "T \t toggle ceilings\n"
    "V \t reset view\n"
    "M \t helps view on slower machines\n"
    "arrow keys move in xy plane, <shift> faster\n"
    "HOME, END\t move +,- z-axis\n"
    "INSERT\t view down and <shift> view up - F1 to level\n"
    "ESC/Q \t quit\n";

// The title line ends in the build time with a two-digit year:
// "TEV V1.0 (beta 3) built Sun Jul  8 09:45:30 01 A.S.\n".
bool is_title_line(const std::string& line)
{
    const std::string head = "TEV V1.0 (beta 3) built ", tail = " A.S.\n";
    const std::string shape = "Aaa Aaa _9 99:99:99 99";  // A upper, a lower, 9 digit, _ space or digit
    if (line.size() != head.size() + shape.size() + tail.size() || line.rfind(head, 0) != 0 ||
        line.compare(line.size() - tail.size(), tail.size(), tail) != 0)
        return false;
    const std::string stamp = line.substr(head.size(), shape.size());
    for (size_t i = 0; i < shape.size(); ++i) {
        const char c = stamp[i];
        const bool fits = shape[i] == 'A'   ? std::isupper(c)
                          : shape[i] == 'a' ? std::islower(c)
                          : shape[i] == '9' ? std::isdigit(c)
                          : shape[i] == '_' ? c == ' ' || std::isdigit(c)
                                            : c == shape[i];
        if (!fits)
            return false;
    }
    const std::string days = "SunMonTueWedThuFriSat", months = "JanFebMarAprMayJunJulAugSepOctNovDec";
    const size_t day = days.find(stamp.substr(0, 3)), month = months.find(stamp.substr(4, 3));
    return day != std::string::npos && day % 3 == 0 && month != std::string::npos && month % 3 == 0;
}

TEST(StartUp, OpensTheWindowAndRegistersTheCallbacks)
{
    scene::start_program();
    const gl_capture::State& s = state();
    EXPECT_EQ(s.window_title, "TEV V1.0");
    EXPECT_EQ(s.window_width, 640);
    EXPECT_EQ(s.window_height, 640);
    EXPECT_EQ(s.window_x, 160);
    EXPECT_EQ(s.window_y, 40);
    EXPECT_EQ(s.display_mode, unsigned(GLUT_RGB | GLUT_DOUBLE | GLUT_DEPTH));
    EXPECT_EQ(main_window, s.window_id);
    for (float c : s.clear_colour)
        EXPECT_EQ(c, 0.0f);
    EXPECT_EQ(s.shade_model, unsigned(GL_FLAT));
    EXPECT_EQ(s.display_func, &display);
    EXPECT_EQ(s.keyboard_func, &keyboard);
    EXPECT_EQ(s.special_func, &special_keys);
    // The replayed keys f, a, l, w and ? each ask for a redisplay; nothing
    // is drawn before the event loop runs.
    EXPECT_EQ(s.redisplays, 5);
    EXPECT_TRUE(s.prims.empty());
}

TEST(StartUp, LeavesTheViewStateOfTheFirstFrame)
{
    std::memset(&view_state, 0x5a, sizeof view_state);  // start-up must not rely on zeroed memory
    scene::start_program();
    const ViewState& v = view_state;
    EXPECT_EQ(v.show_station, 1);
    EXPECT_EQ(v.show_earth, 1);
    EXPECT_EQ(v.far_clip, 0);
    EXPECT_EQ(v.show_hull, 0);
    EXPECT_EQ(v.world_view, 1);
    EXPECT_EQ(v.blocks_shown, 140);
    EXPECT_EQ(v.deck_shown, 16);
    EXPECT_EQ(v.show_ceilings, 1);
    EXPECT_EQ(v.show_target, 0);
    EXPECT_EQ(v.zoom, 128.0f);
    EXPECT_EQ(v.perspective_mode, 1);
    EXPECT_EQ(v.cam_x, -256.0f);
    EXPECT_EQ(v.cam_y, 20.0f);
    EXPECT_EQ(v.cam_z, 16.0f);
    EXPECT_EQ(v.view_angle, 110.0f);
    EXPECT_EQ(v.view_pitch, 0.0f);
    EXPECT_STREQ(v.hud_deck_text, "");
    EXPECT_STREQ(v.hud_view_text, "");
}

TEST(StartUp, PrintsTheHelpTextOnceExactly)
{
    const std::string out = scene::start_program();
    const size_t title_end = out.find('\n') + 1;
    EXPECT_TRUE(is_title_line(out.substr(0, title_end))) << out.substr(0, title_end);
    EXPECT_EQ(out.substr(title_end), help_after_title);
}

TEST(StartUp, QuestionMarkPrintsTheHelpTextAgain)
{
    scene::start_program();
    testing::internal::CaptureStdout();
    keyboard('?', 0, 0);
    const std::string out = testing::internal::GetCapturedStdout();
    const size_t title_end = out.find('\n') + 1;
    EXPECT_TRUE(is_title_line(out.substr(0, title_end))) << out.substr(0, title_end);
    EXPECT_EQ(out.substr(title_end), help_after_title);
}

using StartUpDeathTest = testing::Test;

// Escape, Q and q finish drawing, destroy the window and exit with status 0.
TEST(StartUpDeathTest, QuitKeysDestroyTheWindowAndExitWithStatusZero)
{
    for (unsigned char key : {'\033', 'Q', 'q'}) {
        scene::start_program();
        EXPECT_EXIT(keyboard(key, 0, 0), testing::ExitedWithCode(0),
                    "glFinish\nglutDestroyWindow\\(7\\)\n")
            << "key " << int(key);
    }
}
