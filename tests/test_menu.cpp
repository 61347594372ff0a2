#include <GL/freeglut.h>
#include <gtest/gtest.h>

#include <climits>
#include <cstring>
#include <string>
#include <utility>
#include <vector>

#include "app/app.h"
#include "app/input.h"
#include "tests/scene.h"
#include "view/view_state.h"

namespace {

class Menu : public testing::Test {
protected:
    void SetUp() override { scene::start_program(); }

    static std::string choose(int value)
    {
        testing::internal::CaptureStdout();
        main_menu(value);
        return testing::internal::GetCapturedStdout();
    }
};

// Each entry on the right button asks for a redisplay and leaves the view as
// the keys a user would type instead leave it, from a view start-up does not
// give: nothing built, deck 14, the Earth, the station and the world view
// off, the camera moved and tilted.
TEST_F(Menu, EachEntryOnTheRightButtonDoesWhatItsKeysDo)
{
    const auto set_from = [] {
        scene::press("ZNNefw");
        view_state.cam_x = 3;
        view_state.view_pitch = 0.2f;
    };
    const struct {
        const char* text;
        int value;
        const char* keys;
    } entries[] = {
        // text                 value  keys
        {"Show All",            9,     "alef"},  // all blocks, all decks, Earth and station back
        {"Earth",               8,     "e"},
        {"ISS Alpha",           7,     "f"},
        {"Reset View",          6,     "v"},
        {"Landing Bay Target",  5,     "x"},
        {"Toggle View",         4,     "o"},
    };
    std::vector<std::pair<std::string, int>> offered;
    for (const auto& e : entries) {
        offered.emplace_back(e.text, e.value);
        set_from();
        scene::press(e.keys);
        const ViewState by_keys = view_state;
        scene::start_program();
        set_from();
        const int redisplays = gl_capture::state().redisplays;
        choose(e.value);
        EXPECT_GT(gl_capture::state().redisplays, redisplays) << e.text;
        EXPECT_EQ(std::memcmp(&by_keys, &view_state, sizeof by_keys), 0) << e.text;
        scene::start_program();
    }
    offered.emplace_back("Quit", 3);  // QuitEndsTheProcessWithStatusZero
    EXPECT_EQ(gl_capture::state().menu_entries, offered);
    EXPECT_EQ(gl_capture::state().menu_button, GLUT_RIGHT_BUTTON);
    EXPECT_EQ(gl_capture::state().menu_func, &main_menu);
}

TEST_F(Menu, ShowAllBringsBackTheWholeShipWithEarthAndStation)
{
    scene::press("ZNNefw");  // nothing built, deck 14, Earth and station off, world view off
    ASSERT_EQ(view_state.show_earth, 0);
    const int world_view = view_state.world_view;
    EXPECT_EQ(choose(9), "");
    EXPECT_EQ(view_state.blocks_shown, 140);
    EXPECT_EQ(view_state.deck_shown, 16);
    EXPECT_EQ(view_state.show_earth, 1);
    EXPECT_EQ(view_state.show_station, 1);
    EXPECT_EQ(view_state.world_view, world_view) << "the clipping planes stay as they were";
}

TEST_F(Menu, ToggleViewTwiceReturnsToTheStartingModeWithItsDefaults)
{
    view_state.cam_x = 1, view_state.zoom = 2;
    choose(4);
    EXPECT_EQ(view_state.perspective_mode, 0);
    EXPECT_EQ(view_state.cam_x, 60.0f);
    EXPECT_EQ(view_state.cam_z, 60.0f);
    view_state.cam_x = 1;
    choose(4);
    EXPECT_EQ(view_state.perspective_mode, 1);
    EXPECT_EQ(view_state.cam_x, -256.0f);
    EXPECT_EQ(view_state.cam_y, 20.0f);
    EXPECT_EQ(view_state.zoom, 128.0f);
}

TEST_F(Menu, UnknownValuesPrintTheirDiagnosticAndChangeNothing)
{
    const ViewState before = view_state;
    for (int value : {0, 1, 2, 10, -1, INT_MIN, INT_MAX})
        EXPECT_EQ(choose(value), "Unknown main menu value: " + std::to_string(value) + "\n");
    EXPECT_EQ(std::memcmp(&before, &view_state, sizeof before), 0);
}

using MenuDeathTest = Menu;

TEST_F(MenuDeathTest, QuitEndsTheProcessWithStatusZero)
{
    EXPECT_EXIT(main_menu(3), testing::ExitedWithCode(0), "glFinish\nglutDestroyWindow\\(7\\)\n");
}

}  // namespace
