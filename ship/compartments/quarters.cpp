// Crew cabins: four walls, a low partition and the cabin's own door. The door
// between a cabin and its head is drawn by the head. The variant flag picks
// the wall of the cabin's own door: non-zero the low wall, zero the high one.
#include "ship/compartments/compartments.h"
#include "ship/ship.h"

#include <GL/gl.h>

using namespace palette;

// Cabin long in x: the partition stands across the middle, out from the y1
// wall, and the door sits 1 beyond the partition's line.
void draw_quarters_10x6(int draw_argument)
{
    const Block& b = *current_block;
    draw_room_walls(draw_argument);
    glColor3fv(gray);
    draw_box(b.x0 + 5 - 0.05, b.x0 + 5 + 0.05, b.y1 - 3, b.y1 - 0.1, b.z0 + 0.1, b.z0 + 1);
    draw_door_unit(in_y_wall, plain_door, b.x0 + 6, b.variant != 0 ? b.y0 : b.y1, b.z0);
}

// Cabin long in y: the partition runs along x from the x0 wall, 5 from y0,
// whatever the cabin's length.
void draw_quarters_6x10(int draw_argument)
{
    const Block& b = *current_block;
    draw_room_walls(draw_argument);
    glColor3fv(gray);
    draw_box(b.x0, b.x1 - 3, b.y0 + 5 - 0.05, b.y0 + 5 + 0.05, b.z0 + 0.1, b.z0 + 1);
    draw_door_unit(in_x_wall, plain_door, b.variant != 0 ? b.x0 : b.x1, b.y0 + 6, b.z0);
}
