#include "tools/snapshot/booklet.h"

#include <cairo-pdf.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <memory>
#include <vector>

#include "app/input.h"
#include "ship/ship.h"
#include "tools/common/output_file.h"
#include "tools/common/view_link.h"
#include "tools/snapshot/booklet_layout.h"
#include "tools/snapshot/cutaway.h"
#include "tools/snapshot/deck_plans.h"
#include "tools/snapshot/highlight.h"
#include "tools/snapshot/progress.h"
#include "tools/snapshot/section.h"
#include "view/view_state.h"

namespace {

// Paper sizes in points.
// name      width    height
const struct {
    const char* name;
    double width, height;
} papers[] = {
    {"a4",     595.276, 841.890},  // a4
    {"letter", 612.0,   792.0},    // letter
};

// Layout, in points: the margin all round (about 15 mm), the band of a
// step page's heading, a caption's and the footer's height, the gap
// between the pictures and the column beside them.
constexpr double margin = 42, heading = 50, caption = 18, footer = 14, gap = 14;
// The column beside a step's pictures is at least this wide.
constexpr double least_column = 150;
// The width of a mark on a plan, in points.
constexpr double plan_mark_width = 2.5;
// A QR code holds up to 2331 bytes at the error correction used; a step's
// fragment takes about 330 of them.
constexpr size_t longest_link = 1500;

const TextStyle title{26, true}, subtitle{13, false, 0.25}, heading_text{20, true}, name_text{13, true},
    fact_label{8, false, 0.45}, fact_text{10}, small{8.5, false, 0.3}, table_text{8.5},
    table_head{8.5, true};

// The facts a step page and the parts list give of a block.
struct StepFacts {
    int step;
    BlockFacts facts;
    int on_deck, deck_total;  // its place among its deck's blocks
};

std::vector<StepFacts> all_steps()
{
    std::vector<StepFacts> steps;
    int per_deck[deck_count] = {};
    for (int p = 0; p < ship_block_count; ++p) {
        const BlockFacts f = block_facts(p);
        steps.push_back({p + 1, f, ++per_deck[f.deck_index], 0});
    }
    for (StepFacts& s : steps)
        s.deck_total = per_deck[s.facts.deck_index];
    return steps;
}

// ---- the PDF file ----------------------------------------------------------

// The document being drawn, a page at a time.
class Document {
    cairo_surface_t* const surface_;
    int page_ = 0;

public:
    Document(CairoSink& sink, double width, double height)
        : surface_(cairo_pdf_surface_create_for_stream(cairo_write_to, &sink, width, height)), width(width),
          height(height), cr(cairo_create(surface_))
    {
        cairo_pdf_surface_set_metadata(surface_, CAIRO_PDF_METADATA_TITLE,
                                       "The construction of the starship");
        cairo_pdf_surface_set_metadata(surface_, CAIRO_PDF_METADATA_CREATOR, "tev-snapshot");
        // A link annotation names its structure element, which cairo 1.16
        // writes only in a document with a structure tree: without one the
        // file refers to objects it lacks.
        cairo_tag_begin(cr, "Document", "");
    }
    Document(const Document&) = delete;
    Document& operator=(const Document&) = delete;
    ~Document()
    {
        cairo_destroy(cr);
        cairo_surface_destroy(surface_);
    }

    // The next pages turned landscape, or upright again: cairo sizes a page
    // before anything is drawn on it.
    void turn(bool landscape)
    {
        const double shorter = std::min(width, height), longer = std::max(width, height);
        width = landscape ? longer : shorter;
        height = landscape ? shorter : longer;
        cairo_pdf_surface_set_size(surface_, width, height);
    }

    // Ends the page with its footer.
    void end_page()
    {
        ++page_;
        const double y = height - margin + footer / 2;
        draw_text(cr, "The construction of the starship", margin, y, width - 2 * margin, small);
        TextStyle right = small;
        right.align = PANGO_ALIGN_RIGHT;
        draw_text(cr, "page " + std::to_string(page_), margin, y, width - 2 * margin, right);
        cairo_show_page(cr);
    }
    int next_page() const { return page_ + 1; }
    // A bookmark to the page; returns its id, the parent of those below it.
    int add_outline(int parent, const std::string& text, int page)
    {
        return cairo_pdf_surface_add_outline(surface_, parent, text.c_str(),
                                             ("page=" + std::to_string(page)).c_str(),
                                             cairo_pdf_outline_flags_t(0));
    }
    bool finish()
    {
        cairo_tag_end(cr, "Document");
        cairo_surface_finish(surface_);
        return cairo_surface_status(surface_) == CAIRO_STATUS_SUCCESS;
    }
    const char* status() const { return cairo_status_to_string(cairo_surface_status(surface_)); }

