#include "tools/snapshot/booklet_plans.h"

#include "ship/ship.h"
#include "tools/snapshot/highlight.h"
#include "tools/snapshot/section.h"

namespace {

// The width of a mark on a plan, in points.
constexpr double plan_mark_width = 2.5;

}  // namespace

bool draw_plans(const PictureRequest& pictures, std::vector<PlanArt>& plans, std::string& error)
{
    // A plan is a deck's own section: whole, whatever cuts the views.
    const ShipSection whole(std::nullopt);
    plans = std::vector<PlanArt>(deck_count);
    for (int deck = 0; deck < deck_count; ++deck) {
        PlanArt& art = plans[size_t(deck)];
        if (!draw_deck_plan(pictures, deck, art.drawing, error))
            return false;
        if (!make_vector_art(art.drawing.svg, art.drawing.page, art.drawing.page, art.vectors, error)) {
            error = "cannot draw a deck plan: " + error;
            return false;
        }
    }
    return true;
}

void place_plan(cairo_t* cr, const PlanArt& art, int position, double x, double y, double side)
{
    const double scale = side / art.drawing.page;
    cairo_save(cr);
    cairo_translate(cr, x, y);
    cairo_scale(cr, scale, scale);
    // Under the plan's own background, so that a reader's smoothing of the
    // edges between its triangles shows no paper through them.
    cairo_rectangle(cr, 0, 0, art.drawing.page, art.drawing.page);
    cairo_set_source_rgb(cr, 0, 0, 0);
    cairo_fill(cr);
    cairo_set_source_surface(cr, art.vectors.get(), 0, 0);
    cairo_paint(cr);
    // The labels as text that a reader finds and copies.
    for (const PageText& label : art.drawing.labels)
        draw_page_text(cr, label);
    cairo_restore(cr);
    for (size_t i = 0; i < art.drawing.blocks.size(); ++i)
        if (art.drawing.blocks[i] == position) {
            const auto& a = art.drawing.areas[i];
            const double grow = plan_mark_width / 2;  // the line just outside the block
            outline(cr, x + a[0] * scale - grow, y + a[2] * scale - grow, (a[1] - a[0]) * scale + 2 * grow,
                    (a[3] - a[2]) * scale + 2 * grow, plan_mark_width, highlight_colour);
        }
}
