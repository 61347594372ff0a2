// Compartments whose walls, doors and fittings are not built yet show their
// plain walls, so every block of the catalogue already stands in the ship.
#include "ship/compartments/compartments.h"
#include "ship/ship.h"

void draw_lift_run_1(int draw_argument) { draw_room_walls(draw_argument); }
void draw_lift_run_2(int draw_argument) { draw_room_walls(draw_argument); }
void draw_lift_run_3(int draw_argument) { draw_room_walls(draw_argument); }
void draw_lift_run_4(int draw_argument) { draw_room_walls(draw_argument); }
void draw_cross_passage(int draw_argument) { draw_room_walls(draw_argument); }
void draw_cross_lift(int draw_argument) { draw_room_walls(draw_argument); }
void draw_cross_lift_spur(int draw_argument) { draw_room_walls(draw_argument); }

void draw_tower_level(int draw_argument) { draw_room_walls(draw_argument); }
void draw_tower_top(int draw_argument) { draw_room_walls(draw_argument); }
void draw_boom(int draw_argument) { draw_room_walls(draw_argument); }
void draw_disc_deck(int draw_argument) { draw_room_walls(draw_argument); }

void draw_hangar_deck(int draw_argument) { draw_room_walls(draw_argument); }

void draw_room_three_doors(int draw_argument) { draw_room_walls(draw_argument); }
void draw_room_two_doors(int draw_argument) { draw_room_walls(draw_argument); }
