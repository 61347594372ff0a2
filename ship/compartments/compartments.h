// Draw routines of the ship's compartments. Each is a BlockRoutine: it draws
// the block that current_block points at and reads its bounds from there.
#pragma once

// Lift shafts and cross-lifts
void draw_lift_run_1(int draw_argument);
void draw_lift_run_2(int draw_argument);
void draw_lift_run_3(int draw_argument);
void draw_lift_run_4(int draw_argument);
void draw_cross_passage(int draw_argument);
void draw_cross_lift(int draw_argument);
void draw_cross_lift_spur(int draw_argument);

// Tower levels, boom and disc deck
void draw_tower_level(int draw_argument);
void draw_tower_top(int draw_argument);
void draw_boom(int draw_argument);
void draw_disc_deck(int draw_argument);

// Hangar deck
void draw_hangar_deck(int draw_argument);

// Rooms with doors
void draw_room_three_doors(int draw_argument);
void draw_room_two_doors(int draw_argument);

// Crew quarters
void draw_quarters_10x6(int draw_argument);
void draw_quarters_6x10(int draw_argument);

// Heads and door-only rooms
void draw_head_2x6(int draw_argument);
void draw_head_6x2(int draw_argument);
void draw_room_two_doors_mirrored(int draw_argument);
void draw_turbocontrol(int draw_argument);

// Corridors
void draw_corridor_x(int draw_argument);
void draw_corridor_x_door_y1(int draw_argument);
void draw_corridor_x_door_y0(int draw_argument);
void draw_corridor_x_panels_y1(int draw_argument);
void draw_corridor_x_panels_y0(int draw_argument);
void draw_corridor_y(int draw_argument);
void draw_corridor_y_doors(int draw_argument);

// Shuttle bridge
void draw_shuttle_bridge(int draw_argument);

// Fitted rooms
void draw_tube_room_plus_y(int draw_argument);
void draw_tube_room_minus_y(int draw_argument);
void draw_drum_room(int draw_argument);
void draw_slab_room(int draw_argument);
void draw_slab_room_two_doors(int draw_argument);
void draw_room_five_rows(int draw_argument);
void draw_tr_room(int draw_argument);
