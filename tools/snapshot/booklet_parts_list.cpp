#include "tools/snapshot/booklet_pages.h"

// The parts list: a row per block, in construction order, over as many
// pages as it takes.
void draw_parts_list(Document& d, const std::vector<StepFacts>& steps)
{
    // column       left edge (points from the margin)
    const struct {
        const char* head;
        double left;
    } columns[] = {
        {"Step",  0},    // step
        {"Block", 34},   // name
        {"Kind",  150},  // routine
        {"Deck",  330},  // deck number
        {"Index", 370},  // deck index
    };
    constexpr double row = 12.5;
    cairo_t* cr = d.cr;
    size_t next = 0;
    for (bool first = true; next < steps.size(); first = false) {
        double y = margin;
        y += draw_text(cr, first ? "Parts list" : "Parts list, continued", margin, y, d.width - 2 * margin,
                       heading_text) + 10;
        for (const auto& c : columns)
            draw_text(cr, c.head, margin + c.left, y, 200, table_head);
        y += row + 2;
        for (; next < steps.size() && y + row < d.height - margin - footer; ++next, y += row) {
            const StepFacts& s = steps[next];
            const std::string cells[] = {std::to_string(s.step), s.facts.name, s.facts.routine,
                                         std::to_string(s.facts.deck_number),
                                         std::to_string(s.facts.deck_index)};
            for (size_t i = 0; i < std::size(cells); ++i)
                draw_text(cr, cells[i], margin + columns[i].left, y, 200, table_text);
        }
        d.end_page();
    }
}
