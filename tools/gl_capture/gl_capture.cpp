#include "tools/gl_capture/gl_capture.h"

#include <GL/freeglut.h>

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace rec {

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

Matrix Matrix::identity()
{
    Matrix r{};
    r.m[0] = r.m[5] = r.m[10] = r.m[15] = 1;
    return r;
}

Matrix Matrix::operator*(const Matrix& o) const
{
    Matrix r{};
    for (int col = 0; col < 4; ++col)
        for (int row = 0; row < 4; ++row) {
            double s = 0;
            for (int k = 0; k < 4; ++k)
                s += m[k * 4 + row] * o.m[col * 4 + k];
            r.m[col * 4 + row] = s;
        }
    return r;
}

Matrix Matrix::inverse() const
{
    // Gauss-Jordan elimination with partial pivoting on [this | identity].
    double a[4][8];
    for (int r = 0; r < 4; ++r)
        for (int c = 0; c < 4; ++c) {
            a[r][c] = m[c * 4 + r];
            a[r][c + 4] = r == c;
        }
    for (int c = 0; c < 4; ++c) {
        int pivot = c;
        for (int r = c + 1; r < 4; ++r)
            if (std::fabs(a[r][c]) > std::fabs(a[pivot][c]))
                pivot = r;
        std::swap(a[c], a[pivot]);
        const double d = a[c][c];
        for (double& v : a[c])
            v /= d;
        for (int r = 0; r < 4; ++r)
            if (r != c) {
                const double f = a[r][c];
                for (int k = 0; k < 8; ++k)
                    a[r][k] -= f * a[c][k];
            }
    }
    Matrix inv{};
    for (int r = 0; r < 4; ++r)
        for (int c = 0; c < 4; ++c)
            inv.m[c * 4 + r] = a[r][c + 4];
    return inv;
}

// Zero entries are skipped, so an infinite coordinate stays infinite where the
// matrix does not mix it in (0 * inf would give not-a-number).
static double row_times(const double* m, int row, const double (&v)[4])
{
    double s = 0;
    for (int k = 0; k < 4; ++k)
        if (m[k * 4 + row] != 0)
            s += m[k * 4 + row] * v[k];
    return s;
}

Vec3 Matrix::apply(const Vec3& p) const
{
    const double v[4] = {p.x, p.y, p.z, 1};
    const double w = row_times(m, 3, v);
    return {row_times(m, 0, v) / w, row_times(m, 1, v) / w, row_times(m, 2, v) / w};
}

Vec3 Matrix::direction(const Vec3& d) const
{
    return {m[0] * d.x + m[4] * d.y + m[8] * d.z,
            m[1] * d.x + m[5] * d.y + m[9] * d.z,
            m[2] * d.x + m[6] * d.y + m[10] * d.z};
}

bool Matrix::operator==(const Matrix& o) const
{
    return std::equal(m, m + 16, o.m);
}

}  // namespace rec

using namespace rec;

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

static Vec3 unit(Vec3 v)
{
    const double n = std::sqrt(v.x * v.x + v.y * v.y + v.z * v.z);
    return n > 0 ? Vec3{v.x / n, v.y / n, v.z / n} : v;
}

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

// Exact sines and cosines for multiples of 90 degrees keep box faces exact.
static void sin_cos(double degrees, double& s, double& c)
{
    const double quarter = degrees / 90;
    if (quarter == std::floor(quarter)) {
        static const double sines[] = {0, 1, 0, -1};
        const long q = static_cast<long>(std::fmod(quarter, 4.0) + 4) % 4;
        s = sines[q];
        c = sines[(q + 1) % 4];
        return;
    }
    s = std::sin(degrees * M_PI / 180);
    c = std::cos(degrees * M_PI / 180);
}

static void rotate(double angle, double x, double y, double z)
{
    const Vec3 a = unit({x, y, z});
    double s, c;
    sin_cos(angle, s, c);
    const double t = 1 - c;
    Matrix r = Matrix::identity();
    r.m[0] = t * a.x * a.x + c;
    r.m[1] = t * a.x * a.y + s * a.z;
    r.m[2] = t * a.x * a.z - s * a.y;
    r.m[4] = t * a.x * a.y - s * a.z;
    r.m[5] = t * a.y * a.y + c;
    r.m[6] = t * a.y * a.z + s * a.x;
    r.m[8] = t * a.x * a.z + s * a.y;
    r.m[9] = t * a.y * a.z - s * a.x;
    r.m[10] = t * a.z * a.z + c;
    multiply(r);
}

