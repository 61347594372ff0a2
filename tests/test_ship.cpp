#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <map>
#include <set>

#include "ship/catalogue.h"
#include "ship/compartments/compartments.h"
#include "tests/scene.h"
#include "view/view_state.h"

using namespace palette;
using gl_capture::Kind;

namespace {

std::vector<int> positions(int from, int to)  // from..to inclusive
{
    std::vector<int> p;
    for (int i = from; i <= to; ++i)
        p.push_back(i);
    return p;
}

std::vector<int> sorted(std::vector<int> v)
{
    std::sort(v.begin(), v.end());
    return v;
}

// Positions of the blocks that lay a floor slab among the given ones: those
// with a floor routine, and the hangar deck, which lays its own.
std::vector<int> with_floors(const std::vector<int>& p)
{
    std::vector<int> out;
    for (int i : p)
        if (block_sequence[i]->floor_routine || block_sequence[i] == &BL_hangardeck19)
            out.push_back(i);
    return out;
}

// ---- the catalogue ---------------------------------------------------------

TEST(Catalogue, HoldsEveryBlockOnceInConstructionOrderThenNull)
{
    EXPECT_EQ(block_total(), 140);
    std::set<const Block*> seen;
    for (int i = 0; i < 139; ++i) {
        ASSERT_NE(block_sequence[i], nullptr) << i;
        EXPECT_TRUE(seen.insert(block_sequence[i]).second) << "block twice at " << i;
    }
    EXPECT_EQ(block_sequence[139], nullptr);
}

TEST(Catalogue, CountsBlocksPerDeck)
{
    std::map<int, int> per_deck;
    for (int i = 0; block_sequence[i]; ++i) {
        const Block& b = *block_sequence[i];
        ASSERT_EQ(b.z0, deck_height * deck_index(b)) << "floor off the deck grid at " << i;
        ++per_deck[deck_index(b)];
    }
    const std::map<int, int> expected = {
        {0, 6}, {1, 4}, {2, 10}, {3, 27}, {4, 25}, {5, 31}, {6, 19}, {7, 8},
        {8, 1}, {9, 1}, {10, 1}, {11, 1}, {12, 1}, {13, 1}, {14, 1}, {15, 2}};
    EXPECT_EQ(per_deck, expected);
    EXPECT_EQ(int(expected.size()), deck_count);
}

TEST(Catalogue, RowsMatchTheirNamesColoursAndBounds)
{
    struct Row {
        const Block* block;
        int position;
        BlockRoutine routine;
        const float* colour;
        float x0, x1, y0, y1, z0, z1, variant;
    } const rows[] = {
        {block_sequence[0], 0, draw_corridor_x_panels_y1, mid_gray, 0, 8, -10, -8, 12.5f, 15, 0},
        {block_sequence[8], 8, draw_quarters_10x6, light_green, 14, 24, -8, -2, 12.5f, 15, 1},
        {&BL_head18_00, 22, draw_head_6x2, light_blue, 13, 19, -1, 1, 10, 12.5f, 0},
        {&BL_cq18_01, 23, draw_quarters_6x10, light_green, 13, 19, 1, 11, 10, 12.5f, 0},
        {&BL_ew_2, 28, draw_cross_lift, pale_yellow, 27, 31, -11, 11, 10, 12.5f, 0},
        {&BL_el_3, 37, draw_lift_run_3, pale_yellow, 24, 66, -2, 2, 15, 17.5f, 0},
        {&BL_cq17_0B, 51, draw_quarters_6x10, light_green, 62, 68, 1, 11, 12.5f, 15, 0},
        {&BL_lounge18, 67, draw_room_walls, light_gray, 19, 62, -14, 14, 10, 12.5f, 0},
        {&BL_el_4_d19, 78, draw_lift_run_4, pale_yellow, 48, 66, -2, 2, 7.5f, 10, 0},
        {&BL_shbridge, 83, draw_shuttle_bridge, magenta, 60, 76, -16, 16, 7.5f, 10, 0},
        {&BL_turboaft_d20, 87, draw_cross_lift_spur, pale_yellow, 27, 31, -11, 11, 5, 7.5f, 0},
        {&BL_TR2_d20, 89, draw_tr_room, orange, 17, 27, 2, 11, 5, 7.5f, 0},
        {&BL_SHBatteryP, 91, draw_room_walls, pink, 10, 17, 2, 11, 5, 7.5f, 0},
        {block_sequence[121], 121, draw_room_walls, palette::tan, -6, 27, -11, 11, 2.5f, 5, 0},
        {&BL_shuttlemaint20, 122, draw_room_walls, mid_gray, -18, 10, -11, 11, 5, 7.5f, 0},
        {&BL_hangardeck19, 123, draw_hangar_deck, mid_gray, -18, 10, -10, 10, 7.5f, 15, 0},
        {block_sequence[129], 129, draw_room_walls, brown, 68, 76, -8, 8, 0, 2.5f, 0},
        {block_sequence[132], 132, draw_tower_level, light_gray, 43, 79, -3, 3, 25, 27.5f, 1},
        {block_sequence[136], 136, draw_tower_top, light_gray, 55, 94, -3, 3, 35, 37.5f, 1},
        {block_sequence[138], 138, draw_disc_deck, magenta, 0, 10, 0, 360, 37.5f, 40, 0},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.position);
        EXPECT_EQ(block_sequence[r.position], r.block);
        const Block& b = *r.block;
        EXPECT_EQ(b.draw_routine, r.routine);
        EXPECT_EQ(b.colour, r.colour);
        EXPECT_EQ(b.x0, r.x0);
        EXPECT_EQ(b.x1, r.x1);
        EXPECT_EQ(b.y0, r.y0);
        EXPECT_EQ(b.y1, r.y1);
        EXPECT_EQ(b.z0, r.z0);
        EXPECT_EQ(b.z1, r.z1);
        EXPECT_EQ(b.variant, r.variant);
    }
}

