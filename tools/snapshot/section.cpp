#include "tools/snapshot/section.h"

#include <GL/gl.h>

#include "render/render.h"
#include "ship/ship.h"

namespace {

std::optional<SectionPlane> active;

// OpenGL keeps what the plane's equation makes non-negative, in the
// coordinates of the model-view matrix in force when it is given: the
// frame's, which are the ship's.
void cut_ship(bool starting)
{
    if (!starting) {
        glDisable(GL_CLIP_PLANE0);
        return;
    }
    GLdouble equation[4] = {0, 0, 0, 0};
    equation[active->axis] = active->keep_below ? -1 : 1;
    equation[3] = active->keep_below ? active->value : -active->value;
    glClipPlane(GL_CLIP_PLANE0, equation);
    glEnable(GL_CLIP_PLANE0);
}

}  // namespace

ShipSection::ShipSection(const std::optional<SectionPlane>& plane) : saved_(active)
{
    active = plane;
    ship_drawing_hook = active ? cut_ship : nullptr;
}

ShipSection::~ShipSection()
{
    active = saved_;
    ship_drawing_hook = active ? cut_ship : nullptr;
}

const std::optional<SectionPlane>& current_section() { return active; }

void draw_cut_ship()
{
    if (ship_drawing_hook)
        ship_drawing_hook(true);
    draw_ship(0);
    if (ship_drawing_hook)
        ship_drawing_hook(false);
}
