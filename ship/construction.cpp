#include "ship/ship.h"

#include <GL/gl.h>

#include <cstring>

#include "view/view_state.h"

using namespace palette;

int block_total() { return ship_block_count + 1; }

int deck_index(const Block& b) { return int(b.z0 / deck_height); }

BlockFacts block_facts(int position)
{
    const Block& b = *block_sequence[position];
    const char* name = block_names[position];
    const int deck = deck_index(b);
    return {position, name, std::strncmp(name, "block_", 6) != 0, deck, deck_number(deck),
            block_routine_names[position], b.colour, {b.x0, b.x1, b.y0, b.y1, b.z0, b.z1}};
}

static bool on_shown_deck(const Block& b)
{
    return view_state.deck_shown == all_decks ||
           view_state.deck_shown * deck_height == b.z0;
}

DrawnPartHook drawn_part_hook;

const DrawnPartName drawn_part_names[drawn_part_count] = {
    // part                       name              kind
    {DrawnPart::floor,            nullptr,          "block"},          // floor
    {DrawnPart::body,             nullptr,          "block"},          // body
    {DrawnPart::ceiling,          nullptr,          "ceiling"},        // ceiling
    {DrawnPart::upright_tubes,    "upright_tubes",  "upright_tubes"},  // upright tubes
    {DrawnPart::hull,             "hull",           "hull"},           // hull
    {DrawnPart::landing_target,   "landing_target", "target"},         // landing target
    {DrawnPart::station,          "station",        "station"},        // station
};

const DrawnPartName& drawn_part_name(DrawnPart part)
{
    for (const DrawnPartName& n : drawn_part_names)
        if (n.part == part)
            return n;
    return drawn_part_names[0];
}

void announce_part(DrawnPart part, int position)
{
    if (drawn_part_hook)
        drawn_part_hook(part, position);
}

static void draw_block(const Block& b, int position, int draw_argument)
{
    if (b.floor_routine) {
        announce_part(DrawnPart::floor, position);
        b.floor_routine(draw_argument);
    }
    if (b.draw_routine) {
        announce_part(DrawnPart::body, position);
        b.draw_routine(draw_argument);
    }
    if (b.ceiling_routine) {
        announce_part(DrawnPart::ceiling, position);
        b.ceiling_routine(draw_argument);
    }
}

// The counter selects a prefix of the construction sequence; the deck filter
// then picks the blocks of one deck out of that prefix.
void draw_ship(int draw_argument)
{
    current_block = block_sequence[0];
    if (view_state.blocks_shown <= last_step_with_upright_tubes) {
        announce_part(DrawnPart::upright_tubes);
        draw_upright_tubes();
    }
    for (int i = 0; current_block && i < view_state.blocks_shown;) {
        if (on_shown_deck(*current_block))
            draw_block(*current_block, i, draw_argument);
        current_block = block_sequence[++i];
    }
    if (view_state.show_hull) {
        announce_part(DrawnPart::hull);
        draw_hull();
    }
}

const TubePart tube_parts[3] = {
    // colour     radius  length
    {red,         1.5,    20},  // column
    {mid_gray,    1.6,    18},  // sleeve
    {dark_gray,   1.4,    18},  // core
};

static void draw_upright_tube(float x, float y, float z)
{
    for (const TubePart& p : tube_parts) {
        glColor3fv(p.colour);
        draw_upright_cylinder(x, y, z, p.radius, p.radius, p.length, 10);
    }
}

void draw_upright_tubes()
{
    draw_upright_tube(8, -4.2f, 27);
    draw_upright_tube(8, 4.2f, 24.5f);
}

// Hull sections, each an open cylinder from its start point toward -x.
struct HullSection {
    float x, z;  // start point, on the centre line y = 0
    const float* colour;
    double base_radius, top_radius, length;
};

static const HullSection hull_sections[] = {
    // x    z      colour         base   top    length
    {26,  9.5f,  silver,        14.5,  14.5,  16},  // body, aft
    {46,  8.5f,  silver_dark,   15.5,  15.5,  26},  // body, middle
    {76,  7.5f,  silver_light,  16.5,  16.5,  30},  // body, forward
    {78,  7.5f,  silver,        12.5,  16.5,   2},  // taper
    {80,  7.5f,  silver_dark,    0.5,  12.5,   2},  // taper to the nose
    {82,  7.5f,  orange,         1.0,   1.0,   2},  // nose tip
};

void draw_hull()
{
    for (const HullSection& s : hull_sections) {
        glPushMatrix();
        glTranslatef(s.x, 0, s.z);
        glRotatef(-90, 0, 1, 0);
        glColor3fv(s.colour);
        draw_cylinder(s.base_radius, s.top_radius, s.length, 100);
        glPopMatrix();
    }
}
