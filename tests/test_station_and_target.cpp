#include <GL/gl.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <iterator>
#include <string>
#include <vector>

#include "app/input.h"
#include "render/render.h"
#include "tests/scene.h"
#include "view/view_state.h"

using namespace palette;
using gl_capture::Kind;
using gl_capture::Primitive;
using gl_capture::Vec3;

namespace {

using scene::near;

// The station's own frame is 50 below and 50 to the -y side of the ship's
// origin, its +z along the ship's -x and its +x up the ship's z.
Vec3 ship_from_station(double x, double y, double z) { return {-50 - z, -50 + y, -50 + x}; }
Vec3 ship_direction_from_station(double x, double y, double z) { return {-z, y, x}; }

bool near(const Vec3& a, const Vec3& b, double tol = scene::tolerance)
{
    return near(a.x, b.x, tol) && near(a.y, b.y, tol) && near(a.z, b.z, tol);
}

std::string str(const Vec3& v)
{
    return "(" + std::to_string(v.x) + ", " + std::to_string(v.y) + ", " + std::to_string(v.z) + ")";
}

// Drawing starts from an untouched model-view matrix, and whatever is drawn
// must hand it back that way.
class Beside : public testing::Test {
protected:
    void SetUp() override
    {
        gl_capture::reset();
        view_state = ViewState{};
    }
    void TearDown() override
    {
        EXPECT_EQ(gl_capture::state().modelview.size(), 1u) << "matrix stack unbalanced";
        EXPECT_TRUE(gl_capture::state().modelview.back() == gl_capture::Matrix::identity())
            << "model-view matrix changed";
    }
};

// The whole program, frame by frame, as the user drives it with keys.
class InTheFrame : public testing::Test {
protected:
    void SetUp() override { scene::start_program(); }

};

// ---- the station -----------------------------------------------------------

class Station : public Beside {
protected:
    void SetUp() override
    {
        Beside::SetUp();
        draw_station();
    }

    // Cylinders whose axis runs along the given ship direction.
    static std::vector<Primitive> cylinders_along(const Vec3& direction)
    {
        std::vector<Primitive> found;
        for (const Primitive& c : scene::of_kind(Kind::cylinder))
            if (near(c.axis, direction, 1e-9))
                found.push_back(c);
        return found;
    }

    // Rectangles (outside boxes too) spanning the given station extents.
    static int rects_spanning(double x0, double x1, double y0, double y1, double z0, double z1,
                              const float* colour)
    {
        const Vec3 a = ship_from_station(x0, y0, z0), b = ship_from_station(x1, y1, z1);
        int n = 0;
        for (const Primitive& r : scene::of_kind(Kind::rect)) {
            const Vec3 lo = r.lo(), hi = r.hi();
            n += r.colour == gl_capture::rgb(colour) &&
                 near(lo, {std::min(a.x, b.x), std::min(a.y, b.y), std::min(a.z, b.z)}) &&
                 near(hi, {std::max(a.x, b.x), std::max(a.y, b.y), std::max(a.z, b.z)});
        }
        return n;
    }

