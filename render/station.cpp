#include "render/render.h"

void draw_station() {}
