#include <GL/gl.h>
#include <gtest/gtest.h>

#include "tests/scene.h"
#include "view/view_state.h"

using namespace palette;
using gl_capture::Kind;
using scene::has_box;
using scene::near;

namespace {

// A 10x6 cabin on the deck with its floor at 12.5.
const Block cabin(draw_room_walls, light_green, 14, 24, -8, -2, 12.5f, 15);

class Primitives : public testing::Test {
protected:
    void SetUp() override
    {
        gl_capture::reset();
        view_state = ViewState{};
        view_state.show_ceilings = 1;
        current_block = &cabin;
    }

    // Every primitive leaves the model-view matrix and its stack as it found them.
    void TearDown() override
    {
        EXPECT_EQ(gl_capture::state().modelview.size(), 1u) << "matrix stack unbalanced";
        EXPECT_TRUE(gl_capture::state().modelview.back() == gl_capture::Matrix::identity())
            << "model-view matrix changed";
    }
};

TEST_F(Primitives, BoxIsSixFilledFacesInTheCurrentColour)
{
    glColor3fv(cyan);
    draw_box(1, 3, -2, 5, 10, 10.5);
    const auto& prims = gl_capture::prims();
    ASSERT_EQ(prims.size(), 6u);
    for (const auto& p : prims) {
        EXPECT_EQ(p.kind, Kind::rect);
        EXPECT_EQ(p.colour, gl_capture::rgb(cyan));
    }
    // bottom, top, low-x, high-x, low-y and high-y faces
    EXPECT_NEAR(prims[0].hi().z, 10, 1e-9);
    EXPECT_NEAR(prims[1].lo().z, 10.5, 1e-9);
    EXPECT_NEAR(prims[2].hi().x, 1, 1e-9);
    EXPECT_NEAR(prims[3].lo().x, 3, 1e-9);
    EXPECT_NEAR(prims[4].hi().y, -2, 1e-9);
    EXPECT_NEAR(prims[5].lo().y, 5, 1e-9);
    ASSERT_EQ(scene::boxes().size(), 1u);
    EXPECT_TRUE(scene::boxes()[0].spans(1, 3, -2, 5, 10, 10.5));
    EXPECT_EQ(gl_capture::state().colour, gl_capture::rgb(cyan));  // sets no colour of its own
}

TEST_F(Primitives, BoxWithBoundsHighToLowCoversTheSameSpan)
{
    draw_box(66, 58, 2, -2, 17.5, 15);
    ASSERT_EQ(scene::boxes().size(), 1u);
    EXPECT_TRUE(scene::boxes()[0].spans(58, 66, -2, 2, 15, 17.5));
}

TEST_F(Primitives, BoxWithEqualBoundsIsAFlatRectangle)
{
    draw_box(0, 4, 0, 2, 7, 7);
    const auto& prims = gl_capture::prims();
    ASSERT_EQ(prims.size(), 6u);
    int with_area = 0;
    for (const auto& p : prims) {
        const gl_capture::Vec3 lo = p.lo(), hi = p.hi();
        EXPECT_NEAR(lo.z, 7, 1e-9);
        EXPECT_NEAR(hi.z, 7, 1e-9);
        with_area += (hi.x - lo.x) * (hi.y - lo.y) > 0;
    }
    EXPECT_EQ(with_area, 2);  // the two coinciding faces; four have no area
}

TEST_F(Primitives, RoomWallsStandInsideTheFootprintInGray)
{
    draw_room_walls(0);
    const auto boxes = scene::boxes();
    ASSERT_EQ(boxes.size(), 4u) << scene::describe(boxes);
    EXPECT_TRUE(has_box(14, 24, -8, -7.9, 12.5, 15, gray));
    EXPECT_TRUE(has_box(14, 24, -2.1, -2, 12.5, 15, gray));
    EXPECT_TRUE(has_box(14, 14.1, -8, -2, 12.5, 15, gray));
    EXPECT_TRUE(has_box(23.9, 24, -8, -2, 12.5, 15, gray));
    EXPECT_EQ(gl_capture::state().colour, gl_capture::rgb(gray));
}

TEST_F(Primitives, FloorSlabInTheBlockColourAndCeilingSlabInMidGray)
{
    draw_block_floor(0);
    EXPECT_TRUE(has_box(14, 24, -8, -2, 12.5, 12.6, light_green));
    EXPECT_EQ(gl_capture::state().colour, gl_capture::rgb(light_green));

    gl_capture::clear_prims();
    draw_block_ceiling(0);
    EXPECT_TRUE(has_box(14, 24, -8, -2, 14.9, 15, mid_gray));
    EXPECT_EQ(gl_capture::state().colour, gl_capture::rgb(mid_gray));
}

TEST_F(Primitives, CeilingsSwitchedOffDrawNothingAndKeepTheColour)
{
    view_state.show_ceilings = 0;
    glColor3fv(orange);
    draw_block_ceiling(0);
    EXPECT_TRUE(gl_capture::prims().empty());
    EXPECT_EQ(gl_capture::state().colour, gl_capture::rgb(orange));
    view_state.show_ceilings = 1;
    draw_block_ceiling(0);
    EXPECT_EQ(scene::boxes().size(), 1u);
}

TEST_F(Primitives, PlainDoorIsAPinkLeafStandingOnTheFloorSlab)
{
    draw_door_unit(1, 1, 20, -2, 12.5f);  // in a wall of constant y
    ASSERT_EQ(scene::boxes().size(), 1u);
    EXPECT_TRUE(has_box(19.4, 20.6, -2.13, -1.87, 12.6, 14.9, pink));
    EXPECT_EQ(gl_capture::state().colour, gl_capture::rgb(pink));

    gl_capture::clear_prims();
    draw_door_unit(0, 1, 20, -2, 12.5f);  // in a wall of constant x
    EXPECT_TRUE(has_box(19.87, 20.13, -2.6, -1.4, 12.6, 14.9, pink));

    gl_capture::clear_prims();
    draw_door_unit(5, 1, 20, -2, 12.5f);  // any non-zero orientation acts as 1
    EXPECT_TRUE(has_box(19.4, 20.6, -2.13, -1.87, 12.6, 14.9, pink));
}

TEST_F(Primitives, EveryOtherKindIsALiftDoorWithFrameThenLeaf)
{
    for (int kind : {2, 0, 3, -7}) {
        gl_capture::clear_prims();
        draw_door_unit(0, kind, 36, 0, 12.5f);
        const auto boxes = scene::boxes();
        ASSERT_EQ(boxes.size(), 2u) << "kind " << kind;
        EXPECT_TRUE(boxes[0].spans(35.89, 36.11, -2, 2, 12.6, 15)) << scene::describe(boxes);
        EXPECT_EQ(boxes[0].colour, gl_capture::rgb(pale_yellow));
        EXPECT_TRUE(boxes[1].spans(35.87, 36.13, -0.9, 0.9, 12.6, 14.9)) << scene::describe(boxes);
        EXPECT_EQ(boxes[1].colour, gl_capture::rgb(red));
        EXPECT_EQ(gl_capture::state().colour, gl_capture::rgb(red));
    }
    gl_capture::clear_prims();
    draw_door_unit(1, 2, 29, 11, 10);
    EXPECT_TRUE(has_box(27, 31, 10.89, 11.11, 10.1, 12.5, pale_yellow));
    EXPECT_TRUE(has_box(28.1, 29.9, 10.87, 11.13, 10.1, 12.4, red));
}

TEST_F(Primitives, LiftCarIsAClosedDarkCylinder)
{
    draw_lift_car(29, 0, 12.5f);
    const auto cyl = scene::of_kind(Kind::cylinder);
    ASSERT_EQ(cyl.size(), 4u);
    struct {
        double z, base, top, height;
    } const expected[] = {
        {12.5, 1.9, 1.9, 2.5},  // wall
        {12.4, 0, 1.9, 0.1},    // underside cone
        {12.6, 1.9, 0, 0.2},    // floor cone
        {15.0, 0, 1.9, 0.1},    // roof cone
    };
    for (int i = 0; i < 4; ++i) {
        EXPECT_NEAR(cyl[i].origin.x, 29, 1e-6);
        EXPECT_NEAR(cyl[i].origin.y, 0, 1e-6);
        EXPECT_NEAR(cyl[i].origin.z, expected[i].z, 1e-6) << i;
        EXPECT_NEAR(cyl[i].axis.z, 1, 1e-12);  // upright
        EXPECT_EQ(cyl[i].base_radius, expected[i].base);
        EXPECT_EQ(cyl[i].top_radius, expected[i].top);
        EXPECT_EQ(cyl[i].height, expected[i].height);
        EXPECT_EQ(cyl[i].slices, 10);
        EXPECT_EQ(cyl[i].stacks, 10);
        EXPECT_EQ(cyl[i].colour, gl_capture::rgb(dark_gray));
    }
}

}  // namespace
