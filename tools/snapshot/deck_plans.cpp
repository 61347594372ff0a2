#include "tools/snapshot/deck_plans.h"

#include <GL/gl.h>
#include <gl2ps.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <vector>

#include "ship/ship.h"
#include "tools/snapshot/deck_plan_index.h"
#include "tools/snapshot/drawn_bounds.h"
#include "tools/snapshot/label_placement.h"
#include "tools/snapshot/progress.h"
#include "tools/snapshot/scale_bar.h"
#include "tools/snapshot/vector_output.h"
#include "view/view_state.h"

namespace {

// Page layout, as fractions of the page's side: a band at the top for the
// title, one at the bottom for the scale bar, a margin at the sides.
constexpr float title_band = 0.08f, scale_band = 0.08f, side_margin = 0.03f;
// Font sizes as fractions of the page's side.
constexpr float label_font = 1 / 64.0f, title_font = 1 / 32.0f, scale_font = 1 / 56.0f;

struct Footprint {
    Rect area;       // all that is drawn, in ship units, seen from above
    float z0, z1;    // the height of all that is drawn
    Rect room;       // where the label goes: the bounds, if they lie in area
};

struct Plan {
    int deck;
    std::vector<int> blocks;    // positions in the construction sequence
    float cam_x, cam_y, cam_z, zoom;
    float scale;                // page units per ship unit
    LabelPlacement placed;
    std::vector<Rect> areas;    // what each block draws, seen from above
};

// The overhead view of one deck, every block built and nothing but the ship
// drawn; the rest of the script's view stays. The camera is set once the
// deck's plan frames it.
ViewState deck_view(int deck)
{
    ViewState view = view_state;
    view.perspective_mode = 0;
    view.blocks_shown = block_total();
    view.deck_shown = deck;
    view.show_ceilings = view.show_earth = view.show_station = view.show_target = view.show_hull = 0;
    return view;
}

// What a block draws, seen from above.
Footprint measure(int position)
{
    const BlockExtent e = block_extent(position);
    const auto seen_from_above = [](const Bounds& b) { return Rect{b.low[0], b.high[0], b.low[1], b.high[1]}; };
    return {seen_from_above(e.drawn), e.drawn.low[2], e.drawn.high[2], seen_from_above(e.room(0, 1))};
}

// The deck's blocks framed between the title and the scale bar, with the
// depth of the overhead box holding all that is drawn.
Plan frame_plan(int deck, int page)
{
    Plan plan{};
    plan.deck = deck;
    std::vector<Footprint> footprints;
    for (int p = 0; p < ship_block_count; ++p)
        if (deck_index(*block_sequence[p]) == deck) {
            plan.blocks.push_back(p);
            footprints.push_back(measure(p));
        }
    Footprint all = footprints.front();
    for (const Footprint& f : footprints)
        all.area = {std::min(all.area.x0, f.area.x0), std::max(all.area.x1, f.area.x1),
                    std::min(all.area.y0, f.area.y0), std::max(all.area.y1, f.area.y1)},
        all.z0 = std::min(all.z0, f.z0), all.z1 = std::max(all.z1, f.z1);
    plan.scale = std::min(page * (1 - 2 * side_margin) / all.area.width(),
                          page * (1 - title_band - scale_band) / all.area.height());
    plan.zoom = std::max(page / plan.scale / 2, (all.z1 - all.z0) / 2 + 1);
    plan.scale = page / plan.zoom / 2;
    plan.cam_x = (all.area.x0 + all.area.x1) / 2;
    plan.cam_y = (all.area.y0 + all.area.y1) / 2;
    plan.cam_z = (all.z0 + all.z1) / 2;
    std::vector<Rect> rooms;
    for (const Footprint& f : footprints) {
        plan.areas.push_back(f.area);
        rooms.push_back(f.room);
    }
    plan.placed = place_labels(plan.blocks, rooms, page * label_font / plan.scale);
    return plan;
}


GL2PSrgba white = {1, 1, 1, 1}, black = {0, 0, 0, 1};

// Where the annotations are drawn: the frame's own overhead box just below
// its top face, so that they lie over the ship; and page units in ship units.
struct Overlay {
    float top, unit, left;
    int page;
};

void draw_labels(const Plan& plan, const Overlay& o)
{
    const GLshort label_size = GLshort(std::lround(o.page * label_font));
    // gl2ps's PDF starts every text at its point, whatever the alignment; so
    // there the start is where Helvetica's advances put it, with the capitals
    // centred on the baseline's normal.
    const bool pdf = gl2psGetFileFormat() == GL2PS_PDF;
    for (const Label& l : plan.placed.labels) {
        float along = 0, across = 0;
        if (pdf)
            along = -text_width(l.text, true) * label_size * o.unit / 2,
            across = -cap_height * label_size * o.unit / 2;
        if (l.upright)
            glRasterPos3f(l.x - across, l.y + along, o.top);
        else
            glRasterPos3f(l.x + along, l.y + across, o.top);
        gl2psTextOptColor(l.text.c_str(), "Helvetica", label_size,
                          pdf ? GL2PS_TEXT_BL : GL2PS_TEXT_C, l.upright ? 90 : 0,
                          l.dark ? black : white);
    }
}

void draw_title(const Plan& plan, const Overlay& o)
{
    glRasterPos3f(o.left, plan.cam_y + plan.zoom - o.page * title_band * 0.6f * o.unit, o.top);
    gl2psTextOptColor(plan_title(plan.deck).c_str(), "Helvetica-Bold",
                      GLshort(std::lround(o.page * title_font)), GL2PS_TEXT_BL, 0, white);
}

void draw_scale_bar(const Plan& plan, const Overlay& o)
{
    const float length = round_length(plan.zoom / 2);
    const float base = plan.cam_y - plan.zoom + o.page * scale_band * 0.4f * o.unit;
    const float thick = o.page * 0.006f * o.unit;
    glColor3fv(palette::white);
    glBegin(GL_QUADS);
    glVertex3f(o.left, base, o.top);
    glVertex3f(o.left + length, base, o.top);
    glVertex3f(o.left + length, base + thick, o.top);
    glVertex3f(o.left, base + thick, o.top);
    glEnd();
    const std::string caption = std::to_string(int(length)) + " ship units";
    glRasterPos3f(o.left + length + o.page * 0.01f * o.unit, base, o.top);
    gl2psTextOptColor(caption.c_str(), "Helvetica", GLshort(std::lround(o.page * scale_font)),
                      GL2PS_TEXT_BL, 0, white);
}

// Where ship units fall on the page, for those who read the SVG; gl2ps
// would write it into the other formats as well.
void note_ship_units(const Plan& plan, int page)
{
    if (gl2psGetFileFormat() != GL2PS_SVG)
        return;
    char mapping[160];
    std::snprintf(mapping, sizeof mapping,
                  "<!-- ship units: page x = %.4f + %.4f * x, page y = %.4f - %.4f * y -->\n",
                  page / 2.0 - plan.cam_x * plan.scale, double(plan.scale),
                  page / 2.0 + plan.cam_y * plan.scale, double(plan.scale));
    gl2psSpecial(GL2PS_SVG, mapping);
}

// Labels, title and scale bar over the ship.
void draw_annotations(const Plan& plan, int page, bool with_labels = true)
{
    const float unit = 1 / plan.scale;  // ship units per page unit
    const Overlay o{plan.cam_z + plan.zoom * 0.99f, unit, plan.cam_x - plan.zoom + page * side_margin * unit,
                    page};
    if (with_labels)
        draw_labels(plan, o);
    draw_title(plan, o);
    draw_scale_bar(plan, o);
    note_ship_units(plan, page);
}

// The deck's plan, with the overhead camera where the plan frames it. Called
// under the deck's view.
Plan show_plan(int deck, int page)
{
    reset_view();
    Plan plan = frame_plan(deck, page);
    view_state.cam_x = plan.cam_x;
    view_state.cam_y = plan.cam_y;
    view_state.cam_z = plan.cam_z;
    view_state.zoom = plan.zoom;
    return plan;
}

}  // namespace

