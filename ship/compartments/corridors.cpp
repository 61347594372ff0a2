// Corridors. Their walls are their own: 0.1 thick inside the footprint, from
// the top of the floor slab up to the ceiling. A corridor along x is open at
// its x1 end; one along y leaves a 2-long opening at each end of its x0 wall,
// where the corridors along x come in.
#include "ship/compartments/compartments.h"
#include "ship/ship.h"

#include <GL/gl.h>

using namespace palette;

static void draw_corridor_x_walls(const Block& b)
{
    const double floor_top = b.z0 + 0.1;
    glColor3fv(gray);
    draw_box(b.x0, b.x1, b.y0, b.y0 + 0.1, floor_top, b.z1);
    draw_box(b.x0, b.x1, b.y1 - 0.1, b.y1, floor_top, b.z1);
    draw_box(b.x0, b.x0 + 0.1, b.y0, b.y1, floor_top, b.z1);
}

// Three blue panels 0.2 thick centred on the plane y = yp, the wall's inner
// face and 0.1 beyond the block's bound.
static void draw_wall_panels(const Block& b, double yp)
{
    struct Panel {
        double from, to;  // along x, from x0
    };
    static const Panel panels[] = {
        // from  to
        {2.5,  3.4},
        {3.5,  4.4},
        {4.5,  5.5},
    };
    glColor3fv(blue);
    for (const Panel& p : panels)
        draw_box(b.x0 + p.from, b.x0 + p.to, yp - 0.1, yp + 0.1, b.z0 + 1, b.z0 + 1.8);
}

void draw_corridor_x(int)
{
    draw_corridor_x_walls(*current_block);
}

// The end door stands 1 in from the wall nearer the ship's centre line.
void draw_corridor_x_door_y1(int)
{
    const Block& b = *current_block;
    draw_corridor_x_walls(b);
    draw_door_unit(in_x_wall, plain_door, b.x0, b.y1 - 1, b.z0);
}

void draw_corridor_x_door_y0(int)
{
    const Block& b = *current_block;
    draw_corridor_x_walls(b);
    draw_door_unit(in_x_wall, plain_door, b.x0, b.y0 + 1, b.z0);
}

// Door and panels in the long wall that faces the hangar's middle.
void draw_corridor_x_panels_y1(int)
{
    const Block& b = *current_block;
    draw_corridor_x_walls(b);
    draw_door_unit(in_y_wall, plain_door, b.x0 + 1, b.y1, b.z0);
    draw_wall_panels(b, b.y1);
}

void draw_corridor_x_panels_y0(int)
{
    const Block& b = *current_block;
    draw_corridor_x_walls(b);
    draw_door_unit(in_y_wall, plain_door, b.x0 + 1, b.y0, b.z0);
    draw_wall_panels(b, b.y0);
}

static void draw_corridor_y_walls(const Block& b)
{
    const double floor_top = b.z0 + 0.1;
    glColor3fv(gray);
    draw_box(b.x0, b.x0 + 0.1, b.y0 + 2, b.y1 - 2, floor_top, b.z1);
    draw_box(b.x1 - 0.1, b.x1, b.y0, b.y1, floor_top, b.z1);
    draw_box(b.x0, b.x1, b.y0, b.y0 + 0.1, floor_top, b.z1);
    draw_box(b.x0, b.x1, b.y1 - 0.1, b.y1, floor_top, b.z1);
}

void draw_corridor_y(int)
{
    draw_corridor_y_walls(*current_block);
}

// One door in each end wall, 1 from the x0 side.
void draw_corridor_y_doors(int)
{
    const Block& b = *current_block;
    draw_corridor_y_walls(b);
    draw_door_unit(in_y_wall, plain_door, b.x0 + 1, b.y0, b.z0);
    draw_door_unit(in_y_wall, plain_door, b.x0 + 1, b.y1, b.z0);
}
