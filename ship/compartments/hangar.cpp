// The hangar deck at the ship's aft end: three decks tall and open aft, it
// brings its own floor and ceiling. On its floor lie a ring about the ship's
// origin, where the landing-bay target stands, and a pad marker at the aft
// edge; a round platform hangs under the floor there and reaches out beyond it.
#include "ship/compartments/compartments.h"
#include "ship/ship.h"

#include <GL/gl.h>

#include "view/view_state.h"

using namespace palette;

// The side walls and the ceiling rise to these fixed heights, above the
// block's own top.
constexpr double hangar_ceiling_bottom = 17.4;
constexpr double hangar_top = 17.5;

constexpr int hangar_slices = 100;
constexpr double ring_radius = 4;
constexpr float pad_marker_x = -18;
constexpr float platform_x = -16;
constexpr double platform_radius = 10;
constexpr float platform_depth = 1.5;

// A dark plate with two white quarters diagonally opposite, set a hair above
// it so they show; they keep a margin of 0.1 from the plate's outer edges.
static void draw_pad_marker(float floor_z)
{
    glPushMatrix();
    glTranslatef(pad_marker_x, 0, floor_z + 0.11f);
    glColor3fv(dark_gray);
    glRectf(-4, -2, 4, 2);
    glPushMatrix();
    glTranslatef(0, 0, 0.005f);
    glColor3fv(white);
    glRectf(0, 0, 3.9f, 1.9f);
    glRectf(-3.9f, -1.9f, 0, 0);
    glPopMatrix();
    glPopMatrix();
}

void draw_hangar_deck(int)
{
    const Block& b = *current_block;
    const float under_platform = b.z0 - platform_depth;
    glColor3fv(b.colour);
    draw_box(b.x0, b.x1, b.y0, b.y1, b.z0, b.z0 + 0.1);
    glColor3fv(light_gray);
    draw_box(b.x0, b.x1, b.y0 - 0.1, b.y0, b.z0 + 0.1, hangar_top);
    draw_box(b.x0, b.x1, b.y1, b.y1 + 0.1, b.z0 + 0.1, hangar_top);
    draw_box(b.x1 - 0.1, b.x1, b.y0, b.y1, b.z0 + 0.1, b.z0 + 2.5);
    draw_upright_cylinder(0, 0, b.z0, ring_radius, ring_radius, 0.12, hangar_slices);
    draw_pad_marker(b.z0);
    glColor3fv(mid_gray);
    draw_upright_cylinder(platform_x, 0, b.z0, platform_radius, 0, 0.1, hangar_slices);
    glColor3fv(gray);
    draw_upright_cylinder(platform_x, 0, under_platform, platform_radius, platform_radius, platform_depth, hangar_slices);
    glColor3fv(mid_gray);
    draw_upright_cylinder(platform_x, 0, under_platform, 0, platform_radius, 0.1, hangar_slices);
    if (view_state.show_ceilings) {
        glColor3fv(mid_gray);
        draw_box(b.x0, b.x1, b.y0, b.y1, hangar_ceiling_bottom, hangar_top);
    }
}