static void translate(double x, double y, double z)
{
    Matrix t = Matrix::identity();
    t.m[12] = x;
    t.m[13] = y;
    t.m[14] = z;
    multiply(t);
}

// ---- tessellation ------------------------------------------------------------
// OpenGL splits a quad v0 v1 v2 v3 along v1-v3, a quad strip's quads along
// the same diagonal, and takes a strip's odd triangles the other way round.

static void add_quad(std::vector<unsigned>& t, unsigned v0, unsigned v1, unsigned v2, unsigned v3)
{
    t.insert(t.end(), {v0, v1, v3, v1, v2, v3});
}

// A quad strip of `count` vertices starting at `first`.
static void add_quad_strip(std::vector<unsigned>& t, unsigned first, unsigned count)
{
    for (unsigned i = first; i + 3 < first + count; i += 2)
        add_quad(t, i + 2, i, i + 1, i + 3);
}

static void add_triangle_fan(std::vector<unsigned>& t, unsigned first, unsigned count)
{
    for (unsigned i = first + 1; i + 1 < first + count; ++i)
        t.insert(t.end(), {first, i, i + 1});
}

static void add_triangle_strip(std::vector<unsigned>& t, unsigned first, unsigned count)
{
    for (unsigned k = 0; k + 2 < count; ++k) {
        const unsigned i = first + k;
        if (k % 2 == 0)
            t.insert(t.end(), {i, i + 1, i + 2});
        else
            t.insert(t.end(), {i + 1, i, i + 2});
    }
}

// Vertices as the libraries hand them to glVertex3f: in single precision.
struct Emitter {
    Primitive& p;
    Matrix m = placement();
    unsigned mark() const { return unsigned(p.points.size()); }
    void vertex(float x, float y, float z) { p.points.push_back(m.apply({x, y, z})); }
};

// Mesa's GLU keeps at most this many slices.
constexpr int glu_cache_size = 240;
constexpr double glu_pi = 3.14159265358979323846;

// gluCylinder with the default quadric (filled, facing outside): per stack
// one quad strip around the axis, starting on +y and turning toward +x.
static void tessellate_cylinder(Primitive& p, double base, double top_radius, double height,
                                int slices, int stacks)
{
    slices = std::min(slices, glu_cache_size - 1);
    if (slices < 2 || stacks < 1 || base < 0 || top_radius < 0 || height < 0)
        return;
    const float delta_radius = float(base - top_radius);
    if (std::sqrt(double(delta_radius) * delta_radius + height * height) == 0)
        return;
    std::vector<float> sines(slices + 1), cosines(slices + 1);
    for (int i = 0; i < slices; ++i) {
        const float angle = float(2 * glu_pi * i / slices);
        sines[i] = float(std::sin(angle));
        cosines[i] = float(std::cos(angle));
    }
    sines[slices] = sines[0];
    cosines[slices] = cosines[0];
    Emitter e{p};
    for (int j = 0; j < stacks; ++j) {
        const float z_low = float(j * height / stacks), z_high = float((j + 1) * height / stacks);
        const float r_low = float(base - delta_radius * (float(j) / stacks));
        const float r_high = float(base - delta_radius * (float(j + 1) / stacks));
        const unsigned first = e.mark();
        for (int i = 0; i <= slices; ++i) {
            e.vertex(r_low * sines[i], r_low * cosines[i], z_low);
            e.vertex(r_high * sines[i], r_high * cosines[i], z_high);
        }
        add_quad_strip(p.triangles, first, e.mark() - first);
    }
}

