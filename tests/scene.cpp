#include "tests/scene.h"

#include "app/app.h"
#include "app/input.h"
#include "render/render.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>

namespace scene {

using gl_capture::Kind;
using gl_capture::Primitive;
using gl_capture::Vec3;

bool near(double a, double b, double tol) { return std::fabs(a - b) <= tol; }

static double coord(const Vec3& v, int axis) { return axis == 0 ? v.x : axis == 1 ? v.y : v.z; }

bool Box::spans(double x0, double x1, double y0, double y1, double z0, double z1) const
{
    return near(lo.x, x0) && near(hi.x, x1) && near(lo.y, y0) && near(hi.y, y1) &&
           near(lo.z, z0) && near(hi.z, z1);
}

// A face of the box lo..hi: flat on `axis` at the low or high side and
// covering the box along the other two axes.
static bool is_face(const Primitive& r, const Vec3& lo, const Vec3& hi, int axis, bool high)
{
    const Vec3 rl = r.lo(), rh = r.hi();
    for (int a = 0; a < 3; ++a) {
        if (a == axis) {
            const double side = coord(high ? hi : lo, a);
            if (!near(coord(rl, a), side) || !near(coord(rh, a), side))
                return false;
        } else if (!near(coord(rl, a), coord(lo, a)) || !near(coord(rh, a), coord(hi, a))) {
            return false;
        }
    }
    return true;
}

static bool forms_box(const std::vector<Primitive>& prims, size_t first, Box& box)
{
    if (first + 6 > prims.size())
        return false;
    Primitive all;
    for (size_t i = first; i < first + 6; ++i) {
        const Primitive& r = prims[i];
        if (r.kind != Kind::rect || r.colour != prims[first].colour)
            return false;
        all.points.insert(all.points.end(), r.points.begin(), r.points.end());
    }
    const Vec3 lo = all.lo(), hi = all.hi();
    for (int axis = 0; axis < 3; ++axis)
        for (bool high : {false, true}) {
            bool found = false;
            for (size_t i = first; i < first + 6 && !found; ++i)
                found = is_face(prims[i], lo, hi, axis, high);
            if (!found)
                return false;
        }
    box = {lo, hi, prims[first].colour};
    return true;
}

std::vector<Box> boxes(const std::vector<Primitive>& prims)
{
    std::vector<Box> found;
    for (size_t i = 0; i < prims.size();) {
        Box b;
        if (forms_box(prims, i, b)) {
            found.push_back(b);
            i += 6;
        } else {
            ++i;
        }
    }
    return found;
}

std::vector<Box> boxes() { return boxes(gl_capture::prims()); }

std::vector<Box> boxes_in(const float* colour)
{
    std::vector<Box> found;
    for (const Box& b : boxes())
        if (b.colour == gl_capture::rgb(colour))
            found.push_back(b);
    return found;
}

std::vector<Box> find_boxes(double x0, double x1, double y0, double y1, double z0, double z1)
{
    std::vector<Box> found;
    for (const Box& b : boxes())
        if (b.spans(x0, x1, y0, y1, z0, z1))
            found.push_back(b);
    return found;
}

bool has_box(double x0, double x1, double y0, double y1, double z0, double z1, const float* colour)
{
    int n = 0;
    for (const Box& b : find_boxes(x0, x1, y0, y1, z0, z1))
        n += b.colour == gl_capture::rgb(colour);
    return n == 1;
}

std::vector<Primitive> of_kind(Kind kind)
{
    std::vector<Primitive> found;
    for (const Primitive& p : gl_capture::prims())
        if (p.kind == kind)
            found.push_back(p);
    return found;
}

std::string describe(const std::vector<Box>& list)
{
    std::string out;
    char line[200];
    for (const Box& b : list) {
        std::snprintf(line, sizeof line, "  x %g..%g y %g..%g z %g..%g rgb(%g %g %g)\n", b.lo.x,
                      b.hi.x, b.lo.y, b.hi.y, b.lo.z, b.hi.z, b.colour.r, b.colour.g, b.colour.b);
        out += line;
    }
    return out;
}

std::vector<int> floor_slabs_drawn()
{
    const std::vector<Box> all = boxes();
    std::vector<int> positions;
    for (int i = 0; block_sequence[i]; ++i) {
        const Block& b = *block_sequence[i];
        for (const Box& box : all)
            if (box.colour == gl_capture::rgb(b.colour) && box.spans(b.x0, b.x1, b.y0, b.y1, b.z0, b.z0 + 0.1))
                positions.push_back(i);
    }
    return positions;
}

const std::vector<Primitive>& draw_routine_for(const Block& block, BlockRoutine routine)
{
    gl_capture::clear_prims();
    current_block = &block;
    routine(0);
    return gl_capture::prims();
}

std::string start_program()
{
    gl_capture::reset();
    static char name[] = "tev";
    static char* argv[] = {name, nullptr};
    int argc = 1;
    testing::internal::CaptureStdout();
    start_up(&argc, argv);
    std::fflush(stdout);
    return testing::internal::GetCapturedStdout();
}

std::string press(const std::string& keys)
{
    testing::internal::CaptureStdout();
    for (char key : keys)
        keyboard(static_cast<unsigned char>(key), 0, 0);
    return testing::internal::GetCapturedStdout();
}

const std::vector<Primitive>& draw_frame()
{
    gl_capture::clear_prims();
    display();
    return gl_capture::prims();
}

}  // namespace scene
