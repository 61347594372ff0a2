// Cabins, heads, corridors, the shuttle bridge and the fitted rooms, each
// drawn for a block of the catalogue and read the way a user looks at it.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <string>
#include <vector>

#include "ship/catalogue.h"
#include "ship/compartments/compartments.h"
#include "tests/scene.h"

using namespace palette;
using gl_capture::Kind;
using scene::Box;
using scene::has_box;
using scene::near;

namespace {

// A door as a user sees it: the centre of its leaf on the floor plan, the
// wall it stands in and whether it is a lift door (red leaf) or a plain one.
struct Door {
    double x, y;
    bool in_x_wall, lift;
};

std::vector<Door> doors(double z0)
{
    std::vector<Door> found;
    for (const Box& b : scene::boxes()) {
        const bool lift = b.colour == gl_capture::rgb(red);
        if (b.colour != gl_capture::rgb(pink) && !lift)
            continue;
        EXPECT_TRUE(near(b.lo.z, z0 + 0.1) && near(b.hi.z, z0 + 2.4)) << "door leaf off the floor";
        found.push_back({(b.lo.x + b.hi.x) / 2, (b.lo.y + b.hi.y) / 2,
                         b.hi.x - b.lo.x < b.hi.y - b.lo.y, lift});
    }
    return found;
}

// The doors drawn, in order, as "(x, y) x-wall/y-wall plain/lift".
std::string door_list(double z0)
{
    std::string out;
    char one[80];
    for (const Door& d : doors(z0)) {
        std::snprintf(one, sizeof one, "(%g, %g) %s %s; ", std::round(d.x * 1000) / 1000,
                      std::round(d.y * 1000) / 1000, d.in_x_wall ? "x-wall" : "y-wall",
                      d.lift ? "lift" : "plain");
        out += one;
    }
    return out;
}

// A cylinder or cone with its base centre, radii, height and colour, drawn
// with the 10 slices and stacks of the ship's fittings.
void expect_cylinder(const gl_capture::Primitive& c, gl_capture::Vec3 base, double base_radius,
                     double top_radius, double height, const float* colour)
{
    EXPECT_NEAR(c.origin.x, base.x, 1e-3);
    EXPECT_NEAR(c.origin.y, base.y, 1e-3);
    EXPECT_NEAR(c.origin.z, base.z, 1e-3);
    EXPECT_NEAR(c.base_radius, base_radius, 1e-9);
    EXPECT_NEAR(c.top_radius, top_radius, 1e-9);
    EXPECT_NEAR(c.height, height, 1e-9);
    EXPECT_EQ(c.slices, 10);
    EXPECT_EQ(c.stacks, 10);
    EXPECT_EQ(c.colour, gl_capture::rgb(colour));
}

class CrewDecks : public testing::Test {
protected:
    void SetUp() override { gl_capture::reset(); }

    const std::vector<gl_capture::Primitive>& draw(const Block& block, BlockRoutine routine)
    {
        return scene::draw_routine_for(block, routine);
    }

