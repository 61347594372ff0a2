// The shuttle bridge: a round enclosure in the middle with a door on each
// side, between two banks of six low rows. The enclosure is a ten-sided ring
// open at the top with a flat cone for its floor.
#include "ship/compartments/compartments.h"
#include "ship/ship.h"

#include <GL/gl.h>

using namespace palette;

void draw_shuttle_bridge(int draw_argument)
{
    const Block& b = *current_block;
    const float cx = b.x0 + 10, cy = b.y0 + 16, base = b.z0 + 0.1f;

    draw_room_walls(draw_argument);
    glColor3fv(gray);
    draw_upright_cylinder(cx, cy, base, 5, 5, 1.9, 10);  // ring wall
    glColor3fv(dark_gray);
    draw_upright_cylinder(cx, cy, base, 5, 0, 0.1, 10);  // floor disc
    // Both banks are placed from y0 and stand on z0, in the disc's colour.
    for (int i = 0; i < 6; ++i)
        draw_box(b.x0 + 1, b.x1 - 1, b.y0 + 2 + 1.5 * i, b.y0 + 2.5 + 1.5 * i, b.z0, b.z0 + 1.5);
    for (int i = 0; i < 6; ++i)
        draw_box(b.x0 + 1, b.x1 - 1, b.y0 + 22 + 1.5 * i, b.y0 + 22.5 + 1.5 * i, b.z0, b.z0 + 1.5);
    draw_door_unit(in_y_wall, plain_door, b.x0 + 10, b.y0 + 11, b.z0);
    draw_door_unit(in_y_wall, plain_door, b.x0 + 10, b.y1 - 11, b.z0);
}
