#include <GL/freeglut.h>

#include <cstdlib>
#include <cstring>

#include "app/app.h"
#include "app/input.h"
#include "render/render.h"
#include "view/view_state.h"

int main_window;

// Replayed at start-up: station on, whole ship, all decks, world view with
// the Earth.
static const unsigned char start_up_keys[] = {'f', 'a', 'l', 'w'};

void open_window(int* argc, char** argv)
{
    glutInit(argc, argv);
    // The frame clears and tests depth every time.
    glutInitDisplayMode(GLUT_RGB | GLUT_DOUBLE | GLUT_DEPTH);
    glutInitWindowSize(640, 640);
    glutInitWindowPosition(160, 40);
    main_window = glutCreateWindow("TEV V1.0");
    glClearColor(0, 0, 0, 0);
    glShadeModel(GL_FLAT);

    glutDisplayFunc(display);
    glutKeyboardFunc(keyboard);
    glutSpecialFunc(special_keys);
    create_menus();
}

void set_start_up_view()
{
    std::memset(&view_state, 0, sizeof view_state);
    view_state.show_ceilings = 1;
    view_state.perspective_mode = 1;
    for (unsigned char key : start_up_keys)
        keyboard(key, 0, 0);
    reset_view();
}

void start_up(int* argc, char** argv)
{
    open_window(argc, argv);
    set_start_up_view();
    keyboard('?', 0, 0);
}

void quit_program()
{
    glFinish();
    glutDestroyWindow(main_window);
    std::exit(0);
}
