#include "tools/snapshot/booklet_pages.h"

#include <algorithm>
#include <cstdio>

namespace {

std::string number(float value)
{
    char text[32];
    std::snprintf(text, sizeof text, "%g", double(value));
    return text;
}

// One fact in the column beside the pictures: a small label over its text.
double draw_fact(cairo_t* cr, const std::string& label, const std::string& text, double x, double y,
                 double width, const TextStyle& style = fact_text)
{
    const double h = draw_text(cr, label, x, y, width, fact_label);
    return h + draw_text(cr, text, x, y + h, width, style) + 8;
}

// The link and its QR code at the foot of the column, as one clickable area.
bool draw_link(cairo_t* cr, const std::string& link, int step, double x, double bottom, double width)
{
    std::string uri;
    for (const char c : link)  // quoted in cairo's attribute syntax
        uri += c == '\'' || c == '\\' ? std::string("\\") + c : std::string(1, c);
    const std::string text = "Scan or click to open the web page at step " + std::to_string(step) + ".";
    const double text_height = draw_text(cr, text, x, 0, width, small, false);
    const double side = width;
    cairo_tag_begin(cr, CAIRO_TAG_LINK, ("uri='" + uri + "'").c_str());
    const bool coded = draw_qr_code(cr, link, x, bottom - text_height - 4 - side, side);
    draw_text(cr, text, x, bottom - text_height, width, small);
    cairo_tag_end(cr, CAIRO_TAG_LINK);
    return coded;
}

}  // namespace

std::string deck_text(const BlockFacts& f)
{
    return "deck " + std::to_string(f.deck_number) + " (deck index " + std::to_string(f.deck_index) + ")";
}

// The page of one step: heading, the view and the plan on the left, the
// block's facts and the link on the right.
bool draw_step(Document& d, const StepFacts& s, const Picture& view, const PlanArt& plan,
               const std::string& link)
{
    cairo_t* cr = d.cr;
    const double top = margin + heading;
    const double side = std::min(d.width - 2 * margin - gap - least_column,
                                 (d.height - 2 * margin - heading - 2 * caption - gap - footer) / 2);
    const double column = margin + side + gap, column_width = d.width - margin - column;
    draw_text(cr, "Step " + std::to_string(s.step) + " of " + std::to_string(ship_block_count), margin,
              margin, d.width - 2 * margin, heading_text);

    draw_picture(cr, view, margin, top, side);
    draw_text(cr, "The ship after step " + std::to_string(s.step) + ", the new block outlined", margin,
              top + side + 3, side, small);
    const double plan_top = top + side + caption + gap;
    place_plan(cr, plan, s.facts.position, margin, plan_top, side);
    draw_text(cr, "The plan of " + deck_text(s.facts) + ", the block outlined", margin, plan_top + side + 3,
              side, small);

    const BlockFacts& f = s.facts;
    double y = top;
    y += draw_fact(cr, "Block", f.name, column, y, column_width, name_text);
    y += draw_fact(cr, "Kind (the routine that draws it)", f.routine, column, y, column_width);
    y += draw_fact(cr, "Deck", deck_text(f), column, y, column_width);
    y += draw_fact(cr, "Place", "x " + number(f.bounds[0]) + " to " + number(f.bounds[1]) + ", y " +
                                    number(f.bounds[2]) + " to " + number(f.bounds[3]) + ", floor at z " +
                                    number(f.bounds[4]) + " (ship units)",
                   column, y, column_width);
    draw_fact(cr, "On its deck",
              "block " + std::to_string(s.on_deck) + " of " + std::to_string(s.deck_total) + "; #" +
                  std::to_string(f.position) + " on the plan where its name has no room",
              column, y, column_width);
    const bool linked = link.empty() || draw_link(cr, link, s.step, column, plan_top + side, column_width);
    d.end_page();
    return linked;
}
