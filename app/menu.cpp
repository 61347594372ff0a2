#include <GL/freeglut.h>

#include <cstdio>

#include "app/app.h"
#include "app/input.h"
#include "view/view_state.h"

static void replay(unsigned char key) { keyboard(key, 0, 0); }

// The whole ship on all decks, with the Earth and the station, whatever the
// flags were before.
static void show_all()
{
    replay('a');
    replay('l');
    view_state.show_earth = 1;
    view_state.show_station = 1;
}

static void toggle_view() { replay(view_state.perspective_mode ? 'o' : 'p'); }

// Most entries replay their key, so an entry does exactly what the key does.
struct MenuEntry {
    const char* text;
    int value;
    unsigned char key;   // replayed, if not 0
    void (*action)();    // otherwise
};

static const MenuEntry menu_entries[] = {
    // text                  value  key  action
    {"Show All",             9,     0,   show_all},
    {"Earth",                8,     'e', nullptr},
    {"ISS Alpha",            7,     'f', nullptr},
    {"Reset View",           6,     'v', nullptr},
    {"Landing Bay Target",   5,     'x', nullptr},
    {"Toggle View",          4,     0,   toggle_view},
    {"Quit",                 3,     0,   quit_program},
};

void create_menus()
{
    glutCreateMenu(main_menu);
    for (const MenuEntry& e : menu_entries)
        glutAddMenuEntry(e.text, e.value);
    glutAttachMenu(GLUT_RIGHT_BUTTON);
}

static const MenuEntry* find_entry(int value)
{
    for (const MenuEntry& e : menu_entries)
        if (e.value == value)
            return &e;
    return nullptr;
}

void main_menu(int value)
{
    const MenuEntry* e = find_entry(value);
    if (!e)
        std::printf("Unknown main menu value: %d\n", value);
    else if (e->key)
        replay(e->key);
    else
        e->action();
}

std::vector<MenuChoice> menu_choices()
{
    std::vector<MenuChoice> choices;
    for (const MenuEntry& e : menu_entries)
        choices.push_back({e.value, e.text});
    return choices;
}

bool menu_value_quits(int value)
{
    const MenuEntry* e = find_entry(value);
    return e && (e->key ? key_quits(e->key) : e->action == quit_program);
}
