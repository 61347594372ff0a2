// Counts the polygons real OpenGL makes of one frame of the program, per kind
// of primitive the program asked for: it draws the frame in feedback mode,
// each rectangle, cylinder, disc, sphere and line strip preceded by a
// pass-through marker. The markers come from wrappers the linker puts around
// the program's own calls (-Wl,--wrap); the projection is widened to a box
// of 2 * 10^8 units about the eye, so nothing is clipped away.
//   feedback_counts 'KEYS'   prints "<kind> <polygons> <lines>" per kind
#include <GL/freeglut.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "app/app.h"
#include "render/render.h"
#include "tools/common/headless.h"
#include "tools/common/virtual_display.h"
#include "view/view_state.h"

namespace {

enum Kind { other, rect, cylinder, partial_disk, sphere, line_strip, kind_count };
const char* const kind_names[kind_count] = {"other", "rect", "cylinder", "partial_disk", "sphere",
                                            "line_strip"};

void mark(Kind kind) { glPassThrough(GLfloat(kind)); }

// Takes in the Earth and the ship in orbit about it.
constexpr double wide = 1e8;

}  // namespace

extern "C" {
void __real_glRectd(GLdouble, GLdouble, GLdouble, GLdouble);
void __real_glRectf(GLfloat, GLfloat, GLfloat, GLfloat);
void __real_gluCylinder(GLUquadric*, GLdouble, GLdouble, GLdouble, GLint, GLint);
void __real_gluPartialDisk(GLUquadric*, GLdouble, GLdouble, GLint, GLint, GLdouble, GLdouble);
void __real_glutSolidSphere(GLdouble, GLint, GLint);
void __real_glBegin(GLenum);
void __real_glOrtho(GLdouble, GLdouble, GLdouble, GLdouble, GLdouble, GLdouble);

void __wrap_glRectd(GLdouble a, GLdouble b, GLdouble c, GLdouble d)
{
    mark(rect);
    __real_glRectd(a, b, c, d);
}
void __wrap_glRectf(GLfloat a, GLfloat b, GLfloat c, GLfloat d)
{
    mark(rect);
    __real_glRectf(a, b, c, d);
}
void __wrap_gluCylinder(GLUquadric* q, GLdouble b, GLdouble t, GLdouble h, GLint s, GLint st)
{
    mark(cylinder);
    __real_gluCylinder(q, b, t, h, s, st);
}
void __wrap_gluPartialDisk(GLUquadric* q, GLdouble i, GLdouble o, GLint s, GLint l, GLdouble a,
                           GLdouble w)
{
    mark(partial_disk);
    __real_gluPartialDisk(q, i, o, s, l, a, w);
}
void __wrap_glutSolidSphere(GLdouble r, GLint s, GLint st)
{
    mark(sphere);
    __real_glutSolidSphere(r, s, st);
}
void __wrap_glBegin(GLenum mode)
{
    mark(mode == GL_LINE_STRIP ? line_strip : other);
    __real_glBegin(mode);
}
void __wrap_glOrtho(GLdouble, GLdouble, GLdouble, GLdouble, GLdouble, GLdouble)
{
    __real_glOrtho(-wide, wide, -wide, wide, -wide, wide);
}
void __wrap_gluPerspective(GLdouble, GLdouble, GLdouble, GLdouble)
{
    __real_glOrtho(-wide, wide, -wide, wide, -wide, wide);
}
}

// Polygons (as triangles) and line segments per kind in a GL_3D feedback
// buffer; false on a token it does not know.
bool count_primitives(const std::vector<GLfloat>& buffer, GLint used, long (&polygons)[kind_count],
           long (&lines)[kind_count])
{
    Kind kind = other;
    for (GLint i = 0; i < used;) {
        const int token = int(buffer[i++]);
        switch (token) {
        case GL_PASS_THROUGH_TOKEN: kind = Kind(int(buffer[i++])); break;
        case GL_POLYGON_TOKEN: {
            const int n = int(buffer[i++]);
            polygons[kind] += n - 2;  // as triangles
            i += 3 * n;
            break;
        }
        case GL_LINE_TOKEN:
        case GL_LINE_RESET_TOKEN: ++lines[kind]; i += 6; break;
        case GL_POINT_TOKEN:
        case GL_BITMAP_TOKEN:
        case GL_DRAW_PIXEL_TOKEN:
        case GL_COPY_PIXEL_TOKEN: i += 3; break;
        default:
            std::fprintf(stderr, "feedback_counts: unknown token %d\n", token);
            return false;
        }
    }
    return true;
}

int main(int argc, char** argv)
{
    std::vector<ScriptStep> steps;
    std::string error;
    if (argc != 2 || !parse_key_script(argv[1], steps, error)) {
        std::fprintf(stderr, "usage: feedback_counts KEYS %s\n", error.c_str());
        return 2;
    }
    VirtualDisplay xvfb;
    if (!find_display(xvfb, error)) {
        std::fprintf(stderr, "feedback_counts: %s\n", error.c_str());
        return 1;
    }
    start_viewer(argv[0], steps);

    std::vector<GLfloat> buffer(size_t(1) << 24);
    glFeedbackBuffer(GLsizei(buffer.size()), GL_3D, buffer.data());
    glRenderMode(GL_FEEDBACK);
    display();
    const GLint used = glRenderMode(GL_RENDER);
    if (used < 0) {
        std::fprintf(stderr, "feedback_counts: the feedback buffer overflowed\n");
        return 1;
    }
    long polygons[kind_count] = {}, lines[kind_count] = {};
    if (!count_primitives(buffer, used, polygons, lines))
        return 1;
    for (int k = 0; k < kind_count; ++k)
        std::printf("%s %ld %ld\n", kind_names[k], polygons[k], lines[k]);
    glutExit();
    return 0;
}
