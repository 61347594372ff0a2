// The booklet's pages: the cover, a step's page and the parts list, with
// the text styles they share and the facts of a step.
#pragma once

#include <string>
#include <vector>

#include "ship/ship.h"
#include "tools/common/picture.h"
#include "tools/snapshot/booklet.h"
#include "tools/snapshot/booklet_document.h"
#include "tools/snapshot/booklet_plans.h"

inline const TextStyle title{26, true}, subtitle{13, false, 0.25}, heading_text{20, true}, name_text{13, true},
    fact_label{8, false, 0.45}, fact_text{10}, table_text{8.5}, table_head{8.5, true};

// The facts a step page and the parts list give of a block.
struct StepFacts {
    int step;
    BlockFacts facts;
    int on_deck, deck_total;  // its place among its deck's blocks
};

// "deck 19 (deck index 3)".
std::string deck_text(const BlockFacts& f);

// The ship after the keys, the counts and the contents by deck.
void draw_cover(Document& d, const Picture& ship, const std::vector<StepFacts>& steps, const BookletRequest& r);
// The page of one step; false if its link is too long for a QR code.
bool draw_step(Document& d, const StepFacts& s, const Picture& view, const PlanArt& plan, const std::string& link);
// A row per block, over as many pages as it takes.
void draw_parts_list(Document& d, const std::vector<StepFacts>& steps);
