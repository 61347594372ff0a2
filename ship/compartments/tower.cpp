// The tower above the main decks, the boom that runs forward from its top
// and the disc deck at the boom's end. Two vertical lift lines pass through
// them, at x 60 and x 86 on the centre line, so the wells, cars and the top
// level's solid blocks stand at fixed places in the ship; only their height
// follows the block.
#include "ship/compartments/compartments.h"
#include "ship/ship.h"

#include <GL/gl.h>

using namespace palette;

constexpr float tower_lift_x = 60;
constexpr float boom_lift_x = 86;

// The lift well of a tower level lies on one side or the other of the car
// at x 60, as the level's variant says.
struct WellPlacing {
    float x0, x1;      // extent along the ship
    float closed_end;  // the end wall spans closed_end - 0.1 .. closed_end
    float door;        // x of the lift door at the open end
};

static const WellPlacing well_placings[] = {
    // x0  x1  closed end  door
    {54,   62,   62,        54},  // variant 0: entered from aft
    {58,   66,   58,        66},  // variant non-zero: entered from forward
};

void draw_tower_level(int draw_argument)
{
    const Block& b = *current_block;
    const WellPlacing& w = well_placings[b.variant == 0 ? 0 : 1];
    draw_room_walls(draw_argument);
    glColor3fv(pale_yellow);
    draw_box(w.x0, w.x1, -2, 2, b.z0 + 0.1, b.z0 + 0.11);
    draw_lift_car(tower_lift_x, 0, b.z0);
    glColor3fv(gray);
    draw_box(w.x0, w.x1, -2, -1.9, b.z0 + 0.1, b.z1);
    draw_box(w.x0, w.x1, 1.9, 2, b.z0 + 0.1, b.z1);
    draw_box(w.closed_end - 0.1, w.closed_end, -2, 2, b.z0 + 0.1, b.z1);
    draw_door_unit(in_x_wall, lift_door, w.door, 0, b.z0);
}

// The top level: one closed well holds the cars of both lift lines, with a
// solid block beyond each end.
void draw_tower_top(int draw_argument)
{
    const Block& b = *current_block;
    const double bottom = b.z0 + 0.1;
    draw_room_walls(draw_argument);
    glColor3fv(pale_yellow);
    draw_box(58, 88, -2, 2, bottom, b.z0 + 0.11);
    draw_lift_car(tower_lift_x, 0, b.z0);
    draw_lift_car(boom_lift_x, 0, b.z0);
    glColor3fv(gray);
    draw_box(58, 88, -2, -1.9, bottom, b.z1);
    draw_box(58, 88, 1.9, 2, bottom, b.z1);
    draw_box(57.9, 58, -2, 2, bottom, b.z1);
    draw_box(87.9, 88, -2, 2, bottom, b.z1);
    glColor3fv(mid_gray);
    draw_box(55.25, 57.75, -2.5, 2.5, bottom, b.z1);
    draw_box(88.25, 92.75, -2.5, 2.5, bottom, b.z1);
}

// A run along the centre line, a car 6 in from each end, with both side
// walls broken off for 4 units starting 12 from its aft end.
void draw_boom(int)
{
    const Block& b = *current_block;
    const double bottom = b.z0 + 0.1;
    const double gap_x0 = b.x0 + 12, gap_x1 = b.x0 + 16;
    glColor3fv(gray);
    draw_box(b.x0, gap_x0, -2, -1.9, bottom, b.z1);
    draw_box(b.x0, gap_x0, 1.9, 2, bottom, b.z1);
    draw_box(gap_x1, b.x1, -2, -1.9, bottom, b.z1);
    draw_box(gap_x1, b.x1, 1.9, 2, bottom, b.z1);
    draw_lift_car(b.x0 + 6, 0, b.z0);
    draw_lift_car(b.x1 - 6, 0, b.z0);
    draw_door_unit(in_x_wall, lift_door, b.x0, 0, b.z0);
    draw_door_unit(in_x_wall, lift_door, b.x1, 0, b.z0);
}

// The disc's axis stands at the boom's forward end.
constexpr float disc_centre_x = 124;
constexpr double disc_radius = 64;
constexpr int disc_slices = 100;

// A ring-shaped deck about a hub whose radius the block keeps in x1. The
// block has no floor or ceiling routine: this is all of it.
void draw_disc_deck(int)
{
    const Block& b = *current_block;
    const double hub = b.x1;
    glPushMatrix();
    glTranslatef(disc_centre_x, 0, b.z0);
    glColor3fv(gray);
    draw_cylinder(hub, hub, 2.5, disc_slices);
    glColor3fv(b.colour);
    draw_cylinder(hub, 0, 0.1, disc_slices);
    glColor3fv(gray);
    draw_cylinder(disc_radius, disc_radius, 2.5, disc_slices);
    glColor3fv(mid_gray);
    draw_partial_disk(hub, disc_radius, disc_slices, 0, 360);
    glPopMatrix();
}
