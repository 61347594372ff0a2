#include "tools/snapshot/booklet.h"

#include <cairo-pdf.h>

#include <algorithm>
#include <cstring>
#include <vector>

#include "app/input.h"
#include "ship/ship.h"
#include "tools/common/output_file.h"
#include "tools/snapshot/booklet_link.h"
#include "tools/snapshot/booklet_pages.h"
#include "tools/snapshot/booklet_paper.h"
#include "tools/snapshot/cutaway.h"
#include "tools/snapshot/highlight.h"
#include "tools/snapshot/progress.h"

namespace {

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

// What the pages show that is drawn before them: the ship after the keys,
// the plans and the cutaway.
struct Contents {
    std::vector<StepFacts> steps = all_steps();
    Picture ship;
    std::vector<PlanArt> plans;
    CutawayDrawing cutaway;
};

bool draw_contents(const PictureRequest& pictures, const BookletRequest& request, const Paper& paper,
                   Contents& c, std::string& error)
{
    c.ship = pictures.draw();
    const SectionPlane cut =
        request.section && cutaway_plane_problem(*request.section).empty() ? *request.section : centre_line_cut;
    const double shorter = std::min(paper.width, paper.height), longer = std::max(paper.width, paper.height);
    return draw_plans(pictures, c.plans, error) && make_cutaway(pictures, cut, longer, shorter, c.cutaway, error);
}

// The cover, the cutaway turned landscape, a page a step and the parts
// list, each with its bookmark.
bool draw_pages(const PictureRequest& pictures, const BookletRequest& request, const Contents& c, Document& d,
                std::string& error)
{
    d.add_outline(CAIRO_PDF_OUTLINE_ROOT, "Cover and contents", 1);
    draw_cover(d, c.ship, c.steps, request);
    d.add_outline(CAIRO_PDF_OUTLINE_ROOT, "Cutaway", d.next_page());
    d.turn(true);
    draw_cutaway(d.cr, c.cutaway, 0, 0);
    d.end_page();
    d.turn(false);
    if (!draw_steps(pictures, d, c.steps, c.plans, request.link, error))
        return false;
    d.add_outline(CAIRO_PDF_OUTLINE_ROOT, "Parts list", d.next_page());
    draw_parts_list(d, c.steps);
    return true;
}

}  // namespace

bool write_booklet(const PictureRequest& pictures, const BookletRequest& request, std::string& error)
{
    const Paper* paper = find_paper(request.paper);
    if (!paper) {
        error = booklet_paper_problem(request.paper);
        return false;
    }
    OutputFile file;
    Contents contents;
    if (!file.open(request.path, error) || !draw_contents(pictures, request, *paper, contents, error))
        return false;
    CairoSink sink{file.stream()};
    {
        Document d(sink, paper->width, paper->height);
        const bool drawn = draw_pages(pictures, request, contents, d, error);
        if (!d.finish() || !drawn) {
            if (error.empty())
                error = "cannot write " + request.path + ": " +
                        (sink.error_number ? std::strerror(sink.error_number) : d.status());
            return false;
        }
    }
    return file.commit(error);
}
