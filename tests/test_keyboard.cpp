#include <gtest/gtest.h>

#include <cctype>
#include <cmath>
#include <cstring>
#include <string>

#include "app/input.h"
#include "tests/scene.h"
#include "view/view_state.h"

class Keyboard : public testing::Test {
protected:
    void SetUp() override { scene::start_program(); }

    static std::string press(const std::string& keys) { return scene::press(keys); }
};

TEST_F(Keyboard, ConstructionCounterStopsAtBothEnds)
{
    const int all = block_total();
    view_state.blocks_shown = all;
    const struct {
        const char* keys;
        int shown;
    } steps[] = {
        // keys  counter after
        {"j",    all},  // J at the top stays
        {"z",    0},
        {"h",    0},    // H at 0 stays
        {"JjJ",  3},
        {"H",    2},
        {"AJ",   all},
        {"Z",    0},
        {"a",    all},
    };
    for (const auto& s : steps) {
        press(s.keys);
        EXPECT_EQ(view_state.blocks_shown, s.shown) << s.keys;
    }
    view_state.blocks_shown = all - 1;
    press("j");
    EXPECT_EQ(view_state.blocks_shown, all);
}

TEST_F(Keyboard, DeckFilterCyclesThroughSeventeenValues)
{
    ViewState& v = view_state;
    v.deck_shown = all_decks;
    press("u");
    EXPECT_EQ(v.deck_shown, 0);  // U at 16 (all decks) wraps to 0
    press("n");
    EXPECT_EQ(v.deck_shown, all_decks);  // N at 0 wraps to 16
    v.deck_shown = 15;
    press("U");
    EXPECT_EQ(v.deck_shown, all_decks);
    press("N");
    EXPECT_EQ(v.deck_shown, 15);
    int steps = 0;
    do {
        press("u");
        ++steps;
    } while (v.deck_shown != 15);
    EXPECT_EQ(steps, 17);
    press("L");
    EXPECT_EQ(v.deck_shown, all_decks);
    v.deck_shown = 3;
    press("l");
    EXPECT_EQ(v.deck_shown, all_decks);
}

TEST_F(Keyboard, FlagKeysToggleBetweenZeroAndOne)
{
    struct {
        char key;
        int ViewState::*flag;
    } const toggles[] = {
        {'E', &ViewState::show_earth},    {'F', &ViewState::show_station},
        {'K', &ViewState::show_hull},     {'M', &ViewState::far_clip},
        {'T', &ViewState::show_ceilings}, {'X', &ViewState::show_target},
    };
    for (const auto& t : toggles) {
        for (char key : {t.key, char(std::tolower(t.key))}) {
            const int before = view_state.*t.flag;
            press(std::string(1, key));
            EXPECT_EQ(view_state.*t.flag, before ? 0 : 1) << key;
            press(std::string(1, key));
            EXPECT_EQ(view_state.*t.flag, before) << key;
        }
        // A flag holding any other true value (a loaded file may) toggles off.
        view_state.*t.flag = 5;
        press(std::string(1, t.key));
        EXPECT_EQ(view_state.*t.flag, 0) << t.key;
    }
}

TEST_F(Keyboard, WorldViewCarriesTheEarthWithIt)
{
    ViewState& v = view_state;
    v.world_view = 0;
    v.show_earth = 1;
    press("W");
    EXPECT_EQ(v.world_view, 1);
    EXPECT_EQ(v.show_earth, 1);
    press("e");  // Earth off in between
    EXPECT_EQ(v.show_earth, 0);
    press("w");
    EXPECT_EQ(v.world_view, 0);
    EXPECT_EQ(v.show_earth, 0);
    press("e");
    press("W");
    EXPECT_EQ(v.world_view, 1);
    EXPECT_EQ(v.show_earth, 1);
    press("W");
    EXPECT_EQ(v.world_view, 0);
    EXPECT_EQ(v.show_earth, 0);
}

