#include "tools/snapshot/booklet_paper.h"

#include "tools/snapshot/booklet.h"

namespace {

// Paper sizes in points.
// name      width    height
const Paper papers[] = {
    {"a4",     595.276, 841.890},  // a4
    {"letter", 612.0,   792.0},    // letter
};

}  // namespace

const Paper* find_paper(const std::string& name)
{
    for (const Paper& p : papers)
        if (name == p.name)
            return &p;
    return nullptr;
}

std::string booklet_paper_problem(const std::string& paper)
{
    return find_paper(paper) ? "" : "--paper wants a4 or letter, not '" + paper + "'";
}