// gluPartialDisk with the default quadric: from the outer rim inward one quad
// strip per loop; with no hole the innermost loop is a fan about the centre.
static void tessellate_partial_disk(Primitive& p, double inner, double outer, int slices,
                                    int loops, double start, double sweep)
{
    slices = std::min(slices, glu_cache_size - 1);
    if (slices < 2 || loops < 1 || outer <= 0 || inner < 0 || inner > outer)
        return;
    if (sweep < -360 || sweep > 360)
        sweep = 360;
    if (sweep < 0) {
        start += sweep;
        sweep = -sweep;
    }
    const float delta_radius = float(outer - inner);
    const float angle_offset = float(start / 180 * glu_pi);
    std::vector<float> sines(slices + 1), cosines(slices + 1);
    for (int i = 0; i <= slices; ++i) {
        const float angle = float(angle_offset + ((glu_pi * sweep) / 180) * i / slices);
        sines[i] = float(std::sin(angle));
        cosines[i] = float(std::cos(angle));
    }
    if (sweep == 360) {
        sines[slices] = sines[0];
        cosines[slices] = cosines[0];
    }
    Emitter e{p};
    int rings = loops;
    if (inner == 0) {
        rings = loops - 1;
        const unsigned first = e.mark();
        e.vertex(0, 0, 0);
        const float r = float(outer - delta_radius * (float(loops - 1) / loops));
        for (int i = slices; i >= 0; --i)
            e.vertex(r * sines[i], r * cosines[i], 0);
        add_triangle_fan(p.triangles, first, e.mark() - first);
    }
    for (int j = 0; j < rings; ++j) {
        const float r_low = float(outer - delta_radius * (float(j) / loops));
        const float r_high = float(outer - delta_radius * (float(j + 1) / loops));
        const unsigned first = e.mark();
        for (int i = 0; i <= slices; ++i) {
            e.vertex(r_low * sines[i], r_low * cosines[i], 0);
            e.vertex(r_high * sines[i], r_high * cosines[i], 0);
        }
        add_quad_strip(p.triangles, first, e.mark() - first);
    }
}

// freeglut's sine and cosine table: n samples (n < 0 turns the other way)
// around the circle, or around half of it, with the first repeated or the
// far end exact.
static void circle_table(std::vector<float>& sines, std::vector<float>& cosines, int n, bool half)
{
    const int size = std::abs(n);
    const float angle = (half ? 1 : 2) * float(M_PI) / float(n == 0 ? 1 : n);
    sines.assign(size + 1, 0);
    cosines.assign(size + 1, 0);
    sines[0] = 0;
    cosines[0] = 1;
    for (int i = 1; i < size; ++i) {
        sines[i] = float(std::sin(angle * i));
        cosines[i] = float(std::cos(angle * i));
    }
    sines[size] = half ? 0.0f : sines[0];
    cosines[size] = half ? -1.0f : cosines[0];
}

// glutSolidSphere as freeglut draws it: the vertices pole to pole, ring by
// ring, then one triangle strip per stack, the polar ones fanning out of a
// pole by repeating it.
static void tessellate_sphere(Primitive& p, double radius_d, int slices, int stacks)
{
    if (slices <= 0 || stacks < 2)
        return;
    const float radius = float(radius_d);
    std::vector<float> sin1, cos1, sin2, cos2;
    circle_table(sin1, cos1, -slices, false);
    circle_table(sin2, cos2, stacks, true);
    std::vector<Vec3> v;
    v.reserve(size_t(slices) * (stacks - 1) + 2);
    v.push_back({0, 0, radius});
    for (int i = 1; i < stacks; ++i)
        for (int j = 0; j < slices; ++j)
            v.push_back({cos1[j] * sin2[i] * radius, sin1[j] * sin2[i] * radius, cos2[i] * radius});
    v.push_back({0, 0, -radius});
    const unsigned last = unsigned(v.size() - 1);

    std::vector<unsigned> strip;  // indices into v, (slices + 1) * 2 per stack
    for (int j = 0; j < slices; ++j)
        strip.insert(strip.end(), {unsigned(j + 1), 0u});
    strip.insert(strip.end(), {1u, 0u});
    for (int i = 0; i < stacks - 2; ++i) {
        const unsigned offset = 1 + i * slices;
        for (int j = 0; j < slices; ++j)
            strip.insert(strip.end(), {offset + j + slices, offset + j});
        strip.insert(strip.end(), {offset + slices, offset});
    }
    const unsigned offset = 1 + (stacks - 2) * slices;
    for (int j = 0; j < slices; ++j)
        strip.insert(strip.end(), {last, offset + j});
    strip.insert(strip.end(), {last, offset});

    Emitter e{p};
    for (const Vec3& q : v)
        e.vertex(float(q.x), float(q.y), float(q.z));
    // The strips index the shared vertices; OpenGL sees each strip in turn.
    const unsigned per_stack = unsigned(slices + 1) * 2;
    std::vector<unsigned> local;
    for (int part = 0; part < stacks; ++part) {
        local.clear();
        add_triangle_strip(local, 0, per_stack);
        for (unsigned k : local)
            p.triangles.push_back(strip[part * per_stack + k]);
    }
}

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
        tessellate_cylinder(p, base, top_radius, height, slices, stacks);
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
        tessellate_partial_disk(p, inner, outer, slices, loops, start, sweep);
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
        tessellate_sphere(p, radius, slices, stacks);
}

}  // extern "C"
