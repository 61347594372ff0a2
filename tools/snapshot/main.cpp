// tev-snapshot: the viewer's pictures without a screen. It starts the
// program as the viewer does (without the help text), replays a key script
// through the program's own callbacks and draws the program's own frame
// off screen.
#include <GL/freeglut.h>
#include <X11/Xlib.h>
#include <getopt.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "app/app.h"
#include "ship/ship.h"
#include "tools/common/command_line.h"
#include "tools/common/key_script.h"
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

bool parse_size(const char* text, int& size)
{
    char* end = nullptr;
    errno = 0;
    const long n = std::strtol(text, &end, 10);
    if (errno || end == text || *end || n < 1 || n > 16384)
        return false;
    size = int(n);
    return true;
}

// Returns -1 to go on, else the exit status.
int parse_options(int argc, char** argv, Options& o)
{
    static const option long_options[] = {
        {"keys", required_argument, nullptr, 'k'},
        {"out", required_argument, nullptr, 'o'},
        {"construction", required_argument, nullptr, 'c'},
        {"deck-plans", required_argument, nullptr, 'd'},
        {"size", required_argument, nullptr, 's'},
        {"transparent", no_argument, nullptr, 't'},
        {"help", no_argument, nullptr, 'h'},
        {nullptr, 0, nullptr, 0},
    };
    opterr = 0;
    int c;
    while ((c = getopt_long(argc, argv, ":", long_options, nullptr)) != -1)
        switch (c) {
        case 'k': o.keys = optarg; break;
        case 'o': o.out = optarg; break;
        case 'c': o.construction = optarg; break;
        case 'd': o.deck_plans = optarg; break;
        case 't': o.transparent = true; break;
        case 's':
            if (!parse_size(optarg, o.size))
                return usage_error(program, std::string("--size wants a whole number from 1 to 16384, not '") +
                                   optarg + "'");
            break;
        case 'h':
            std::fputs(usage, stdout);
            std::printf(help, deck_plan_least_size);
            std::fputs(key_script_help, stdout);
            std::fputs(examples, stdout);
            return 0;
        case ':': return usage_error(program, std::string(argv[optind - 1]) + " needs a value");
        default: return usage_error(program, std::string("unknown option ") + argv[optind - 1]);
        }
    if (optind < argc)
        return usage_error(program, std::string("unexpected argument '") + argv[optind] + "'");
    if (o.out.empty() + o.construction.empty() + o.deck_plans.empty() != 2)
        return usage_error(program, "give one of --out, --construction or --deck-plans");
    if (!o.out.empty() && !ends_with(o.out, ".png") && vector_format(o.out) < 0)
        return usage_error(program, "--out " + o.out +
                           ": the picture's name must end in .png, .svg, .pdf or .eps");
    if (!o.deck_plans.empty() && !o.keys.empty())
        return usage_error(program, "--deck-plans sets its own view and takes no --keys");
    if (!o.deck_plans.empty() && o.size < deck_plan_least_size)
        return usage_error(program, "--deck-plans needs --size " + std::to_string(deck_plan_least_size) +
                           " or more, not " + std::to_string(o.size));
    return -1;
}

bool find_screen(VirtualDisplay& xvfb, std::string& error)
{
    if (!find_display(xvfb, error))
        return false;
    // The toolkit would end the process on a display it cannot open.
    Display* x = XOpenDisplay(nullptr);
    if (!x) {
        error = std::string("cannot open the X display ") + std::getenv("DISPLAY");
        return false;
    }
    XCloseDisplay(x);
    return true;
}

Picture draw(OffscreenFrame& frame, const Options& o)
{
    Picture picture = frame.draw();
    if (o.transparent)
        make_background_transparent(picture);
    return picture;
}

// The construction set: every step as a PNG, then the animation. On a
// failure the files this run wrote are removed again.
bool write_construction(OffscreenFrame& frame, const Options& o, std::string& error)
{
    if (!make_directory(o.construction, error))
        return false;
    const std::string dir = o.construction + "/";
    std::vector<std::string> written;
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
            written.push_back(dir + name);
        keyboard('j', 0, 0);
    }
    if (*end_of_line == '\r')
        std::fputc('\n', stderr);
    ok = ok && gif.finish(error);
    if (!ok)
        for (const std::string& path : written)
            std::remove(path.c_str());
    return ok;
}

int draw_pictures(char* argv0, const Options& o, const std::vector<ScriptStep>& steps)
{
    // The toolkit reads no options of ours.
    int toolkit_argc = 1;
    char* toolkit_argv[] = {argv0, nullptr};
    open_window(&toolkit_argc, toolkit_argv);
    set_start_up_view();
    run_key_script(steps);

    std::string error;
    OffscreenFrame frame;
    if (!frame.create(o.size, error))
        return failure(program, error);
    bool ok;
    if (!o.deck_plans.empty())
        ok = make_directory(o.deck_plans, error) &&
             write_deck_plans(frame, o.deck_plans, o.transparent, error);
    else if (!o.construction.empty())
        ok = write_construction(frame, o, error);
    else if (vector_format(o.out) >= 0)
        ok = write_vector(frame, o.out, "tev", o.transparent, nullptr, error);
    else
        ok = write_png(o.out, draw(frame, o), o.transparent, error);
    return ok ? 0 : failure(program, error);
}

}  // namespace

int main(int argc, char** argv)
{
    std::setvbuf(stdout, nullptr, _IOLBF, BUFSIZ);
    Options o;
    if (const int status = parse_options(argc, argv, o); status >= 0)
        return status;
    std::vector<ScriptStep> steps;
    std::string error;
    if (!parse_key_script(o.keys, steps, error))
        return usage_error(program, "--keys: " + error);

    VirtualDisplay xvfb;
    if (!find_screen(xvfb, error))
        return failure(program, error);
    const int status = draw_pictures(argv[0], o, steps);
    // The toolkit lets go of the display before the private server ends.
    glutExit();
    return status;
}
