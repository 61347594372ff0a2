#include <GL/freeglut.h>

#include <climits>
#include <cstdarg>
#include <cmath>
#include <cstdio>

#include "render/render.h"
#include "ship/ship.h"
#include "view/view_state.h"

// The program's own value of pi; the camera heading is converted with it.
constexpr double pi = 3.1415926236;
constexpr float orbit_height = 6800000;
constexpr double earth_radius = 6400000;

static void set_perspective_camera(float lift)
{
    float near_plane = 0.1f, far_plane = 100;
    if (view_state.far_clip)
        far_plane = 10000000;
    else if (view_state.world_view)
        near_plane = 10, far_plane = 10000000;
    gluPerspective(60, 1, near_plane, far_plane);

    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    // The heading is measured from +y toward +x; the pitch is the height of
    // the point looked at, one unit ahead.
    const double a = view_state.view_angle * pi / 180;
    const float eye_y = view_state.cam_y + lift;
    gluLookAt(view_state.cam_x, eye_y, view_state.cam_z,
              view_state.cam_x + std::sin(a), eye_y + std::cos(a),
              view_state.cam_z + view_state.view_pitch,
              0, 0, 1);
}

// Straight down on a cube of half-size zoom about the eye, +y up the window.
static void set_overhead_camera(float lift)
{
    const double zoom = view_state.zoom;
    glOrtho(-zoom, zoom, -zoom, zoom, -zoom, zoom);

    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    const float eye_y = view_state.cam_y + lift;
    gluLookAt(view_state.cam_x, eye_y, view_state.cam_z,
              view_state.cam_x, eye_y, view_state.cam_z - 1,
              0, 1, 0);
}

static void draw_earth()
{
    glColor3fv(palette::light_blue);
    glPushMatrix();
    glutSolidSphere(earth_radius, 100, 100);
    glPopMatrix();
}

int saturating_int(float value)
{
    if (std::isnan(value))
        return 0;
    if (value >= 2147483648.0f)
        return INT_MAX;
    if (value <= -2147483648.0f)
        return INT_MIN;
    return static_cast<int>(value);
}

// Formats one heads-up line into its buffer; a longer line is cut at
// hud_text_size - 1 characters rather than written past the buffer.
__attribute__((format(printf, 2, 3)))
static void format_line(char (&buffer)[hud_text_size], const char* format, ...)
{
    va_list args;
    va_start(args, format);
    std::vsnprintf(buffer, sizeof buffer, format, args);
    va_end(args);
}

static void draw_text(const char* text)
{
    for (const char* c = text; *c; ++c)
        glutBitmapCharacter(GLUT_BITMAP_TIMES_ROMAN_24, *c);
}

// Two lines at the top left of the overhead box, drawn over everything.
static void draw_heads_up_text()
{
    const float zoom = view_state.zoom;
    const int left = saturating_int(-zoom);
    const int top = saturating_int(zoom);

    glPushAttrib(GL_DEPTH_BUFFER_BIT);
    glPushMatrix();
    glLoadIdentity();
    glDisable(GL_DEPTH_TEST);

    glColor3fv(palette::pink);
    format_line(view_state.hud_deck_text, "dck %d %d blx", view_state.deck_shown,
                view_state.blocks_shown);
    glRasterPos2d(left, top - zoom * 10 / 100);
    draw_text(view_state.hud_deck_text);

    glColor3fv(palette::light_green);
    format_line(view_state.hud_view_text, "%g %g %g %g %g", view_state.cam_x,
                view_state.cam_y, view_state.cam_z, view_state.zoom, view_state.view_angle);
    glRasterPos2d(left, top - zoom * 20 / 100);
    draw_text(view_state.hud_view_text);

    view_state.hud_deck_text[0] = '\0';
    view_state.hud_view_text[0] = '\0';

    glPopMatrix();
    glPopAttrib();
}

ShipDrawingHook ship_drawing_hook;

void display()
{
    glDrawBuffer(GL_BACK);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    glEnable(GL_DEPTH_TEST);

    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    const float lift = view_state.show_earth ? orbit_height : 0;
    if (view_state.perspective_mode)
        set_perspective_camera(lift);
    else
        set_overhead_camera(lift);

    if (view_state.show_earth) {
        draw_earth();
        // Target, ship and station go into orbit, 400,000 above the surface.
        glTranslatef(0, orbit_height, 0);
    }
    if (view_state.show_target) {
        announce_part(DrawnPart::landing_target);
        draw_landing_target();
    }
    if (ship_drawing_hook)
        ship_drawing_hook(true);
    draw_ship(0);
    if (ship_drawing_hook)
        ship_drawing_hook(false);
    if (view_state.show_station) {
        announce_part(DrawnPart::station);
        draw_station();
    }
    if (!view_state.perspective_mode)
        draw_heads_up_text();

    glutSwapBuffers();
    glFlush();
}
