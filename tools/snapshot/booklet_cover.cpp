#include "tools/snapshot/booklet_pages.h"

#include <algorithm>

namespace {

// "1–3, 17, 20": the steps, runs joined.
std::string steps_text(const std::vector<int>& steps)
{
    std::string text;
    for (size_t i = 0; i < steps.size();) {
        size_t j = i;
        while (j + 1 < steps.size() && steps[j + 1] == steps[j] + 1)
            ++j;
        text += (text.empty() ? "" : ", ") + std::to_string(steps[i]);
        if (j > i)
            text += (j == i + 1 ? ", " : "\u2013") + std::to_string(steps[j]);
        i = j + 1;
    }
    return text;
}

}  // namespace

void draw_cover(Document& d, const Picture& ship, const std::vector<StepFacts>& steps,
                const BookletRequest& r)
{
    cairo_t* cr = d.cr;
    const double width = d.width - 2 * margin;
    double y = margin;
    y += draw_text(cr, "The construction of the starship", margin, y, width, title) + 4;
    y += draw_text(cr, "A Tollenvar Class Seedshuttle, built block by block: one step a page", margin, y,
                   width, subtitle) + 12;

    // The contents and the notes below the picture, measured first.
    std::vector<std::string> contents;
    for (int deck = 0; deck < deck_count; ++deck) {
        std::vector<int> on_deck;
        for (const StepFacts& s : steps)
            if (s.facts.deck_index == deck)
                on_deck.push_back(s.step);
        contents.push_back("Deck " + std::to_string(deck_number(deck)) + " (index " + std::to_string(deck) +
                           "): " + std::to_string(on_deck.size()) +
                           (on_deck.size() == 1 ? " block, step " : " blocks, steps ") + steps_text(on_deck));
    }
    const std::string counts = std::to_string(ship_block_count) + " blocks on " + std::to_string(deck_count) +
                               " decks. The cutaway follows this page; step k is on page k + 2, with the view after it and the plan of "
                               "its block's deck; the parts list follows the last step.";
    std::string notes = r.keys.empty() ? "The pictures show the viewer's start-up view."
                                       : "The pictures show the view after the keys '" + r.keys + "'.";
    if (!r.link.empty())
        notes += " The QR code and the link on each step page open the web page at that step: they lead to " +
                 r.link + ", where the reader keeps ship.html, the page that tev-export --html writes.";
    double below = draw_text(cr, counts, 0, 0, width, fact_text, false) + 8 +
                   draw_text(cr, notes, 0, 0, width, small, false) + 10 + 16;
    for (const std::string& line : contents)
        below += draw_text(cr, line, 0, 0, width, table_text, false) + 2;

    const double side = std::min(width, d.height - margin - footer - y - below - 10);
    draw_picture(cr, ship, margin + (width - side) / 2, y, side);
    y += side + 10;
    y += draw_text(cr, counts, margin, y, width, fact_text) + 8;
    y += draw_text(cr, notes, margin, y, width, small) + 10;
    y += draw_text(cr, "Contents by deck", margin, y, width, table_head) + 4;
    for (const std::string& line : contents)
        y += draw_text(cr, line, margin, y, width, table_text) + 2;
    d.end_page();
}
