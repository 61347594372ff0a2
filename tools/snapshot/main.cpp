// tev-snapshot: the viewer's pictures without a screen. It starts the
// program as the viewer does (without the help text), replays a key script
// through the program's own callbacks and draws the program's own frame
// off screen.
#include <GL/freeglut.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "ship/ship.h"
#include "tools/common/command_line.h"
#include "tools/common/headless.h"
#include "tools/common/output_file.h"
#include "tools/common/picture.h"
#include "tools/common/virtual_display.h"
#include "tools/snapshot/deck_plans.h"
#include "tools/snapshot/offscreen.h"
#include "tools/snapshot/vector_output.h"
#include "view/input.h"

namespace {

const char program[] = "tev-snapshot";

const char usage[] =
    "usage: tev-snapshot [--keys SCRIPT] [--size N] [--transparent] --out FILE\n"
    "       tev-snapshot [--keys SCRIPT] [--size N] [--transparent] --construction DIR\n"
    "       tev-snapshot [--size N] [--transparent] --deck-plans DIR\n"
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
    "  --deck-plans DIR     write DIR/deck-00.svg ... DIR/deck-15.svg and the same\n"
    "                       as .pdf: each deck from above, its blocks labelled, with\n"
    "                       a scale bar; and DIR/index.html, one page showing all\n"
    "                       sixteen. A name too long for its block is shortened\n"
    "                       or left out; index.html lists what a plan leaves out\n"
    "  --size N             N x N pixels, the page's size in vector graphics\n"
    "                       (default 640, the viewer's window; deck plans need\n"
    "                       %d or more)\n"
    "  --transparent        the black background as transparent pixels (in vector\n"
    "                       graphics: no background)\n"
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
    "  tev-snapshot --keys 'ot' --out overhead.svg\n"
    "  tev-snapshot --size 1024 --deck-plans plans/\n";

// Frame times of the animation, in hundredths of a second: a quarter of a
// second a step, as in the model's construction animation, and the whole
// ship held for 3 s.
constexpr int step_delay = 25, last_step_delay = 300;

struct Options {
    std::string keys, out, construction, deck_plans;
    int size = 640;
    bool transparent = false;
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

void print_help()
{
    std::fputs(usage, stdout);
    std::printf(help, deck_plan_least_size);
    std::fputs(key_script_help, stdout);
    std::fputs(examples, stdout);
}

// "" or what is wrong with the options taken together.
std::string check(const Options& o)
{
    if (o.out.empty() + o.construction.empty() + o.deck_plans.empty() != 2)
        return "give one of --out, --construction or --deck-plans";
    if (!o.out.empty() && !ends_with(o.out, ".png") && vector_format(o.out) < 0)
        return "--out " + o.out + ": the picture's name must end in .png, .svg, .pdf or .eps";
    if (!o.deck_plans.empty() && !o.keys.empty())
        return "--deck-plans sets its own view and takes no --keys";
    if (!o.deck_plans.empty() && o.size < deck_plan_least_size)
        return "--deck-plans needs --size " + std::to_string(deck_plan_least_size) + " or more, not " +
               std::to_string(o.size);
    return "";
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
                {"size",         nullptr,           nullptr,     [&o](const char* v) { return parse_size(v, o.size); }},
                {"transparent",  nullptr,           &o.transparent},
            },
            print_help, [&o] { return check(o); }};
}

Picture draw(OffscreenFrame& frame, const Options& o)
{
    Picture picture = frame.draw();
    if (o.transparent)
        make_background_transparent(picture);
    return picture;
}

// The construction set: every step as a PNG into `written`, then the
// animation.
bool write_construction(OffscreenFrame& frame, const Options& o, OutputSet& written, std::string& error)
{
    if (!make_directory(o.construction, error))
        return false;
    const std::string dir = o.construction + "/";
    GifAnimation gif;
    bool ok = gif.open(dir + "construction.gif", o.size, o.size, o.transparent, error);
    keyboard('z', 0, 0);
    const int last = block_total();
    // On a terminal the progress line is rewritten in place.
    const char* end_of_line = isatty(fileno(stderr)) ? "\r" : "\n";
    for (int step = 0; ok && step <= last; ++step) {
        std::fprintf(stderr, "step %d of %d%s", step, last, end_of_line);
        const Picture picture = draw(frame, o);
        char name[32];
        std::snprintf(name, sizeof name, "step-%03d.png", step);
        ok = write_png(dir + name, picture, o.transparent, error) &&
             gif.add_frame(picture, step == last ? last_step_delay : step_delay, error);
        if (ok)
            written.add(dir + name);
        keyboard('j', 0, 0);
    }
    if (*end_of_line == '\r')
        std::fputc('\n', stderr);
    return ok && gif.finish(error);
}

// What the options ask for, drawn into `frame`.
bool write_pictures(OffscreenFrame& frame, const Options& o, OutputSet& written, std::string& error)
{
    if (!o.deck_plans.empty())
        return make_directory(o.deck_plans, error) &&
               write_deck_plans(frame, o.deck_plans, o.transparent, written, error);
    if (!o.construction.empty())
        return write_construction(frame, o, written, error);
    if (vector_format(o.out) >= 0)
        return write_vector(frame, o.out, "tev", o.transparent, nullptr, error);
    return write_png(o.out, draw(frame, o), o.transparent, error);
}

int draw_pictures(const char* argv0, const Options& o, const std::vector<ScriptStep>& steps)
{
    start_viewer(argv0, steps);
    std::string error;
    OffscreenFrame frame;
    OutputSet written;
    if (!frame.create(o.size, error) || !write_pictures(frame, o, written, error))
        return failure(program, error);
    written.commit();
    return 0;
}

}  // namespace

int main(int argc, char** argv)
{
    Options o;
    std::vector<ScriptStep> steps;
    if (const int status = read_command_line(command_line(o), argc, argv, steps); status >= 0)
        return status;
    VirtualDisplay xvfb;
    std::string error;
    if (!find_display(xvfb, error))
        return failure(program, error);
    const int status = draw_pictures(argv[0], o, steps);
    // The toolkit lets go of the display before the private server ends.
    glutExit();
    return status;
}
