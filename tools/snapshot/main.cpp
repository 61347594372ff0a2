// tev-snapshot: the viewer's pictures without a screen. It starts the
// program as the viewer does (without the help text), replays a key script
// through the program's own callbacks and draws the program's own frame
// off screen.
#include <GL/freeglut.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>
#include <vector>

#include "app/input.h"
#include "ship/ship.h"
#include "tools/common/command_line.h"
#include "tools/common/headless.h"
#include "tools/common/large_pages.h"
#include "tools/common/output_file.h"
#include "tools/common/picture.h"
#include "tools/common/timing.h"
#include "tools/common/video.h"
#include "tools/common/virtual_display.h"
#include "tools/snapshot/deck_plans.h"
#include "tools/snapshot/documents.h"
#include "tools/snapshot/highlight.h"
#include "tools/snapshot/offscreen.h"
#include "tools/snapshot/picture_series.h"
#include "tools/snapshot/section.h"
#include "tools/snapshot/turntable.h"
#include "tools/snapshot/vector_output.h"

namespace {

const char program[] = "tev-snapshot";

const char usage[] =
    "usage: tev-snapshot [--keys SCRIPT] [--size N] [--transparent] [--highlight]\n"
    "                    [--section PLANE] --out FILE\n"
    "       tev-snapshot [--keys SCRIPT] [--size N] [--transparent] [--highlight]\n"
    "                    [--section PLANE] [--video FILE] --construction DIR\n"
    "       tev-snapshot [--keys SCRIPT] [--size N] [--transparent] [--highlight]\n"
    "                    [--section PLANE] [--video FILE] --turntable DIR\n"
    "       tev-snapshot [--size N] [--transparent] --deck-plans DIR\n"
    "       tev-snapshot [--keys SCRIPT] [--size N] [--paper a4|letter] [--link URL]\n"
    "                    [--section PLANE] --booklet FILE.pdf\n"
    "       tev-snapshot [--size N] [--section PLANE] --cutaway FILE\n"
    "       tev-snapshot --help\n";

const char help[] =
    "\nDraws what the viewer tev shows after start-up followed by the keys of SCRIPT,\n"
    "without a screen: with DISPLAY unset it runs its own virtual X server (Xvfb).\n"
    "\n"
    "  --keys SCRIPT        keys typed after start-up (default: none)\n"
    "  --out FILE           write the view as a picture: FILE.png in pixels, or\n"
    "                       FILE.svg, FILE.pdf or FILE.eps in vector graphics\n"
    "  --construction DIR   write DIR/step-000.png ... DIR/step-140.png, the view with\n"
    "                       the construction counter at 0 ... 140, and\n"
    "                       DIR/construction.gif, the same as a looping animation\n"
    "  --turntable DIR      write DIR/turn-000.png ... DIR/turn-359.png, one turn of\n"
    "                       the perspective camera around what is drawn, a degree\n"
    "                       a picture, and DIR/turntable.gif, the same animated\n"
    "  --deck-plans DIR     write DIR/deck-00.svg ... DIR/deck-15.svg and the same\n"
    "                       as .pdf: each deck from above, its blocks labelled, with\n"
    "                       a scale bar; and DIR/index.html, one page showing all\n"
    "                       sixteen. A name too long for its block is shortened\n"
    "                       or left out; index.html lists what a plan leaves out\n"
    "  --booklet FILE.pdf   write the construction as a printable booklet: a cover\n"
    "                       with the ship and the contents by deck, a page a step\n"
    "                       (the view after it with its block marked, its name,\n"
    "                       kind, deck and place, and its deck's plan with the\n"
    "                       block marked), then the parts list\n"
    "  --cutaway FILE       write the cutaway: the whole ship cut along its centre\n"
    "                       line (or at --section, across x or y) and seen from\n"
    "                       the side cut away, every deck named at the side with\n"
    "                       a rule at its floor, the blocks in the cut labelled\n"
    "                       (shortened or left out, and listed, as the deck plans\n"
    "                       do), a scale bar and a title, on an A4 page turned\n"
    "                       landscape: FILE.svg, FILE.pdf, FILE.eps or FILE.png\n"
    "                       (--size N pixels across, default 1684)\n"
    "  --paper a4|letter    the booklet's paper (default a4)\n"
    "  --link URL           the booklet's step pages link to the web page at that\n"
    "                       step, clickable and as a QR code: URL is where the\n"
    "                       reader keeps ship.html from tev-export --html (an\n"
    "                       http://, https:// or file:// address)\n"
    "  --size N             N x N pixels, the page's size in vector graphics\n"
    "                       (default 640, the viewer's window; deck plans and\n"
    "                       booklets need %d or more)\n"
    "  --transparent        the black background as transparent pixels (in vector\n"
    "                       graphics: no background)\n"
    "  --highlight          outline the block that the last construction step added,\n"
    "                       in purple, over everything else\n"
    "  --section PLANE      cut the ship at a plane and keep one side of it: PLANE is\n"
    "                       AXIS<V or AXIS>V, AXIS x (along the ship), y (across)\n"
    "                       or z (up) and V a number of ship units; the Earth,\n"
    "                       the station and the target are not cut\n"
    "  --video FILE         with --construction or --turntable: the same pictures as\n"
    "                       a video, FILE.mp4 (H.264) or FILE.webm (VP9); a step\n"
    "                       lasts 0.25 s and the last 3 s, a turn 14.4 s\n"
    "  --help               this text\n"
    "\n"
    "Standard output carries what the keys print (the viewer's diagnostics);\n"
    "progress and errors go to standard error. Exit status: 0 done, 1 failed,\n"
    "2 wrong usage. No file is left half written.\n"
    "\n";

const char examples[] =
    "\n"
    "Examples:\n"
    "  tev-snapshot --out ship.png\n"
    "  tev-snapshot --keys 'o<S-PageDown><Left>t' --out overhead.png\n"
    "  tev-snapshot --keys 'okx' --size 2048 --transparent --out poster.png\n"
    "  tev-snapshot --keys 'o' --construction build/\n"
    "  tev-snapshot --keys 'ot' --highlight --video build.mp4 --construction build/\n"
    "  tev-snapshot --keys 'wfkx' --turntable turn/ --video turn.webm\n"
    "  tev-snapshot --keys 'ot' --out overhead.svg\n"
    "  tev-snapshot --keys 'wf' --section 'y<0' --out inside.png\n"
    "  tev-snapshot --size 1024 --deck-plans plans/\n"
    "  tev-snapshot --keys 'ot' --booklet ship.pdf --link https://example.org/ship.html\n"
    "  tev-snapshot --cutaway cutaway.pdf\n"
    "  tev-snapshot --section 'x<40' --cutaway aft.svg\n";

// Frame times of the animation and the video, in hundredths of a second: a
// quarter of a second a step, as in the model's construction animation, and
// the whole ship held for 3 s; the video's frame rate shows a step in one
// frame.
constexpr int step_delay = 25, last_step_delay = 300, construction_video_rate = 4;

struct Options {
    std::string keys, out, construction, deck_plans, turntable, video, booklet, paper, link, cutaway;
    int size = 640;
    bool size_given = false, transparent = false, highlight = false;
    std::optional<SectionPlane> section;
};

// "" or what is wrong with the value of --size.
std::string parse_size(const char* text, int& size)
{
    char* end = nullptr;
    errno = 0;
    const long n = std::strtol(text, &end, 10);
    if (errno || end == text || *end || n < 1 || n > 16384)
        return std::string("--size wants a whole number from 1 to 16384, not '") + text + "'";
    size = int(n);
    return "";
}

std::string parse_section(const char* text, std::optional<SectionPlane>& section)
{
    SectionPlane plane;
    const std::string wrong = parse_section_plane(text, plane);
    if (wrong.empty())
        section = plane;
    return wrong;
}

void print_help()
{
    std::fputs(usage, stdout);
    std::printf(help, deck_plan_least_size);
    std::fputs(key_script_help().c_str(), stdout);
    std::fputs(examples, stdout);
}

// "" or what is wrong with the booklet's options.
std::string check_booklet(const Options& o)
{
    if (o.booklet.empty())
        return !o.link.empty()    ? "--link goes with --booklet"
               : !o.paper.empty() ? "--paper goes with --booklet"
                                  : "";
    if (!ends_with(o.booklet, ".pdf"))
        return "--booklet " + o.booklet + ": the booklet's name must end in .pdf";
    if (o.highlight || o.transparent)
        return "--booklet marks every step's block on white paper and takes no --highlight or --transparent";
    if (o.size < deck_plan_least_size)
        return "--booklet needs --size " + std::to_string(deck_plan_least_size) + " or more, not " +
               std::to_string(o.size);
    if (!o.paper.empty())
        if (const std::string wrong = booklet_paper_problem(o.paper); !wrong.empty())
            return wrong;
    return o.link.empty() ? "" : booklet_link_problem(o.link);
}

// "" or what is wrong with the cutaway's options.
std::string check_cutaway(const Options& o)
{
    if (o.cutaway.empty())
        return "";
    if (!ends_with(o.cutaway, ".png") && vector_format(o.cutaway) < 0)
        return "--cutaway " + o.cutaway + ": the cutaway's name must end in .svg, .pdf, .eps or .png";
    if (!o.keys.empty() || o.highlight || o.transparent)
        return "--cutaway draws the whole ship on white paper and takes no --keys, --highlight or --transparent";
    return o.section ? cutaway_plane_problem(*o.section) : "";
}

// "" or what is wrong with the options taken together.
std::string check(const Options& o)
{
    if (o.out.empty() + o.construction.empty() + o.deck_plans.empty() + o.turntable.empty() +
            o.booklet.empty() + o.cutaway.empty() != 5)
        return "give one of --out, --construction, --turntable, --deck-plans, --booklet or --cutaway";
    if (!o.video.empty() && o.construction.empty() + o.turntable.empty() != 1)
        return "--video goes with --construction or --turntable";
    if (!o.video.empty() && !is_video_name(o.video))
        return "--video " + o.video + ": the video's name must end in .mp4 or .webm";
    if (!o.out.empty() && !ends_with(o.out, ".png") && vector_format(o.out) < 0)
        return "--out " + o.out + ": the picture's name must end in .png, .svg, .pdf or .eps";
    if (!o.deck_plans.empty() && !o.keys.empty())
        return "--deck-plans sets its own view and takes no --keys";
    if (!o.deck_plans.empty() && o.section)
        return "--deck-plans draws whole decks and takes no --section";
    if (!o.deck_plans.empty() && o.highlight)
        return "--deck-plans marks no block and takes no --highlight";
    if (!o.deck_plans.empty() && o.size < deck_plan_least_size)
        return "--deck-plans needs --size " + std::to_string(deck_plan_least_size) + " or more, not " +
               std::to_string(o.size);
    if (const std::string wrong = check_cutaway(o); !wrong.empty())
        return wrong;
    return check_booklet(o);
}

ToolCommandLine command_line(Options& o)
{
    return {program,
            {
                // name          value kept in      flag set     value read by
                {"keys",         &o.keys},
                {"out",          &o.out},
                {"construction", &o.construction},
                {"deck-plans",   &o.deck_plans},
                {"turntable",    &o.turntable},
                {"video",        &o.video},
                {"highlight",    nullptr,           &o.highlight},
                {"size",         nullptr,           nullptr,     [&o](const char* v) { o.size_given = true; return parse_size(v, o.size); }},
                {"transparent",  nullptr,           &o.transparent},
                {"booklet",      &o.booklet},
                {"paper",        &o.paper},
                {"link",         &o.link},
                {"cutaway",      &o.cutaway},
                {"section",      nullptr,           nullptr,     [&o](const char* v) { return parse_section(v, o.section); }},
            },
            print_help, [&o] { return check(o); }};
}

// The construction set: every step as a PNG into the request's set, then
// the animation and the video.
bool write_construction(const PictureRequest& request, const std::string& dir, const std::string& video,
                        std::string& error)
{
    const int last = block_total();
    PictureSeries series(request, dir, "step", "construction.gif", video);
    if (!series.open(request.frame.size(), last + 1, construction_video_rate, error))
        return false;
    keyboard('z', 0, 0);
    for (int step = 0; step <= last; ++step) {
        if (!series.add(request.draw(), step == last ? last_step_delay : step_delay, error))
            return false;
        keyboard('j', 0, 0);
    }
    return series.finish(error);
}

// What the options ask for, drawn as the request says.
bool write_pictures(const PictureRequest& request, const Options& o, std::string& error)
{
    if (!o.deck_plans.empty())
        return make_directory(o.deck_plans, error) && write_deck_plans(request, o.deck_plans, error);
    if (!o.construction.empty())
        return write_construction(request, o.construction, o.video, error);
    if (!o.booklet.empty())
        return write_booklet_through_module(
            request, {o.booklet, o.paper.empty() ? "a4" : o.paper, o.link, o.keys, o.section}, error);
    if (!o.cutaway.empty())
        return write_cutaway_through_module(request, o.section.value_or(centre_line_cut), o.cutaway,
                                            o.size_given ? o.size : int(2 * cutaway_page_width), error);
    if (!o.turntable.empty())
        return write_turntable(request, o.turntable, o.video, error);
    if (vector_format(o.out) >= 0)
        return write_vector(request, o.out, "tev", error);
    return write_png(o.out, request.draw(), request.transparent, error);
}

int draw_pictures(const char* argv0, const Options& o, const std::vector<ScriptStep>& steps)
{
    start_viewer(argv0, steps);
    std::string error;
    OffscreenFrame frame;
    if (!frame.create(o.size, error))
        return failure(program, error);
    timing_step("frame ready");
    const ShipSection section(o.section);
    OutputSet written;
    PictureRequest request{frame, o.transparent, nullptr, written};
    std::optional<NewestBlockMark> mark;
    if (o.highlight) {
        mark.emplace();
        request.overlay = [&mark] { mark->draw(); };
    }
    if (!write_pictures(request, o, error))
        return failure(program, error);
    written.commit();
    timing_step("files written");
    return 0;
}

}  // namespace

int main(int argc, char** argv)
{
    timing_step("main");
    Options o;
    std::vector<ScriptStep> steps;
    if (const int status = read_command_line(command_line(o), argc, argv, steps); status >= 0)
        return status;
    back_heap_with_large_pages();
    int status;
    {
        VirtualDisplay xvfb;
        std::string error;
        if (!find_display(xvfb, error))
            return failure(program, error);
        timing_step("display found");
        status = draw_pictures(argv[0], o, steps);
        // The toolkit lets go of the display before the private server ends.
        glutExit();
        timing_step("display closed");
    }
    timing_step("exit");
    return status;
}
