// Plain rooms with doors set into their x0 and x1 walls. Each door stands
// at a fixed distance from the y edge it is measured from, so a room of
// another width keeps its doors by those edges.
#include "ship/compartments/compartments.h"
#include "ship/ship.h"

void draw_room_three_doors(int draw_argument)
{
    const Block& b = *current_block;
    draw_room_walls(draw_argument);
    draw_door_unit(in_x_wall, plain_door, b.x0, b.y0 + 4, b.z0);
    draw_door_unit(in_x_wall, plain_door, b.x1, b.y0 + 10, b.z0);
    draw_door_unit(in_x_wall, plain_door, b.x1, b.y1 - 4, b.z0);
}

void draw_room_two_doors(int draw_argument)
{
    const Block& b = *current_block;
    draw_room_walls(draw_argument);
    draw_door_unit(in_x_wall, plain_door, b.x1, b.y0 + 1, b.z0);
    draw_door_unit(in_x_wall, plain_door, b.x0, b.y1 - 1, b.z0);
}