    // Every routine leaves the model-view matrix and its stack as it found them.
    void TearDown() override
    {
        EXPECT_EQ(gl_capture::state().modelview.size(), 1u) << "matrix stack unbalanced";
        EXPECT_TRUE(gl_capture::state().modelview.back() == gl_capture::Matrix::identity());
    }
};

// ---- crew quarters ---------------------------------------------------------

TEST_F(CrewDecks, CabinLongInYKeepsPartitionAndDoorAtFixedDistancesFromY0)
{
    draw(BL_cq18_04, draw_quarters_6x10);  // x 31..37, y -13..-1, floor 10, variant 0
    EXPECT_TRUE(has_box(31, 34, -8.05, -7.95, 10.1, 11, gray)) << scene::describe(scene::boxes());
    EXPECT_EQ(scene::boxes_in(gray).size(), 5u) << "four walls and the partition";
    EXPECT_EQ(door_list(10), "(37, -7) x-wall plain; ");

    draw(BL_cq18_05, draw_quarters_6x10);  // y 0..9: nearer its y1 wall
    EXPECT_TRUE(has_box(31, 34, 4.95, 5.05, 10.1, 11, gray));
    EXPECT_EQ(door_list(10), "(37, 6) x-wall plain; ");
}

TEST_F(CrewDecks, CabinVariantMovesOnlyTheDoor)
{
    const Block& high = BL_cq18_04;
    const Block low(draw_quarters_6x10, light_green, high.x0, high.x1, high.y0, high.y1, high.z0,
                    high.z1, 1);
    draw(high, draw_quarters_6x10);
    const std::vector<Box> walls_high = scene::boxes_in(gray);
    draw(low, draw_quarters_6x10);
    EXPECT_EQ(door_list(10), "(31, -7) x-wall plain; ");
    const std::vector<Box> walls_low = scene::boxes_in(gray);
    ASSERT_EQ(walls_low.size(), walls_high.size());
    for (size_t i = 0; i < walls_low.size(); ++i)
        EXPECT_TRUE(walls_low[i].spans(walls_high[i].lo.x, walls_high[i].hi.x, walls_high[i].lo.y,
                                       walls_high[i].hi.y, walls_high[i].lo.z, walls_high[i].hi.z))
            << scene::describe({walls_low[i], walls_high[i]});
}

TEST_F(CrewDecks, CabinLongInXHasItsDoorInTheWallAwayFromTheCentreLine)
{
    draw(*block_sequence[8], draw_quarters_10x6);  // x 14..24, y -8..-2, floor 12.5, variant 1
    // the partition ends at the inner face of the y1 wall
    EXPECT_TRUE(has_box(18.95, 19.05, -5, -2.1, 12.6, 13.5, gray));
    EXPECT_EQ(door_list(12.5), "(20, -8) y-wall plain; ");

    draw(*block_sequence[11], draw_quarters_10x6);  // y 2..8, variant 0: by the partition's wall
    EXPECT_TRUE(has_box(18.95, 19.05, 5, 7.9, 12.6, 13.5, gray));
    EXPECT_EQ(door_list(12.5), "(20, 8) y-wall plain; ");
}

// ---- heads and door-only rooms ---------------------------------------------

TEST_F(CrewDecks, HeadsOpenIntoBothNeighboursThreeFromTheirLowBound)
{
    draw(*block_sequence[96], draw_head_2x6);  // x 57..59, y 2..10: not the wall's middle
    EXPECT_EQ(scene::boxes_in(gray).size(), 4u);
    EXPECT_EQ(door_list(15), "(59, 5) x-wall plain; (57, 5) x-wall plain; ");

    draw(BL_head18_02, draw_head_6x2);  // x 31..37, y -1..0
    EXPECT_EQ(door_list(10), "(34, 0) y-wall plain; (34, -1) y-wall plain; ");
}

TEST_F(CrewDecks, DoorOnlyRoomsPutTheirDoorsByFixedCorners)
{
    draw(*block_sequence[14], draw_room_two_doors_mirrored);  // x 10..14, y -10..-2
    EXPECT_EQ(door_list(15), "(14, -3) x-wall plain; (10, -9) x-wall plain; ");

    draw(BL_turbocontrol, draw_turbocontrol);  // x 32..48, y 2..10
    EXPECT_EQ(door_list(15), "(46, 10) y-wall plain; (45, 2) y-wall lift; (35, 2) y-wall lift; ");
    EXPECT_TRUE(has_box(43, 47, 1.89, 2.11, 15.1, 17.5, pale_yellow)) << "lift door frame";
    EXPECT_TRUE(has_box(33, 37, 1.89, 2.11, 15.1, 17.5, pale_yellow)) << "lift door frame";
}

// ---- corridors -------------------------------------------------------------

TEST_F(CrewDecks, CorridorAlongYLeavesTwoLongOpeningsAndHasEndDoors)
{
    draw(BL_corr18_01, draw_corridor_y_doors);  // x 37..39, y -13..9, floor 10
    const auto walls = scene::boxes_in(gray);
    ASSERT_EQ(walls.size(), 4u) << scene::describe(scene::boxes());
    EXPECT_TRUE(walls[0].spans(37, 37.1, -11, 7, 10.1, 12.5)) << scene::describe(walls);
    EXPECT_TRUE(walls[1].spans(38.9, 39, -13, 9, 10.1, 12.5)) << scene::describe(walls);
    EXPECT_TRUE(walls[2].spans(37, 39, -13, -12.9, 10.1, 12.5)) << scene::describe(walls);
    EXPECT_TRUE(walls[3].spans(37, 39, 8.9, 9, 10.1, 12.5)) << scene::describe(walls);
    EXPECT_EQ(door_list(10), "(38, -13) y-wall plain; (38, 9) y-wall plain; ");

    draw(*block_sequence[2], draw_corridor_y);  // x 8..10, y -10..10: no doors
    EXPECT_TRUE(has_box(8, 8.1, -8, 8, 12.6, 15, gray));
    EXPECT_EQ(scene::boxes_in(gray).size(), 4u);
    EXPECT_EQ(door_list(12.5), "");
}

TEST_F(CrewDecks, CorridorAlongXIsOpenAtX1AndHasItsEndDoorNearTheCentreLine)
{
    // Walls 0.1 thick on the floor slab, along both long sides and across x0.
    struct {
        const Block& block;
        BlockRoutine routine;
        const char* doors;
        double x0, x1, y0, y1, z_floor, z1;
    } const corridors[] = {
        {*block_sequence[101], draw_corridor_x, "", 44, 66, -12, -10, 15.1, 17.5},
        {BL_corr19_01, draw_corridor_x_door_y1, "(10, -9) x-wall plain; ", 10, 32, -11, -8, 7.6, 10},
        {BL_corr19_02, draw_corridor_x_door_y0, "(10, 9) x-wall plain; ", 10, 32, 8, 11, 7.6, 10},
    };
    for (const auto& c : corridors) {
        draw(c.block, c.routine);
        const auto walls = scene::boxes_in(gray);
        ASSERT_EQ(walls.size(), 3u) << scene::describe(scene::boxes());
        EXPECT_TRUE(walls[0].spans(c.x0, c.x1, c.y0, c.y0 + 0.1, c.z_floor, c.z1)) << scene::describe(walls);
        EXPECT_TRUE(walls[1].spans(c.x0, c.x1, c.y1 - 0.1, c.y1, c.z_floor, c.z1)) << scene::describe(walls);
        EXPECT_TRUE(walls[2].spans(c.x0, c.x0 + 0.1, c.y0, c.y1, c.z_floor, c.z1)) << scene::describe(walls);
        EXPECT_EQ(door_list(c.block.z0), c.doors);
    }
}

TEST_F(CrewDecks, PanelledCorridorsCarryBluePanelsAcrossTheirHangarSideWall)
{
    draw(*block_sequence[0], draw_corridor_x_panels_y1);  // x 0..8, y -10..-8, floor 12.5
    EXPECT_EQ(door_list(12.5), "(1, -8) y-wall plain; ");
    EXPECT_TRUE(has_box(2.5, 3.4, -8.1, -7.9, 13.5, 14.3, blue));
    EXPECT_TRUE(has_box(3.5, 4.4, -8.1, -7.9, 13.5, 14.3, blue));
    EXPECT_TRUE(has_box(4.5, 5.5, -8.1, -7.9, 13.5, 14.3, blue));
    EXPECT_EQ(scene::boxes_in(blue).size(), 3u);
    EXPECT_EQ(scene::boxes_in(gray).size(), 3u);

    draw(*block_sequence[1], draw_corridor_x_panels_y0);  // y 8..10
    EXPECT_EQ(door_list(12.5), "(1, 8) y-wall plain; ");
    EXPECT_TRUE(has_box(2.5, 3.4, 7.9, 8.1, 13.5, 14.3, blue));
    EXPECT_TRUE(has_box(4.5, 5.5, 7.9, 8.1, 13.5, 14.3, blue));
}

// ---- shuttle bridge --------------------------------------------------------

TEST_F(CrewDecks, BridgeHasARingEnclosureBetweenTwoBanksOfDarkRows)
{
    draw(BL_shbridge, draw_shuttle_bridge);  // x 60..76, y -16..16, floor 7.5
    const auto cyl = scene::of_kind(Kind::cylinder);
    ASSERT_EQ(cyl.size(), 2u);
    expect_cylinder(cyl[0], {70, 0, 7.6}, 5, 5, 1.9, gray);      // ring, open at the top
    expect_cylinder(cyl[1], {70, 0, 7.6}, 5, 0, 0.1, dark_gray);  // floor disc at its bottom
    EXPECT_NEAR(cyl[0].axis.z, 1, 1e-12);
    const double rows[12] = {-14, -12.5, -11, -9.5, -8, -6.5, 6, 7.5, 9, 10.5, 12, 13.5};
    for (double y : rows)
        EXPECT_TRUE(has_box(61, 75, y, y + 0.5, 7.5, 9, dark_gray)) << "row at y " << y;
    EXPECT_EQ(scene::boxes_in(dark_gray).size(), 12u);
    EXPECT_EQ(door_list(7.5), "(70, -5) y-wall plain; (70, 5) y-wall plain; ");

    // a wider block keeps both banks placed from y0 and its second door 11 from y1
    const Block wider(draw_shuttle_bridge, magenta, 60, 76, -16, 20, 7.5f, 10);
    draw(wider, draw_shuttle_bridge);
    EXPECT_TRUE(has_box(61, 75, 6, 6.5, 7.5, 9, dark_gray));
    EXPECT_TRUE(has_box(61, 75, 13.5, 14, 7.5, 9, dark_gray));
    EXPECT_EQ(door_list(7.5), "(70, -5) y-wall plain; (70, 9) y-wall plain; ");
}

// ---- fitted rooms ----------------------------------------------------------

TEST_F(CrewDecks, TubeRoomsTiltTheirTubeOutwardFromTheFloor)
{
    const struct {
        const Block& block;
        BlockRoutine routine;
        double side;
    } rooms[] = {{*block_sequence[17], draw_tube_room_plus_y, 1},
                 {*block_sequence[16], draw_tube_room_minus_y, -1}};
    const struct {
        const float* colour;
        double radius, height;
    } parts[] = {{red, 1.5, 20}, {mid_gray, 1.6, 18}, {dark_gray, 1.4, 18}};  // core, sleeve, liner
    for (const auto& room : rooms) {
        draw(room.block, room.routine);
        EXPECT_EQ(scene::boxes_in(gray).size(), 4u);
        const auto cyl = scene::of_kind(Kind::cylinder);
        ASSERT_EQ(cyl.size(), 3u);
        for (int i = 0; i < 3; ++i) {
            SCOPED_TRACE(i);
            expect_cylinder(cyl[i], {8, room.side * 9.051, 14.991}, parts[i].radius,
                            parts[i].radius, parts[i].height, parts[i].colour);
            EXPECT_NEAR(cyl[i].axis.x, 0, 1e-6);
            EXPECT_NEAR(cyl[i].axis.y, room.side * 0.7071, 1e-4);
            EXPECT_NEAR(cyl[i].axis.z, 0.7071, 1e-4);
        }
        // the core's far end stands clear of the block
        EXPECT_NEAR(cyl[0].origin.y + 20 * cyl[0].axis.y, room.side * 23.19, 1e-2);
        EXPECT_NEAR(cyl[0].origin.z + 20 * cyl[0].axis.z, 29.13, 1e-2);
    }
}

TEST_F(CrewDecks, DrumRoomHasTwoLiddedDrumsAndThreeDoorsInItsX1Wall)
{
    draw(*block_sequence[18], draw_drum_room);  // x 10..24, y -10..10, floor 15
    const auto cyl = scene::of_kind(Kind::cylinder);
    ASSERT_EQ(cyl.size(), 4u);
    for (int drum = 0; drum < 2; ++drum) {  // side without a bottom, then a flat-cone lid
        const double y = drum == 0 ? -6 : 6;
        expect_cylinder(cyl[2 * drum], {18, y, 15.1}, 3, 3, 1.9, dark_gray);
        expect_cylinder(cyl[2 * drum + 1], {18, y, 17.0}, 3, 0, 0.1, mid_gray);
    }
    EXPECT_EQ(door_list(15), "(24, -6) x-wall plain; (24, 0) x-wall plain; (24, 6) x-wall plain; ");
}

TEST_F(CrewDecks, SlabRoomsKeepTheirFixedSlabsWhereverTheBlockLies)
{
    draw(*block_sequence[94], draw_slab_room);  // x 44..58, y -10..-2, floor 15
    EXPECT_TRUE(has_box(46, 48, -6.5, -2.5, 16, 16.1, dark_gray));
    EXPECT_TRUE(has_box(50, 52, -6.5, -2.5, 16, 16.1, dark_gray));
    EXPECT_TRUE(has_box(54, 56, -6.5, -2.5, 16, 16.1, dark_gray));
    EXPECT_TRUE(has_box(44.5, 48.5, -9.2, -7.5, 16, 16.1, dark_gray));
    EXPECT_EQ(door_list(15), "(55, -10) y-wall plain; ");

    const Block elsewhere(draw_slab_room, cyan, 0, 14, 20, 28, 2.5f, 5);
    draw(elsewhere, draw_slab_room);
    EXPECT_TRUE(has_box(2, 4, -6.5, -2.5, 16, 16.1, dark_gray));
    EXPECT_TRUE(has_box(0.5, 4.5, 20.8, 22.5, 16, 16.1, dark_gray));

    draw(*block_sequence[98], draw_slab_room_two_doors);  // x 58..66, y -10..-2
    EXPECT_TRUE(has_box(61.5, 65.5, -7, -5, 16, 16.1, dark_gray));
    EXPECT_EQ(door_list(15), "(58, -9) x-wall plain; (59, -10) y-wall plain; ");
    draw(elsewhere, draw_slab_room_two_doors);
    EXPECT_TRUE(has_box(61.5, 65.5, -7, -5, 16, 16.1, dark_gray));
}

TEST_F(CrewDecks, RoomWithFiveRowsIsClosedAllRound)
{
    draw(*block_sequence[19], draw_room_five_rows);  // x 24..32, y 2..10, floor 15
    for (double y : {3.0, 4.5, 6.0, 7.5, 9.0})
        EXPECT_TRUE(has_box(25, 31, y, y + 0.5, 15, 16, dark_gray)) << "row at y " << y;
    EXPECT_EQ(scene::boxes_in(dark_gray).size(), 5u);
    EXPECT_EQ(scene::boxes_in(gray).size(), 4u);
    EXPECT_EQ(door_list(15), "");
}

TEST_F(CrewDecks, PlatformRoomsCarry22ConesAndADoorAwayFromTheCentreLine)
{
    draw(BL_TR1_d20, draw_tr_room);  // x 17..27, y -11..-2, floor 5
    EXPECT_TRUE(has_box(17, 20, -11, -2, 5.1, 5.35, mid_gray));
    const auto cones = scene::of_kind(Kind::cylinder);
    ASSERT_EQ(cones.size(), 22u);
    const struct {
        double x, first_y;
        size_t count;
    } rows[] = {{19.25, -8.5, 7}, {18.5, -9, 8}, {17.75, -8.5, 7}};  // to y -4, -3.75, -4
    size_t at = 0;
    for (const auto& row : rows)
        for (size_t i = 0; i < row.count; ++i, ++at) {
            SCOPED_TRACE(at);
            expect_cylinder(cones[at], {row.x, row.first_y + 0.75 * i, 5.36}, 0.25, 0, 0.1,
                            dark_gray);
        }
    EXPECT_EQ(door_list(5), "(24, -11) y-wall plain; ");

    draw(BL_TR2_d20, draw_tr_room);
    EXPECT_EQ(scene::of_kind(Kind::cylinder).size(), 22u);
    EXPECT_EQ(door_list(5), "(24, 11) y-wall plain; ");

    const Block on_centre_line(draw_tr_room, orange, 17, 27, 0, 9, 5, 7.5f);
    draw(on_centre_line, draw_tr_room);
    EXPECT_EQ(door_list(5), "(24, 9) y-wall plain; ");
}

}  // namespace
