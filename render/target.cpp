#include "render/render.h"

void draw_landing_target() {}
