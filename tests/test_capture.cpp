// The capture backend's triangles, checked against worked vertex positions of
// GLU's and freeglut's tessellation, and the hook that names the part being
// drawn: null in the viewer, and changing nothing when set.
#include <GL/freeglut.h>
#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "render/render.h"
#include "ship/ship.h"
#include "tests/scene.h"
#include "view/view_state.h"

namespace {

using gl_capture::Vec3;
using scene::near;

testing::AssertionResult at(const Vec3& v, double x, double y, double z)
{
    if (near(v.x, x, 1e-6) && near(v.y, y, 1e-6) && near(v.z, z, 1e-6))
        return testing::AssertionSuccess();
    return testing::AssertionFailure() << "(" << v.x << ", " << v.y << ", " << v.z << ")";
}

class Tessellation : public testing::Test {
protected:
    void SetUp() override
    {
        gl_capture::reset();
        gl_capture::state().tessellate = true;
        quadric = gluNewQuadric();
    }
    void TearDown() override { gluDeleteQuadric(quadric); }
    const gl_capture::Primitive& last() const { return gl_capture::prims().back(); }
    GLUquadric* quadric = nullptr;
};

TEST_F(Tessellation, CylinderIsOneQuadStripPerStackFromPlusYTowardPlusX)
{
    glTranslated(10, 0, 0);
    gluCylinder(quadric, 1, 0.5, 2, 4, 2);
    const gl_capture::Primitive& c = last();
    ASSERT_EQ(c.points.size(), 2u * 2 * (4 + 1));
    EXPECT_EQ(c.triangles.size(), 3u * 2 * 2 * 4);
    EXPECT_TRUE(at(c.points[0], 10, 1, 0));     // slice 0 at the base, radius 1
    EXPECT_TRUE(at(c.points[1], 10, 0.75, 1));  // its top in the first stack
    EXPECT_TRUE(at(c.points[2], 11, 0, 0));     // slice 1, a quarter turn on
    EXPECT_TRUE(at(c.points[8], 10, 1, 0));     // the strip closes on slice 0
    EXPECT_TRUE(at(c.points[10], 10, 0.75, 1));  // the second stack
    EXPECT_TRUE(at(c.points[11], 10, 0.5, 2));
    // The first quad, split along its diagonal from slice 0's base.
    EXPECT_EQ(std::vector<unsigned>(c.triangles.begin(), c.triangles.begin() + 6),
              (std::vector<unsigned>{2, 0, 3, 0, 1, 3}));
}

TEST_F(Tessellation, DiscWithoutAHoleFansItsInnermostLoop)
{
    gluPartialDisk(quadric, 0, 2, 4, 2, 0, 90);
    const gl_capture::Primitive& d = last();
    ASSERT_EQ(d.points.size(), 1u + 5 + 10);  // centre, fan rim, one quad strip
    EXPECT_EQ(d.triangles.size(), 3u * (4 + 8));
    EXPECT_TRUE(at(d.points[0], 0, 0, 0));
    EXPECT_TRUE(at(d.points[1], 1, 0, 0));  // the fan runs back from 90 degrees ...
    EXPECT_TRUE(at(d.points[5], 0, 1, 0));  // ... to 0, on +y
    EXPECT_TRUE(at(d.points[6], 0, 2, 0));  // the outer loop starts on the rim
    EXPECT_TRUE(at(d.points[10], std::sqrt(2.0), std::sqrt(2.0), 0));  // 45 degrees, radius 2
    EXPECT_EQ(std::vector<unsigned>(d.triangles.begin(), d.triangles.begin() + 3),
              (std::vector<unsigned>{0, 1, 2}));
}

TEST_F(Tessellation, SphereRunsPoleToPoleWithStripsFanningOutOfThePoles)
{
    glutSolidSphere(2, 4, 2);
    const gl_capture::Primitive& s = last();
    ASSERT_EQ(s.points.size(), 6u);  // two poles and one ring of four
    EXPECT_TRUE(at(s.points[0], 0, 0, 2));
    EXPECT_TRUE(at(s.points[1], 2, 0, 0));
    EXPECT_TRUE(at(s.points[2], 0, -2, 0));  // freeglut turns from +x toward -y
    EXPECT_TRUE(at(s.points[5], 0, 0, -2));
    // Two strips of (4 + 1) * 2 indices, 8 triangles each, every other one
    // degenerate at a pole, as OpenGL receives them.
    EXPECT_EQ(s.triangles.size(), 3u * 16);
    EXPECT_EQ(std::vector<unsigned>(s.triangles.begin(), s.triangles.begin() + 6),
              (std::vector<unsigned>{1, 0, 2, 2, 0, 0}));
}

TEST_F(Tessellation, QuadricsAreLeftAsParametersUnlessAsked)
{
    gl_capture::state().tessellate = false;
    gluCylinder(quadric, 1, 1, 1, 10, 10);
    EXPECT_TRUE(last().points.empty());
    EXPECT_TRUE(last().triangles.empty());
    glRectd(0, 0, 3, 2);  // rectangles always are two triangles
    EXPECT_EQ(last().triangles, (std::vector<unsigned>{0, 1, 3, 1, 2, 3}));
    EXPECT_TRUE(at(last().points[2], 3, 2, 0));
}

// ---- the hook --------------------------------------------------------------

struct Announced {
    DrawnPart part;
    int position;
};
std::vector<Announced> announced;
void remember(DrawnPart part, int position) { announced.push_back({part, position}); }

TEST(DrawnPartHook, IsNullInTheViewerChangesNothingWhenSetAndIsPutBackHoweverItsScopeEnds)
{
    scene::start_program();
    scene::draw_frame();
    EXPECT_EQ(drawn_part_hook, nullptr);

    view_state.show_target = view_state.show_hull = view_state.show_ceilings = 1;
    view_state.blocks_shown = 2;
    const std::vector<gl_capture::Primitive> without = scene::draw_frame();
    announced.clear();
    std::vector<gl_capture::Primitive> with;
    try {
        const ScopedDrawnPartHook watch(remember);
        with = scene::draw_frame();
        throw 0;
    } catch (int) {
    }
    EXPECT_EQ(drawn_part_hook, nullptr) << "a scope left by an exception leaves the hook set";
    ASSERT_EQ(with.size(), without.size());
    for (size_t i = 0; i < with.size(); ++i)
        ASSERT_TRUE(with[i] == without[i]) << "primitive " << i;

    const std::vector<std::pair<DrawnPart, int>> expected = {
        {DrawnPart::landing_target, -1}, {DrawnPart::upright_tubes, -1},
        {DrawnPart::floor, 0},           {DrawnPart::body, 0},
        {DrawnPart::ceiling, 0},         {DrawnPart::floor, 1},
        {DrawnPart::body, 1},            {DrawnPart::ceiling, 1},
        {DrawnPart::hull, -1},           {DrawnPart::station, -1},
    };
    ASSERT_EQ(announced.size(), expected.size());
    for (size_t i = 0; i < expected.size(); ++i) {
        EXPECT_EQ(announced[i].part, expected[i].first) << i;
        EXPECT_EQ(announced[i].position, expected[i].second) << i;
    }
}

}  // namespace
