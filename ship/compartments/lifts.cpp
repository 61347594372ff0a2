// Lift runs along the centre line and the cross-lifts that run across the
// ship. Each is 4 wide with its car on the middle line; lift doors close the
// ends. Floors and ceilings come from the block's own routines, except for
// the spurs, which reach outside the block and bring their own.
#include "ship/compartments/compartments.h"
#include "ship/ship.h"

#include <GL/gl.h>

#include "view/view_state.h"

using namespace palette;

// The second car of the long run stands on the lift line through the
// forward cross-lifts, wherever the run itself begins.
constexpr float forward_lift_line_x = 60;

// The plain runs along x: two side walls up to `top`, the car, and a lift
// door at each end, the x0 end only where the run does not open onto
// another compartment.
static void draw_run_along_x(double top, float car_x, bool door_at_x0)
{
    const Block& b = *current_block;
    const float mid_y = b.y0 + 2;
    glColor3fv(gray);
    draw_box(b.x0, b.x1, b.y0, b.y0 + 0.1, b.z0 + 0.1, top);
    draw_box(b.x0, b.x1, b.y1 - 0.1, b.y1, b.z0 + 0.1, top);
    draw_lift_car(car_x, mid_y, b.z0);
    if (door_at_x0)
        draw_door_unit(in_x_wall, lift_door, b.x0, mid_y, b.z0);
    draw_door_unit(in_x_wall, lift_door, b.x1, mid_y, b.z0);
}

// Its x0 end is open onto the cross passage.
void draw_lift_run_1(int)
{
    const Block& b = *current_block;
    draw_run_along_x(b.z0 + 2.5, b.x1 - 7, false);
}

void draw_lift_run_2(int)
{
    const Block& b = *current_block;
    draw_run_along_x(b.z0 + 2.5, b.x1 - 3, true);
}

void draw_lift_run_4(int)
{
    const Block& b = *current_block;
    draw_run_along_x(b.z1, b.x1 - 6, true);
}

// The long run: two cars, and a spur 8 long leaving toward +y through a gap
// in the y1 wall. The spur has a side wall on its +x side only, its own
// floor, a lift door at its far end and, with ceilings shown, a ceiling.
void draw_lift_run_3(int)
{
    const Block& b = *current_block;
    const float mid_y = b.y0 + 2;
    const double bottom = b.z0 + 0.1, top = b.z0 + 2.5;
    const float spur_x0 = b.x0 + 24, spur_x1 = b.x0 + 28, spur_end = b.y1 + 8;
    glColor3fv(gray);
    draw_box(b.x0, b.x1, b.y0, b.y0 + 0.1, bottom, top);
    draw_box(b.x0, spur_x0, b.y1 - 0.1, b.y1, bottom, top);
    draw_box(spur_x1, b.x1, b.y1 - 0.1, b.y1, bottom, top);
    draw_lift_car(b.x0 + 5, mid_y, b.z0);
    draw_lift_car(forward_lift_line_x, mid_y, b.z0);
    draw_door_unit(in_x_wall, lift_door, b.x0, mid_y, b.z0);
    draw_door_unit(in_x_wall, lift_door, b.x1, mid_y, b.z0);
    glColor3fv(gray);
    draw_box(b.x0 + 27.9, spur_x1, b.y1, spur_end, bottom, top);
    glColor3fv(b.colour);
    draw_box(spur_x0, spur_x1, b.y1, spur_end, b.z0, b.z0 + 0.1);
    draw_door_unit(in_y_wall, lift_door, b.x0 + 26, spur_end, b.z0);
    if (view_state.show_ceilings) {
        glColor3fv(mid_gray);
        draw_box(spur_x0, spur_x1, b.y1, spur_end, b.z0 + 2.4, top);
    }
}

// A passage across the ship without a car; its x1 wall is open in the
// middle, where lift run 1 joins it.
void draw_cross_passage(int)
{
    const Block& b = *current_block;
    const float mid_x = b.x0 + 2;
    glColor3fv(gray);
    draw_box(b.x0, b.x0 + 0.1, b.y0, b.y1, b.z0 + 0.1, b.z1);
    draw_box(b.x1 - 0.1, b.x1, b.y0, b.y0 + 6, b.z0 + 0.1, b.z1);
    draw_box(b.x1 - 0.1, b.x1, b.y1 - 6, b.y1, b.z0 + 0.1, b.z1);
    draw_door_unit(in_y_wall, lift_door, mid_x, b.y0, b.z0);
    draw_door_unit(in_y_wall, lift_door, mid_x, b.y1, b.z0);
}

// A closed cross-lift; the car waits halfway along whatever length it has.
void draw_cross_lift(int)
{
    const Block& b = *current_block;
    const float mid_x = b.x0 + 2;
    const double bottom = b.z0 + 0.1, top = b.z0 + 2.5;
    glColor3fv(gray);
    draw_box(b.x0, b.x0 + 0.1, b.y0, b.y1, bottom, top);
    draw_box(b.x1 - 0.1, b.x1, b.y0, b.y1, bottom, top);
    draw_box(b.x0, b.x1, b.y0, b.y0 + 0.1, bottom, top);
    draw_box(b.x0, b.x1, b.y1 - 0.1, b.y1, bottom, top);
    draw_lift_car(mid_x, (b.y0 + b.y1) / 2, b.z0);
    draw_door_unit(in_y_wall, lift_door, mid_x, b.y0, b.z0);
    draw_door_unit(in_y_wall, lift_door, mid_x, b.y1, b.z0);
}

// The aft cross-lift, with a spur 17 long toward -x through a gap in the
// middle of its x0 wall. The door units alone close its y ends. The spur's
// walls and floor follow the ship's centre line; its end door and ceiling
// follow the block's middle.
void draw_cross_lift_spur(int)
{
    const Block& b = *current_block;
    const float mid_x = b.x0 + 2, mid_y = (b.y0 + b.y1) / 2;
    const float spur_end = b.x0 - 17;
    const double bottom = b.z0 + 0.1;
    glColor3fv(gray);
    draw_box(b.x1 - 0.1, b.x1, b.y0, b.y1, bottom, b.z1);
    draw_box(b.x0, b.x0 + 0.1, b.y0, b.y0 + 9, bottom, b.z1);
    draw_box(b.x0, b.x0 + 0.1, b.y1 - 9, b.y1, bottom, b.z1);
    draw_lift_car(mid_x, mid_y, b.z0);
    draw_door_unit(in_y_wall, lift_door, mid_x, b.y0, b.z0);
    draw_door_unit(in_y_wall, lift_door, mid_x, b.y1, b.z0);
    glColor3fv(gray);
    draw_box(spur_end, b.x0, -2, -1.9, bottom, b.z1);
    draw_box(spur_end, b.x0, 1.9, 2, bottom, b.z1);
    glColor3fv(b.colour);
    draw_box(spur_end, b.x0, -2, 2, b.z0, b.z0 + 0.1);
    draw_door_unit(in_x_wall, lift_door, spur_end, mid_y, b.z0);
    if (view_state.show_ceilings) {
        glColor3fv(mid_gray);
        draw_box(spur_end, b.x0, mid_y - 2, mid_y + 2, b.z1 - 0.1, b.z1);
    }
}