    static bool has_station_box(double x0, double x1, double y0, double y1, double z0,
                                double z1, const float* colour)
    {
        const Vec3 a = ship_from_station(x0, y0, z0), b = ship_from_station(x1, y1, z1);
        return scene::has_box(std::min(a.x, b.x), std::max(a.x, b.x), std::min(a.y, b.y),
                              std::max(a.y, b.y), std::min(a.z, b.z), std::max(a.z, b.z), colour);
    }
};

// The spine starts with a pointed cap at ship (-50, -50, -50) and runs aft
// to ship x -105.5.
TEST_F(Station, SpineIsFiveCappedModulesInTheirColours)
{
    struct {
        double z0, z1, base, top;
        const float* colour;
    } const steps[] = {
        {0.0, 0.2, 0, 2.1, pink},       {0.2, 6.3, 2.1, 2.1, mid_gray},  {6.3, 6.5, 2.1, 0, pink},
        {7.3, 8.3, 0, 4.1, pink},       {8.3, 19.4, 4.1, 4.1, mid_gray}, {19.4, 20.4, 4.1, 0, pink},
        {20.4, 21.4, 0, 4.1, pink},     {21.4, 32, 4.1, 4.1, mid_gray},  {32, 33, 4.1, 0, pink},
        {33, 33.5, 0, 4.6, white},      {33.5, 38, 4.6, 4.6, gray},      {38, 38.5, 4.6, 0, white},
        {38.5, 39.5, 0, 4.6, white},    {39.5, 54.5, 4.6, 4.6, gray},    {54.5, 55.5, 4.6, 0, white},
    };
    const auto spine = cylinders_along({-1, 0, 0});
    ASSERT_EQ(spine.size(), std::size(steps));
    for (size_t i = 0; i < spine.size(); ++i) {
        const auto& s = steps[i];
        EXPECT_TRUE(near(spine[i].origin, ship_from_station(0, 0, s.z0)))
            << "section " << i << " starts at " << str(spine[i].origin);
        EXPECT_NEAR(spine[i].height, s.z1 - s.z0, 1e-9) << "section " << i;
        EXPECT_EQ(spine[i].base_radius, s.base) << "section " << i;
        EXPECT_EQ(spine[i].top_radius, s.top) << "section " << i;
        EXPECT_EQ(spine[i].colour, gl_capture::rgb(s.colour)) << "section " << i;
    }
    EXPECT_TRUE(near(spine.front().origin, {-50, -50, -50}));
    EXPECT_NEAR(spine.back().origin.x - spine.back().height, -105.5, 1e-6);
}

TEST_F(Station, SidePortStandsOutOfTheNodeFromY4_4To9_41)
{
    struct {
        double y0, base, top, height;
        const float* colour;
    } const pieces[] = {
        {4.4, 0, 2.25, 0.5, white},         {4.9, 2.25, 2.25, 1.8, gray},
        {6.7, 2.25, 0.9, 0.5, light_gray},  {7.2, 0.9, 0.9, 2.2, gray},
        {9.4, 0.9, 0, 0.01, magenta},
    };
    const auto port = cylinders_along({0, 1, 0});
    ASSERT_EQ(port.size(), std::size(pieces));
    for (size_t i = 0; i < port.size(); ++i) {
        const auto& p = pieces[i];
        EXPECT_TRUE(near(port[i].origin, ship_from_station(0, p.y0, 35.75)))
            << "piece " << i << " starts at " << str(port[i].origin);
        EXPECT_EQ(port[i].base_radius, p.base) << "piece " << i;
        EXPECT_EQ(port[i].top_radius, p.top) << "piece " << i;
        EXPECT_EQ(port[i].height, p.height) << "piece " << i;
        EXPECT_EQ(port[i].colour, gl_capture::rgb(p.colour)) << "piece " << i;
    }
    EXPECT_NEAR(port.back().origin.y + port.back().height, ship_from_station(0, 9.41, 0).y, 1e-6);
}

TEST_F(Station, MastCarriesFourWingsStrutsAndARadiatorPanel)
{
    EXPECT_EQ(scene::boxes().size(), 5u) << scene::describe(scene::boxes());
    EXPECT_TRUE(has_station_box(3.7, 5.7, -1.5, 1.5, 35.5, 37.5, pale_yellow)) << "mast foot";
    EXPECT_TRUE(has_station_box(4.7, 18.7, -1, 1, 35.6, 37.6, mid_gray)) << "mast";
    EXPECT_TRUE(has_station_box(18.5, 18.9, 4.6, 5, 31.6, 43.6, mid_gray)) << "strut";
    EXPECT_TRUE(has_station_box(18.5, 18.9, -3.4, -3, 31.6, 43.6, mid_gray)) << "strut";
    EXPECT_TRUE(has_station_box(18.5, 18.9, -3, 5, 36.4, 36.8, mid_gray)) << "cross strut";

    EXPECT_EQ(rects_spanning(9.7, 12.7, 1, 17, 37.6, 37.6, pale_yellow), 1) << "radiator";
    EXPECT_EQ(rects_spanning(18.7, 18.7, 5, 41, 31.6, 35.6, pale_yellow), 1) << "wing";
    EXPECT_EQ(rects_spanning(18.7, 18.7, -39, -3, 31.6, 35.6, pale_yellow), 1) << "wing";
    EXPECT_EQ(rects_spanning(18.7, 18.7, 5, 41, 39.6, 43.6, pale_yellow), 1) << "wing";
    EXPECT_EQ(rects_spanning(18.7, 18.7, -39, -3, 39.6, 43.6, pale_yellow), 1) << "wing";
}

TEST_F(Station, PanelPairsCrossTheFirstThreeModules)
{
    const double d = 6 / std::sqrt(2.0);  // the first pair lies on the x-y diagonal
    EXPECT_EQ(rects_spanning(-d, d, -d, d, 1.3, 3.3, pale_yellow), 1) << "pair 1";
    int on_diagonal = 0;  // between +x and +y, not between +x and -y
    for (const Primitive& r : scene::of_kind(Kind::rect))
        for (const Vec3& corner : r.points)
            on_diagonal += near(corner, ship_from_station(d, d, 3.3));
    EXPECT_EQ(on_diagonal, 1);
    EXPECT_EQ(rects_spanning(0, 0, -14.85, 14.85, 13.7, 17.1, pale_yellow), 1) << "pair 2";
    EXPECT_EQ(rects_spanning(0, 0, -12.25, 12.25, 26.3, 29.7, pale_yellow), 1) << "pair 3";
}

TEST_F(Station, ArmReachesOutOfTheLastCapInTwoSegments)
{
    std::vector<Primitive> arm;
    for (const Primitive& c : scene::of_kind(Kind::cylinder))
        if (c.base_radius == 0.3)
            arm.push_back(c);
    ASSERT_EQ(arm.size(), 2u);
    const double h = std::sqrt(0.5);
    EXPECT_TRUE(near(arm[0].origin, ship_from_station(4.6, 0, 54.5))) << str(arm[0].origin);
    EXPECT_TRUE(near(arm[0].axis, ship_direction_from_station(0, -h, h))) << str(arm[0].axis);
    EXPECT_TRUE(near(arm[1].origin, ship_from_station(4.6, -6.22, 60.72), 0.005))
        << str(arm[1].origin);
    EXPECT_TRUE(near(arm[1].axis, ship_direction_from_station(-h, 0.5, -0.5))) << str(arm[1].axis);
    const Vec3 end = {arm[1].origin.x + 8.8 * arm[1].axis.x, arm[1].origin.y + 8.8 * arm[1].axis.y,
                      arm[1].origin.z + 8.8 * arm[1].axis.z};
    EXPECT_TRUE(near(end, ship_from_station(-1.62, -1.82, 56.32), 0.005)) << str(end);
    for (const Primitive& segment : arm) {
        EXPECT_EQ(segment.top_radius, 0.3);
        EXPECT_EQ(segment.height, 8.8);
        EXPECT_EQ(segment.colour, gl_capture::rgb(white));  // the colour of the last cap
    }
}

TEST_F(Station, EachFrameDrawsTheSameRoundPiecesOnOneKeptQuadric)
{
    const auto check_frame = [] {
        const auto cylinders = scene::of_kind(Kind::cylinder);
        EXPECT_EQ(cylinders.size(), 22u);
        for (const Primitive& c : cylinders) {
            EXPECT_EQ(c.slices, 100);
            EXPECT_EQ(c.stacks, 10);
        }
        EXPECT_EQ(scene::boxes().size(), 5u);
        EXPECT_EQ(scene::of_kind(Kind::rect).size(), 5u * 6 + 8) << "five boxes and eight panels";
        EXPECT_EQ(gl_capture::state().colour, gl_capture::rgb(white));
    };
    check_frame();
    for (int frame = 0; frame < 3; ++frame) {
        gl_capture::clear_prims();
        draw_station();
        check_frame();
    }
}

TEST_F(InTheFrame, StationFollowsTheShipIntoOrbit)
{
    scene::draw_frame();  // Earth and station on at start-up
    const auto first_cap = [] {
        for (const Primitive& c : scene::of_kind(Kind::cylinder))
            if (c.colour == gl_capture::rgb(pink))
                return c.origin;
        return Vec3{0, 0, 0};
    };
    EXPECT_TRUE(near(first_cap(), {-50, 6800000 - 50, -50}, 1e-3)) << str(first_cap());

    scene::press("e");
    scene::draw_frame();
    EXPECT_TRUE(near(first_cap(), {-50, -50, -50})) << str(first_cap());
}

// ---- the landing-bay target -------------------------------------------------

class Target : public Beside {
protected:
    void SetUp() override
    {
        Beside::SetUp();
        glLineWidth(3);
        glColor3fv(gray);
        draw_landing_target();
        strips = scene::of_kind(Kind::line_strip);
    }

