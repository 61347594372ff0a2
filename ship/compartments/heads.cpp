// Heads and the rooms that hold nothing but walls and doors. A head's door
// units straddle the walls it shares with its neighbours, so one unit serves
// both rooms. Door offsets are fixed distances from a bound.
#include "ship/compartments/compartments.h"
#include "ship/ship.h"

// Between two compartments that follow each other along x.
void draw_head_2x6(int draw_argument)
{
    const Block& b = *current_block;
    draw_room_walls(draw_argument);
    draw_door_unit(in_x_wall, plain_door, b.x1, b.y0 + 3, b.z0);
    draw_door_unit(in_x_wall, plain_door, b.x0, b.y0 + 3, b.z0);
}

// Between two cabins that follow each other along y.
void draw_head_6x2(int draw_argument)
{
    const Block& b = *current_block;
    draw_room_walls(draw_argument);
    draw_door_unit(in_y_wall, plain_door, b.x0 + 3, b.y1, b.z0);
    draw_door_unit(in_y_wall, plain_door, b.x0 + 3, b.y0, b.z0);
}

// Doors at diagonally opposite corners: x1 wall near y1, x0 wall near y0.
void draw_room_two_doors_mirrored(int draw_argument)
{
    const Block& b = *current_block;
    draw_room_walls(draw_argument);
    draw_door_unit(in_x_wall, plain_door, b.x1, b.y1 - 1, b.z0);
    draw_door_unit(in_x_wall, plain_door, b.x0, b.y0 + 1, b.z0);
}

// The lift control room: a plain door in the y1 wall and two lift doors in
// the y0 wall, onto the lift run along the centre line.
void draw_turbocontrol(int draw_argument)
{
    const Block& b = *current_block;
    draw_room_walls(draw_argument);
    draw_door_unit(in_y_wall, plain_door, b.x1 - 2, b.y1, b.z0);
    draw_door_unit(in_y_wall, lift_door, b.x1 - 3, b.y0, b.z0);
    draw_door_unit(in_y_wall, lift_door, b.x0 + 3, b.y0, b.z0);
}
