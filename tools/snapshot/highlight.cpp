#include "tools/snapshot/highlight.h"

#include <GL/gl.h>

#include <algorithm>
#include <vector>

#include "ship/ship.h"
#include "tools/snapshot/drawn_bounds.h"
#include "view/view_state.h"

// Purple: about 0.58 from every palette colour, the black background and the
// target's yellow, in RGB from 0 to 1.
const float highlight_colour[3] = {0.6f, 0.0f, 0.6f};

namespace {

struct Seen {
    bool drawn;
    GLfloat modelview[16], projection[16];
} seen;

// What each block draws, which for most is its box and for some more or
// less (the disc deck's bounds are a radius and angles).
std::vector<Bounds> block_bounds;

void note_part(DrawnPart, int position)
{
    if (position < 0 || position != view_state.blocks_shown - 1)
        return;
    seen.drawn = true;
    glGetFloatv(GL_MODELVIEW_MATRIX, seen.modelview);
    glGetFloatv(GL_PROJECTION_MATRIX, seen.projection);
}

// The twelve edges of a box, as pairs of corners numbered by their bits:
// 1 the far x, 2 the far y, 4 the far z.
const int box_edges[12][2] = {
    {0, 1}, {2, 3}, {4, 5}, {6, 7},  // along x
    {0, 2}, {1, 3}, {4, 6}, {5, 7},  // along y
    {0, 4}, {1, 5}, {2, 6}, {3, 7},  // along z
};

void draw_box_edges(const Bounds& b)
{
    glBegin(GL_LINES);
    for (const auto& edge : box_edges)
        for (int corner : edge)
            glVertex3f(b.low[0] + (corner & 1) * (b.high[0] - b.low[0]),
                       b.low[1] + (corner >> 1 & 1) * (b.high[1] - b.low[1]),
                       b.low[2] + (corner >> 2 & 1) * (b.high[2] - b.low[2]));
    glEnd();
}

}  // namespace

NewestBlockMark::NewestBlockMark() : watch_(note_part)
{
    block_bounds.clear();
    for (int i = 0; i < ship_block_count; ++i)
        block_bounds.push_back(bounds_of(block_drawn_points(i)));
    seen.drawn = false;
}

void NewestBlockMark::draw()
{
    const bool drawn = seen.drawn;
    seen.drawn = false;
    if (!drawn || block_bounds[size_t(view_state.blocks_shown - 1)].empty())
        return;
    GLint viewport[4];
    glGetIntegerv(GL_VIEWPORT, viewport);
    glPushAttrib(GL_ENABLE_BIT | GL_CURRENT_BIT | GL_LINE_BIT | GL_VIEWPORT_BIT);
    glMatrixMode(GL_PROJECTION);
    glPushMatrix();
    glLoadMatrixf(seen.projection);
    glMatrixMode(GL_MODELVIEW);
    glPushMatrix();
    glLoadMatrixf(seen.modelview);
    // Over everything: no depth test, and the nearest depth for the
    // vector pictures, which sort by depth instead.
    glDisable(GL_DEPTH_TEST);
    glDepthRange(0, 0);
    glLineWidth(std::max(2.0f, float(viewport[2]) / 200));
    glColor3fv(highlight_colour);
    draw_box_edges(block_bounds[size_t(view_state.blocks_shown - 1)]);
    glPopMatrix();
    glMatrixMode(GL_PROJECTION);
    glPopMatrix();
    glMatrixMode(GL_MODELVIEW);
    glPopAttrib();
}
