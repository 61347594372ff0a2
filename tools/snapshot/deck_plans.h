// Deck plans: every deck seen from above as a labelled vector drawing, with
// a page that shows them all.
#pragma once

#include <string>

#include "tools/snapshot/picture_request.h"

// Below this page size the labels of most blocks would not fit.
constexpr int deck_plan_least_size = 320;

// Writes DIR/deck-00.svg ... DIR/deck-15.svg, the same as .pdf, and
// DIR/index.html into an existing directory, in the program's own view:
// overhead, ceilings off, the whole construction, one deck, nothing beside
// the ship. The plans go into the request's set, which takes them back
// should the run fail; the request's overlay gives way to the plans' labels.
bool write_deck_plans(const PictureRequest& request, const std::string& dir, std::string& error);
