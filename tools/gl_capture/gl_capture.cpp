// The capture backend's entry points: OpenGL, GLU and GLUT calls recorded
// into the one State.
#include "tools/gl_capture/capture_internal.h"

#include <GL/freeglut.h>

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace gl_capture {

static State the_state;

State& state() { return the_state; }

void reset()
{
    // Quadric objects outlive a reset, as they outlive a frame in the program.
    const int made = the_state.quadrics_made, live = the_state.quadrics_live;
    the_state = State();
    the_state.quadrics_made = made;
    the_state.quadrics_live = live;
}

const std::vector<Primitive>& prims() { return the_state.prims; }
void clear_prims() { the_state.prims.clear(); }

Rgb rgb(const float* c) { return {c[0], c[1], c[2]}; }

Vec3 Primitive::lo() const
{
    Vec3 v = points.at(0);
    for (const Vec3& p : points)
        v = {std::min(v.x, p.x), std::min(v.y, p.y), std::min(v.z, p.z)};
    return v;
}

Vec3 Primitive::hi() const
{
    Vec3 v = points.at(0);
    for (const Vec3& p : points)
        v = {std::max(v.x, p.x), std::max(v.y, p.y), std::max(v.z, p.z)};
    return v;
}

bool Primitive::operator==(const Primitive& o) const
{
    return kind == o.kind && colour == o.colour && depth_test == o.depth_test &&
           points == o.points && triangles == o.triangles && origin == o.origin &&
           axis == o.axis && base_radius == o.base_radius && top_radius == o.top_radius &&
           height == o.height && inner == o.inner && outer == o.outer && start == o.start &&
           sweep == o.sweep && slices == o.slices && stacks == o.stacks &&
           line_width == o.line_width && text == o.text;
}

}  // namespace gl_capture

using namespace gl_capture;

static Matrix& top()
{
    State& s = the_state;
    return s.matrix_mode == GL_PROJECTION ? s.projection.back() : s.modelview.back();
}

static std::vector<Matrix>& stack()
{
    State& s = the_state;
    return s.matrix_mode == GL_PROJECTION ? s.projection : s.modelview;
}

static void multiply(const Matrix& m) { top() = top() * m; }

static bool in_modelview() { return the_state.matrix_mode != GL_PROJECTION; }

// The model-view matrix with the camera taken out.
static Matrix placement()
{
    return the_state.camera_inverse.back() * the_state.modelview.back();
}

static Vec3 world(double x, double y, double z) { return placement().apply({x, y, z}); }

static Primitive& add(Kind kind)
{
    Primitive p{};
    p.kind = kind;
    p.colour = the_state.colour;
    p.depth_test = the_state.depth_test;
    the_state.prims.push_back(p);
    return the_state.prims.back();
}

static Primitive& add_quadric(Kind kind, int slices, int stacks)
{
    Primitive& p = add(kind);
    p.origin = world(0, 0, 0);
    p.axis = unit(placement().direction({0, 0, 1}));
    p.slices = slices;
    p.stacks = stacks;
    return p;
}

static void rotate(double angle, double x, double y, double z) { multiply(rotation(angle, x, y, z)); }
static void translate(double x, double y, double z) { multiply(translation(x, y, z)); }

// glRect is a polygon through (x1, y1), (x2, y1), (x2, y2), (x1, y2).
static void rect(double x1, double y1, double x2, double y2)
{
    Primitive& p = add(Kind::rect);
    p.points = {world(x1, y1, 0), world(x2, y1, 0), world(x2, y2, 0), world(x1, y2, 0)};
    add_quad(p.triangles, 0, 1, 2, 3);
}

