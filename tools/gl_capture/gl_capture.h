// A capture backend for the OpenGL, GLU and GLUT entry points the program
// uses, linked in place of the real libraries. It keeps the matrix stacks and
// the current colour like OpenGL does and records every primitive in world
// coordinates, so tests can say what a user would see and tev-export can
// write the drawing out as a model. World coordinates are those in force right after the camera was
// set with gluLookAt (or after the last glLoadIdentity of the model-view
// matrix): the camera is taken out, every move made after it stays in.
#pragma once

#include <string>
#include <utility>
#include <vector>

namespace gl_capture {

struct Vec3 {
    double x, y, z;
    bool operator==(const Vec3& o) const { return x == o.x && y == o.y && z == o.z; }
};

struct Rgb {
    float r, g, b;
    bool operator==(const Rgb& o) const { return r == o.r && g == o.g && b == o.b; }
    bool operator!=(const Rgb& o) const { return !(*this == o); }
};

Rgb rgb(const float* colour);

enum class Kind { rect, cylinder, partial_disk, sphere, line_strip, text };

struct Primitive {
    Kind kind;
    Rgb colour;             // the colour in force (for text: at the raster position)
    bool depth_test;        // whether the depth test was on
    // rect: its four corners; line strip: its vertices; quadrics, when
    // tessellating: the vertices GLU or GLUT would give OpenGL, in their order
    std::vector<Vec3> points;
    // Triangles as index triples into points, split as OpenGL splits the
    // quads, strips and fans (rects always; quadrics when tessellating).
    std::vector<unsigned> triangles;
    Vec3 origin{};          // quadrics: base centre; text: raster position
    Vec3 axis{};            // quadrics: the local +z axis, a unit vector
    double base_radius = 0, top_radius = 0, height = 0;    // cylinder; sphere radius
    double inner = 0, outer = 0, start = 0, sweep = 0;     // partial disk
    int slices = 0, stacks = 0;
    float line_width = 0;   // line strip
    std::string text;       // text
    Vec3 lo() const;        // bounding box of the points
    Vec3 hi() const;
    // Everything recorded is the same.
    bool operator==(const Primitive& o) const;
};

// 4x4 matrix, column-major as OpenGL keeps it.
struct Matrix {
    double m[16];
    static Matrix identity();
    Matrix operator*(const Matrix& o) const;
    Matrix inverse() const;
    Vec3 apply(const Vec3& p) const;       // point
    Vec3 direction(const Vec3& d) const;   // vector, no translation
    bool operator==(const Matrix& o) const;
};

struct Perspective {
    double fovy, aspect, near_plane, far_plane;
};
struct Ortho {
    double left, right, bottom, top, near_plane, far_plane;
};
struct LookAt {
    Vec3 eye, centre, up;
};

struct State {
    // Turn cylinders, discs and spheres into triangles, exactly as Mesa's GLU
    // and freeglut tessellate them. Off by default: most tests look only at
    // a quadric's parameters.
    bool tessellate = false;
    // drawing
    std::vector<Primitive> prims;
    std::vector<Matrix> modelview{Matrix::identity()};
    std::vector<Matrix> camera_inverse{Matrix::identity()};  // one per model-view entry
    std::vector<Matrix> projection{Matrix::identity()};
    unsigned matrix_mode = 0x1700;  // GL_MODELVIEW
    Rgb colour{1, 1, 1};
    float line_width = 1;
    bool depth_test = false;
    std::vector<bool> attrib_stack;  // saved depth-test flags
    bool in_strip = false;
    Perspective perspective{};
    Ortho ortho{};
    LookAt look_at{};
    int perspective_calls = 0, ortho_calls = 0;
    unsigned draw_buffer = 0, clear_mask = 0;
    float clear_colour[4] = {-1, -1, -1, -1};
    unsigned shade_model = 0;
    int clears = 0, swaps = 0, flushes = 0, finishes = 0;
    // GLU quadric objects
    int quadrics_made = 0, quadrics_live = 0;
    // GLUT
    int init_calls = 0;
    unsigned display_mode = 0;
    int window_width = 0, window_height = 0, window_x = -1, window_y = -1;
    std::string window_title;
    int window_id = 0, destroyed_window = 0;
    void (*display_func)() = nullptr;
    void (*keyboard_func)(unsigned char, int, int) = nullptr;
    void (*special_func)(int, int, int) = nullptr;
    void (*menu_func)(int) = nullptr;
    std::vector<std::pair<std::string, int>> menu_entries;
    int menu_button = -1;
    int redisplays = 0;
    int modifiers = 0;  // what glutGetModifiers answers
};

// The one recorder; reset() empties it (the modifier state included).
State& state();
void reset();

// Primitives recorded since reset() (or since the last clear_prims()).
const std::vector<Primitive>& prims();
void clear_prims();

}  // namespace gl_capture
