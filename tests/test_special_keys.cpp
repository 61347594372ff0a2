#include <GL/freeglut.h>
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "app/input.h"
#include "tests/scene.h"
#include "view/view_state.h"

namespace {

class SpecialKeys : public testing::Test {
protected:
    void SetUp() override { scene::start_program(); }

    // Presses a special key with the given modifier bits; returns what it printed.
    static std::string press(int key, int modifiers = 0)
    {
        gl_capture::state().modifiers = modifiers;
        testing::internal::CaptureStdout();
        special_keys(key, 0, 0);
        return testing::internal::GetCapturedStdout();
    }
};

struct Step {
    int key;
    float ViewState::*field;
    float plain, shifted;  // the value after one press from the start-up view
};

TEST_F(SpecialKeys, CameraKeysMoveAlongTheShipAxesWhateverTheHeading)
{
    // Start-up camera: (-256, 20, 16), zoom 128, pitch 0.
    const Step steps[] = {
        {GLUT_KEY_LEFT,      &ViewState::cam_x,      -256.5f,       -266},
        {GLUT_KEY_RIGHT,     &ViewState::cam_x,      -255.5f,       -246},
        {GLUT_KEY_UP,        &ViewState::cam_y,      20.5f,         30},
        {GLUT_KEY_DOWN,      &ViewState::cam_y,      19.5f,         10},
        {GLUT_KEY_HOME,      &ViewState::cam_z,      16.5f,         26},
        {GLUT_KEY_END,       &ViewState::cam_z,      15.5f,         6},
        {GLUT_KEY_PAGE_UP,   &ViewState::zoom,       128 * 1.01f,   128 * 1.1f},
        {GLUT_KEY_PAGE_DOWN, &ViewState::zoom,       128 / 1.01f,   128 / 1.1f},
        {GLUT_KEY_INSERT,    &ViewState::view_pitch, -0.01f,        0.01f},
    };
    for (const Step& s : steps) {
        for (int modifiers : {0, GLUT_ACTIVE_SHIFT, GLUT_ACTIVE_SHIFT | GLUT_ACTIVE_CTRL,
                              GLUT_ACTIVE_CTRL | GLUT_ACTIVE_ALT}) {
            scene::start_program();
            view_state.view_angle = 37;  // the heading plays no part
            const ViewState before = view_state;
            const int redisplays = gl_capture::state().redisplays;
            EXPECT_EQ(press(s.key, modifiers), "");
            const bool shift = modifiers & GLUT_ACTIVE_SHIFT;
            EXPECT_FLOAT_EQ(view_state.*s.field, shift ? s.shifted : s.plain)
                << "key " << s.key << " modifiers " << modifiers;
            view_state.*s.field = before.*s.field;
            EXPECT_EQ(std::memcmp(&before, &view_state, sizeof before), 0) << "key " << s.key;
            EXPECT_EQ(gl_capture::state().redisplays, redisplays + 1);
        }
    }
}

TEST_F(SpecialKeys, F1LevelsTheCameraWithOrWithoutShift)
{
    for (int modifiers : {0, GLUT_ACTIVE_SHIFT}) {
        press(GLUT_KEY_INSERT);
        press(GLUT_KEY_INSERT);
        EXPECT_FLOAT_EQ(view_state.view_pitch, -0.02f);
        press(GLUT_KEY_F1, modifiers);
        EXPECT_EQ(view_state.view_pitch, 0.0f);
    }
}

TEST_F(SpecialKeys, UnknownKeysPrintTheirDiagnosticAndChangeNothing)
{
    const ViewState before = view_state;
    EXPECT_EQ(press(GLUT_KEY_F2), "Don't know what to do with KeyboardSpecial hit: '\x02' (0x2)\n");
    EXPECT_EQ(press(GLUT_KEY_F2, GLUT_ACTIVE_SHIFT),
              "Don't know what to do with KeyboardSpecial hit: '\x02' (0x2)\n");
    EXPECT_EQ(press(GLUT_KEY_F12), "Don't know what to do with KeyboardSpecial hit: '\x0c' (0xc)\n");
    EXPECT_EQ(press(0x6f), "Don't know what to do with KeyboardSpecial hit: 'o' (0x6f)\n");
    EXPECT_EQ(press(0x141), "Don't know what to do with KeyboardSpecial hit: 'A' (0x141)\n");
    EXPECT_EQ(press(-1), "Don't know what to do with KeyboardSpecial hit: '\xff' (0xffffffff)\n");
    EXPECT_EQ(std::memcmp(&before, &view_state, sizeof before), 0);
}

TEST_F(SpecialKeys, BareModifierPressesAreNotCommands)
{
    const ViewState before = view_state;
    for (int key = GLUT_KEY_SHIFT_L; key <= GLUT_KEY_SUPER_R; ++key) {
        const int redisplays = gl_capture::state().redisplays;
        EXPECT_EQ(press(key, GLUT_ACTIVE_SHIFT), "") << key;
        EXPECT_EQ(gl_capture::state().redisplays, redisplays + 1);
    }
    EXPECT_EQ(std::memcmp(&before, &view_state, sizeof before), 0);
    EXPECT_NE(press(GLUT_KEY_SUPER_R + 1), "");
    EXPECT_NE(press(GLUT_KEY_SHIFT_L - 2), "");
}

}  // namespace
