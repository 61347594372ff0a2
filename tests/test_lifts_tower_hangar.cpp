#include <gtest/gtest.h>

#include <ostream>
#include <vector>

#include "ship/catalogue.h"
#include "ship/compartments/compartments.h"
#include "tests/scene.h"
#include "view/view_state.h"

using namespace palette;
using gl_capture::Kind;
using scene::boxes_in;
using scene::has_box;
using scene::near;

namespace {

// Worked extents of a box, to hold a drawn box to.
struct Extent {
    double x0, x1, y0, y1, z0, z1;
    bool matches(const scene::Box& b) const { return b.spans(x0, x1, y0, y1, z0, z1); }
};

struct Spot {
    double x, y, z;
    bool operator==(const Spot& o) const { return near(x, o.x) && near(y, o.y) && near(z, o.z); }
};
std::ostream& operator<<(std::ostream& os, const Spot& s)
{
    return os << "(" << s.x << ", " << s.y << ", " << s.z << ")";
}
Spot at(const gl_capture::Vec3& v) { return {v.x, v.y, v.z}; }

// A door by where it stands: the centre of its leaf in plan, the floor under
// it, and whether the unit spans y (set in a wall of constant x).
struct Door {
    Spot at;
    bool spans_y;
    bool operator==(const Door& o) const { return at == o.at && spans_y == o.spans_y; }
};
std::ostream& operator<<(std::ostream& os, const Door& d)
{
    return os << d.at << (d.spans_y ? " spanning y" : " spanning x");
}

std::vector<Door> doors_with_leaf(const float* leaf)
{
    std::vector<Door> found;
    for (const scene::Box& b : scene::boxes())
        if (b.colour == gl_capture::rgb(leaf))
            found.push_back({{(b.lo.x + b.hi.x) / 2, (b.lo.y + b.hi.y) / 2, b.lo.z - 0.1},
                             b.hi.y - b.lo.y > b.hi.x - b.lo.x});
    return found;
}

std::vector<Door> plain_doors() { return doors_with_leaf(pink); }

// Red leaves, each in a pale-yellow frame 4 wide up to the next deck.
std::vector<Door> lift_doors()
{
    std::vector<Door> found = doors_with_leaf(red);
    for (const Door& d : found) {
        const double w = d.spans_y ? 0.11 : 2, t = d.spans_y ? 2 : 0.11;
        EXPECT_TRUE(has_box(d.at.x - w, d.at.x + w, d.at.y - t, d.at.y + t, d.at.z + 0.1,
                            d.at.z + 2.5, pale_yellow))
            << "no frame about the lift door at " << d;
    }
    return found;
}

// Where each lift car stands: the foot of its wall, the 1.9 tube 2.5 high.
std::vector<Spot> cars()
{
    std::vector<Spot> found;
    for (const auto& c : scene::of_kind(Kind::cylinder))
        if (c.base_radius == 1.9 && c.top_radius == 1.9 && c.height == 2.5 &&
            c.colour == gl_capture::rgb(dark_gray) && c.axis.z == 1)
            found.push_back(at(c.origin));
    return found;
}

gl_capture::Rgb colour_left() { return gl_capture::state().colour; }

class Compartments : public testing::Test {
protected:
    void SetUp() override
    {
        gl_capture::reset();
        view_state = ViewState{};
        view_state.show_ceilings = 1;
    }

    void TearDown() override
    {
        EXPECT_EQ(gl_capture::state().modelview.size(), 1u) << "matrix stack unbalanced";
        EXPECT_TRUE(gl_capture::state().modelview.back() == gl_capture::Matrix::identity())
            << "model-view matrix changed";
    }

