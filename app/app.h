// Start-up, the pop-up menu and the orderly exit.
#pragma once

#include <vector>

// The GLUT window identifier; written once at start-up, read at exit.
extern int main_window;

// Opens the window, registers the callbacks, builds the menu, sets the
// start-up view and prints the help text: everything main does before it
// hands control to the GLUT event loop.
void start_up(int* argc, char** argv);

// The two halves of start-up before the help text, for the companion tools
// that draw the program's view without printing it: the window with its
// callbacks and menu, then the view state of the first frame.
void open_window(int* argc, char** argv);
void set_start_up_view();

// The single way out: finish drawing, destroy the window, exit with status 0.
[[noreturn]] void quit_program();

void create_menus();
void main_menu(int value);
// Whether choosing the menu entry of this value ends the program.
bool menu_value_quits(int value);
// The menu's entries, in its order.
struct MenuChoice {
    int value;
    const char* text;
};
std::vector<MenuChoice> menu_choices();
