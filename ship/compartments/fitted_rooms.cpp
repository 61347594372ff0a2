// Rooms with fittings besides their walls and doors: inclined tubes, drums,
// slabs, low rows and a raised platform with small cones. The tubes, the slab
// heights and some slab extents are fixed in the ship's frame; they belong to
// the one block that uses the routine and do not move with its bounds.
#include "ship/compartments/compartments.h"
#include "ship/ship.h"

#include <GL/gl.h>

using namespace palette;

// Tilted by `angle` about x, then moved within the tilted frame, so its base
// lands just under the room's floor and it rises at 45 degrees outward.
static void draw_inclined_tube(float angle, float t)
{
    for (const TubePart& p : tube_parts) {
        glColor3fv(p.colour);
        glPushMatrix();
        glRotatef(angle, 1, 0, 0);
        glTranslatef(8, t, 17);
        draw_cylinder(p.radius, p.radius, p.length, 10);
        glPopMatrix();
    }
}

void draw_tube_room_plus_y(int draw_argument)
{
    draw_room_walls(draw_argument);
    draw_inclined_tube(-45, -4.2f);
}

void draw_tube_room_minus_y(int draw_argument)
{
    draw_room_walls(draw_argument);
    draw_inclined_tube(45, 4.2f);
}

// A dark drum without a bottom, closed on top by a flat cone.
static void draw_drum(float x, float y, float z)
{
    glPushMatrix();
    glTranslatef(x, y, z);
    glColor3fv(dark_gray);
    draw_cylinder(3, 3, 1.9, 10);
    glTranslatef(0, 0, 1.9f);
    glColor3fv(mid_gray);
    draw_cylinder(3, 0, 0.1, 10);
    glPopMatrix();
}

void draw_drum_room(int draw_argument)
{
    const Block& b = *current_block;
    draw_room_walls(draw_argument);
    draw_drum(b.x0 + 8, b.y0 + 4, b.z0 + 0.1f);
    draw_drum(b.x0 + 8, b.y1 - 4, b.z0 + 0.1f);
    draw_door_unit(in_x_wall, plain_door, b.x1, b.y0 + 4, b.z0);
    draw_door_unit(in_x_wall, plain_door, b.x1, b.y0 + 10, b.z0);
    draw_door_unit(in_x_wall, plain_door, b.x1, b.y1 - 4, b.z0);
}

// Slabs 0.1 thick at the fixed height 16, 1 above this room's floor.
constexpr double slab_bottom = 16, slab_top = 16.1;

void draw_slab_room(int draw_argument)
{
    const Block& b = *current_block;
    draw_room_walls(draw_argument);
    glColor3fv(dark_gray);
    for (int i = 0; i < 3; ++i)
        draw_box(b.x0 + 2 + 4 * i, b.x0 + 4 + 4 * i, -6.5, -2.5, slab_bottom, slab_top);
    // the fourth slab keeps the colour of the first three
    draw_box(b.x0 + 0.5, b.x0 + 4.5, b.y0 + 0.8, b.y0 + 2.5, slab_bottom, slab_top);
    draw_door_unit(in_y_wall, plain_door, b.x1 - 3, b.y0, b.z0);
}

// One slab and two doors at the x0, y0 corner.
void draw_slab_room_two_doors(int draw_argument)
{
    const Block& b = *current_block;
    draw_room_walls(draw_argument);
    glColor3fv(dark_gray);
    draw_box(61.5, 65.5, -7, -5, slab_bottom, slab_top);
    draw_door_unit(in_x_wall, plain_door, b.x0, b.y0 + 1, b.z0);
    draw_door_unit(in_y_wall, plain_door, b.x0 + 1, b.y0, b.z0);
}

// Five low rows standing on z0; the room has no door of its own.
void draw_room_five_rows(int draw_argument)
{
    const Block& b = *current_block;
    draw_room_walls(draw_argument);
    glColor3fv(dark_gray);
    for (int i = 0; i < 5; ++i)
        draw_box(b.x0 + 1, b.x1 - 1, b.y0 + 1 + 1.5 * i, b.y0 + 1.5 + 1.5 * i, b.z0, b.z0 + 1);
}

// Three rows of cones along y on the platform; the middle row starts 0.5
// lower in y and has one cone more.
struct ConeRow {
    float x, y;  // first cone's base centre, from x0 and y0
    int cones;
};

static const ConeRow platform_cones[] = {
    //  x     y    cones
    {2.25f, 2.5f,  7},
    {1.5f,  2.0f,  8},
    {0.75f, 2.5f,  7},
};

// The door goes into the long wall farther from the centre line; a block
// with y0 exactly 0 counts as lying on the +y side.
void draw_tr_room(int draw_argument)
{
    const Block& b = *current_block;
    draw_room_walls(draw_argument);
    glColor3fv(mid_gray);
    draw_box(b.x0, b.x0 + 3, b.y0, b.y1, b.z0 + 0.1, b.z0 + 0.35);
    for (const ConeRow& row : platform_cones)
        for (int i = 0; i < row.cones; ++i) {
            glColor3fv(dark_gray);
            draw_upright_cylinder(b.x0 + row.x, b.y0 + row.y + 0.75f * i, b.z0 + 0.36f, 0.25, 0, 0.1, 10);
        }
    draw_door_unit(in_y_wall, plain_door, b.x1 - 3, b.y0 < 0 ? b.y0 : b.y1, b.z0);
}