TEST(Catalogue, OnlyTheHangarAndTheDiscGoWithoutFloorAndCeiling)
{
    for (int i = 0; block_sequence[i]; ++i) {
        const Block& b = *block_sequence[i];
        const bool bare = &b == &BL_hangardeck19 || &b == block_sequence[138];
        EXPECT_EQ(b.floor_routine, bare ? nullptr : draw_block_floor) << i;
        EXPECT_EQ(b.ceiling_routine, bare ? nullptr : draw_block_ceiling) << i;
        EXPECT_NE(b.draw_routine, nullptr) << i;
    }
}

TEST(Catalogue, DrawRoutinesServeAsManyBlocksAsListed)
{
    std::map<BlockRoutine, int> uses;
    for (int i = 0; block_sequence[i]; ++i)
        ++uses[block_sequence[i]->draw_routine];
    EXPECT_EQ(uses[draw_room_walls], 31);
    EXPECT_EQ(uses[draw_cross_lift], 8);
    EXPECT_EQ(uses[draw_tower_level], 7);
    EXPECT_EQ(uses[draw_quarters_10x6], 10);
    EXPECT_EQ(uses[draw_quarters_6x10], 24);
    EXPECT_EQ(uses[draw_head_2x6], 7);
    EXPECT_EQ(uses[draw_head_6x2], 12);
    EXPECT_EQ(uses[draw_corridor_y_doors], 8);
    EXPECT_EQ(uses[draw_tr_room], 2);
    EXPECT_EQ(uses.size(), 36u);  // every routine named in the table
}

TEST(Catalogue, CabinDoorsFaceAwayFromTheHeadsAsTheVariantSays)
{
    int ones = 0, zeros = 0;
    for (int i = 0; block_sequence[i]; ++i) {
        const Block& b = *block_sequence[i];
        if (b.draw_routine == draw_quarters_10x6) {
            // the door goes into the long wall away from the centre line
            EXPECT_EQ(b.variant, b.y1 <= 0 ? 1.0f : 0.0f) << i;
        }
        if (b.draw_routine == draw_quarters_6x10 || b.draw_routine == draw_quarters_10x6 ||
            b.draw_routine == draw_tower_level)
            (b.variant != 0 ? ones : zeros) += 1;
    }
    EXPECT_EQ(ones + zeros, 41);
    EXPECT_EQ(ones, 12 + 5 + 4);  // cabins 6x10, cabins 10x6, tower levels
}

