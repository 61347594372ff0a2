#include <GL/freeglut.h>

#include "app/app.h"

// The right-button menu is not built yet.
void create_menus() {}

void main_menu(int) {}