std::string plan_title(int deck)
{
    return "Deck index " + std::to_string(deck) + ", deck number " + std::to_string(deck_number(deck));
}

std::string plan_name(int deck, const char* suffix)
{
    char name[32];
    std::snprintf(name, sizeof name, "deck-%02d.%s", deck, suffix);
    return name;
}

bool write_deck_plans(const PictureRequest& request, const std::string& dir, std::string& error)
{
    OffscreenFrame& frame = request.frame;
    const int page = frame.size();
    std::vector<DeckPlanLabels> labels;
    ProgressLine progress;
    frame.bind();
    bool ok = true;
    for (int deck = 0; ok && deck < deck_count; ++deck) {
        progress.show("deck", deck + 1, deck_count);
        const ScopedViewState overhead(deck_view(deck));
        const Plan plan = show_plan(deck, page);
        labels.push_back({deck, plan.placed});
        PictureRequest annotated = request;
        annotated.overlay = [&] { draw_annotations(plan, page); };
        for (const char* suffix : {"svg", "pdf"}) {
            const std::string path = dir + "/" + plan_name(deck, suffix);
            ok = ok && write_vector(annotated, path, plan_title(deck), error);
            if (ok)
                request.written.add(path);
        }
    }
    return ok && write_deck_plan_index(dir + "/index.html", labels, error);
}

bool draw_deck_plan(const PictureRequest& request, int deck, DeckPlanDrawing& drawing, std::string& error)
{
    const int page = request.frame.size();
    request.frame.bind();
    const ScopedViewState overhead(deck_view(deck));
    const Plan plan = show_plan(deck, page);
    PictureRequest annotated = request;
    annotated.overlay = [&] { draw_annotations(plan, page, false); };
    if (!draw_svg(frame_page(annotated), plan_title(deck), drawing.svg, error))
        return false;
    drawing.page = page;
    drawing.labels.clear();
    TextStyle style{std::round(page * label_font)};
    for (const Label& l : plan.placed.labels) {
        style.grey = l.dark ? 0 : 1;
        drawing.labels.push_back({l.text, page / 2.0 + (l.x - plan.cam_x) * plan.scale,
                                  page / 2.0 - (l.y - plan.cam_y) * plan.scale, style, true, l.upright});
    }
    drawing.blocks = plan.blocks;
    drawing.areas.clear();
    // Ship units to the page's, whose y runs down, about the camera at the
    // page's centre.
    for (const Rect& a : plan.areas)
        drawing.areas.push_back({page / 2.0f + (a.x0 - plan.cam_x) * plan.scale,
                                 page / 2.0f + (a.x1 - plan.cam_x) * plan.scale,
                                 page / 2.0f - (a.y1 - plan.cam_y) * plan.scale,
                                 page / 2.0f - (a.y0 - plan.cam_y) * plan.scale});
    return true;
}