    static void draw(const Block& block, BlockRoutine routine)
    {
        scene::draw_routine_for(block, routine);
    }
};

// ---- lift runs and cross-lifts ---------------------------------------------

TEST_F(Compartments, RunsAlongXShowSideWallsCarAndEndDoors)
{
    struct {
        const Block* block;
        BlockRoutine routine;
        Spot car;
        std::vector<Door> doors;
    } const runs[] = {
        {block_sequence[7], draw_lift_run_1, {29, 0, 12.5}, {{{36, 0, 12.5}, true}}},
        {&BL_el_2, draw_lift_run_2, {29, 0, 7.5}, {{{10, 0, 7.5}, true}, {{32, 0, 7.5}, true}}},
        {&BL_el_4_d19, draw_lift_run_4, {60, 0, 7.5}, {{{48, 0, 7.5}, true}, {{66, 0, 7.5}, true}}},
    };
    for (const auto& run : runs) {
        const Block& b = *run.block;
        SCOPED_TRACE(b.x0);
        draw(b, run.routine);
        EXPECT_EQ(cars(), std::vector<Spot>{run.car});
        EXPECT_EQ(lift_doors(), run.doors);
        const auto walls = boxes_in(gray);
        ASSERT_EQ(walls.size(), 2u) << scene::describe(walls);  // no end walls
        EXPECT_TRUE(walls[0].spans(b.x0, b.x1, -2, -1.9, b.z0 + 0.1, b.z1));
        EXPECT_TRUE(walls[1].spans(b.x0, b.x1, 1.9, 2, b.z0 + 0.1, b.z1));
        EXPECT_EQ(colour_left(), gl_capture::rgb(red));
    }
}

TEST_F(Compartments, OnlyRunFourRaisesItsWallsToTheBlockTop)
{
    const Block tall(draw_lift_run_4, pale_yellow, 48, 66, -2, 2, 7.5f, 12.5f);
    draw(tall, draw_lift_run_4);
    EXPECT_TRUE(has_box(48, 66, -2, -1.9, 7.6, 12.5, gray)) << scene::describe(scene::boxes());
    draw(tall, draw_lift_run_2);
    EXPECT_TRUE(has_box(48, 66, -2, -1.9, 7.6, 10, gray)) << scene::describe(scene::boxes());
}

TEST_F(Compartments, LongRunHasTwoCarsAndASpurTowardPlusY)
{
    draw(BL_el_3, draw_lift_run_3);
    EXPECT_EQ(cars(), (std::vector<Spot>{{29, 0, 15}, {60, 0, 15}}));
    EXPECT_EQ(lift_doors(),
              (std::vector<Door>{{{24, 0, 15}, true}, {{66, 0, 15}, true}, {{50, 10, 15}, false}}));
    const auto walls = boxes_in(gray);
    ASSERT_EQ(walls.size(), 4u) << scene::describe(walls);
    EXPECT_TRUE(walls[0].spans(24, 66, -2, -1.9, 15.1, 17.5));
    EXPECT_TRUE(walls[1].spans(24, 48, 1.9, 2, 15.1, 17.5));  // the y1 wall, broken at 48..52
    EXPECT_TRUE(walls[2].spans(52, 66, 1.9, 2, 15.1, 17.5));
    EXPECT_TRUE(walls[3].spans(51.9, 52, 2, 10, 15.1, 17.5));  // the spur's one side wall, on +x
    EXPECT_TRUE(has_box(48, 52, 2, 10, 15, 15.1, pale_yellow));  // spur floor
    EXPECT_TRUE(has_box(48, 52, 2, 10, 17.4, 17.5, mid_gray));   // spur ceiling
    EXPECT_EQ(colour_left(), gl_capture::rgb(mid_gray));

    view_state.show_ceilings = 0;
    draw(BL_el_3, draw_lift_run_3);
    EXPECT_TRUE(boxes_in(mid_gray).empty());
    EXPECT_EQ(colour_left(), gl_capture::rgb(red));

    // The second car stays on the lift line at x 60 wherever the run begins.
    const Block moved(draw_lift_run_3, pale_yellow, 30, 72, -2, 2, 15, 17.5f);
    draw(moved, draw_lift_run_3);
    EXPECT_EQ(cars(), (std::vector<Spot>{{35, 0, 15}, {60, 0, 15}}));
}

TEST_F(Compartments, CrossPassageIsOpenTowardRunOneAndHasNoCar)
{
    draw(*block_sequence[6], draw_cross_passage);
    EXPECT_TRUE(scene::of_kind(Kind::cylinder).empty());
    EXPECT_EQ(lift_doors(), (std::vector<Door>{{{12, -8, 12.5}, false}, {{12, 8, 12.5}, false}}));
    const auto walls = boxes_in(gray);
    ASSERT_EQ(walls.size(), 3u) << scene::describe(walls);
    EXPECT_TRUE(walls[0].spans(10, 10.1, -8, 8, 12.6, 15));
    EXPECT_TRUE(walls[1].spans(13.9, 14, -8, -2, 12.6, 15));
    EXPECT_TRUE(walls[2].spans(13.9, 14, 2, 8, 12.6, 15));
    EXPECT_EQ(colour_left(), gl_capture::rgb(red));
}

TEST_F(Compartments, CrossLiftsCentreTheirCarWhateverTheirLength)
{
    // The side walls stand on the floor slab, 0.1 thick inside the ends.
    struct {
        const Block* block;
        Spot car;
        double door_y0, door_y1;
        double x0, x1, z_floor, z1;
    } const lifts[] = {
        {&BL_ew_2, {29, 0, 10}, -11, 11, 27, 31, 10.1, 12.5},
        {&BL_ew_4_d18, {60, 0, 10}, -9, 9, 58, 62, 10.1, 12.5},
        {block_sequence[127], {60, 0, 0}, -6, 6, 58, 62, 0.1, 2.5},
    };
    for (const auto& l : lifts) {
        SCOPED_TRACE(l.door_y1);
        const Block& b = *l.block;
        draw(b, draw_cross_lift);
        EXPECT_EQ(cars(), std::vector<Spot>{l.car});
        EXPECT_EQ(lift_doors(), (std::vector<Door>{{{l.car.x, l.door_y0, b.z0}, false},
                                                   {{l.car.x, l.door_y1, b.z0}, false}}));
        const auto walls = boxes_in(gray);
        ASSERT_EQ(walls.size(), 4u) << scene::describe(walls);  // closed at both ends
        EXPECT_TRUE(walls[2].spans(l.x0, l.x1, l.door_y0, l.door_y0 + 0.1, l.z_floor, l.z1));
        EXPECT_TRUE(walls[3].spans(l.x0, l.x1, l.door_y1 - 0.1, l.door_y1, l.z_floor, l.z1));
        EXPECT_EQ(colour_left(), gl_capture::rgb(red));
    }
}

TEST_F(Compartments, AftCrossLiftHasASpurTowardMinusXOnTheCentreLine)
{
    draw(BL_turboaft_d20, draw_cross_lift_spur);
    EXPECT_EQ(cars(), (std::vector<Spot>{{29, 0, 5}}));
    EXPECT_EQ(lift_doors(), (std::vector<Door>{
                                {{29, -11, 5}, false}, {{29, 11, 5}, false}, {{10, 0, 5}, true}}));
    const auto walls = boxes_in(gray);
    ASSERT_EQ(walls.size(), 5u) << scene::describe(walls);  // the y ends have doors only
    EXPECT_TRUE(walls[0].spans(30.9, 31, -11, 11, 5.1, 7.5));
    EXPECT_TRUE(walls[1].spans(27, 27.1, -11, -2, 5.1, 7.5));  // the x0 wall, broken at -2..2
    EXPECT_TRUE(walls[2].spans(27, 27.1, 2, 11, 5.1, 7.5));
    EXPECT_TRUE(walls[3].spans(10, 27, -2, -1.9, 5.1, 7.5));
    EXPECT_TRUE(walls[4].spans(10, 27, 1.9, 2, 5.1, 7.5));
    EXPECT_TRUE(has_box(10, 27, -2, 2, 5, 5.1, pale_yellow));  // spur floor
    EXPECT_TRUE(has_box(10, 27, -2, 2, 7.4, 7.5, mid_gray));   // spur ceiling
    EXPECT_EQ(colour_left(), gl_capture::rgb(mid_gray));

    view_state.show_ceilings = 0;
    draw(BL_turboaft_d20, draw_cross_lift_spur);
    EXPECT_TRUE(boxes_in(mid_gray).empty());
    EXPECT_EQ(colour_left(), gl_capture::rgb(red));

    // Off the centre line the spur's walls and floor stay at y -2..2 while
    // its end door and ceiling follow the block's middle.
    view_state.show_ceilings = 1;
    const Block off_centre(draw_cross_lift_spur, pale_yellow, 27, 31, -5, 17, 5, 7.5f);
    draw(off_centre, draw_cross_lift_spur);
    EXPECT_TRUE(has_box(10, 27, -2, -1.9, 5.1, 7.5, gray));
    EXPECT_TRUE(has_box(10, 27, -2, 2, 5, 5.1, pale_yellow));
    EXPECT_TRUE(has_box(10, 27, 4, 8, 7.4, 7.5, mid_gray));
    EXPECT_EQ(lift_doors().back(), (Door{{10, 6, 5}, true}));
}

// ---- tower, boom and disc deck ---------------------------------------------

TEST_F(Compartments, TowerLevelsPutTheirWellWhereTheVariantSays)
{
    struct {
        int position;  // in the construction order
        double well_x0, well_x1, closed_x0, door_x;
        Extent first_wall;  // along the level's low-y side, floor to ceiling
    } const levels[] = {
        {103, 54, 62, 61.9, 54, {10, 68, -3, -2.9, 17.5, 20}},  // variant 0
        {130, 54, 62, 61.9, 54, {28, 72, -5, -4.9, 20, 22.5}},  // variant 0, wider and shorter
        {132, 58, 66, 57.9, 66, {43, 79, -3, -2.9, 25, 27.5}},  // variant 1
    };
    for (const auto& l : levels) {
        SCOPED_TRACE(l.position);
        const Block& b = *block_sequence[l.position];
        draw(b, draw_tower_level);
        const auto walls = boxes_in(gray);
        ASSERT_EQ(walls.size(), 7u) << scene::describe(walls);
        EXPECT_TRUE(l.first_wall.matches(walls[0])) << scene::describe(walls);  // the level's walls first
        EXPECT_TRUE(has_box(l.well_x0, l.well_x1, -2, 2, b.z0 + 0.1, b.z0 + 0.11, pale_yellow));
        EXPECT_EQ(cars(), (std::vector<Spot>{{60, 0, b.z0}}));
        EXPECT_TRUE(walls[4].spans(l.well_x0, l.well_x1, -2, -1.9, b.z0 + 0.1, b.z1));
        EXPECT_TRUE(walls[5].spans(l.well_x0, l.well_x1, 1.9, 2, b.z0 + 0.1, b.z1));
        EXPECT_TRUE(walls[6].spans(l.closed_x0, l.closed_x0 + 0.1, -2, 2, b.z0 + 0.1, b.z1));
        EXPECT_EQ(lift_doors(), (std::vector<Door>{{{l.door_x, 0, b.z0}, true}}));
        EXPECT_EQ(colour_left(), gl_capture::rgb(red));
    }
}

TEST_F(Compartments, TopLevelHoldsBothLiftLinesInOneClosedWell)
{
    const Block& top = *block_sequence[136];
    draw(top, draw_tower_top);
    EXPECT_TRUE(lift_doors().empty());
    EXPECT_EQ(cars(), (std::vector<Spot>{{60, 0, 35}, {86, 0, 35}}));
    EXPECT_TRUE(has_box(58, 88, -2, 2, 35.1, 35.11, pale_yellow));
    EXPECT_TRUE(has_box(58, 88, -2, -1.9, 35.1, 37.5, gray));
    EXPECT_TRUE(has_box(58, 88, 1.9, 2, 35.1, 37.5, gray));
    EXPECT_TRUE(has_box(57.9, 58, -2, 2, 35.1, 37.5, gray));
    EXPECT_TRUE(has_box(87.9, 88, -2, 2, 35.1, 37.5, gray));
    EXPECT_TRUE(has_box(55.25, 57.75, -2.5, 2.5, 35.1, 37.5, mid_gray));
    EXPECT_TRUE(has_box(88.25, 92.75, -2.5, 2.5, 35.1, 37.5, mid_gray));
    EXPECT_EQ(colour_left(), gl_capture::rgb(mid_gray));

    const std::string with_variant_1 = scene::describe(scene::boxes());
    const Block variant_0(draw_tower_top, light_gray, 55, 94, -3, 3, 35, 37.5f, 0);
    draw(variant_0, draw_tower_top);
    EXPECT_EQ(scene::describe(scene::boxes()), with_variant_1);
}

TEST_F(Compartments, BoomHasACarNearEachEndAndAGapInBothSides)
{
    draw(*block_sequence[137], draw_boom);
    EXPECT_EQ(cars(), (std::vector<Spot>{{86, 0, 37.5}, {118, 0, 37.5}}));
    EXPECT_EQ(lift_doors(), (std::vector<Door>{{{80, 0, 37.5}, true}, {{124, 0, 37.5}, true}}));
    EXPECT_TRUE(has_box(80, 92, -2, -1.9, 37.6, 40, gray));
    EXPECT_TRUE(has_box(80, 92, 1.9, 2, 37.6, 40, gray));
    EXPECT_TRUE(has_box(96, 124, -2, -1.9, 37.6, 40, gray));
    EXPECT_TRUE(has_box(96, 124, 1.9, 2, 37.6, 40, gray));
    for (const auto& b : scene::boxes())
        EXPECT_FALSE(b.lo.x < 95.9 && b.hi.x > 92.1) << "something in the gap:\n"
                                                     << scene::describe({b});
    EXPECT_EQ(colour_left(), gl_capture::rgb(red));
}

TEST_F(Compartments, DiscDeckIsARingAboutAHubAtTheBoomsForwardEnd)
{
    const Block& disc = *block_sequence[138];
    const Block small_hub(draw_disc_deck, nullptr, nullptr, magenta, 0, 6, 0, 360, 37.5f, 40);
    for (const Block* b : {&disc, &small_hub}) {
        const double hub = b->x1;
        SCOPED_TRACE(hub);
        draw(*b, draw_disc_deck);
        EXPECT_TRUE(scene::of_kind(Kind::rect).empty()) << "no floor or ceiling slab";
        const auto& q = gl_capture::prims();
        ASSERT_EQ(q.size(), 4u);
        struct {
            Kind kind;
            double r0, r1, height;
            const float* colour;
        } const expected[] = {
            {Kind::cylinder, hub, hub, 2.5, gray},       // hub wall
            {Kind::cylinder, hub, 0, 0.1, magenta},      // hub floor
            {Kind::cylinder, 64, 64, 2.5, gray},         // outer wall
            {Kind::partial_disk, hub, 64, 0, mid_gray},  // ring floor
        };
        for (int i = 0; i < 4; ++i) {
            const auto& p = q[i];
            const auto& e = expected[i];
            EXPECT_EQ(p.kind, e.kind) << i;
            EXPECT_EQ(at(p.origin), (Spot{124, 0, 37.5})) << i;
            EXPECT_EQ(p.axis.z, 1) << i;
            EXPECT_EQ(p.kind == Kind::cylinder ? p.base_radius : p.inner, e.r0) << i;
            EXPECT_EQ(p.kind == Kind::cylinder ? p.top_radius : p.outer, e.r1) << i;
            EXPECT_EQ(p.height, e.height) << i;
            EXPECT_EQ(p.slices, 100) << i;
            EXPECT_EQ(p.stacks, 10) << i;
            EXPECT_EQ(p.colour, gl_capture::rgb(e.colour)) << i;
        }
        EXPECT_EQ(q[3].start, 0);
        EXPECT_EQ(q[3].sweep, 360);
    }
}

// ---- hangar deck -------------------------------------------------------------

TEST_F(Compartments, HangarIsOpenAftWithSideWallsUpTo17Point5)
{
    draw(BL_hangardeck19, draw_hangar_deck);
    const auto boxes = scene::boxes();
    ASSERT_EQ(boxes.size(), 5u) << scene::describe(boxes);  // no aft wall
    EXPECT_TRUE(boxes[0].spans(-18, 10, -10, 10, 7.5, 7.6));  // its own floor, in its colour
    EXPECT_EQ(boxes[0].colour, gl_capture::rgb(mid_gray));
    EXPECT_TRUE(has_box(-18, 10, -10.1, -10, 7.6, 17.5, light_gray));  // outside the block
    EXPECT_TRUE(has_box(-18, 10, 10, 10.1, 7.6, 17.5, light_gray));
    EXPECT_TRUE(has_box(9.9, 10, -10, 10, 7.6, 10, light_gray));  // forward wall, one deck
    EXPECT_TRUE(has_box(-18, 10, -10, 10, 17.4, 17.5, mid_gray));  // ceiling above z1
    EXPECT_EQ(colour_left(), gl_capture::rgb(mid_gray));

    // Ring on the floor about the origin, platform hanging under the aft edge.
    const auto cyl = scene::of_kind(Kind::cylinder);
    ASSERT_EQ(cyl.size(), 4u);
    struct {
        Spot at;
        double base, top, height;
        const float* colour;
    } const expected[] = {
        {{0, 0, 7.5}, 4, 4, 0.12, light_gray},   // ring
        {{-16, 0, 7.5}, 10, 0, 0.1, mid_gray},   // platform top
        {{-16, 0, 6}, 10, 10, 1.5, gray},        // platform rim
        {{-16, 0, 6}, 0, 10, 0.1, mid_gray},     // platform bottom
    };
    for (int i = 0; i < 4; ++i) {
        const auto& c = cyl[i];
        EXPECT_EQ(at(c.origin), expected[i].at) << i;
        EXPECT_EQ(c.axis.z, 1) << i;
        EXPECT_EQ(c.base_radius, expected[i].base) << i;
        EXPECT_EQ(c.top_radius, expected[i].top) << i;
        EXPECT_NEAR(c.height, expected[i].height, 1e-9) << i;
        EXPECT_EQ(c.slices, 100) << i;
        EXPECT_EQ(c.colour, gl_capture::rgb(expected[i].colour)) << i;
    }

    // The pad marker: a dark plate at the aft edge, two white quarters on it.
    struct {
        const float* colour;
        Spot lo, hi;
    } const pad[] = {
        {dark_gray, {-22, -2, 7.61}, {-14, 2, 7.61}},
        {white, {-18, 0, 7.615}, {-14.1, 1.9, 7.615}},
        {white, {-21.9, -1.9, 7.615}, {-18, 0, 7.615}},
    };
    std::vector<gl_capture::Primitive> loose;  // rectangles that are not faces of a box
    for (const auto& r : scene::of_kind(Kind::rect))
        if (r.colour == gl_capture::rgb(dark_gray) || r.colour == gl_capture::rgb(white))
            loose.push_back(r);
    ASSERT_EQ(loose.size(), 3u);
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(loose[i].colour, gl_capture::rgb(pad[i].colour)) << i;
        EXPECT_EQ(at(loose[i].lo()), pad[i].lo) << i;
        EXPECT_EQ(at(loose[i].hi()), pad[i].hi) << i;
    }

