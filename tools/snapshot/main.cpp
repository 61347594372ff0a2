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
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "app/app.h"
#include "ship/ship.h"
#include "tools/common/command_line.h"
#include "tools/common/key_script.h"
#include "tools/common/output_file.h"
#include "tools/common/picture.h"
#include "tools/common/video.h"
#include "tools/common/virtual_display.h"
#include "tools/snapshot/deck_plans.h"
#include "tools/snapshot/highlight.h"
#include "tools/snapshot/offscreen.h"
#include "tools/snapshot/picture_series.h"
#include "tools/snapshot/turntable.h"
#include "tools/snapshot/vector_output.h"
#include "view/input.h"

namespace {

const char program[] = "tev-snapshot";

const char usage[] =
    "usage: tev-snapshot [--keys SCRIPT] [--size N] [--transparent] [--highlight] --out FILE\n"
    "       tev-snapshot [--keys SCRIPT] [--size N] [--transparent] [--highlight]\n"
    "                    [--video FILE] --construction DIR\n"
    "       tev-snapshot [--keys SCRIPT] [--size N] [--transparent] [--highlight]\n"
    "                    [--video FILE] --turntable DIR\n"
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
    "  --turntable DIR      write DIR/turn-000.png ... DIR/turn-359.png, one turn of\n"
    "                       the perspective camera around what is drawn, a degree\n"
    "                       a picture, and DIR/turntable.gif, the same animated\n"
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
    "  --highlight          outline the block that the last construction step added,\n"
    "                       in purple, over everything else\n"
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
    "  tev-snapshot --size 1024 --deck-plans plans/\n";

// Frame times of the animation and the video, in hundredths of a second: a
// quarter of a second a step, as in the model's construction animation, and
// the whole ship held for 3 s; the video's frame rate shows a step in one
// frame.
constexpr int step_delay = 25, last_step_delay = 300, construction_video_rate = 4;

struct Options {
    std::string keys, out, construction, deck_plans, turntable, video;
    int size = 640;
    bool transparent = false, highlight = false;
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

// Returns -1 if the options go together, else the exit status.
int check_options(const Options& o)
{
    if (o.out.empty() + o.construction.empty() + o.deck_plans.empty() + o.turntable.empty() != 3)
        return usage_error(program, "give one of --out, --construction, --turntable or --deck-plans");
    if (!o.video.empty() && o.construction.empty() + o.turntable.empty() != 1)
        return usage_error(program, "--video goes with --construction or --turntable");
    if (!o.video.empty() && !is_video_name(o.video))
        return usage_error(program, "--video " + o.video + ": the video's name must end in .mp4 or .webm");
    if (!o.out.empty() && !ends_with(o.out, ".png") && vector_format(o.out) < 0)
        return usage_error(program, "--out " + o.out +
                           ": the picture's name must end in .png, .svg, .pdf or .eps");
    if (!o.deck_plans.empty() && !o.keys.empty())
        return usage_error(program, "--deck-plans sets its own view and takes no --keys");
    if (!o.deck_plans.empty() && o.highlight)
        return usage_error(program, "--deck-plans marks no block and takes no --highlight");
    if (!o.deck_plans.empty() && o.size < deck_plan_least_size)
        return usage_error(program, "--deck-plans needs --size " + std::to_string(deck_plan_least_size) +
                           " or more, not " + std::to_string(o.size));
    return -1;
}

// Returns -1 to go on, else the exit status.
int parse_options(int argc, char** argv, Options& o)
{
    static const option long_options[] = {
        {"keys", required_argument, nullptr, 'k'},
        {"out", required_argument, nullptr, 'o'},
        {"construction", required_argument, nullptr, 'c'},
        {"deck-plans", required_argument, nullptr, 'd'},
        {"turntable", required_argument, nullptr, 'r'},
        {"video", required_argument, nullptr, 'v'},
        {"highlight", no_argument, nullptr, 'l'},
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
        case 'r': o.turntable = optarg; break;
        case 'v': o.video = optarg; break;
        case 'l': o.highlight = true; break;
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
    return check_options(o);
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

// Draws over the frame, or is empty: the mark of the newest block.
std::function<void()> overlay;

Picture draw(OffscreenFrame& frame, const Options& o)
{
    Picture picture = frame.draw(overlay);
    if (o.transparent)
        make_background_transparent(picture);
    return picture;
}

// The construction set: every step as a PNG, then the animation and the
// video. On a failure the files this run wrote are removed again.
bool write_construction(OffscreenFrame& frame, const Options& o, std::string& error)
{
    const int last = block_total();
    PictureSeries series(o.construction, "step", "construction.gif", o.video, o.transparent);
    if (!series.open(o.size, last + 1, construction_video_rate, error))
        return false;
    keyboard('z', 0, 0);
    for (int step = 0; step <= last; ++step) {
        if (!series.add(draw(frame, o), step == last ? last_step_delay : step_delay, error))
            return false;
        keyboard('j', 0, 0);
    }
    return series.finish(error);
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
    std::optional<NewestBlockMark> mark;
    if (o.highlight) {
        mark.emplace();
        overlay = [&mark] { mark->draw(); };
    }
    bool ok;
    if (!o.deck_plans.empty())
        ok = make_directory(o.deck_plans, error) &&
             write_deck_plans(frame, o.deck_plans, o.transparent, error);
    else if (!o.construction.empty())
        ok = write_construction(frame, o, error);
    else if (!o.turntable.empty())
        ok = write_turntable(frame, [&] { return draw(frame, o); }, o.turntable, o.video, o.transparent, error);
    else if (vector_format(o.out) >= 0)
        ok = write_vector(frame, o.out, "tev", o.transparent, overlay, error);
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