// ---- drawing the ship ------------------------------------------------------

class Ship : public testing::Test {
protected:
    void SetUp() override
    {
        gl_capture::reset();
        view_state = ViewState{};
        view_state.show_ceilings = 1;
        view_state.blocks_shown = block_total();
        view_state.deck_shown = all_decks;
    }

    const std::vector<gl_capture::Primitive>& draw()
    {
        gl_capture::clear_prims();
        draw_ship(0);
        EXPECT_EQ(gl_capture::state().modelview.size(), 1u);
        EXPECT_TRUE(gl_capture::state().modelview.back() == gl_capture::Matrix::identity());
        return gl_capture::prims();
    }

    // Whether the two upright tubes stand in the picture.
    static int upright_tube_cylinders()
    {
        int n = 0;
        for (const auto& c : scene::of_kind(Kind::cylinder))
            n += c.axis.z == 1 && c.origin.x == 8 && (c.origin.z == 27 || c.origin.z == 24.5) &&
                 std::fabs(c.origin.y) == 4.2f;
        return n;
    }
};

TEST_F(Ship, CounterSelectsAPrefixOfTheConstructionOrder)
{
    view_state.blocks_shown = 0;
    draw();
    EXPECT_TRUE(scene::floor_slabs_drawn().empty());

    view_state.blocks_shown = 21;
    draw();
    EXPECT_EQ(sorted(scene::floor_slabs_drawn()), positions(0, 20));

    view_state.blocks_shown = 123;  // BL_shuttlemaint20 is the last, the hangar not yet
    draw();
    EXPECT_EQ(sorted(scene::floor_slabs_drawn()), with_floors(positions(0, 122)));
    for (const auto& p : gl_capture::prims())
        for (const auto& pt : p.points)
            EXPECT_FALSE(pt.x < 0 && pt.z > 7.5 + 1e-6) << "hangar drawn too early";
}

TEST_F(Ship, CounterOf139And140DrawTheSamePicture)
{
    view_state.blocks_shown = 139;
    const auto at_139 = draw();
    view_state.blocks_shown = 140;
    const auto& at_140 = draw();
    ASSERT_EQ(at_139.size(), at_140.size());
    for (size_t i = 0; i < at_139.size(); ++i)
        ASSERT_TRUE(at_139[i] == at_140[i]) << "primitive " << i;
    EXPECT_EQ(sorted(scene::floor_slabs_drawn()), with_floors(positions(0, 138)));
}

TEST_F(Ship, UprightTubesStandUntilTheTubeRoomsAreBuilt)
{
    view_state.blocks_shown = 16;
    draw();
    EXPECT_EQ(upright_tube_cylinders(), 6);
    EXPECT_EQ(sorted(scene::floor_slabs_drawn()), positions(0, 15));
    const auto cyl = scene::of_kind(Kind::cylinder);
    // column, sleeve and core of the tube at y -4.2 first
    ASSERT_GE(cyl.size(), 3u);
    EXPECT_EQ(cyl[0].colour, gl_capture::rgb(red));
    EXPECT_EQ(cyl[0].base_radius, 1.5);
    EXPECT_EQ(cyl[0].height, 20);
    EXPECT_EQ(cyl[1].colour, gl_capture::rgb(mid_gray));
    EXPECT_EQ(cyl[1].base_radius, 1.6);
    EXPECT_EQ(cyl[1].height, 18);
    EXPECT_EQ(cyl[2].colour, gl_capture::rgb(dark_gray));
    EXPECT_EQ(cyl[2].top_radius, 1.4);

    view_state.blocks_shown = 0;
    draw();
    EXPECT_EQ(upright_tube_cylinders(), 6);

    view_state.blocks_shown = 17;
    draw();
    EXPECT_EQ(upright_tube_cylinders(), 0);
    EXPECT_EQ(sorted(scene::floor_slabs_drawn()), positions(0, 16));
}