TEST_F(Keyboard, ProjectionKeysLandOnTheDefaultsOfTheNewMode)
{
    ViewState& v = view_state;
    v.cam_x = 1, v.cam_y = 2, v.cam_z = 3, v.zoom = 4, v.view_angle = 5, v.view_pitch = -0.3f;
    v.blocks_shown = 7, v.deck_shown = 3;
    const ViewState before = v;
    press("o");
    EXPECT_EQ(v.perspective_mode, 0);
    EXPECT_EQ(v.cam_x, 60.0f);
    EXPECT_EQ(v.cam_y, 0.0f);
    EXPECT_EQ(v.cam_z, 60.0f);
    EXPECT_EQ(v.zoom, 128.0f);
    EXPECT_EQ(v.view_angle, 110.0f);
    EXPECT_EQ(v.view_pitch, -0.3f);  // only F1 or a loaded file levels the camera

    v.cam_x = 7, v.zoom = 9;
    press("O");  // O in overhead mode resets the overhead camera
    EXPECT_EQ(v.cam_x, 60.0f);
    EXPECT_EQ(v.zoom, 128.0f);

    v.cam_z = 99;
    press("P");
    EXPECT_EQ(v.perspective_mode, 1);
    EXPECT_EQ(v.cam_x, -256.0f);
    EXPECT_EQ(v.cam_y, 20.0f);
    EXPECT_EQ(v.cam_z, 16.0f);

    v.cam_y = 42, v.view_angle = 3;
    press("v");
    EXPECT_EQ(v.perspective_mode, 1);
    EXPECT_EQ(v.cam_y, 20.0f);
    EXPECT_EQ(v.view_angle, 110.0f);
    EXPECT_EQ(v.view_pitch, -0.3f);
    v.cam_x = 1;
    press("V");
    EXPECT_EQ(v.cam_x, -256.0f);
    // Nothing but the camera changes.
    EXPECT_EQ(v.blocks_shown, before.blocks_shown);
    EXPECT_EQ(v.deck_shown, before.deck_shown);
    EXPECT_EQ(v.show_earth, before.show_earth);
}

struct HeadingCase {
    char key;
    float before, after;
};

class Heading : public Keyboard, public testing::WithParamInterface<HeadingCase> {};

TEST_P(Heading, WrapsAsTheKeyPrescribes)
{
    const HeadingCase& c = GetParam();
    view_state.view_angle = c.before;
    press(std::string(1, c.key));
    EXPECT_EQ(view_state.view_angle, c.after) << c.key << " at " << c.before;
}

INSTANTIATE_TEST_SUITE_P(Keyboard, Heading, testing::Values(
    HeadingCase{'d', 359.5f, 0}, HeadingCase{'d', 359, 0}, HeadingCase{'d', 358, 359},
    HeadingCase{'d', -360.5f, -359.5f}, HeadingCase{'d', -361, 0},
    HeadingCase{'s', 0, 359}, HeadingCase{'s', 0.5f, 359}, HeadingCase{'s', 360, 359},
    HeadingCase{'s', 1, 0}, HeadingCase{'s', -720, 359}, HeadingCase{'s', 100, 99},
    HeadingCase{'D', 355, 5}, HeadingCase{'D', 350, 0}, HeadingCase{'D', 100, 110},
    HeadingCase{'S', 5, 355}, HeadingCase{'S', 10, 360}, HeadingCase{'S', 10.5f, 0.5f},
    // Headings far outside the int range (a favourite-view file may hold
    // them) keep to the same rules without overflowing a conversion.
    HeadingCase{'d', 3e9f, 0}, HeadingCase{'d', -1.23457e+38f, 0},
    HeadingCase{'s', 386547056640.0f, 359}));

TEST_F(Keyboard, HeadingKeysLeaveNotANumberAlone)
{
    for (char key : {'d', 's', 'D', 'S'}) {
        view_state.view_angle = NAN;
        press(std::string(1, key));
        EXPECT_TRUE(std::isnan(view_state.view_angle)) << key;
    }
}

TEST_F(Keyboard, UnknownKeysPrintTheirDiagnosticAndChangeNothing)
{
    const ViewState before = view_state;
    const int redisplays = gl_capture::state().redisplays;
    EXPECT_EQ(press("B"), "\nDon't know what to do with keyboard hit: 'B' (0x42)\n");
    EXPECT_EQ(press("5"), "\nDon't know what to do with keyboard hit: '5' (0x35)\n");
    EXPECT_EQ(press(std::string(1, '\0')),
              std::string("\nDon't know what to do with keyboard hit: '") + '\0' + "' (0x0)\n");
    EXPECT_EQ(press("\xff"), "\nDon't know what to do with keyboard hit: '\xff' (0xff)\n");
    EXPECT_EQ(gl_capture::state().redisplays, redisplays + 4);
    EXPECT_EQ(std::memcmp(&before, &view_state, sizeof before), 0);
}

TEST_F(Keyboard, EveryCommandAsksForARedisplay)
{
    for (char key : std::string("?AaZzJjHhUuNnLlEeFfKkMmTtXxWwOoPpVvdsDS")) {
        testing::internal::CaptureStdout();
        const int before = gl_capture::state().redisplays;
        keyboard(static_cast<unsigned char>(key), 0, 0);
        EXPECT_EQ(gl_capture::state().redisplays, before + 1) << key;
        const std::string out = testing::internal::GetCapturedStdout();
        EXPECT_EQ(out.find("Don't know"), std::string::npos) << key;
    }
}
