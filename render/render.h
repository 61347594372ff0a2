// The frame and the two models drawn beside the ship.
#pragma once

// GLUT display callback: draws one whole frame from view_state.
void display();

// Called by display just before draw_ship (with true) and just after it
// (with false), with the frame's model-view matrix in force, so that a tool
// can treat the ship's drawing apart from what stands beside it. The viewer
// leaves it null.
using ShipDrawingHook = void (*)(bool starting);
extern ShipDrawingHook ship_drawing_hook;

// The yellow three-armed target 7.5 above the ship's origin.
void draw_landing_target();

// The space-station model beside the ship.
void draw_station();

// Converts to int by truncation toward zero, saturating at the int range;
// not-a-number gives 0.
int saturating_int(float value);
