// Cylinders, discs and spheres as triangles, exactly as Mesa's GLU and
// freeglut tessellate them.
#include <algorithm>
#include <cmath>

#include "tools/gl_capture/capture_internal.h"

namespace gl_capture {

// OpenGL splits a quad v0 v1 v2 v3 along v1-v3, a quad strip's quads along
// the same diagonal, and takes a strip's odd triangles the other way round.

void add_quad(std::vector<unsigned>& t, unsigned v0, unsigned v1, unsigned v2, unsigned v3)
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
    Matrix m;
    unsigned mark() const { return unsigned(p.points.size()); }
    void vertex(float x, float y, float z) { p.points.push_back(m.apply({x, y, z})); }
};

// Mesa's GLU keeps at most this many slices.
constexpr int glu_cache_size = 240;
constexpr double glu_pi = 3.14159265358979323846;

// gluCylinder with the default quadric (filled, facing outside): per stack
// one quad strip around the axis, starting on +y and turning toward +x.
void tessellate_cylinder(Primitive& p, const Matrix& placement, double base, double top_radius, double height,
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
    Emitter e{p, placement};
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
void tessellate_partial_disk(Primitive& p, const Matrix& placement, double inner, double outer, int slices,
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
    Emitter e{p, placement};
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
void tessellate_sphere(Primitive& p, const Matrix& placement, double radius_d, int slices, int stacks)
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

    Emitter e{p, placement};
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

}  // namespace gl_capture
