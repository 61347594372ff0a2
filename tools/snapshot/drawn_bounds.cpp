#include "tools/snapshot/drawn_bounds.h"

#include <GL/gl.h>

#include <algorithm>
#include <limits>

#include "ship/ship.h"
#include "tools/snapshot/vector_output.h"

std::vector<Point> drawn_points(const std::function<void()>& draw, float half_size)
{
    GLint viewport[4];
    glGetIntegerv(GL_VIEWPORT, viewport);
    glMatrixMode(GL_PROJECTION);
    glPushMatrix();
    glLoadIdentity();
    const double z = half_size;
    glOrtho(-z, z, -z, z, -z, z);
    glMatrixMode(GL_MODELVIEW);
    glPushMatrix();
    glLoadIdentity();
    const std::vector<FeedbackPrimitive> primitives = capture_feedback(draw);
    glMatrixMode(GL_PROJECTION);
    glPopMatrix();
    glMatrixMode(GL_MODELVIEW);
    glPopMatrix();

    const float half_width = float(viewport[2]) / 2, half_height = float(viewport[3]) / 2;
    std::vector<Point> points;
    for (const FeedbackPrimitive& p : primitives)
        for (int i = 0; i < p.vertex_count; ++i) {
            const FeedbackVertex& v = p.vertices[i];
            points.push_back({((v.x - float(viewport[0])) / half_width - 1) * half_size,
                              ((v.y - float(viewport[1])) / half_height - 1) * half_size,
                              (1 - 2 * v.z) * half_size});
        }
    return points;
}

std::vector<Point> block_drawn_points(int position, float half_size)
{
    const Block* const block = block_sequence[position];
    const Block* const saved = current_block;
    current_block = block;
    std::vector<Point> points = drawn_points(
        [block] {
            for (BlockRoutine routine : {block->floor_routine, block->draw_routine, block->ceiling_routine})
                if (routine)
                    routine(0);
        },
        half_size);
    current_block = saved;
    return points;
}

Bounds bounds_of(const std::vector<Point>& points)
{
    const float inf = std::numeric_limits<float>::infinity();
    Bounds b{{inf, inf, inf}, {-inf, -inf, -inf}};
    for (const Point& p : points)
        for (int k = 0; k < 3; ++k) {
            b.low[k] = std::min(b.low[k], p[k]);
            b.high[k] = std::max(b.high[k], p[k]);
        }
    return b;
}

BlockExtent block_extent(int position)
{
    constexpr float reach = 512;  // more than the whole ship
    const Block& b = *block_sequence[position];
    const Bounds bounds{{b.x0, b.y0, b.z0}, {b.x1, b.y1, b.z1}};
    const Bounds drawn = bounds_of(block_drawn_points(position, reach));
    return {drawn.empty() ? bounds : drawn, bounds};
}

Bounds BlockExtent::room(int a, int b) const
{
    for (const int k : {a, b})
        if (bounds.low[k] < drawn.low[k] || bounds.high[k] > drawn.high[k])
            return drawn;
    return bounds;
}
