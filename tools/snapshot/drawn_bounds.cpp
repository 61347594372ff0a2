#include "tools/snapshot/drawn_bounds.h"

#include <GL/gl.h>

#include <algorithm>
#include <limits>

#include "tools/snapshot/vector_output.h"

std::vector<Point> drawn_points(const std::function<void()>& draw)
{
    GLint viewport[4];
    glGetIntegerv(GL_VIEWPORT, viewport);
    glMatrixMode(GL_PROJECTION);
    glPushMatrix();
    glLoadIdentity();
    const double z = measuring_half_size;
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
            points.push_back({((v.x - float(viewport[0])) / half_width - 1) * measuring_half_size,
                              ((v.y - float(viewport[1])) / half_height - 1) * measuring_half_size,
                              (1 - 2 * v.z) * measuring_half_size});
        }
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
