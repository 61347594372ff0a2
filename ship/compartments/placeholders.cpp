// Compartments whose walls, doors and fittings are not built yet show their
// plain walls, so every block of the catalogue already stands in the ship.
#include "ship/compartments/compartments.h"
#include "ship/ship.h"

void draw_quarters_10x6(int draw_argument) { draw_room_walls(draw_argument); }
void draw_quarters_6x10(int draw_argument) { draw_room_walls(draw_argument); }

void draw_head_2x6(int draw_argument) { draw_room_walls(draw_argument); }
void draw_head_6x2(int draw_argument) { draw_room_walls(draw_argument); }
void draw_room_two_doors_mirrored(int draw_argument) { draw_room_walls(draw_argument); }
void draw_turbocontrol(int draw_argument) { draw_room_walls(draw_argument); }

void draw_corridor_x(int draw_argument) { draw_room_walls(draw_argument); }
void draw_corridor_x_door_y1(int draw_argument) { draw_room_walls(draw_argument); }
void draw_corridor_x_door_y0(int draw_argument) { draw_room_walls(draw_argument); }
void draw_corridor_x_panels_y1(int draw_argument) { draw_room_walls(draw_argument); }
void draw_corridor_x_panels_y0(int draw_argument) { draw_room_walls(draw_argument); }
void draw_corridor_y(int draw_argument) { draw_room_walls(draw_argument); }
void draw_corridor_y_doors(int draw_argument) { draw_room_walls(draw_argument); }

void draw_shuttle_bridge(int draw_argument) { draw_room_walls(draw_argument); }

void draw_tube_room_plus_y(int draw_argument) { draw_room_walls(draw_argument); }
void draw_tube_room_minus_y(int draw_argument) { draw_room_walls(draw_argument); }
void draw_drum_room(int draw_argument) { draw_room_walls(draw_argument); }
void draw_slab_room(int draw_argument) { draw_room_walls(draw_argument); }
void draw_slab_room_two_doors(int draw_argument) { draw_room_walls(draw_argument); }
void draw_room_five_rows(int draw_argument) { draw_room_walls(draw_argument); }
void draw_tr_room(int draw_argument) { draw_room_walls(draw_argument); }
