#include "tools/snapshot/highlight.h"

#include <GL/gl.h>

#include <algorithm>

#include "ship/ship.h"
#include "view/view_state.h"

// Purple: about 0.58 from every palette colour, the black background and the
// target's yellow, in RGB from 0 to 1.
const float highlight_colour[3] = {0.6f, 0.0f, 0.6f};

namespace {

struct Seen {
    bool drawn;
    GLfloat modelview[16], projection[16];
} seen;

void note_part(DrawnPart, int position)
{
    if (position < 0 || position != view_state.blocks_shown - 1 || seen.drawn)
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

void draw_box_edges(const Block& b)
{
    glBegin(GL_LINES);
    for (const auto& edge : box_edges)
        for (int corner : edge)
            glVertex3f(corner & 1 ? b.x1 : b.x0, corner & 2 ? b.y1 : b.y0, corner & 4 ? b.z1 : b.z0);
    glEnd();
}

}  // namespace

NewestBlockMark::NewestBlockMark()
{
    seen.drawn = false;
    drawn_part_hook = note_part;
}

NewestBlockMark::~NewestBlockMark() { drawn_part_hook = nullptr; }

void NewestBlockMark::draw()
{
    if (!seen.drawn)
        return;
    seen.drawn = false;
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
    draw_box_edges(*block_sequence[view_state.blocks_shown - 1]);
    glPopMatrix();
    glMatrixMode(GL_PROJECTION);
    glPopMatrix();
    glMatrixMode(GL_MODELVIEW);
    glPopAttrib();
}
