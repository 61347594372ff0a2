// tev-snapshot against the real viewer: the same pixels as tev's window on
// the same X server, and the behaviour of the command itself.
#include <X11/keysym.h>
#include <gif_lib.h>
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "tests/e2e/e2e_fixture.h"
#include "tools/common/picture.h"

namespace {

using e2e::fresh_dir;
using e2e::read_file;

using e2e::EndToEnd;

struct Outcome {
    int status;
    std::string out, err;
};

// Runs tev-snapshot with shell-quoted arguments, on `display` or, if that is
// empty, with DISPLAY unset. `shell_prefix` runs first in the same shell.
Outcome snapshot(const std::string& args, const std::string& display,
             const std::string& shell_prefix = "")
{
    const std::string dir = SCREENSHOT_DIR;
    const std::string env = display.empty() ? "unset DISPLAY; " : "export DISPLAY=" + display + "; ";
    const std::string command = shell_prefix + env + "'" + TEV_SNAPSHOT_BINARY + "' " + args +
                                " >" + dir + "/snapshot.out 2>" + dir + "/snapshot.err";
    const int raw = std::system(("sh -c \"" + command + "\"").c_str());
    return {WIFEXITED(raw) ? WEXITSTATUS(raw) : -1, read_file(dir + "/snapshot.out"),
            read_file(dir + "/snapshot.err")};
}

std::string listing(const std::string& dir)
{
    std::system(("ls -A '" + dir + "' > '" + dir + ".ls'").c_str());
    return read_file(dir + ".ls");
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
    const Outcome run = snapshot("--keys '" + std::string(v.script) + "' --out '" + path + "'",
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
    const Outcome run = snapshot("--keys 'oB' --size 1000 --transparent --out " + dir + "/big.png", "");
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, "\nDon't know what to do with keyboard hit: 'B' (0x42)\n");
    EXPECT_EQ(run.err, "");
    const Picture p = load(dir + "/big.png");
    EXPECT_EQ(p.width, 1000);
    EXPECT_EQ(p.height, 1000);
    // The corner is background, the centre of the overhead view is the ship.
    EXPECT_EQ(p.pixel(999, 999)[3], 0);
    EXPECT_EQ(p.pixel(500, 500)[3], 255);
    EXPECT_EQ(listing(dir), "big.png\n");
}

TEST_F(EndToEnd, SnapshotRefusesBadUsageAndFailsCleanly)
{
    const std::string dir = fresh_dir("snapshot_errors");
    const std::string out = " --out " + dir + "/x.png";
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
         "tev-snapshot: give one of --out, --construction, --turntable or --deck-plans (see "
         "tev-snapshot --help)\n"},
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
        const Outcome run = snapshot(c.args, limited ? display->name() : "", c.prefix);
        EXPECT_EQ(run.status, c.status) << c.args;
        EXPECT_EQ(run.err, c.err) << c.args;
        EXPECT_EQ(run.out, "") << c.args;
    }
    EXPECT_EQ(listing(dir), "");
}

// The animation's frames, laid over each other as a viewer shows them.
std::vector<Picture> gif_frames(const std::string& path)
{
    int code = 0;
    GifFileType* gif = DGifOpenFileName(path.c_str(), &code);
    std::vector<Picture> frames;
    if (!gif || DGifSlurp(gif) != GIF_OK)
        return frames;
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
        frames.push_back(canvas);
    }
    DGifCloseFile(gif, &code);
    return frames;
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
    const Outcome run = snapshot("--keys 'o' --size 200 --construction " + dir + "/set", "");
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_NE(run.err.find("step 57 of 140\n"), std::string::npos);

    const std::vector<Picture> frames = gif_frames(dir + "/set/construction.gif");
    ASSERT_EQ(frames.size(), 141u);
    for (int step : {0, 1, 16, 17, 70, 139, 140}) {
        char name[32];
        std::snprintf(name, sizeof name, "/set/step-%03d.png", step);
        EXPECT_TRUE(same_colours(load(dir + name), frames[size_t(step)])) << "step " << step;
    }
    EXPECT_FALSE(same_colours(frames[0], frames[140]));
}

}  // namespace
