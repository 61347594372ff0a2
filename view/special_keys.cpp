#include <GL/freeglut.h>

#include <cstdio>

#include "view/input.h"

// Camera flight and the favourite view are not built yet: every special key
// is still one the program does not know.
void special_keys(int key, int, int)
{
    std::printf("Don't know what to do with KeyboardSpecial hit: '%c' (0x%0x)\n", key, static_cast<unsigned>(key));
    glutPostRedisplay();
}
