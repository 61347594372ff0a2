#include "tools/snapshot/cutaway.h"

#include <GL/gl.h>
#include <cairo-pdf.h>
#include <cairo-ps.h>
#include <gl2ps.h>

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "ship/ship.h"
#include "tools/common/command_line.h"
#include "tools/common/output_file.h"
#include "tools/snapshot/drawn_bounds.h"
#include "tools/snapshot/scale_bar.h"
#include "tools/snapshot/vector_output.h"
#include "view/view_state.h"

namespace {

// Layout in points: the margin all round, the title's band, the column of
// deck names, the scale bar's band and the lines below it.
constexpr double margin = 28, title_band = 44, deck_column = 48, scale_band = 26, list_line = 9;
// A label is at most this big, and half a deck high where the drawing is
// small; deck names a little bigger.
constexpr double largest_label = 7, label_per_deck = 0.5, deck_name_per_deck = 0.6, largest_deck_name = 8.5;
// How far the ship's depth may reach from its origin, in ship units.
constexpr double depth_reach = 600;

const TextStyle title_style{14, true}, subtitle_style{8.5, false, 0.25}, deck_style{8, true},
    list_style{7, false, 0.2}, caption_style{7.5};

// The side the cut is seen from, as text: "+y".
std::string seen_from(const SectionPlane& p)
{
    return std::string(p.keep_below ? "+" : "-") + "xyz"[p.axis];
}

// The whole ship as the cutaway draws it: every block, every deck, the
// ceilings on, no hull.
ViewState whole_ship()
{
    ViewState v = view_state;
    v.blocks_shown = block_total();
    v.deck_shown = all_decks;
    v.show_ceilings = 1;
    v.show_hull = 0;
    return v;
}

double across(const CutawayDrawing& d, const Point& p) { return d.across_sign * p[size_t(d.across_axis)]; }
double page_x(const CutawayDrawing& d, double u) { return d.drawing.x0 + (u - d.u_low) * d.scale; }
double page_y(const CutawayDrawing& d, double z) { return d.drawing.y0 + (d.z_high - z) * d.scale; }

// The blocks the plane passes through, from the side kept.
bool in_the_cut(const BlockExtent& e, const SectionPlane& p)
{
    const Bounds b = e.room(p.axis, p.axis);
    const float low = b.low[size_t(p.axis)], high = b.high[size_t(p.axis)], v = float(p.value);
    return p.keep_below ? low < v && v <= high : low <= v && v < high;
}

// Splits `text` into lines of at most `width` points in `style`, at spaces.
std::vector<std::string> wrap(const std::string& text, double width, const TextStyle& style)
{
    std::vector<std::string> lines{""};
    size_t start = 0;
    while (start < text.size()) {
        size_t end = text.find(' ', start);
        if (end == std::string::npos)
            end = text.size();
        const std::string word = text.substr(start, end - start);
        const std::string joined = lines.back().empty() ? word : lines.back() + " " + word;
        if (!lines.back().empty() && text_width(joined) * style.size > width)
            lines.push_back(word);
        else
            lines.back() = joined;
        start = end + 1;
    }
    return lines;
}

// The lines below the scale bar: what has no label, and what is labelled
// by its number.
std::vector<std::string> list_lines(const LabelPlacement& placed, double width)
{
    std::string numbered, left_out;
    for (const Label& l : placed.labels)
        if (l.text[0] == '#' && std::string(block_names[l.position]).rfind("block_", 0) != 0)
            numbered += (numbered.empty() ? "Labelled by number: " : ", ") + l.text + " " + block_names[l.position];
    for (const int p : placed.left_out)
        left_out += (left_out.empty() ? "Not labelled, no room: " : ", ") + std::string(block_names[p]);
    std::vector<std::string> lines;
    for (const std::string& text : {numbered, left_out})
        if (!text.empty())
            for (const std::string& line : wrap(text, width, list_style))
                lines.push_back(line);
    return lines;
}

// Where the ship goes between the title and what is below it, as large as
// fits, given the number of lines below.
void frame_ship(CutawayDrawing& d, const Bounds& ship, size_t lines)
{
    const double u0 = std::min(d.across_sign * ship.low[size_t(d.across_axis)],
                               d.across_sign * ship.high[size_t(d.across_axis)]);
    const double u1 = std::max(d.across_sign * ship.low[size_t(d.across_axis)],
                               d.across_sign * ship.high[size_t(d.across_axis)]);
    const double width = d.width - 2 * margin - deck_column;
    const double height = d.height - 2 * margin - title_band - scale_band - double(lines) * list_line;
    d.scale = std::min(width / (u1 - u0), height / (ship.high[2] - ship.low[2]));
    d.u_low = u0;
    d.z_high = ship.high[2];
    d.drawing = {float(margin + deck_column), float(margin + deck_column + (u1 - u0) * d.scale),
                 float(margin + title_band), float(margin + title_band + (ship.high[2] - ship.low[2]) * d.scale)};
}

// The blocks in the cut, labelled in the drawing's room for them.
LabelPlacement label_blocks(const CutawayDrawing& d, const std::vector<int>& blocks,
                            const std::vector<BlockExtent>& extents, double font)
{
    std::vector<Rect> rooms;
    for (const BlockExtent& e : extents) {
        const Bounds r = e.room(d.across_axis, 2);
        const double u0 = across(d, r.low), u1 = across(d, r.high);
        rooms.push_back({float(std::min(u0, u1)), float(std::max(u0, u1)), r.low[2], r.high[2]});
    }
    return place_labels(blocks, rooms, float(font / d.scale));
}

void add_deck_names(CutawayDrawing& d)
{
    TextStyle style = deck_style;
    style.size = std::min(largest_deck_name, std::floor(deck_height * d.scale * deck_name_per_deck));
    d.floors.clear();
    for (int deck = 0; deck < deck_count; ++deck) {
        d.floors.push_back(page_y(d, deck * deck_height));
        d.texts.push_back({"Deck " + std::to_string(deck_number(deck)), margin,
                           page_y(d, (deck + 0.5) * deck_height), style, false});
    }
}

void add_labels(CutawayDrawing& d, const LabelPlacement& placed, double font)
{
    for (const Label& l : placed.labels) {
        TextStyle style{font};
        style.grey = l.dark ? 0 : 1;
        d.texts.push_back({l.text, page_x(d, l.x), page_y(d, l.y), style, true, l.upright});
        d.labelled.push_back(l.position);
    }
    d.left_out = placed.left_out;
}

void add_title(CutawayDrawing& d)
{
    const SectionPlane& p = d.plane;
    char value[32];
    std::snprintf(value, sizeof value, "%g", p.value);
    const std::string axis(1, "xyz"[p.axis]);
    d.texts.push_back({"Cutaway of the starship, cut at " + axis + " = " + value + " and seen from " + seen_from(p),
                       margin, margin + 8, title_style, false});
    d.texts.push_back({"The part where " + section_text(p) + ", every block built, ceilings on; decks by number "
                       "at the left with a rule at each floor; the blocks the cut passes through by name.",
                       margin, margin + 27, subtitle_style, false});
}

void add_scale_bar(CutawayDrawing& d)
{
    const double length = round_length(float((d.drawing.width()) / d.scale / 4));
    const double top = d.drawing.y1 + 10;
    d.scale_bar = {d.drawing.x0, float(d.drawing.x0 + length * d.scale), float(top), float(top + 3)};
    char caption[48];
    std::snprintf(caption, sizeof caption, "%g ship units", length);
    d.texts.push_back({caption, d.scale_bar.x1 + 6, top + 1.5, caption_style, false});
}

void add_list(CutawayDrawing& d, const std::vector<std::string>& lines)
{
    double y = d.drawing.y1 + scale_band + list_line / 2;
    for (const std::string& line : lines) {
        d.texts.push_back({line, margin, y, list_style, false});
        y += list_line;
    }
}

// ---- the drawing in OpenGL, for gl2ps ------------------------------------

void quad(const Rect& r, float depth, const float* rgb)
{
    glColor3fv(rgb);
    glBegin(GL_QUADS);
    glVertex3f(r.x0, r.y0, depth);
    glVertex3f(r.x1, r.y0, depth);
    glVertex3f(r.x1, r.y1, depth);
    glVertex3f(r.x0, r.y1, depth);
    glEnd();
}

// Ship units to the page's points, with the depth toward the viewer
// nearer: u across, z up, the plane's axis toward the side cut away.
void load_side_view(const CutawayDrawing& d)
{
    GLdouble m[16] = {};
    m[4 * d.across_axis + 0] = d.across_sign * d.scale;
    m[4 * 2 + 1] = -d.scale;
    m[4 * d.plane.axis + 2] = (d.plane.keep_below ? 0.9 : -0.9) / depth_reach;
    m[12] = d.drawing.x0 - d.u_low * d.scale;
    m[13] = d.drawing.y0 + d.z_high * d.scale;
    m[15] = 1;
    glLoadMatrixd(m);
}

// gl2ps writes text into SVG as it is given.
std::string escaped(const std::string& text)
{
    std::string out;
    for (const char c : text)
        out += c == '<' ? "&lt;" : c == '>' ? "&gt;" : c == '&' ? "&amp;" : std::string(1, c);
    return out;
}

void draw_texts(const CutawayDrawing& d)
{
    for (const PageText& t : d.texts) {
        GL2PSrgba colour = {float(t.style.grey), float(t.style.grey), float(t.style.grey), 1};
        glRasterPos3d(t.x, t.y, 1);
        gl2psTextOptColor(escaped(t.text).c_str(), t.style.bold ? "Helvetica-Bold" : "Helvetica",
                          GLshort(std::lround(t.style.size)), t.centred ? GL2PS_TEXT_C : GL2PS_TEXT_CL,
                          t.upright ? 90 : 0, colour);
    }
}

// The page: paper, the dark band behind the ship, the rules at the floors,
// the cut ship, the scale bar and, if asked, the text. Depth runs from the
// paper at the back to the text at the front.
void draw_page(const CutawayDrawing& d, bool with_text)
{
    const float white[3] = {1, 1, 1}, black[3] = {0, 0, 0}, rule[3] = {0.55f, 0.55f, 0.55f};
    glViewport(0, 0, GLsizei(std::lround(d.width)), GLsizei(std::lround(d.height)));
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    glOrtho(0, d.width, d.height, 0, -1, 1);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    quad({0, float(d.width), 0, float(d.height)}, -1, white);
    quad(d.drawing, -0.99f, black);
    glColor3fv(rule);
    glBegin(GL_LINES);
    for (const double y : d.floors) {
        glVertex3d(margin, y, -0.98);
        glVertex3d(d.drawing.x1, y, -0.98);
    }
    glEnd();
    quad(d.scale_bar, 0.95f, black);
    glPushMatrix();
    load_side_view(d);
    {
        const ScopedViewState whole(whole_ship());
        const ShipSection cut(d.plane);
        draw_cut_ship();
    }
    glPopMatrix();
    if (with_text)
        draw_texts(d);
}

VectorPage vector_page(const CutawayDrawing& d, bool with_text)
{
    return {int(std::lround(d.width)), int(std::lround(d.height)), false,
            [&d, with_text] { draw_page(d, with_text); }};
}

// ---- the files -------------------------------------------------------------

// The surface of each format but SVG, which gl2ps writes with its text.
cairo_surface_t* page_surface(const std::string& path, CairoSink& sink, double width, double height)
{
    if (ends_with(path, ".pdf"))
        return cairo_pdf_surface_create_for_stream(cairo_write_to, &sink, width, height);
    cairo_surface_t* eps = cairo_ps_surface_create_for_stream(cairo_write_to, &sink, width, height);
    cairo_ps_surface_set_eps(eps, true);
    return eps;
}

bool write_cairo_page(const CutawayDrawing& d, const std::string& path, std::FILE* stream, int png_width,
                      std::string& error)
{
    CairoSink sink{stream};
    const bool png = ends_with(path, ".png");
    const double zoom = png ? png_width / d.width : 1;
    cairo_surface_t* surface =
        png ? cairo_image_surface_create(CAIRO_FORMAT_RGB24, png_width, int(std::lround(d.height * zoom)))
            : page_surface(path, sink, d.width, d.height);
    if (ends_with(path, ".pdf"))
        cairo_pdf_surface_set_metadata(surface, CAIRO_PDF_METADATA_TITLE, "Cutaway of the starship");
    cairo_t* cr = cairo_create(surface);
    cairo_scale(cr, zoom, zoom);
    draw_cutaway(cr, d, 0, 0);
    cairo_destroy(cr);
    if (png)
        cairo_surface_write_to_png_stream(surface, cairo_write_to, &sink);
    cairo_surface_finish(surface);
    const cairo_status_t status = cairo_surface_status(surface);
    cairo_surface_destroy(surface);
    if (status != CAIRO_STATUS_SUCCESS || sink.error_number) {
        error = "cannot write " + path + ": " + sink.problem(status);
        return false;
    }
    return true;
}

}  // namespace

