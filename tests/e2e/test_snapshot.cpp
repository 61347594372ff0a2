// tev-snapshot against the real viewer: the same pixels as tev's window on
// the same X server, and the behaviour of the command itself.
#include <X11/keysym.h>
#include <gif_lib.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>

#include <cstdlib>
#include <fstream>
#include <functional>
#include <sstream>
#include <string>
#include <vector>

#include "ship/ship.h"
#include "tests/e2e/e2e_fixture.h"
#include "tools/common/large_pages.h"
#include "tools/common/picture.h"
#include "view/view_state.h"

namespace {

using e2e::fresh_dir;
using e2e::read_file;

using e2e::EndToEnd;

// Runs tev-snapshot with shell-quoted arguments, on `display` or, if that is
// empty, with DISPLAY unset. `shell_prefix` runs first in the same shell.
test_tool::Outcome snapshot(const std::string& args, const std::string& display,
                            const std::string& shell_prefix = "")
{
    const std::string env = display.empty() ? "unset DISPLAY; " : "export DISPLAY=" + display + "; ";
    return test_tool::run_tool(shell_prefix + env + "'" + TEV_SNAPSHOT_BINARY + "' " + args);
}

using test_tool::listing;
using Names = std::vector<std::string>;

// The VmFlags lines of the process's heap, from /proc/self/smaps: one a
// mapping, for advice splits the heap into several.
std::string heap_flags()
{
    std::ifstream smaps("/proc/self/smaps");
    std::string flags;
    bool in_heap = false;
    for (std::string line; std::getline(smaps, line);) {
        if (line.find('-') < line.find(' '))  // a mapping's first line
            in_heap = line.size() >= 6 && line.compare(line.size() - 6, 6, "[heap]") == 0;
        else if (in_heap && line.rfind("VmFlags:", 0) == 0)
            flags += line + "\n";
    }
    return flags;
}

// A compiler that drops the unused block that grows the heap, or a limit
// glibc refuses, loses the large pages without a sound; the kernel marks an
// area advised to use them "hg", whether or not it has them to give.
TEST(LargePages, AdviseTheHeapToUseThem)
{
    back_heap_with_large_pages();
    const std::string flags = heap_flags();
    EXPECT_NE(flags.find(" hg"), std::string::npos) << flags;
}

Picture load(const std::string& path)
{
    Picture p;
    std::string error;
    EXPECT_TRUE(read_png(path, p, error)) << error;
    return p;
}

int differing_pixels(const Picture& snap, const e2e::Image& window)
{
    int n = 0;
    for (int y = 0; y < window.height; ++y)
        for (int x = 0; x < window.width; ++x) {
            const uint8_t* s = snap.pixel(x, y);
            const e2e::Pixel& w = window.at(x, y);
            n += s[0] != w.r || s[1] != w.g || s[2] != w.b;
        }
    return n;
}

struct View {
    const char* name;
    const char* script;
    std::vector<std::pair<unsigned long, bool>> keys;  // the same, typed into tev
};

void PrintTo(const View& v, std::ostream* os) { *os << v.name; }

class SnapshotMatchesWindow : public EndToEnd, public testing::WithParamInterface<View> {};

TEST_P(SnapshotMatchesWindow, PixelForPixel)
{
    const View& v = GetParam();
    auto tev = start();
    ASSERT_TRUE(tev->has_window());
    for (auto [keysym, shift] : v.keys)
        tev->press(keysym, shift);
    const e2e::Image window = tev->screenshot();

    const std::string path = std::string(SCREENSHOT_DIR) + "/snapshot_" + v.name + ".png";
    const test_tool::Outcome run = snapshot("--keys '" + std::string(v.script) + "' --out '" + path + "'",
                             display->name());
    ASSERT_EQ(run.status, 0) << run.err;
    const Picture snap = load(path);
    ASSERT_EQ(snap.width, window.width);
    ASSERT_EQ(snap.height, window.height);
    EXPECT_EQ(differing_pixels(snap, window), 0) << "window: " << SCREENSHOT_DIR << "/window_"
                                                 << v.name << ".png";
    save(window, std::string("window_") + v.name);
}

const View views[] = {
    {"start_up", "", {}},
    {"overhead_hull_target", "okx", {{XK_o, false}, {XK_k, false}, {XK_x, false}}},
    {"shifted_keys", "o<S-PageDown><Left><S-Up>t",
     {{XK_o, false}, {XK_Page_Down, true}, {XK_Left, false}, {XK_Up, true}, {XK_t, false}}},
};
INSTANTIATE_TEST_SUITE_P(Views, SnapshotMatchesWindow, testing::ValuesIn(views),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(Snapshot, PrintsOnlyWhatTheKeysPrintAndDrawsAnySizeWithoutADisplay)
{
    const std::string dir = fresh_dir("snapshot_own_server");
    const test_tool::Outcome run = snapshot("--keys 'oB' --size 1000 --transparent --out " + dir + "/big.png", "");
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, "\nDon't know what to do with keyboard hit: 'B' (0x42)\n");
    EXPECT_EQ(run.err, "");
    const Picture p = load(dir + "/big.png");
    EXPECT_EQ(p.width, 1000);
    EXPECT_EQ(p.height, 1000);
    // The corner is background, the centre of the overhead view is the ship.
    EXPECT_EQ(p.pixel(999, 999)[3], 0);
    EXPECT_EQ(p.pixel(500, 500)[3], 255);
    EXPECT_EQ(listing(dir), Names{"big.png"});
}

TEST_F(EndToEnd, SnapshotRefusesBadUsageAndFailsCleanly)
{
    const std::string dir = fresh_dir("snapshot_errors");
    const std::string out = " --out " + dir + "/x.png";
    mkdir((dir + "/taken.png").c_str(), 0755);
    const struct {
        std::string args, prefix;
        int status;
        std::string err;
    } cases[] = {
        {"--keys 'jjq'" + out, "", 2,
         "tev-snapshot: --keys: the script would quit the viewer: 'q' at character 3 (see "
         "tev-snapshot --help)\n"},
        {"--keys '<Pgup>'" + out, "", 2,
         "tev-snapshot: --keys: unknown key name <Pgup> at character 1 (see tev-snapshot --help)\n"},
        {"--frobnicate" + out, "", 2, "tev-snapshot: unknown option --frobnicate (see tev-snapshot --help)\n"},
        {"--size 0" + out, "", 2,
         "tev-snapshot: --size wants a whole number from 1 to 16384, not '0' (see tev-snapshot "
         "--help)\n"},
        {"--out " + dir + "/x.jpg", "", 2,
         "tev-snapshot: --out " + dir + "/x.jpg: the picture's name must end in .png, .svg, "
         ".pdf or .eps (see tev-snapshot --help)\n"},
        {"", "", 2,
         "tev-snapshot: give one of --out, --construction, --turntable, --deck-plans, --booklet or "
         "--cutaway (see tev-snapshot --help)\n"},
        {"--keys o --deck-plans " + dir, "", 2,
         "tev-snapshot: --deck-plans sets its own view and takes no --keys (see tev-snapshot "
         "--help)\n"},
        {"--size 319 --deck-plans " + dir, "", 2,
         "tev-snapshot: --deck-plans needs --size 320 or more, not 319 (see tev-snapshot "
         "--help)\n"},
        {"--out /etc/passwd/x.svg", "", 1, "tev-snapshot: cannot write /etc/passwd/x.svg: Not a directory\n"},
        {"--deck-plans /etc/passwd/plans", "", 1,
         "tev-snapshot: cannot make the directory /etc/passwd/plans: Not a directory\n"},
        {"--out /etc/passwd/x.png", "", 1, "tev-snapshot: cannot write /etc/passwd/x.png: Not a directory\n"},
        // The file is written beside its name and renamed onto it, which a directory refuses.
        {"--out " + dir + "/taken.png", "", 1, "tev-snapshot: cannot write " + dir + "/taken.png: Is a directory\n"},
        {out, "PATH=/nonexistent; ", 1,
         "tev-snapshot: Xvfb is not installed (Debian package xvfb); it draws the pictures when "
         "there is no display\n"},
        // A write that fails half way (the file-size limit) leaves nothing;
        // the limit would stop a private X server too, so this case uses ours.
        {out, "trap '' XFSZ; ulimit -f 4; ", 1, "tev-snapshot: cannot write " + dir + "/x.png: File too large\n"},
        {"--deck-plans " + dir, "trap '' XFSZ; ulimit -f 4; ", 1,
         "tev-snapshot: cannot write " + dir + "/deck-00.svg: File too large\n"},
    };
    for (const auto& c : cases) {
        const bool limited = c.prefix.find("ulimit") != std::string::npos;
        const test_tool::Outcome run = snapshot(c.args, limited ? display->name() : "", c.prefix);
        EXPECT_EQ(run.status, c.status) << c.args;
        // A run stopped part of the way has reported its progress before.
        EXPECT_EQ(run.err.substr(run.err.rfind('\n', run.err.size() - 2) + 1), c.err) << c.args;
        EXPECT_EQ(run.out, "") << c.args;
    }
    EXPECT_EQ(listing(dir), Names{"taken.png"});
}

// An animation as a viewer plays it: each frame laid over the ones before,
// how long it stays, and how often the whole plays (0: forever).
struct Animation {
    std::vector<Picture> frames;
    std::vector<int> delays;  // hundredths of a second
    int loops = -1;           // -1: no NETSCAPE2.0 loop block
};

int loop_count(const SavedImage& first)
{
    const ExtensionBlock* blocks = first.ExtensionBlocks;
    for (int i = 0; i + 1 < first.ExtensionBlockCount; ++i)
        if (blocks[i].Function == APPLICATION_EXT_FUNC_CODE && blocks[i].ByteCount == 11 &&
            std::equal(blocks[i].Bytes, blocks[i].Bytes + 11, "NETSCAPE2.0") &&
            blocks[i + 1].ByteCount == 3 && blocks[i + 1].Bytes[0] == 1)
            return blocks[i + 1].Bytes[1] | blocks[i + 1].Bytes[2] << 8;
    return -1;
}

Animation read_gif(const std::string& path)
{
    int code = 0;
    GifFileType* gif = DGifOpenFileName(path.c_str(), &code);
    Animation a;
    if (!gif || DGifSlurp(gif) != GIF_OK)
        return a;
    Picture canvas;
    canvas.width = gif->SWidth;
    canvas.height = gif->SHeight;
    canvas.rgba.assign(size_t(canvas.width) * canvas.height * 4, 0);
    for (int i = 0; i < gif->ImageCount; ++i) {
        const SavedImage& image = gif->SavedImages[i];
        const GifImageDesc& d = image.ImageDesc;
        const ColorMapObject* map = d.ColorMap ? d.ColorMap : gif->SColorMap;
        for (int y = 0; y < d.Height; ++y)
            for (int x = 0; x < d.Width; ++x) {
                const GifColorType c = map->Colors[image.RasterBits[size_t(y) * d.Width + x]];
                uint8_t* p = &canvas.rgba[(size_t(d.Top + y) * canvas.width + d.Left + x) * 4];
                p[0] = c.Red, p[1] = c.Green, p[2] = c.Blue, p[3] = 255;
            }
        a.frames.push_back(canvas);
        GraphicsControlBlock control{};
        a.delays.push_back(DGifSavedExtensionToGCB(gif, i, &control) == GIF_OK ? control.DelayTime : -1);
    }
    if (gif->ImageCount > 0)
        a.loops = loop_count(gif->SavedImages[0]);
    DGifCloseFile(gif, &code);
    return a;
}

bool same_colours(const Picture& a, const Picture& b)
{
    if (a.width != b.width || a.height != b.height)
        return false;
    for (size_t i = 0; i < a.rgba.size(); i += 4)
        if (!std::equal(&a.rgba[i], &a.rgba[i] + 3, &b.rgba[i]))
            return false;
    return true;
}

TEST(Snapshot, ConstructionWritesEveryStepAndAnAnimationOfThem)
{
    const std::string dir = fresh_dir("snapshot_construction");
    const test_tool::Outcome run = snapshot("--keys 'o' --size 200 --construction " + dir + "/set", "");
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_NE(run.err.find("step 57 of 140\n"), std::string::npos);

    const Animation gif = read_gif(dir + "/set/construction.gif");
    ASSERT_EQ(gif.frames.size(), 141u);
    for (int step : {0, 1, 16, 17, 70, 139, 140}) {
        char name[32];
        std::snprintf(name, sizeof name, "/set/step-%03d.png", step);
        EXPECT_TRUE(same_colours(load(dir + name), gif.frames[size_t(step)])) << "step " << step;
    }
    EXPECT_FALSE(same_colours(gif.frames[0], gif.frames[140]));
    // It plays forever, a quarter of a second a step, and holds the whole ship 3 s.
    EXPECT_EQ(gif.loops, 0);
    EXPECT_EQ(std::vector<int>(gif.delays.begin(), gif.delays.end() - 1), std::vector<int>(140, 25));
    EXPECT_EQ(gif.delays.back(), 300);

    // The first and last steps are what the keys Z and A show after the same script.
    for (const auto& [key, step] : {std::pair{"z", "000"}, std::pair{"a", "140"}}) {
        const std::string single = dir + "/" + key + ".png";
        ASSERT_EQ(snapshot("--keys 'o" + std::string(key) + "' --size 200 --out " + single, "").status, 0);
        EXPECT_TRUE(same_colours(load(single), load(dir + "/set/step-" + step + ".png"))) << key;
    }
}

// What a shell command prints, its last line end removed.
// What a command prints, without its last line's end.
std::string output_of(const std::string& command)
{
    std::string text = test_tool::run_tool(command).out;
    if (!text.empty() && text.back() == '\n')
        text.pop_back();
    return text;
}

std::string step_name(int step)
{
    char name[32];
    std::snprintf(name, sizeof name, "/step-%03d.png", step);
    return name;
}

// The overhead construction set at 200 x 200, plain in DIR/plain and with
// the newest block marked, and as a video, in DIR/marked; made once.
const std::string& overhead_sets()
{
    static const std::string dir = [] {
        const std::string d = fresh_dir("snapshot_marked");
        const test_tool::Outcome plain = snapshot("--keys o --size 200 --construction " + d + "/plain", "");
        const test_tool::Outcome marked = snapshot("--keys o --size 200 --highlight --video " + d +
                                        "/marked.mp4 --construction " + d + "/marked", "");
        EXPECT_EQ(plain.status + marked.status, 0) << plain.err << marked.err;
        return d;
    }();
    return dir;
}

// The smallest rectangle, ends included, holding every pixel that `keep`
// keeps; empty if x1 < x0.
struct Box {
    double x0, y0, x1, y1;
    bool holds(int x, int y) const { return x >= x0 && x <= x1 && y >= y0 && y <= y1; }
};
Box box_of(const Picture& p, const std::function<bool(int, int)>& keep)
{
    Box b{double(p.width), double(p.height), -1, -1};
    for (int y = 0; y < p.height; ++y)
        for (int x = 0; x < p.width; ++x)
            if (keep(x, y))
                b = {std::min(b.x0, double(x)), std::min(b.y0, double(y)), std::max(b.x1, double(x)),
                     std::max(b.y1, double(y))};
    return b;
}

TEST(Snapshot, HighlightChangesEachStepOnlyAroundTheBlockItAdds)
{
    const std::string& dir = overhead_sets();
    EXPECT_EQ(read_file(dir + "/marked" + step_name(0)), read_file(dir + "/plain" + step_name(0)));
    view_state.perspective_mode = 0;
    reset_view();
    // Beyond its box a block draws at most a lift's spur, 17 long.
    const double pixels_per_unit = 200 / (2 * view_state.zoom), margin = 20 * pixels_per_unit + 2;
    Picture before = load(dir + "/plain" + step_name(0));
    for (int step = 1; step < block_total(); ++step) {
        const Picture plain = load(dir + "/plain" + step_name(step));
        const Picture marked = load(dir + "/marked" + step_name(step));
        // Around the block: its box from above, in pixels from the top left,
        // and what the step changed. A block hidden under the ceilings of
        // others is marked all the same.
        const Block& b = *block_sequence[step - 1];
        const Box changed = box_of(plain, [&](int x, int y) {
            return !std::equal(plain.pixel(x, y), plain.pixel(x, y) + 4, before.pixel(x, y));
        });
        const double left = std::min((b.x0 - view_state.cam_x + view_state.zoom) * pixels_per_unit, changed.x0);
        const double right = std::max((b.x1 - view_state.cam_x + view_state.zoom) * pixels_per_unit, changed.x1);
        const double top = std::min((view_state.zoom - b.y1 + view_state.cam_y) * pixels_per_unit, changed.y0);
        const double bottom = std::max((view_state.zoom - b.y0 + view_state.cam_y) * pixels_per_unit, changed.y1);
        const Box around{left - margin, top - margin, right + margin, bottom + margin};
        before = plain;
        int marks = 0, strays = 0;
        for (int y = 0; y < 200; ++y)
            for (int x = 0; x < 200; ++x) {
                const uint8_t* m = marked.pixel(x, y);
                if (std::equal(m, m + 4, plain.pixel(x, y)))
                    continue;
                const bool purple = m[0] == 153 && m[1] == 0 && m[2] == 153;
                (around.holds(x, y) && purple ? marks : strays)++;
            }
        EXPECT_GT(marks, 0) << "step " << step;
        EXPECT_EQ(strays, 0) << "step " << step;
    }
}

double mean_difference(const Picture& a, const Picture& b)
{
    double sum = 0;
    for (size_t i = 0; i < a.rgba.size(); i += 4)
        for (int c = 0; c < 3; ++c)
            sum += std::abs(a.rgba[i + c] - b.rgba[i + c]);
    return sum / double(a.rgba.size() / 4 * 3);
}

TEST(Snapshot, ConstructionVideoShowsEachStepForItsTime)
{
    const std::string video = overhead_sets() + "/marked.mp4";
    EXPECT_EQ(output_of("ffprobe -v error -show_entries stream=codec_name,pix_fmt:format=duration -of "
                        "csv=p=0 " + video),
              "h264,yuv420p\n38.000000");
    const std::string frames = fresh_dir("snapshot_video_frames");
    ASSERT_EQ(test_tool::run_tool("ffmpeg -v error -i " + video + " " + frames + "/%03d.png").status, 0);
    // Frames are numbered from 1; steps 0 ... 139 take one each, step 140 twelve.
    for (auto [frame, step] : {std::pair{1, 0}, {71, 70}, {140, 139}, {152, 140}}) {
        char name[32];
        std::snprintf(name, sizeof name, "/%03d.png", frame);
        const Picture decoded = load(frames + name);
        const Picture own = load(overhead_sets() + "/marked" + step_name(step));
        const Picture other = load(overhead_sets() + "/marked" + step_name(step == 0 ? 140 : 0));
        EXPECT_LT(mean_difference(decoded, own), 4) << "step " << step;
        EXPECT_GT(mean_difference(decoded, other), 4 * mean_difference(decoded, own)) << "step " << step;
    }
}

int count_colour(const Picture& p, uint8_t r, uint8_t g, uint8_t b)
{
    int n = 0;
    for (size_t i = 0; i < p.rgba.size(); i += 4)
        n += p.rgba[i] == r && p.rgba[i + 1] == g && p.rgba[i + 2] == b;
    return n;
}

int differing(const Picture& a, const Picture& b)
{
    int n = 0;
    for (size_t i = 0; i < a.rgba.size(); i += 4)
        n += !std::equal(&a.rgba[i], &a.rgba[i] + 3, &b.rgba[i]);
    return n;
}

TEST(Snapshot, TurntableCirclesTheShipKeepingItWholeCentredAndMarked)
{
    const std::string dir = fresh_dir("snapshot_turntable");
    const test_tool::Outcome run = snapshot("--keys 'wfh' --highlight --size 160 --turntable " + dir + "/turn --video " + dir +
                                 "/turn.webm", "");
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_NE(run.err.find("turn 359 of 359\n"), std::string::npos);
    EXPECT_EQ(output_of("ls " + dir + "/turn | sed -n '1p;360,$p'"), "turn-000.png\nturn-359.png\nturntable.gif");
    EXPECT_EQ(read_gif(dir + "/turn/turntable.gif").frames.size(), 360u);
    EXPECT_EQ(output_of("ffprobe -v error -count_frames -show_entries stream=codec_name,nb_read_frames -of "
                        "csv=p=0 " + dir + "/turn.webm"),
              "vp9,360");
    std::vector<Picture> turns;
    for (int degrees : {0, 90, 180, 270, 359}) {
        char name[32];
        std::snprintf(name, sizeof name, "/turn/turn-%03d.png", degrees);
        turns.push_back(load(dir + name));
        const Picture& t = turns.back();
        // The ship, not the mark, which boxes the disc deck's corners too.
        const Box b = box_of(t, [&t](int x, int y) {
            const uint8_t* c = t.pixel(x, y);
            return (c[0] || c[1] || c[2]) && !(c[0] == 153 && c[1] == 0 && c[2] == 153);
        });
        EXPECT_GT(count_colour(turns.back(), 153, 0, 153), 0) << degrees << " degrees";
        EXPECT_GT(std::min(b.x0, b.y0), 0) << degrees << " degrees";
        EXPECT_LT(std::max(b.x1, b.y1), 159) << degrees << " degrees";
        EXPECT_NEAR((b.x0 + b.x1) / 2, 80, 20) << degrees << " degrees";
        EXPECT_NEAR((b.y0 + b.y1) / 2, 80, 20) << degrees << " degrees";
    }
    // The last picture is one degree short of the first, not the same.
    EXPECT_GT(differing(turns[0], turns[4]), 0);
    EXPECT_LT(differing(turns[0], turns[4]) * 4, differing(turns[0], turns[2]));
}

TEST_F(EndToEnd, VideoRefusesOtherNamesAndLeavesNoFileItCannotFinish)
{
    const std::string dir = fresh_dir("snapshot_video_errors");
    test_tool::Outcome run = snapshot("--video " + dir + "/v.avi --construction " + dir + "/set", "");
    EXPECT_EQ(run.status, 2);
    EXPECT_EQ(run.err, "tev-snapshot: --video " + dir +
                           "/v.avi: the video's name must end in .mp4 or .webm (see tev-snapshot --help)\n");
    run = snapshot("--video /etc/passwd/v.mp4 --construction " + dir + "/set", "");
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.err, "tev-snapshot: cannot write /etc/passwd/v.mp4: Not a directory\n");
    // Stopped by the file-size limit part of the way through the turn.
    run = snapshot("--size 64 --video " + dir + "/v.webm --turntable " + dir + "/set", display->name(),
                   "trap '' XFSZ; ulimit -f 64; ");
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.err.find("\ntev-snapshot: cannot write " + dir + "/"), std::string::npos) << run.err;
    EXPECT_EQ(listing(dir), Names{"set"});
    EXPECT_EQ(listing(dir + "/set"), Names{});
}