    view_state.show_ceilings = 0;
    draw(BL_hangardeck19, draw_hangar_deck);
    for (const auto& r : scene::of_kind(Kind::rect))
        EXPECT_LE(r.hi().z, 17.5 + 1e-9);
    EXPECT_TRUE(scene::find_boxes(-18, 10, -10, 10, 17.4, 17.5).empty());
}

// ---- rooms with doors ------------------------------------------------------

TEST_F(Compartments, RoomsSetTheirDoorsByTheNamedEdges)
{
    // The catalogue's rooms, each followed by the same room made wider toward
    // +y: every door keeps its distance from the edge it is measured from.
    const Block wide_three(draw_room_three_doors, light_gray, 27, 66, -13, 27, 2.5f, 5);
    const Block wide_two(draw_room_two_doors, red, 10, 14, 2, 20, 15, 17.5f);
    struct {
        const Block* block;
        BlockRoutine routine;
        std::vector<Spot> doors;  // all set in x walls, spanning y
        Extent first_wall;        // along the low-y side, floor to ceiling
    } const rooms[] = {
        {block_sequence[120], draw_room_three_doors, {{27, -9, 2.5}, {66, -3, 2.5}, {66, 9, 2.5}},
         {27, 66, -13, -12.9, 2.5, 5}},
        {&wide_three, draw_room_three_doors, {{27, -9, 2.5}, {66, -3, 2.5}, {66, 23, 2.5}},
         {27, 66, -13, -12.9, 2.5, 5}},
        {block_sequence[15], draw_room_two_doors, {{14, 3, 15}, {10, 9, 15}}, {10, 14, 2, 2.1, 15, 17.5}},
        {&wide_two, draw_room_two_doors, {{14, 3, 15}, {10, 19, 15}}, {10, 14, 2, 2.1, 15, 17.5}},
    };
    for (const auto& room : rooms) {
        const Block& b = *room.block;
        SCOPED_TRACE(b.y1);
        draw(b, room.routine);
        const auto boxes = scene::boxes();
        ASSERT_EQ(boxes.size(), 4 + room.doors.size()) << scene::describe(boxes);
        EXPECT_TRUE(room.first_wall.matches(boxes[0])) << scene::describe(boxes);  // walls first
        std::vector<Spot> doors;
        for (const Door& d : plain_doors()) {
            EXPECT_TRUE(d.spans_y) << d;
            doors.push_back(d.at);
        }
        EXPECT_EQ(doors, room.doors);
        EXPECT_EQ(colour_left(), gl_capture::rgb(pink));
    }
}

}  // namespace
