// The "ISS Alpha" model: five modules on a spine, panel pairs, a side port,
// a mast with four wings and a two-segment arm, built outward from a cursor
// that runs along the station's long axis.
#include "render/render.h"

#include <GL/gl.h>

#include "ship/ship.h"

using namespace palette;

// Large round shapes get 100 slices.
constexpr int station_slices = 100;

// The cursor is the current origin and runs along the current +z.
static void advance(double d) { glTranslated(0, 0, d); }

// A cone or tube from radius a at the cursor to radius b, h along +z.
static void section(const float* colour, double a, double b, double h)
{
    glColor3fv(colour);
    draw_cylinder(a, b, h, station_slices);
}

// One flat panel through the axis, so it shows on both sides of the module.
struct PanelPair {
    double turn;         // rotation about the axis, degrees
    float half_span;     // across the axis
    float half_width;    // along the axis
};

static const PanelPair panel_pairs[] = {
    // turn  half_span  half_width
    {  45,    6.0f,      1.0f},   // module 1
    { -90,   14.85f,     1.7f},   // module 2
    { -90,   12.25f,     1.7f},   // module 3
};

// Drawn from the cursor at the module's end cap, centred 4 back along it.
static void draw_panel_pair(const PanelPair& pair)
{
    glPushMatrix();
    glTranslated(0, 0, -4);
    glRotated(pair.turn, 0, 0, 1);
    glRotated(-90, 1, 0, 0);
    glColor3fv(pale_yellow);
    glRectf(-pair.half_span, -pair.half_width, pair.half_span, pair.half_width);
    glPopMatrix();
}

// The docking port standing out of the node's +y side, from y 4.4 to 9.41.
static void draw_side_port()
{
    glPushMatrix();
    glRotated(-90, 1, 0, 0);
    glTranslated(0, 2.75, 4.4);
    section(white, 0, 2.25, 0.5);        advance(0.5);
    section(gray, 2.25, 2.25, 1.8);      advance(1.8);
    section(light_gray, 2.25, 0.9, 0.5); advance(0.5);
    section(gray, 0.9, 0.9, 2.2);        advance(2.2);
    section(magenta, 0.9, 0, 0.01);      // flat end disc
    glPopMatrix();
}

// Two wings, one either side of the mast.
static void draw_wing_pair()
{
    glRectf(-40, -2, -4, 2);
    glRectf(4, -2, 40, 2);
}

// The mast rises from the node along the station's +x (ship up), with a
// radiator panel halfway, two pairs of wings at its top and struts between.
static void draw_mast_and_wings()
{
    glPushMatrix();
    glColor3fv(pale_yellow);
    glTranslated(4.7, 0, -3);
    draw_box(-1, 1, -1.5, 1.5, 0, 2);  // mast foot

    // From here local +z runs up the mast, +x toward the station's -y and
    // +y toward its -z.
    glTranslated(0, 1, 2.1);
    glRotated(-90, 1, 0, 0);
    glRotated(90, 0, 1, 0);
    glColor3fv(mid_gray);
    draw_box(0, 2, 0, 2, 0, 14);  // mast

    glTranslated(0, 0, 6);
    glRotated(-90, 1, 0, 0);
    glColor3fv(pale_yellow);
    glRectf(-16, -2, 0, 1);  // radiator panel
    glRotated(90, 1, 0, 0);

    glTranslated(0, 4, 8);
    draw_wing_pair();
    glTranslated(0, -8, 0);
    draw_wing_pair();

    glColor3fv(mid_gray);
    draw_box(-4, -3.6, -2, 10, -0.2, 0.2);  // strut
    glTranslated(8, 0, 0);
    draw_box(-4, -3.6, -2, 10, -0.2, 0.2);  // strut
    draw_box(-12, -4, 4.8, 5.2, -0.2, 0.2);  // cross strut
    glPopMatrix();
}

// Two thin segments reaching out from the last module's end, in the colour
// of its cap.
static void draw_arm()
{
    glPushMatrix();
    glTranslated(4.6, 0, 0);
    glRotated(45, 1, 0, 0);
    draw_cylinder(0.3, 0.3, 8.8, station_slices);
    advance(8.8);
    glRotated(-135, 0, 1, 0);
    draw_cylinder(0.3, 0.3, 8.8, station_slices);
    glPopMatrix();
}

// The station hangs 50 below the ship and 50 to its -y side, its long axis
// (local +z) running along the ship's -x and its local +x pointing up.
void draw_station()
{
    glPushMatrix();
    glTranslated(-50, -50, -50);
    glRotated(-90, 0, 1, 0);

    section(pink, 0, 2.1, 0.2);         advance(0.2);   // module 1
    section(mid_gray, 2.1, 2.1, 6.1);   advance(6.1);
    section(pink, 2.1, 0, 0.2);
    draw_panel_pair(panel_pairs[0]);

    advance(1); section(pink, 0, 4.1, 1); advance(1);   // module 2
    section(mid_gray, 4.1, 4.1, 11.1);  advance(11.1);
    section(pink, 4.1, 0, 1);
    draw_panel_pair(panel_pairs[1]);

    advance(1); section(pink, 0, 4.1, 1); advance(1);   // module 3
    section(mid_gray, 4.1, 4.1, 10.6);  advance(10.6);
    section(pink, 4.1, 0, 1);
    draw_panel_pair(panel_pairs[2]);

    advance(1); section(white, 0, 4.6, 0.5); advance(0.5);  // module 4, the node
    section(gray, 4.6, 4.6, 4.5);       advance(4.5);
    section(white, 4.6, 0, 0.5);        advance(0.5);
    draw_side_port();
    draw_mast_and_wings();

    section(white, 0, 4.6, 1);          advance(1);     // module 5
    section(gray, 4.6, 4.6, 15);        advance(15);
    section(white, 4.6, 0, 1);
    draw_arm();

    glPopMatrix();
}
