#include "ship/ship.h"

#include "view/view_state.h"

#include <GL/gl.h>

using namespace palette;

void draw_box(double x0, double x1, double y0, double y1, double z0, double z1)
{
    const double dx = x1 - x0, dy = y1 - y0, dz = z1 - z0;

    glPushMatrix();
    glTranslated(x0, y0, z0);

    glPushMatrix();  // bottom and top
    glRectd(0, 0, dx, dy);
    glTranslated(0, 0, dz);
    glRectd(0, 0, dx, dy);
    glPopMatrix();

    glPushMatrix();  // low-x and high-x sides: local x runs up the box
    glRotated(-90, 0, 1, 0);
    glRectd(0, 0, dz, dy);
    glTranslated(0, 0, -dx);
    glRectd(0, 0, dz, dy);
    glPopMatrix();

    glPushMatrix();  // low-y and high-y sides: local y runs up the box
    glRotated(90, 1, 0, 0);
    glRectd(0, 0, dx, dz);
    glTranslated(0, 0, -dy);
    glRectd(0, 0, dx, dz);
    glPopMatrix();

    glPopMatrix();
}

// Walls stand inside the block's footprint and overlap at the corners; doors
// are drawn over them rather than cut into them.
void draw_room_walls(int)
{
    const Block& b = *current_block;
    glColor3fv(gray);
    draw_box(b.x0, b.x1, b.y0, b.y0 + 0.1, b.z0, b.z1);
    draw_box(b.x0, b.x1, b.y1 - 0.1, b.y1, b.z0, b.z1);
    draw_box(b.x0, b.x0 + 0.1, b.y0, b.y1, b.z0, b.z1);
    draw_box(b.x1 - 0.1, b.x1, b.y0, b.y1, b.z0, b.z1);
}

void draw_block_floor(int)
{
    const Block& b = *current_block;
    glColor3fv(b.colour);
    draw_box(b.x0, b.x1, b.y0, b.y1, b.z0, b.z0 + 0.1);
}

void draw_block_ceiling(int)
{
    if (!view_state.show_ceilings)
        return;
    const Block& b = *current_block;
    glColor3fv(mid_gray);
    draw_box(b.x0, b.x1, b.y0, b.y1, b.z1 - 0.1, b.z1);
}

// One box of a door unit. `wide` and `thin` are half-extents about the
// door's centre, across and through the wall; heights are from the floor.
struct DoorPiece {
    const float* colour;
    float wide, thin;
    double bottom, top;
};

static const DoorPiece plain_door_pieces[] = {
    // colour      wide   thin   bottom  top
    {pink,         0.6f,  0.13f, 0.1,    2.4},  // leaf
};
static const DoorPiece lift_door_pieces[] = {
    // colour      wide   thin   bottom  top
    {pale_yellow,  2.0f,  0.11f, 0.1,    2.5},  // frame panel, drawn first
    {red,          0.9f,  0.13f, 0.1,    2.4},  // leaf
};

static void draw_door_piece(const DoorPiece& p, bool spans_y, float x,
                            float y, float z)
{
    glColor3fv(p.colour);
    if (spans_y)
        draw_box(x - p.thin, x + p.thin, y - p.wide, y + p.wide, z + p.bottom, z + p.top);
    else
        draw_box(x - p.wide, x + p.wide, y - p.thin, y + p.thin, z + p.bottom, z + p.top);
}

// Any orientation but in_x_wall sets the door in a wall of constant y; any
// kind but plain_door is a lift door.
void draw_door_unit(int orientation, int kind, float x, float y, float z)
{
    const bool spans_y = orientation == in_x_wall;
    if (kind == plain_door) {
        draw_door_piece(plain_door_pieces[0], spans_y, x, y, z);
    } else {
        for (const DoorPiece& p : lift_door_pieces)
            draw_door_piece(p, spans_y, x, y, z);
    }
}

// A closed car: an open tube capped by three flat cones.
struct CarPiece {
    double start;  // height above the floor where the piece begins
    double base_radius, top_radius, length;
};

static const CarPiece car_pieces[] = {
    // start  base  top  length
    {   0.0,  1.9,  1.9, 2.5},  // car wall
    {  -0.1,  0.0,  1.9, 0.1},  // underside cone
    {   0.1,  1.9,  0.0, 0.2},  // floor cone
    {   2.5,  0.0,  1.9, 0.1},  // roof cone
};

void draw_lift_car(float x, float y, float z)
{
    glColor3fv(dark_gray);
    for (const CarPiece& p : car_pieces)
        draw_upright_cylinder(x, y, static_cast<float>(z + p.start), p.base_radius,
                              p.top_radius, p.length, 10);
}

GLUquadric* shared_quadric()
{
    static GLUquadric* quadric = nullptr;
    if (!quadric)
        quadric = gluNewQuadric();
    return quadric;
}

void draw_cylinder(double base_radius, double top_radius, double height,
                   int slices)
{
    if (GLUquadric* q = shared_quadric())
        gluCylinder(q, base_radius, top_radius, height, slices, 10);
}

void draw_upright_cylinder(float x, float y, float z, double base_radius,
                           double top_radius, double height, int slices)
{
    glPushMatrix();
    glTranslatef(x, y, z);
    draw_cylinder(base_radius, top_radius, height, slices);
    glPopMatrix();
}

void draw_partial_disk(double inner_radius, double outer_radius, int slices,
                       double start_angle, double sweep_angle)
{
    if (GLUquadric* q = shared_quadric())
        gluPartialDisk(q, inner_radius, outer_radius, slices, 10, start_angle,
                       sweep_angle);
}
