#include <GL/freeglut.h>

#include <cstdio>

#include "view/favourite_view.h"
#include "view/input.h"
#include "view/view_state.h"

static void left(bool shift) { view_state.cam_x -= shift ? 10 : 0.5; }
static void right(bool shift) { view_state.cam_x += shift ? 10 : 0.5; }
static void up(bool shift) { view_state.cam_y += shift ? 10 : 0.5; }
static void down(bool shift) { view_state.cam_y -= shift ? 10 : 0.5; }
static void raise(bool shift) { view_state.cam_z += shift ? 10 : 0.5; }
static void lower(bool shift) { view_state.cam_z -= shift ? 10 : 0.5; }
// A larger box shows more of the ship.
static void zoom_out(bool shift) { view_state.zoom *= shift ? 1.1 : 1.01; }
static void zoom_in(bool shift) { view_state.zoom /= shift ? 1.1 : 1.01; }
static void tilt(bool shift) { view_state.view_pitch += shift ? 0.01 : -0.01; }
static void level(bool) { view_state.view_pitch = 0; }
static void restore(bool) { restore_favourite_view(); }
static void save(bool) { save_favourite_view(); }
static void ignore(bool) {}

struct SpecialKey {
    int key;
    void (*action)(bool shift);
};

static const SpecialKey special_key_commands[] = {
    {GLUT_KEY_LEFT,      left},
    {GLUT_KEY_RIGHT,     right},
    {GLUT_KEY_UP,        up},
    {GLUT_KEY_DOWN,      down},
    {GLUT_KEY_HOME,      raise},
    {GLUT_KEY_END,       lower},
    {GLUT_KEY_PAGE_UP,   zoom_out},
    {GLUT_KEY_PAGE_DOWN, zoom_in},
    {GLUT_KEY_INSERT,    tilt},
    {GLUT_KEY_F1,        level},
    {GLUT_KEY_F5,        restore},
    {GLUT_KEY_F6,        save},
    // The toolkit reports a bare press of a modifier as a key of its own;
    // reaching for Shift is not a command.
    {GLUT_KEY_SHIFT_L,   ignore},
    {GLUT_KEY_SHIFT_R,   ignore},
    {GLUT_KEY_CTRL_L,    ignore},
    {GLUT_KEY_CTRL_R,    ignore},
    {GLUT_KEY_ALT_L,     ignore},
    {GLUT_KEY_ALT_R,     ignore},
    {GLUT_KEY_SUPER_L,   ignore},
    {GLUT_KEY_SUPER_R,   ignore},
};

void special_keys(int key, int, int)
{
    const SpecialKey* command = nullptr;
    for (const SpecialKey& c : special_key_commands)
        if (c.key == key)
            command = &c;
    if (command)
        command->action(glutGetModifiers() & GLUT_ACTIVE_SHIFT);
    else
        std::printf("Don't know what to do with KeyboardSpecial hit: '%c' (0x%0x)\n", key,
                    static_cast<unsigned>(key));
    glutPostRedisplay();
}
