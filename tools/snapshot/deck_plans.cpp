#include "tools/snapshot/deck_plans.h"

#include <GL/gl.h>
#include <gl2ps.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <memory>
#include <vector>

#include "ship/ship.h"
#include "tools/common/output_file.h"
#include "tools/snapshot/drawn_bounds.h"
#include "tools/snapshot/vector_output.h"
#include "view/view_state.h"

namespace {

// Page layout, as fractions of the page's side: a band at the top for the
// title, one at the bottom for the scale bar, a margin at the sides.
constexpr float title_band = 0.08f, scale_band = 0.08f, side_margin = 0.03f;
// Font sizes as fractions of the page's side.
constexpr float label_font = 1 / 64.0f, title_font = 1 / 32.0f, scale_font = 1 / 56.0f;

// Advances of characters, in units of the font size: at most that of
// Helvetica, which the page names, and at least the wider of Helvetica and
// DejaVu Sans, which a viewer without Helvetica puts in its place.
// chars                        Helvetica  widest
const struct {
    const char* chars;
    float helvetica, widest;
} advances[] = {
    {"mwMW",                     0.83f,     1.0f},   // widest letters
    {"#",                        0.56f,     0.84f},  // position mark
    {"ABCDEFGHIJKLNOPQRSTUVXYZ", 0.69f,     0.78f},  // other capitals
    {"",                         0.55f,     0.64f},  // lower case, digits, '_'
};
// A label's box is this many font sizes high, to hold descenders; labels
// keep this much of a font size apart, and away from their block's edges.
constexpr float label_height = 1.15f, label_gap = 0.15f;
constexpr float cap_height = 0.72f;  // Helvetica's, in font sizes

struct Rect {
    float x0, x1, y0, y1;
    float width() const { return x1 - x0; }
    float height() const { return y1 - y0; }
    bool overlaps(const Rect& o) const
    {
        return x0 < o.x1 && o.x0 < x1 && y0 < o.y1 && o.y0 < y1;
    }
    bool inside(const Rect& o) const
    {
        return x0 >= o.x0 && x1 <= o.x1 && y0 >= o.y0 && y1 <= o.y1;
    }
};

struct Footprint {
    Rect area;       // all that is drawn, in ship units, seen from above
    float z0, z1;    // the height of all that is drawn
    Rect room;       // where the label goes: the bounds, if they lie in area
};

struct Label {
    int position;          // in the construction sequence
    std::string text;
    float x, y;            // centre, ship units
    bool upright;          // turned a quarter, reading upward
    bool dark;             // black text on a light block
};

struct Plan {
    int deck;
    std::vector<int> blocks;    // positions in the construction sequence
    float cam_x, cam_y, cam_z, zoom;
    float scale;                // page units per ship unit
    std::vector<Label> labels;
    std::vector<int> left_out;  // blocks without a label
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

// What a block draws, seen from above; its bounds where nothing is drawn.
Footprint measure(int position)
{
    constexpr float reach = 512;  // more than the whole ship
    const Block* block = block_sequence[position];
    const Rect bounds{block->x0, block->x1, block->y0, block->y1};
    Footprint f{bounds, block->z0, block->z1, bounds};
    const Bounds drawn = bounds_of(block_drawn_points(position, reach));
    if (!drawn.empty())
        f.area = {drawn.low[0], drawn.high[0], drawn.low[1], drawn.high[1]}, f.z0 = drawn.low[2],
        f.z1 = drawn.high[2];
    f.room = bounds.inside(f.area) ? bounds : f.area;
    return f;
}

// In font sizes: the most the text may take, or what Helvetica gives it.
float text_width(const std::string& text, bool helvetica = false)
{
    float width = 0;
    for (const char c : text)
        for (const auto& a : advances)
            if (!*a.chars || std::strchr(a.chars, c)) {
                width += helvetica ? a.helvetica : a.widest;
                break;
            }
    return width;
}

// The label's texts, longest first: the block's name, the name without the
// prefix that every name has, and the construction position. A block
// without a name of its own has only its position.
std::vector<std::string> label_texts(int position)
{
    const std::string name = block_names[position];
    const std::string number = "#" + std::to_string(position);
    if (name.rfind("block_", 0) == 0)
        return {number};
    std::vector<std::string> texts{name};
    if (name.rfind("BL_", 0) == 0)
        texts.push_back(name.substr(3));
    texts.push_back(number);
    return texts;
}

bool is_light(const float* rgb) { return 0.299f * rgb[0] + 0.587f * rgb[1] + 0.114f * rgb[2] > 0.5f; }

// Biggest block first, each label at its block's centre, inside the block
// and clear of the labels before it; the first text and turn that fits.
void place_labels(Plan& plan, const std::vector<Footprint>& footprints, int page)
{
    const float font = page * label_font / plan.scale, gap = label_gap * font;
    std::vector<size_t> order(plan.blocks.size());
    for (size_t i = 0; i < order.size(); ++i)
        order[i] = i;
    const auto area = [&](size_t i) {
        return footprints[i].room.width() * footprints[i].room.height();
    };
    std::stable_sort(order.begin(), order.end(),
                     [&](size_t a, size_t b) { return area(a) > area(b); });
    std::vector<Rect> taken;
    for (const size_t i : order) {
        const int position = plan.blocks[i];
        const Rect& room = footprints[i].room;
        const Rect inner{room.x0 + gap, room.x1 - gap, room.y0 + gap, room.y1 - gap};
        const float cx = (room.x0 + room.x1) / 2, cy = (room.y0 + room.y1) / 2;
        bool placed = false;
        for (const std::string& text : label_texts(position)) {
            for (const bool upright : {false, true}) {
                float half_w = text_width(text) * font / 2, half_h = label_height * font / 2;
                if (upright)
                    std::swap(half_w, half_h);
                const Rect box{cx - half_w, cx + half_w, cy - half_h, cy + half_h};
                const Rect clear{box.x0 - gap, box.x1 + gap, box.y0 - gap, box.y1 + gap};
                if (!box.inside(inner) ||
                    std::any_of(taken.begin(), taken.end(),
                                [&](const Rect& r) { return r.overlaps(clear); }))
                    continue;
                taken.push_back(box);
                plan.labels.push_back(
                    {position, text, cx, cy, upright, is_light(block_sequence[position]->colour)});
                placed = true;
                break;
            }
            if (placed)
                break;
        }
        if (!placed)
            plan.left_out.push_back(position);
    }
    std::sort(plan.left_out.begin(), plan.left_out.end());
    std::sort(plan.labels.begin(), plan.labels.end(),
              [](const Label& a, const Label& b) { return a.position < b.position; });
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
    place_labels(plan, footprints, page);
    for (const Footprint& f : footprints)
        plan.areas.push_back(f.area);
    return plan;
}

// 1, 2 or 5 times a power of ten, the largest at most `most`.
float round_length(float most)
{
    const float ten = std::pow(10.0f, std::floor(std::log10(most)));
    for (const float step : {5.0f, 2.0f})
        if (step * ten <= most)
            return step * ten;
    return ten;
}

std::string plan_title(int deck)
{
    return "Deck index " + std::to_string(deck) + ", deck number " + std::to_string(deck_number(deck));
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
    for (const Label& l : plan.labels) {
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
void draw_annotations(const Plan& plan, int page)
{
    const float unit = 1 / plan.scale;  // ship units per page unit
    const Overlay o{plan.cam_z + plan.zoom * 0.99f, unit, plan.cam_x - plan.zoom + page * side_margin * unit,
                    page};
    draw_labels(plan, o);
    draw_title(plan, o);
    draw_scale_bar(plan, o);
    note_ship_units(plan, page);
}

std::string plan_name(int deck, const char* suffix)
{
    char name[32];
    std::snprintf(name, sizeof name, "deck-%02d.%s", deck, suffix);
    return name;
}

bool write_index(const std::string& path, const std::vector<Plan>& plans, std::string& error)
{
    OutputFile file;
    if (!file.open(path, error))
        return false;
    std::FILE* out = file.stream();
    std::fputs("<!DOCTYPE html>\n<html lang=\"en\">\n<head>\n<meta charset=\"utf-8\">\n"
               "<title>Deck plans</title>\n<style>\n"
               "body { font-family: sans-serif; margin: 1em; }\n"
               "figure { display: inline-block; vertical-align: top; width: 480px; margin: 0 1em 2em 0; }\n"
               "img { width: 480px; height: 480px; }\n"
               "</style>\n</head>\n<body>\n<h1>Deck plans</h1>\n"
               "<p>Each deck from above, ceilings off. A label is the block's name, shortened "
               "where the block is small, or #N, its place N in the construction sequence.</p>\n",
               out);
    for (const Plan& plan : plans) {
        const std::string title = plan_title(plan.deck);
        std::fprintf(out, "<figure>\n<img src=\"%s\" alt=\"%s\">\n<figcaption>%s (<a href=\"%s\">PDF</a>)",
                     plan_name(plan.deck, "svg").c_str(), title.c_str(), title.c_str(),
                     plan_name(plan.deck, "pdf").c_str());
        const char* before = "<br>Numbered:";
        for (const Label& l : plan.labels)
            if (l.text[0] == '#' && std::strncmp(block_names[l.position], "block_", 6) != 0) {
                std::fprintf(out, "%s %s %s", before, l.text.c_str(), block_names[l.position]);
                before = ",";
            }
        if (!plan.left_out.empty()) {
            std::fputs("<br>Not labelled, no room:", out);
            for (const int p : plan.left_out)
                std::fprintf(out, " <span class=\"left-out\">%s</span>", block_names[p]);
        }
        std::fputs("</figcaption>\n</figure>\n", out);
    }
    std::fputs("</body>\n</html>\n", out);
    return file.commit(error);
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

bool write_deck_plans(const PictureRequest& request, const std::string& dir, std::string& error)
{
    OffscreenFrame& frame = request.frame;
    const int page = frame.size();
    std::vector<Plan> plans;
    const bool progress = isatty(fileno(stderr));
    frame.bind();
    bool ok = true;
    for (int deck = 0; ok && deck < deck_count; ++deck) {
        if (progress)
            std::fprintf(stderr, "\rdeck %d of %d", deck + 1, deck_count);
        const ScopedViewState overhead(deck_view(deck));
        plans.push_back(show_plan(deck, page));
        const Plan& plan = plans.back();
        PictureRequest annotated = request;
        annotated.overlay = [&] { draw_annotations(plan, page); };
        for (const char* suffix : {"svg", "pdf"}) {
            const std::string path = dir + "/" + plan_name(deck, suffix);
            ok = ok && write_vector(annotated, path, plan_title(deck), error);
            if (ok)
                request.written.add(path);
        }
    }
    if (progress)
        std::fputc('\n', stderr);
    return ok && write_index(dir + "/index.html", plans, error);
}

bool draw_deck_plan(const PictureRequest& request, int deck, DeckPlanDrawing& drawing, std::string& error)
{
    const int page = request.frame.size();
    request.frame.bind();
    const ScopedViewState overhead(deck_view(deck));
    const Plan plan = show_plan(deck, page);
    PictureRequest annotated = request;
    annotated.overlay = [&] { draw_annotations(plan, page); };
    const std::unique_ptr<std::FILE, int (*)(std::FILE*)> file(std::tmpfile(), std::fclose);
    const auto failed = [&] {
        error = std::string("cannot write a deck plan to a temporary file: ") + std::strerror(errno);
        return false;
    };
    if (!file)
        return failed();
    if (!draw_vector(annotated, file.get(), GL2PS_SVG, plan_title(deck), plan_title(deck), error))
        return false;
    if (std::fflush(file.get()) != 0 || std::ferror(file.get()))
        return failed();
    drawing.svg.assign(size_t(std::ftell(file.get())), '\0');
    std::rewind(file.get());
    if (std::fread(drawing.svg.data(), 1, drawing.svg.size(), file.get()) != drawing.svg.size()) {
        error = "cannot read back the plan of deck index " + std::to_string(deck);
        return false;
    }
    drawing.page = page;
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