// A copy of the program without the modules beside it: what needs one says
// which, and leaves nothing behind.
TEST_F(EndToEnd, SnapshotWithoutItsModulesNamesTheMissingOne)
{
    const std::string alone = fresh_dir("snapshot_without_modules");
    const std::string copy = "cp '" + std::string(TEV_SNAPSHOT_BINARY) + "' " + alone + " && export DISPLAY=" +
                             display->name() + " && " + alone + "/tev-snapshot --size 640 ";
    const struct {
        std::string args, err;
    } cases[] = {
        {"--video " + alone + "/v.mp4 --construction " + alone + "/set",
         "cannot write a video: the video module tev-video.so"},
        {"--booklet " + alone + "/b.pdf", "cannot write a booklet: the documents module tev-documents.so"},
        {"--cutaway " + alone + "/c.svg", "cannot write a cutaway: the documents module tev-documents.so"},
    };
    for (const auto& c : cases) {
        const test_tool::Outcome run = test_tool::run_tool(copy + c.args);
        EXPECT_EQ(run.status, 1) << c.args;
        EXPECT_EQ(run.err, "tev-snapshot: " + c.err + " is not installed beside " + alone + "/tev-snapshot\n");
    }
    EXPECT_EQ(listing(alone), (Names{"set", "tev-snapshot"}));
}

}  // namespace
