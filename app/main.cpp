#include <GL/freeglut.h>

#include <cstdio>

#include "app/app.h"

int main(int argc, char** argv)
{
    // Help and diagnostics show at once even when the output goes to a pipe
    // or a file.
    std::setvbuf(stdout, nullptr, _IOLBF, BUFSIZ);
    start_up(&argc, argv);
    glutMainLoop();  // never returns: the program ends in quit_program
    return 0;
}