bool make_cutaway(const PictureRequest& request, const SectionPlane& plane, double width, double height,
                  CutawayDrawing& d, std::string& error)
{
    d.plane = plane;
    d.width = width;
    d.height = height;
    const double toward = plane.keep_below ? 1 : -1;
    d.across_axis = plane.axis == 1 ? 0 : 1;
    d.across_sign = plane.axis == 1 ? -toward : toward;
    Bounds ship = bounds_of({});
    std::vector<int> blocks;
    std::vector<BlockExtent> extents;
    {
        const ScopedViewState whole(whole_ship());
        request.frame.bind();
        // Framed on the part kept, or the whole ship where the plane keeps
        // nothing of it, and every deck, so that each deck's name has its
        // place.
        for (const std::optional<SectionPlane>& cut : {std::optional(plane), std::optional<SectionPlane>()})
            if (const ShipSection section(cut); ship.empty())
                ship = bounds_of(drawn_points(draw_cut_ship));
        ship.low[2] = std::min(ship.low[2], 0.0f);
        ship.high[2] = std::max(ship.high[2], deck_count * deck_height);
        for (int p = 0; p < ship_block_count; ++p)
            if (const BlockExtent e = block_extent(p); in_the_cut(e, plane))
                blocks.push_back(p), extents.push_back(e);
    }
    // The lines below depend on the labels, which depend on the room the
    // lines leave; a second round settles it.
    LabelPlacement placed;
    std::vector<std::string> lines;
    double font = largest_label;
    for (int round = 0; round < 2; ++round) {
        frame_ship(d, ship, lines.size());
        font = std::min(largest_label, std::floor(deck_height * d.scale * label_per_deck));
        placed = label_blocks(d, blocks, extents, font);
        lines = list_lines(placed, width - 2 * margin);
    }
    d.texts.clear();
    d.labelled.clear();
    add_title(d);
    add_deck_names(d);
    add_labels(d, placed, font);
    add_scale_bar(d);
    add_list(d, lines);
    std::string svg;
    if (!draw_svg(vector_page(d, false), "the cutaway", svg, error))
        return false;
    if (!make_vector_art(svg, width, height, d.art, error)) {
        error = "cannot draw the cutaway: " + error;
        return false;
    }
    return true;
}

void draw_cutaway(cairo_t* cr, const CutawayDrawing& d, double x, double y)
{
    cairo_save(cr);
    cairo_translate(cr, x, y);
    cairo_set_source_surface(cr, d.art.get(), 0, 0);
    cairo_paint(cr);
    for (const PageText& t : d.texts)
        draw_page_text(cr, t);
    cairo_restore(cr);
}

bool write_cutaway(const PictureRequest& request, const SectionPlane& plane, const std::string& path,
                   int png_width, std::string& error)
{
    CutawayDrawing d;
    if (!make_cutaway(request, plane, cutaway_page_width, cutaway_page_height, d, error))
        return false;
    OutputFile file;
    if (!file.open(path, error))
        return false;
    const bool written =
        ends_with(path, ".svg")
            ? draw_vector_page(vector_page(d, true), file.stream(), GL2PS_SVG, path, "Cutaway of the starship", error)
            : write_cairo_page(d, path, file.stream(), png_width, error);
    if (!written || !file.commit(error))
        return false;
    request.written.add(path);
    return true;
}
