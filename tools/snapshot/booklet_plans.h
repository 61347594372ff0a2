// The deck plans on a booklet's step pages: each deck's plan drawn once as
// vectors, its labels set as text, placed on every page of its deck with
// the step's block outlined.
#pragma once

#include <cairo.h>

#include <string>
#include <vector>

#include "tools/snapshot/booklet_layout.h"
#include "tools/snapshot/deck_plans.h"
#include "tools/snapshot/picture_request.h"

// A deck's plan drawn once, as vectors, for every page that shows it.
struct PlanArt {
    DeckPlanDrawing drawing;
    VectorArt vectors{nullptr, cairo_surface_destroy};
};

// Every deck's plan, whole whatever cuts the views.
bool draw_plans(const PictureRequest& pictures, std::vector<PlanArt>& plans, std::string& error);

// The deck's plan in a square of `side` points, the block at `position`
// outlined in the mark's colour.
void place_plan(cairo_t* cr, const PlanArt& art, int position, double x, double y, double side);
