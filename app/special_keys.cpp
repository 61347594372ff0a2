#include <GL/freeglut.h>

#include <cstdio>
#include <cstring>

#include <strings.h>

#include "app/favourite_view.h"
#include "app/input.h"
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

// The name is how a key script writes the key, as in <PageUp>.
struct SpecialKey {
    int key;
    void (*action)(bool shift);
    const char* name;
};

static const SpecialKey special_key_commands[] = {
    // key                action     name
    {GLUT_KEY_LEFT,       left,      "Left"},
    {GLUT_KEY_RIGHT,      right,     "Right"},
    {GLUT_KEY_UP,         up,        "Up"},
    {GLUT_KEY_DOWN,       down,      "Down"},
    {GLUT_KEY_HOME,       raise,     "Home"},
    {GLUT_KEY_END,        lower,     "End"},
    {GLUT_KEY_PAGE_UP,    zoom_out,  "PageUp"},
    {GLUT_KEY_PAGE_DOWN,  zoom_in,   "PageDown"},
    {GLUT_KEY_INSERT,     tilt,      "Insert"},
    {GLUT_KEY_F1,         level,     "F1"},
    {GLUT_KEY_F5,         restore,   "F5"},
    {GLUT_KEY_F6,         save,      "F6"},
    // The toolkit reports a bare press of a modifier as a key of its own;
    // reaching for Shift is not a command.
    {GLUT_KEY_SHIFT_L,    ignore,    nullptr},
    {GLUT_KEY_SHIFT_R,    ignore,    nullptr},
    {GLUT_KEY_CTRL_L,     ignore,    nullptr},
    {GLUT_KEY_CTRL_R,     ignore,    nullptr},
    {GLUT_KEY_ALT_L,      ignore,    nullptr},
    {GLUT_KEY_ALT_R,      ignore,    nullptr},
    {GLUT_KEY_SUPER_L,    ignore,    nullptr},
    {GLUT_KEY_SUPER_R,    ignore,    nullptr},
};

int special_key_named(const char* name, size_t length)
{
    for (const SpecialKey& c : special_key_commands)
        if (c.name && std::strlen(c.name) == length && strncasecmp(c.name, name, length) == 0)
            return c.key;
    return -1;
}

std::vector<const char*> special_key_names()
{
    std::vector<const char*> names;
    for (const SpecialKey& c : special_key_commands)
        if (c.name)
            names.push_back(c.name);
    return names;
}

static const SpecialKey* find_special_key(int key)
{
    for (const SpecialKey& c : special_key_commands)
        if (c.key == key)
            return &c;
    return nullptr;
}

void special_keys(int key, int, int)
{
    // Asked only for a known key, as the toolkit answers it only in here.
    const SpecialKey* command = find_special_key(key);
    special_key(key, command && (glutGetModifiers() & GLUT_ACTIVE_SHIFT));
}

void special_key(int key, bool shift)
{
    if (const SpecialKey* command = find_special_key(key))
        command->action(shift);
    else
        std::printf("Don't know what to do with KeyboardSpecial hit: '%c' (0x%0x)\n", key,
                    static_cast<unsigned>(key));
    glutPostRedisplay();
}
