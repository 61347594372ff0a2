// The page that shows every deck's plan, with what each plan labels by
// number and what it leaves out.
#pragma once

#include <string>
#include <vector>

#include "tools/snapshot/label_placement.h"

struct DeckPlanLabels {
    int deck;
    LabelPlacement placed;
};

// Writes it to `path`, for plans named as plan_name names them beside it.
bool write_deck_plan_index(const std::string& path, const std::vector<DeckPlanLabels>& plans, std::string& error);
