// Deck plans: every deck seen from above as a labelled vector drawing, with
// a page that shows them all.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "tools/snapshot/booklet_layout.h"
#include "tools/snapshot/picture_request.h"

// "Deck index 3, deck number 19".
std::string plan_title(int deck);
// "deck-03.svg": a plan's file name, with the suffix given.
std::string plan_name(int deck, const char* suffix);

// Below this page size the labels of most blocks would not fit.
constexpr int deck_plan_least_size = 320;

// Writes DIR/deck-00.svg ... DIR/deck-15.svg, the same as .pdf, and
// DIR/index.html into an existing directory, in the program's own view:
// overhead, ceilings off, the whole construction, one deck, nothing beside
// the ship; the program's view is as it was afterwards. The plans go into
// the request's set, which takes them back should the run fail; the
// request's overlay gives way to the plans' labels.
bool write_deck_plans(const PictureRequest& request, const std::string& dir, std::string& error);

// One deck's plan as write_deck_plans draws it, as SVG text without the
// blocks' labels, which come apart for the page to set as text, and where
// each of its blocks lies on the plan's page.
struct DeckPlanDrawing {
    std::string svg;                          // without the blocks' labels
    std::vector<PageText> labels;             // in the SVG's units, y down
    int page = 0;                             // the page's side, in the SVG's units
    std::vector<int> blocks;                  // positions in the construction sequence
    std::vector<std::array<float, 4>> areas;  // each block's x0, x1, y0, y1 on the page, y down
};
// Draws as the request says, its overlay aside; leaves the program's view
// as it found it.
bool draw_deck_plan(const PictureRequest& request, int deck, DeckPlanDrawing& drawing, std::string& error);
