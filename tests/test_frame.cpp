#include <GL/gl.h>
#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <cstdio>
#include <string>

#include "app/input.h"
#include "render/render.h"
#include "tests/scene.h"
#include "view/view_state.h"

using namespace palette;
using gl_capture::Kind;

namespace {

class Frame : public testing::Test {
protected:
    void SetUp() override { scene::start_program(); }


    static std::vector<gl_capture::Primitive> texts() { return scene::of_kind(Kind::text); }
};

TEST_F(Frame, FirstFrameIsThePerspectiveViewOfTheShipInOrbit)
{
    const auto& prims = scene::draw_frame();
    const gl_capture::State& s = gl_capture::state();
    EXPECT_EQ(s.draw_buffer, unsigned(GL_BACK));
    EXPECT_EQ(s.clear_mask, unsigned(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT));
    EXPECT_TRUE(s.depth_test);
    EXPECT_EQ(s.perspective.fovy, 60);
    EXPECT_EQ(s.perspective.aspect, 1);
    EXPECT_EQ(s.perspective.near_plane, 10);
    EXPECT_EQ(s.perspective.far_plane, 10000000);

    // Heading 110 from (-256, 20, 16), lifted 6,800,000 along +y, level.
    const double a = 110 * 3.1415926236 / 180;
    EXPECT_EQ(s.look_at.eye.x, -256);
    EXPECT_EQ(s.look_at.eye.y, 6800020);
    EXPECT_EQ(s.look_at.eye.z, 16);
    EXPECT_NEAR(s.look_at.centre.x, -256 + std::sin(a), 1e-9);
    EXPECT_NEAR(s.look_at.centre.y, 6800020 + std::cos(a), 1e-6);
    EXPECT_EQ(s.look_at.centre.z, 16);
    EXPECT_EQ(s.look_at.up.z, 1);

    // The Earth comes first, at the world's origin, light blue.
    ASSERT_FALSE(prims.empty());
    EXPECT_EQ(prims[0].kind, Kind::sphere);
    EXPECT_EQ(prims[0].base_radius, 6400000);
    EXPECT_EQ(prims[0].slices, 100);
    EXPECT_EQ(prims[0].stacks, 100);
    EXPECT_EQ(prims[0].colour, gl_capture::rgb(light_blue));
    EXPECT_EQ(prims[0].origin.y, 0);

    // The ship is drawn in orbit: the first corridor's floor slab 6,800,000 up y.
    EXPECT_EQ(scene::find_boxes(0, 8, 6800000 - 10, 6800000 - 8, 12.5, 12.6).size(), 1u);
    EXPECT_TRUE(texts().empty());  // no heads-up text in perspective mode
    EXPECT_EQ(s.swaps, 1);
    EXPECT_EQ(s.flushes, 1);
    EXPECT_EQ(s.matrix_mode, unsigned(GL_MODELVIEW));
}

TEST_F(Frame, ClippingPlanesFollowFarClipThenWorldView)
{
    struct {
        int far_clip, world_view;
        float near_plane, far_plane;
    } const cases[] = {
        {1, 1, 0.1f, 10000000}, {1, 0, 0.1f, 10000000}, {0, 1, 10, 10000000}, {0, 0, 0.1f, 100}};
    for (const auto& c : cases) {
        view_state.far_clip = c.far_clip;
        view_state.world_view = c.world_view;
        scene::draw_frame();
        EXPECT_EQ(gl_capture::state().perspective.near_plane, c.near_plane);
        EXPECT_EQ(gl_capture::state().perspective.far_plane, c.far_plane);
    }
}

TEST_F(Frame, EarthHiddenLeavesTheShipAtTheOrigin)
{
    scene::press("e");
    const auto& prims = scene::draw_frame();
    EXPECT_TRUE(scene::of_kind(Kind::sphere).empty());
    EXPECT_EQ(gl_capture::state().look_at.eye.y, 20);
    EXPECT_EQ(scene::find_boxes(0, 8, -10, -8, 12.5, 12.6).size(), 1u);
    EXPECT_FALSE(prims.empty());
}

TEST_F(Frame, HeadingZeroLooksAlongPlusYAndNinetyAlongPlusX)
{
    scene::press("e");
    struct {
        float heading;
        double dx, dy;
    } const cases[] = {{0, 0, 1}, {90, 1, 0}, {180, 0, -1}, {270, -1, 0}};
    for (const auto& c : cases) {
        view_state.view_angle = c.heading;
        view_state.view_pitch = -0.25f;
        scene::draw_frame();
        const gl_capture::LookAt& l = gl_capture::state().look_at;
        EXPECT_NEAR(l.centre.x - l.eye.x, c.dx, 1e-6) << c.heading;
        EXPECT_NEAR(l.centre.y - l.eye.y, c.dy, 1e-6) << c.heading;
        EXPECT_NEAR(l.centre.z - l.eye.z, -0.25, 1e-6) << c.heading;
    }
}

TEST_F(Frame, OverheadViewShowsTwoHeadsUpLinesOverEverything)
{
    scene::press("o");
    scene::draw_frame();
    const gl_capture::State& s = gl_capture::state();
    EXPECT_EQ(s.ortho_calls, 1);
    EXPECT_EQ(s.ortho.left, -128);
    EXPECT_EQ(s.ortho.right, 128);
    EXPECT_EQ(s.ortho.bottom, -128);
    EXPECT_EQ(s.ortho.top, 128);
    EXPECT_EQ(s.ortho.near_plane, -128);
    EXPECT_EQ(s.ortho.far_plane, 128);
    EXPECT_EQ(s.look_at.eye.x, 60);
    EXPECT_EQ(s.look_at.eye.y, 6800000);
    EXPECT_EQ(s.look_at.eye.z, 60);
    EXPECT_EQ(s.look_at.centre.z, 59);  // straight down
    EXPECT_EQ(s.look_at.up.y, 1);       // +y at the top of the window

    const auto t = texts();
    ASSERT_EQ(t.size(), 2u);
    EXPECT_EQ(t[0].text, "dck 16 140 blx");
    EXPECT_EQ(t[0].colour, gl_capture::rgb(pink));
    EXPECT_NEAR(t[0].origin.x, -128, 1e-5);
    EXPECT_NEAR(t[0].origin.y, 115.2, 1e-5);
    EXPECT_EQ(t[1].text, "60 0 60 128 110");
    EXPECT_EQ(t[1].colour, gl_capture::rgb(light_green));
    EXPECT_NEAR(t[1].origin.x, -128, 1e-5);
    EXPECT_NEAR(t[1].origin.y, 102.4, 1e-5);
    for (const auto& line : t)
        EXPECT_FALSE(line.depth_test) << "heads-up text must not hide behind the ship";
    EXPECT_TRUE(s.depth_test) << "depth test back on after the text";
    EXPECT_STREQ(view_state.hud_deck_text, "");
    EXPECT_STREQ(view_state.hud_view_text, "");
    EXPECT_EQ(s.modelview.size(), 1u);
}

TEST_F(Frame, HeadsUpTextFollowsTheCounterTheFilterAndTheZoom)
{
    scene::press("ozjn");
    view_state.zoom = 50;
    scene::draw_frame();
    const auto t = texts();
    ASSERT_EQ(t.size(), 2u);
    EXPECT_EQ(t[0].text, "dck 15 1 blx");
    EXPECT_EQ(t[1].text, "60 0 60 50 110");
    EXPECT_NEAR(t[0].origin.x, -50, 1e-5);
    EXPECT_NEAR(t[0].origin.y, 45, 1e-5);
    EXPECT_NEAR(t[1].origin.y, 40, 1e-5);
}

// A favourite-view file may hold any number; the heads-up lines must stay
// within their buffers and the raster position defined.
TEST_F(Frame, HugeCameraValuesAreTruncatedAndSaturated)
{
    scene::press("o");
    const float huge = -1.23457e+38f;
    view_state.cam_x = view_state.cam_y = view_state.cam_z = huge;
    view_state.zoom = view_state.view_angle = huge;
    view_state.blocks_shown = INT_MIN;
    view_state.deck_shown = INT_MIN;
    scene::draw_frame();
    const auto t = texts();
    ASSERT_EQ(t.size(), 2u);
    EXPECT_EQ(t[0].text, "dck -2147483648 -2147483648 blx");
    // Five values of 12 characters and four spaces make 64: the last is cut.
    EXPECT_EQ(t[1].text, "-1.23457e+38 -1.23457e+38 -1.23457e+38 -1.23457e+38 -1.23457e+3");
    EXPECT_EQ(t[0].origin.x, INT_MAX);  // -zoom saturates at the top of the int range
    EXPECT_EQ(saturating_int(huge), INT_MIN);
    EXPECT_EQ(saturating_int(-huge), INT_MAX);
}

TEST_F(Frame, SaturatingConversionCoversTheWholeFloatRange)
{
    EXPECT_EQ(saturating_int(NAN), 0);
    EXPECT_EQ(saturating_int(INFINITY), INT_MAX);
    EXPECT_EQ(saturating_int(-INFINITY), INT_MIN);
    EXPECT_EQ(saturating_int(2147483520.0f), 2147483520);  // largest float below 2^31
    EXPECT_EQ(saturating_int(2147483648.0f), INT_MAX);
    EXPECT_EQ(saturating_int(-2147483648.0f), INT_MIN);
    EXPECT_EQ(saturating_int(-3.9f), -3);
    EXPECT_EQ(saturating_int(128.7f), 128);

    scene::press("o");
    view_state.zoom = NAN;
    scene::draw_frame();
    const auto t = texts();
    ASSERT_EQ(t.size(), 2u);
    EXPECT_EQ(t[0].origin.x, 0);
}

// Every quadric of a frame (Earth, hull, station, lift cars, tubes) is drawn
// with the one shared quadric object.
TEST_F(Frame, NothingAccumulatesFromFrameToFrame)
{
    view_state.show_earth = view_state.show_station = view_state.show_hull = 1;
    const size_t first = scene::draw_frame().size();
    const int made = gl_capture::state().quadrics_made;
    for (int i = 0; i < 20; ++i)
        EXPECT_EQ(scene::draw_frame().size(), first);
    EXPECT_EQ(gl_capture::state().quadrics_made, made);
    EXPECT_LE(gl_capture::state().quadrics_live, 1);
    EXPECT_EQ(gl_capture::state().modelview.size(), 1u);
    EXPECT_EQ(gl_capture::state().projection.size(), 1u);
}

}  // namespace