    double width, height;
    cairo_t* const cr;
};

// ---- the deck plans --------------------------------------------------------

// A deck's plan drawn once, as vectors, for every page that shows it.
struct PlanArt {
    DeckPlanDrawing drawing;
    VectorArt vectors{nullptr, cairo_surface_destroy};
};

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

// The deck's plan in a square of `side` points, the block at `position`
// outlined in the mark's colour.
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

// ---- the pages ----------------------------------------------------------

std::string deck_text(const BlockFacts& f)
{
    return "deck " + std::to_string(f.deck_number) + " (deck index " + std::to_string(f.deck_index) + ")";
}

std::string number(float value)
{
    char text[32];
    std::snprintf(text, sizeof text, "%g", double(value));
    return text;
}

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

std::string step_link(const std::string& address)
{
    PageToggles toggles;
    toggles.highlight = 1;
    return address + link_fragment(view_state, toggles);
}

// Every step: the view after it with its block marked, and its page.
bool draw_steps(const PictureRequest& pictures, Document& d, const std::vector<StepFacts>& steps,
                const std::vector<PlanArt>& plans, const std::string& address, std::string& error)
{
    ProgressLine progress;
    NewestBlockMark mark;
    PictureRequest marked = pictures;
    marked.overlay = [&mark] { mark.draw(); };
    const int parent = d.add_outline(CAIRO_PDF_OUTLINE_ROOT, "Steps", d.next_page());
    keyboard('z', 0, 0);
    for (const StepFacts& s : steps) {
        progress.show("step", s.step, ship_block_count);
        keyboard('j', 0, 0);
        const Picture view = marked.draw();
        d.add_outline(parent, "Step " + std::to_string(s.step) + ": " + s.facts.name, d.next_page());
        const std::string link = address.empty() ? "" : step_link(address);
        if (!draw_step(d, s, view, plans[size_t(s.facts.deck_index)], link)) {
            error = "the link of step " + std::to_string(s.step) + " is too long for a QR code";
            return false;
        }
        if (cairo_status(d.cr) != CAIRO_STATUS_SUCCESS)
            return false;
    }
    return true;
}

}  // namespace

std::string booklet_paper_problem(const std::string& paper)
{
    for (const auto& p : papers)
        if (paper == p.name)
            return "";
    return "--paper wants a4 or letter, not '" + paper + "'";
}

std::string booklet_link_problem(const std::string& link)
{
    for (size_t i = 0; i < link.size(); ++i) {
        const unsigned char c = static_cast<unsigned char>(link[i]);
        const char* what = c == ' '                ? "a space"
                           : c == '"' || c == '\'' ? "a quote"
                           : c < 32 || c == 127    ? "a control character"
                           : c > 127               ? "a character other than ASCII"
                           : c == '#'              ? "a fragment (#)"
                                                   : nullptr;
        if (what)
            return std::string("--link holds ") + what + " at character " + std::to_string(i + 1) +
                   (c == '#' ? "; the booklet adds one for each step" : c > 127 ? "; percent-encode it" : "");
    }
    if (link.size() > longest_link)
        return "--link is longer than " + std::to_string(longest_link) +
               " characters, which with a step's view is too long for a QR code";
    for (const char* scheme : {"http://", "https://", "file://"})
        if (link.size() > std::strlen(scheme) && link.compare(0, std::strlen(scheme), scheme) == 0)
            return "";
    return "--link wants an http://, https:// or file:// address";
}

bool write_booklet(const PictureRequest& pictures, const BookletRequest& request, std::string& error)
{
    const auto paper = std::find_if(std::begin(papers), std::end(papers),
                                    [&](const auto& p) { return request.paper == p.name; });
    if (paper == std::end(papers)) {
        error = booklet_paper_problem(request.paper);
        return false;
    }
    OutputFile file;
    if (!file.open(request.path, error))
        return false;
    const std::vector<StepFacts> steps = all_steps();
    const Picture ship = pictures.draw();
    std::vector<PlanArt> plans;
    if (!draw_plans(pictures, plans, error))
        return false;
    const SectionPlane cut =
        request.section && cutaway_plane_problem(*request.section).empty() ? *request.section : centre_line_cut;
    CutawayDrawing cutaway;
    const double shorter = std::min(paper->width, paper->height), longer = std::max(paper->width, paper->height);
    if (!make_cutaway(pictures, cut, longer, shorter, cutaway, error))
        return false;

    CairoSink sink{file.stream()};
    {
        Document d(sink, paper->width, paper->height);
        d.add_outline(CAIRO_PDF_OUTLINE_ROOT, "Cover and contents", 1);
        draw_cover(d, ship, steps, request);
        d.add_outline(CAIRO_PDF_OUTLINE_ROOT, "Cutaway", d.next_page());
        d.turn(true);
        draw_cutaway(d.cr, cutaway, 0, 0);
        d.end_page();
        d.turn(false);
        const bool drawn = draw_steps(pictures, d, steps, plans, request.link, error);
        if (drawn) {
            d.add_outline(CAIRO_PDF_OUTLINE_ROOT, "Parts list", d.next_page());
            draw_parts_list(d, steps);
        }
        if (!d.finish() || !drawn) {
            if (error.empty())
                error = "cannot write " + request.path + ": " +
                        (sink.error_number ? std::strerror(sink.error_number) : d.status());
            return false;
        }
    }
    return file.commit(error);
}
