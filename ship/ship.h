// The ship model: palette, drawing primitives, the Block record, the
// construction sequence and the routine that draws the ship.
#pragma once

#include <GL/glu.h>

// ---------------------------------------------------------------------------
// Palette. Each colour has a fixed address for the life of the program, so
// blocks can point at them and glColor3fv can take them directly. They live
// in a namespace of their own because `tan` would otherwise collide with the
// C library's tangent.
// ---------------------------------------------------------------------------
using Colour = float[3];

namespace palette {
extern const Colour red, pink, orange, green, light_green, magenta, blue,
    light_blue, cyan, pale_yellow, white, light_gray, gray, mid_gray,
    dark_gray, tan, brown, silver, silver_dark, silver_light;
}

// The palette by name, for the tools that write the ship out.
struct NamedColour {
    const char* name;
    const float* rgb;
};
constexpr int palette_size = 20;
extern const NamedColour named_colours[palette_size];
// The name of the palette colour with these components, or null.
const char* colour_name(const float* rgb);

// ---------------------------------------------------------------------------
// Block: one box-shaped compartment. Routines learn which block they draw
// only through current_block.
// ---------------------------------------------------------------------------
using BlockRoutine = void (*)(int draw_argument);

class Block {
public:
    // bounds form: default floor and ceiling, variant 0
    Block(BlockRoutine draw, const float* colour, float x0, float x1, float y0,
          float y1, float z0, float z1);
    // bounds-and-variant form
    Block(BlockRoutine draw, const float* colour, float x0, float x1, float y0,
          float y1, float z0, float z1, float variant);
    // explicit form: floor and ceiling routines given (null means none)
    Block(BlockRoutine draw, BlockRoutine floor, BlockRoutine ceiling,
          const float* colour, float x0, float x1, float y0, float y1, float z0,
          float z1);

    BlockRoutine draw_routine;
    BlockRoutine floor_routine;
    BlockRoutine ceiling_routine;
    const float* colour;
    float x0, x1;
    float y0, y1;
    float z0, z1;
    float variant;
};

extern const Block* current_block;

// The construction order: every block once, then a null entry.
constexpr int ship_block_count = 139;
extern const Block* const block_sequence[ship_block_count + 1];
// In construction order: each block's global name (block_NNN for a block
// without a name of its own) and the name of its draw routine.
extern const char* const block_names[ship_block_count];
extern const char* const block_routine_names[ship_block_count];

// Upper bound of the construction counter: one more than the block count.
int block_total();

// Decks. A block stands on the deck whose floor is its z0; decks are
// deck_height apart from z 0 up. The deck filter shows one deck index, or
// all_decks. The crew numbers decks from the top: deck number 22 - index.
constexpr int deck_count = 16;
constexpr int all_decks = deck_count;
constexpr float deck_height = 2.5f;
constexpr int top_deck_number = 22;
constexpr int deck_number(int index) { return top_deck_number - index; }
int deck_index(const Block& b);

// A block's facts, as the tools write them out (plans, parts lists, models).
struct BlockFacts {
    int position;         // in the construction sequence
    const char* name;     // its global name: block_NNN for a block without one
    bool named;           // whether it has a name of its own
    int deck_index, deck_number;
    const char* routine;  // the name of its draw routine
    const float* colour;  // a palette colour
    float bounds[6];      // x0, x1, y0, y1, z0, z1
};
BlockFacts block_facts(int position);

// ---------------------------------------------------------------------------
// Primitives. All leave the model-view matrix as they found it.
// ---------------------------------------------------------------------------
void draw_box(double x0, double x1, double y0, double y1, double z0, double z1);
void draw_room_walls(int draw_argument);
void draw_block_floor(int draw_argument);
void draw_block_ceiling(int draw_argument);
// A door unit stands in a wall of constant x (spanning y) or of constant y
// (spanning x); it is a plain door or a framed lift door.
constexpr int in_x_wall = 0, in_y_wall = 1;
constexpr int plain_door = 1, lift_door = 2;
void draw_door_unit(int orientation, int kind, float x, float y, float z);
void draw_lift_car(float x, float y, float z);

// The one GLU quadric (default settings) that every cylinder, cone and disc
// of the program is drawn with. It is made on first use and kept for the
// life of the program, so frames never pile quadric objects up. Null only
// if GLU could not allocate it; the helpers below then draw nothing.
GLUquadric* shared_quadric();

// gluCylinder and gluPartialDisk on the shared quadric, along the current +z
// from the current origin; every quadric of the ship has 10 stacks (loops).
void draw_cylinder(double base_radius, double top_radius, double height,
                   int slices);
void draw_partial_disk(double inner_radius, double outer_radius, int slices,
                       double start_angle, double sweep_angle);

// draw_cylinder standing upright with its base centre at (x, y, z); the
// model-view matrix is left as it was.
void draw_upright_cylinder(float x, float y, float z, double base_radius,
                           double top_radius, double height, int slices);

// The three coaxial cylinders of a tube, in drawing order: a red column, a
// sleeve over all but its last 2 units, and a dark core inside. The tube
// rooms draw them inclined; until those are built they stand upright.
struct TubePart {
    const float* colour;
    double radius, length;
};
extern const TubePart tube_parts[3];

// ---------------------------------------------------------------------------
// Ship drawing.
// ---------------------------------------------------------------------------
// The pieces of a frame that a tool capturing the drawing sorts what follows
// into. When set, draw_ship calls the hook before a block's floor, draw and
// ceiling routine (with the block's construction position) and before the
// upright tubes and the hull, display before the target and the station
// (position -1). The viewer leaves it null.
enum class DrawnPart { floor, body, ceiling, upright_tubes, hull, landing_target, station };
using DrawnPartHook = void (*)(DrawnPart part, int position);
extern DrawnPartHook drawn_part_hook;
void announce_part(DrawnPart part, int position = -1);

// Sets drawn_part_hook for as long as it lives and puts back the hook it
// found, however its scope is left (a return, an exception).
class ScopedDrawnPartHook {
public:
    explicit ScopedDrawnPartHook(DrawnPartHook hook) : saved_(drawn_part_hook) { drawn_part_hook = hook; }
    ScopedDrawnPartHook(const ScopedDrawnPartHook&) = delete;
    ScopedDrawnPartHook& operator=(const ScopedDrawnPartHook&) = delete;
    ~ScopedDrawnPartHook() { drawn_part_hook = saved_; }

private:
    DrawnPartHook saved_;
};

// What the tools call each piece when they write the frame out: the name of
// its node or mesh (null for a block's pieces, which go by the block's name)
// and the kind a model's extras record, by which the web page filters.
struct DrawnPartName {
    DrawnPart part;
    const char* name;
    const char* kind;
};
constexpr int drawn_part_count = 7;
extern const DrawnPartName drawn_part_names[drawn_part_count];
const DrawnPartName& drawn_part_name(DrawnPart part);

// The upright tubes stand in for the tube rooms until those are built.
constexpr int last_step_with_upright_tubes = 16;

void draw_ship(int draw_argument);
void draw_upright_tubes();
void draw_hull();