TEST_F(Ship, DeckFilterPicksTheBlocksOfOneDeck)
{
    view_state.deck_shown = 3;
    draw();
    const std::vector<int> deck3 = [] {
        std::vector<int> p = positions(29, 35);
        for (int i : positions(68, 86))
            p.push_back(i);
        p.push_back(123);  // the hangar deck lays its own floor
        return p;
    }();
    EXPECT_EQ(sorted(scene::floor_slabs_drawn()), deck3);
    double top = 0;
    for (const auto& p : gl_capture::prims())
        for (const auto& pt : p.points)
            if (pt.x < 0)
                top = std::max(top, pt.z);
    EXPECT_GT(top, 10.0) << "the three-deck hangar belongs to deck index 3";

    view_state.deck_shown = 4;
    draw();
    EXPECT_EQ(scene::floor_slabs_drawn().size(), 25u);
    for (const auto& p : gl_capture::prims())
        for (const auto& pt : p.points)
            EXPECT_GE(pt.z, 10 - 1e-6) << "only deck index 4 and up, no hangar";
}

TEST_F(Ship, TopDeckHoldsOnlyTheBoomAndTheDisc)
{
    view_state.deck_shown = 15;
    draw();
    EXPECT_EQ(scene::floor_slabs_drawn(), std::vector<int>{137});
    EXPECT_FALSE(gl_capture::prims().empty());

    view_state.blocks_shown = 20;  // none of the first twenty lies on deck 15
    draw();
    EXPECT_TRUE(gl_capture::prims().empty());
}

TEST_F(Ship, HullIsDrawnWholeWhateverTheCounterAndFilter)
{
    view_state.show_hull = 1;
    view_state.blocks_shown = 20;
    view_state.deck_shown = 15;
    draw();
    const auto hull = scene::of_kind(Kind::cylinder);
    ASSERT_EQ(hull.size(), 6u);
    struct {
        double x, z, base, top, length;
        const float* colour;
    } const expected[] = {
        {26, 9.5, 14.5, 14.5, 16, silver},      {46, 8.5, 15.5, 15.5, 26, silver_dark},
        {76, 7.5, 16.5, 16.5, 30, silver_light}, {78, 7.5, 12.5, 16.5, 2, silver},
        {80, 7.5, 0.5, 12.5, 2, silver_dark},    {82, 7.5, 1, 1, 2, orange},
    };
    for (int i = 0; i < 6; ++i) {
        SCOPED_TRACE(i);
        EXPECT_NEAR(hull[i].origin.x, expected[i].x, 1e-9);
        EXPECT_NEAR(hull[i].origin.y, 0, 1e-9);
        EXPECT_NEAR(hull[i].origin.z, expected[i].z, 1e-9);
        EXPECT_NEAR(hull[i].axis.x, -1, 1e-12);  // toward the stern
        EXPECT_EQ(hull[i].base_radius, expected[i].base);
        EXPECT_EQ(hull[i].top_radius, expected[i].top);
        EXPECT_EQ(hull[i].height, expected[i].length);
        EXPECT_EQ(hull[i].slices, 100);
        EXPECT_EQ(hull[i].stacks, 10);
        EXPECT_EQ(hull[i].colour, gl_capture::rgb(expected[i].colour));
    }
    view_state.show_hull = 0;
    draw();
    EXPECT_TRUE(gl_capture::prims().empty());
}

TEST_F(Ship, CabinShowsFloorSlabWallsAndCeilingInThatOrder)
{
    view_state.blocks_shown = 9;  // the first 10x6 cabin is position 8
    view_state.deck_shown = 5;
    draw();
    const auto boxes = scene::boxes();
    // the cabin's floor slab comes right after whatever position 7 drew
    bool found = false;
    for (size_t i = 0; i < boxes.size(); ++i)
        if (boxes[i].spans(14, 24, -8, -2, 12.5, 12.6)) {
            EXPECT_EQ(boxes[i].colour, gl_capture::rgb(light_green));
            EXPECT_TRUE(boxes.back().spans(14, 24, -8, -2, 14.9, 15)) << scene::describe(boxes);
            EXPECT_EQ(boxes.back().colour, gl_capture::rgb(mid_gray));
            found = true;
        }
    EXPECT_TRUE(found) << scene::describe(boxes);

    view_state.show_ceilings = 0;
    draw();
    EXPECT_TRUE(scene::find_boxes(14, 24, -8, -2, 14.9, 15).empty());
}

}  // namespace
