#include <GL/freeglut.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "app/app.h"
#include "app/input.h"
#include "ship/ship.h"
#include "view/view_state.h"

static const char program_name[] = "TEV V1.0";
static const char version_tag[] = "beta 3";
static const char project_address[] = "https://tev.example.org/";

static void toggle(int& flag) { flag = !flag; }

static void toggle_earth() { toggle(view_state.show_earth); }
static void toggle_station() { toggle(view_state.show_station); }
static void toggle_hull() { toggle(view_state.show_hull); }
static void toggle_far_clip() { toggle(view_state.far_clip); }
static void toggle_ceilings() { toggle(view_state.show_ceilings); }
static void toggle_target() { toggle(view_state.show_target); }

// The Earth follows the world view, whatever E did in between.
static void toggle_world_view()
{
    toggle(view_state.world_view);
    view_state.show_earth = view_state.world_view;
}

static void begin_construction() { view_state.blocks_shown = 0; }
static void end_construction() { view_state.blocks_shown = block_total(); }

static void construction_forward()
{
    if (++view_state.blocks_shown >= block_total())
        view_state.blocks_shown = block_total();
}

static void construction_reverse()
{
    if (view_state.blocks_shown != 0)
        --view_state.blocks_shown;
}

// The deck filter cycles through every deck index, then all decks.
static void deck_up()
{
    if (view_state.deck_shown < all_decks)
        ++view_state.deck_shown;
    else
        view_state.deck_shown = 0;
}

static void deck_down()
{
    if (view_state.deck_shown == 0)
        view_state.deck_shown = all_decks;
    else
        --view_state.deck_shown;
}

static void show_all_decks() { view_state.deck_shown = all_decks; }

static void overhead_view()
{
    view_state.perspective_mode = 0;
    reset_view();
}

static void perspective_view()
{
    view_state.perspective_mode = 1;
    reset_view();
}

// The heading wraps on its whole degrees. They are taken in floating point,
// so a heading of any size (a favourite-view file may hold one) stays defined.
static double whole_degrees(float angle) { return std::fabs(std::trunc(angle)); }

static void heading_up_1()
{
    view_state.view_angle += 1;
    if (whole_degrees(view_state.view_angle) >= 360)
        view_state.view_angle = 0;
}

static void heading_down_1()
{
    if (std::fmod(whole_degrees(view_state.view_angle), 360) != 0)
        view_state.view_angle -= 1;
    else
        view_state.view_angle = 359;
}

static void heading_up_10()
{
    view_state.view_angle += 10;
    if (view_state.view_angle >= 360)
        view_state.view_angle -= 360;
}

static void heading_down_10()
{
    if (view_state.view_angle > 10)
        view_state.view_angle -= 10;
    else
        view_state.view_angle += 350;
}

// One row per command, in the order of the help text. A row without keys
// only describes special keys; a row without help is a command the help
// text leaves out.
struct KeyCommand {
    const char* keys;
    void (*action)();
    const char* help;
};