    // Strip i runs through exactly these ship points.
    void expect_strip(size_t i, const std::vector<Vec3>& points, const char* what) const
    {
        ASSERT_LT(i, strips.size()) << what;
        ASSERT_EQ(strips[i].points.size(), points.size()) << what;
        for (size_t k = 0; k < points.size(); ++k)
            EXPECT_TRUE(near(strips[i].points[k], points[k], 1e-5))
                << what << " point " << k << " at " << str(strips[i].points[k]) << ", not "
                << str(points[k]);
    }

    std::vector<Primitive> strips;
};

TEST_F(Target, IsAYellowCrossOfTenUnitArmsThreeDecksUpDrawnTwoPixelsWide)
{
    EXPECT_EQ(strips.size(), 8u) << "two arm strips, two for each letter";
    expect_strip(0, {{10, 0, 7.5}, {0, 0, 7.5}, {0, 10, 7.5}}, "x and y arms");
    expect_strip(1, {{0, 0, 7.5}, {0, 0, 17.5}}, "z arm");
    for (const Primitive& s : strips) {
        EXPECT_EQ(s.colour, (gl_capture::Rgb{1, 1, 0}));
        EXPECT_EQ(s.line_width, 2);
    }
    EXPECT_EQ(gl_capture::state().line_width, 1) << "line width back to 1";
    EXPECT_EQ(gl_capture::state().colour, (gl_capture::Rgb{1, 1, 0})) << "colour left yellow";
    EXPECT_TRUE(scene::of_kind(Kind::rect).empty()) << "lines only";
}

TEST_F(Target, LettersStandOnTheirArmsBetween4_4And4_8)
{
    // X: two crossing diagonals over the x arm.
    expect_strip(2, {{4.4, -0.2, 7.5}, {4.8, 0.2, 7.5}}, "X");
    expect_strip(3, {{4.4, 0.2, 7.5}, {4.8, -0.2, 7.5}}, "X");
    // Y: the stem up the y arm, then the two arms from its top.
    expect_strip(4, {{0, 4.4, 7.5}, {0, 4.64, 7.5}, {-0.2, 4.8, 7.5}}, "Y");
    expect_strip(5, {{0, 4.64, 7.5}, {0.2, 4.8, 7.5}}, "Y");
    // Z: lying along the z arm, with its crossbar.
    expect_strip(6, {{0, 0.2, 12.3}, {0, 0.2, 11.9}, {0, -0.2, 12.3}, {0, -0.2, 11.9}}, "Z");
    expect_strip(7, {{0, 0, 12.0}, {0, 0, 12.2}}, "Z crossbar");
}

}  // namespace