extern "C" {

// ---- OpenGL -----------------------------------------------------------------

void glMatrixMode(GLenum mode) { the_state.matrix_mode = mode; }
void glLoadIdentity()
{
    top() = Matrix::identity();
    if (in_modelview())
        the_state.camera_inverse.back() = Matrix::identity();
}
void glPushMatrix()
{
    stack().push_back(stack().back());
    if (in_modelview())
        the_state.camera_inverse.push_back(the_state.camera_inverse.back());
}
void glPopMatrix()
{
    if (stack().size() > 1) {
        stack().pop_back();
        if (in_modelview())
            the_state.camera_inverse.pop_back();
    }
}
void glTranslatef(GLfloat x, GLfloat y, GLfloat z) { translate(x, y, z); }
void glTranslated(GLdouble x, GLdouble y, GLdouble z) { translate(x, y, z); }
void glRotatef(GLfloat a, GLfloat x, GLfloat y, GLfloat z) { rotate(a, x, y, z); }
void glRotated(GLdouble a, GLdouble x, GLdouble y, GLdouble z) { rotate(a, x, y, z); }

void glOrtho(GLdouble l, GLdouble r, GLdouble b, GLdouble t, GLdouble n, GLdouble f)
{
    the_state.ortho = {l, r, b, t, n, f};
    ++the_state.ortho_calls;
    Matrix o = Matrix::identity();
    o.m[0] = 2 / (r - l);
    o.m[5] = 2 / (t - b);
    o.m[10] = -2 / (f - n);
    o.m[12] = -(r + l) / (r - l);
    o.m[13] = -(t + b) / (t - b);
    o.m[14] = -(f + n) / (f - n);
    multiply(o);
}

void glColor3fv(const GLfloat* c) { the_state.colour = {c[0], c[1], c[2]}; }
void glColor3f(GLfloat r, GLfloat g, GLfloat b) { the_state.colour = {r, g, b}; }
void glLineWidth(GLfloat w) { the_state.line_width = w; }

void glRectf(GLfloat x1, GLfloat y1, GLfloat x2, GLfloat y2) { rect(x1, y1, x2, y2); }
void glRectd(GLdouble x1, GLdouble y1, GLdouble x2, GLdouble y2) { rect(x1, y1, x2, y2); }

void glBegin(GLenum mode)
{
    if (mode == GL_LINE_STRIP) {
        Primitive& p = add(Kind::line_strip);
        p.line_width = the_state.line_width;
        the_state.in_strip = true;
    }
}
void glEnd() { the_state.in_strip = false; }
static void vertex(double x, double y, double z)
{
    if (the_state.in_strip)
        the_state.prims.back().points.push_back(world(x, y, z));
}
void glVertex3f(GLfloat x, GLfloat y, GLfloat z) { vertex(x, y, z); }
void glVertex3d(GLdouble x, GLdouble y, GLdouble z) { vertex(x, y, z); }
void glVertex2f(GLfloat x, GLfloat y) { vertex(x, y, 0); }

// A raster position starts a new piece of text in the colour then in force.
void glRasterPos2d(GLdouble x, GLdouble y)
{
    Primitive& p = add(Kind::text);
    p.origin = world(x, y, 0);
}

void glEnable(GLenum cap)
{
    if (cap == GL_DEPTH_TEST)
        the_state.depth_test = true;
}
void glDisable(GLenum cap)
{
    if (cap == GL_DEPTH_TEST)
        the_state.depth_test = false;
}
void glPushAttrib(GLbitfield) { the_state.attrib_stack.push_back(the_state.depth_test); }
void glPopAttrib()
{
    if (!the_state.attrib_stack.empty()) {
        the_state.depth_test = the_state.attrib_stack.back();
        the_state.attrib_stack.pop_back();
    }
}

void glDrawBuffer(GLenum buffer) { the_state.draw_buffer = buffer; }
void glClear(GLbitfield mask)
{
    the_state.clear_mask = mask;
    ++the_state.clears;
}
void glClearColor(GLfloat r, GLfloat g, GLfloat b, GLfloat a)
{
    the_state.clear_colour[0] = r;
    the_state.clear_colour[1] = g;
    the_state.clear_colour[2] = b;
    the_state.clear_colour[3] = a;
}
void glShadeModel(GLenum mode) { the_state.shade_model = mode; }
void glFlush() { ++the_state.flushes; }
// Quitting ends the process, so these two say on stderr that they ran.
void glFinish()
{
    ++the_state.finishes;
    std::fprintf(stderr, "glFinish\n");
}

// ---- GLU --------------------------------------------------------------------

struct GLUquadric {
    int unused;
};

GLUquadric* gluNewQuadric()
{
    ++the_state.quadrics_made;
    ++the_state.quadrics_live;
    return new GLUquadric{};
}

void gluDeleteQuadric(GLUquadric* q)
{
    --the_state.quadrics_live;
    delete q;
}

void gluCylinder(GLUquadric*, GLdouble base, GLdouble top_radius, GLdouble height,
                 GLint slices, GLint stacks)
{
    Primitive& p = add_quadric(Kind::cylinder, slices, stacks);
    p.base_radius = base;
    p.top_radius = top_radius;
    p.height = height;
    if (the_state.tessellate)
        tessellate_cylinder(p, placement(), base, top_radius, height, slices, stacks);
}

void gluPartialDisk(GLUquadric*, GLdouble inner, GLdouble outer, GLint slices,
                    GLint loops, GLdouble start, GLdouble sweep)
{
    Primitive& p = add_quadric(Kind::partial_disk, slices, loops);
    p.inner = inner;
    p.outer = outer;
    p.start = start;
    p.sweep = sweep;
    if (the_state.tessellate)
        tessellate_partial_disk(p, placement(), inner, outer, slices, loops, start, sweep);
}

void gluPerspective(GLdouble fovy, GLdouble aspect, GLdouble n, GLdouble f)
{
    the_state.perspective = {fovy, aspect, n, f};
    ++the_state.perspective_calls;
    const double t = 1 / std::tan(fovy * M_PI / 360);
    Matrix p{};
    p.m[0] = t / aspect;
    p.m[5] = t;
    p.m[10] = (f + n) / (n - f);
    p.m[11] = -1;
    p.m[14] = 2 * f * n / (n - f);
    multiply(p);
}

void gluLookAt(GLdouble ex, GLdouble ey, GLdouble ez, GLdouble cx, GLdouble cy,
               GLdouble cz, GLdouble ux, GLdouble uy, GLdouble uz)
{
    the_state.look_at = {{ex, ey, ez}, {cx, cy, cz}, {ux, uy, uz}};
    const Vec3 f = unit({cx - ex, cy - ey, cz - ez});
    const Vec3 s = unit({f.y * uz - f.z * uy, f.z * ux - f.x * uz, f.x * uy - f.y * ux});
    const Vec3 u = {s.y * f.z - s.z * f.y, s.z * f.x - s.x * f.z, s.x * f.y - s.y * f.x};
    Matrix m = Matrix::identity();
    m.m[0] = s.x, m.m[4] = s.y, m.m[8] = s.z;
    m.m[1] = u.x, m.m[5] = u.y, m.m[9] = u.z;
    m.m[2] = -f.x, m.m[6] = -f.y, m.m[10] = -f.z;
    multiply(m);
    translate(-ex, -ey, -ez);
    if (in_modelview())
        the_state.camera_inverse.back() = top().inverse();
}

// ---- GLUT -------------------------------------------------------------------

void* glutBitmapTimesRoman24 = &glutBitmapTimesRoman24;

void glutInit(int*, char**) { ++the_state.init_calls; }
void glutInitDisplayMode(unsigned int mode) { the_state.display_mode = mode; }
void glutInitWindowSize(int w, int h)
{
    the_state.window_width = w;
    the_state.window_height = h;
}
void glutInitWindowPosition(int x, int y)
{
    the_state.window_x = x;
    the_state.window_y = y;
}
int glutCreateWindow(const char* title)
{
    the_state.window_title = title;
    return the_state.window_id = 7;
}
void glutDestroyWindow(int window)
{
    the_state.destroyed_window = window;
    std::fprintf(stderr, "glutDestroyWindow(%d)\n", window);
}
void glutDisplayFunc(void (*f)()) { the_state.display_func = f; }
void glutKeyboardFunc(void (*f)(unsigned char, int, int)) { the_state.keyboard_func = f; }
void glutSpecialFunc(void (*f)(int, int, int)) { the_state.special_func = f; }
int glutCreateMenu(void (*f)(int))
{
    the_state.menu_func = f;
    return 1;
}
void glutAddMenuEntry(const char* label, int value)
{
    the_state.menu_entries.emplace_back(label, value);
}
void glutAttachMenu(int button) { the_state.menu_button = button; }
void glutPostRedisplay() { ++the_state.redisplays; }
int glutGetModifiers() { return the_state.modifiers; }
void glutSwapBuffers() { ++the_state.swaps; }
void glutMainLoop() {}

void glutBitmapCharacter(void* font, int character)
{
    if (font == GLUT_BITMAP_TIMES_ROMAN_24 && !the_state.prims.empty() &&
        the_state.prims.back().kind == Kind::text)
        the_state.prims.back().text += static_cast<char>(character);
}

void glutSolidSphere(GLdouble radius, GLint slices, GLint stacks)
{
    Primitive& p = add_quadric(Kind::sphere, slices, stacks);
    p.base_radius = radius;
    if (the_state.tessellate)
        tessellate_sphere(p, placement(), radius, slices, stacks);
}

}  // extern "C"