static const KeyCommand key_commands[] = {
    // keys      action                 help line
    {"Ee",       toggle_earth,          "E \t toggle earth\n"},
    {"Ff",       toggle_station,        "F \t toggle alpha\n"},
    {"Zz",       begin_construction,    "Z \t begin construction (no blocks)\n"},
    {"Jj",       construction_forward,  "J \t construction forward\n"},
    {"Hh",       construction_reverse,  "H \t construction reverse\n"},
    {"Aa",       end_construction,      "A \t end construction (show all blocks)\n"},
    {"Uu",       deck_up,               "U \t scans up thru decks built\n"},
    {"Nn",       deck_down,             "N \t scans dn thru decks built\n"},
    {"Ll",       show_all_decks,        "L \t all decks built displayed\n"},
    {"Xx",       toggle_target,         "X \t toggle landing bay target\n"},
    {"Oo",       overhead_view,         "O \t overhead view (page keys zoom <shift>)\n"},
    {"Pp",       perspective_view,      "P \t perspective view\n"},
    {"S",        heading_down_10,       "S \t rotate view about + z-axis <shift>\n"},
    {"s",        heading_down_1,        nullptr},
    {"D",        heading_up_10,         "D \t rotate view about - z-axis <shift>\n"},
    {"d",        heading_up_1,          nullptr},
    {"Tt",       toggle_ceilings,       "T \t toggle ceilings\n"},
    {"Vv",       reset_view,            "V \t reset view\n"},
    {"Mm",       toggle_far_clip,       "M \t helps view on slower machines\n"},
    {"",         nullptr,               "arrow keys move in xy plane, <shift> faster\n"},
    {"",         nullptr,               "HOME, END\t move +,- z-axis\n"},
    {"",         nullptr,               "INSERT\t view down and <shift> view up - F1 to level\n"},
    {"\033Qq",   quit_program,          "ESC/Q \t quit\n"},
    {"?",        print_help,            nullptr},
    {"Kk",       toggle_hull,           nullptr},
    {"Ww",       toggle_world_view,     nullptr},
};

// Day of the week (0 = Sunday) of a date in the Gregorian calendar.
static int weekday(int year, int month, int day)
{
    static const int month_offset[] = {0, 3, 2, 5, 0, 3, 5, 1, 4, 6, 2, 4};
    if (month < 3)
        year -= 1;
    return (year + year / 4 - year / 100 + year / 400 + month_offset[month - 1] + day) % 7;
}

// The date and time this file was compiled, in the 24-character form
// "Sun Jul  8 09:45:30 2001".
static void build_stamp(char (&stamp)[25])
{
    static const char months[] = "JanFebMarAprMayJunJulAugSepOctNovDec";
    static const char days[] = "SunMonTueWedThuFriSat";
    const char date[] = __DATE__;  // "Jul  8 2001"
    int month = 1;
    while (month < 12 && std::strncmp(months + 3 * (month - 1), date, 3) != 0)
        ++month;
    const int day = std::atoi(date + 4);
    const int year = std::atoi(date + 7);
    std::snprintf(stamp, sizeof stamp, "%.3s %.6s %s %.4s", days + 3 * weekday(year, month, day),
                  date, __TIME__, date + 7);
}

// The title line shows the year of the build stamp in two digits.
static void print_title_line()
{
    char stamp[25];
    build_stamp(stamp);
    const size_t n = std::strlen(stamp);
    stamp[n - 4] = stamp[n - 2];
    stamp[n - 3] = stamp[n - 1];
    stamp[n - 2] = '\0';
    std::printf("%s (%s) built %s A.S.\n", program_name, version_tag, stamp);
}

void print_help()
{
    print_title_line();
    std::printf("Self-Replicating Starship Simulation\n(Tollenvar Class Seedshuttle)\n");
    std::printf("%s\n\n", project_address);
    for (const KeyCommand& c : key_commands)
        if (c.help)
            std::fputs(c.help, stdout);
}

static const KeyCommand* find_command(unsigned char key)
{
    if (key == '\0')  // would match the end of every key list
        return nullptr;
    for (const KeyCommand& c : key_commands)
        if (c.action && std::strchr(c.keys, key))
            return &c;
    return nullptr;
}

std::vector<KeyCommandKeys> key_command_keys()
{
    std::vector<KeyCommandKeys> list;
    for (const KeyCommand& c : key_commands)
        if (c.action)
            list.push_back({c.keys, c.help});
    return list;
}

bool key_quits(unsigned char key)
{
    const KeyCommand* c = find_command(key);
    return c && c->action == quit_program;
}

void keyboard(unsigned char key, int, int)
{
    if (const KeyCommand* c = find_command(key))
        c->action();
    else
        std::printf("\nDon't know what to do with keyboard hit: '%c' (0x%0x)\n", key, key);
    glutPostRedisplay();
}
