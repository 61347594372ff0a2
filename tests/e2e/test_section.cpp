// Section planes and the cutaway drawing from tev-snapshot: where a plane
// cuts the picture, what the cutaway names, and what a reader's PDF tools
// and librsvg make of it.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/e2e/e2e_fixture.h"
#include "tools/common/picture.h"

namespace {

using e2e::fresh_dir;
using test_tool::listing;

test_tool::Outcome snapshot(const std::string& args)
{
    return test_tool::run_tool(std::string("unset DISPLAY; '") + TEV_SNAPSHOT_BINARY + "' " + args);
}

Picture load(const std::string& path)
{
    Picture p;
    std::string error;
    EXPECT_TRUE(read_png(path, p, error)) << error;
    return p;
}

bool same(const uint8_t* a, const uint8_t* b) { return std::equal(a, a + 3, b); }
bool black(const uint8_t* p) { return !p[0] && !p[1] && !p[2]; }

// Overhead from the default camera (x -68 .. 188 across 640 pixels), without
// the Earth and the station, whole and cut at x = 50, which falls on the edge
// between columns 294 and 295.
TEST(Section, PlaneAcrossXSplitsTheOverheadPictureAtItsColumn)
{
    const std::string dir = fresh_dir("section_split");
    const char* names[] = {"whole", "below", "above"};
    const char* planes[] = {"", " --section 'x<50'", " --section x\\>50"};
    for (int i = 0; i < 3; ++i) {
        const auto run = snapshot(std::string("--keys owf") + planes[i] + " --out " + dir + "/" + names[i] + ".png");
        ASSERT_EQ(run.status, 0) << run.err;
    }
    const Picture whole = load(dir + "/whole.png"), below = load(dir + "/below.png"),
                  above = load(dir + "/above.png");
    constexpr int column = 295;
    int mismatched = 0, stray = 0, below_edge = 0, above_edge = 0;
    for (int y = 0; y < whole.height; ++y)
        for (int x = 0; x < whole.width; ++x) {
            const uint8_t* w = whole.pixel(x, y);
            const uint8_t *kept = x < column ? below.pixel(x, y) : above.pixel(x, y),
                          *other = x < column ? above.pixel(x, y) : below.pixel(x, y);
            // Together the two halves make the whole; each draws only what
            // the whole draws, and on the other side only the heads-up text.
            mismatched += !same(kept, w);
            stray += !black(other) && (x >= column || !same(other, w));
            below_edge += x == column - 1 && !black(kept);
            above_edge += x == column && !black(kept);
        }
    EXPECT_EQ(mismatched, 0);
    EXPECT_EQ(stray, 0);
    EXPECT_GT(below_edge, 20);
    EXPECT_GT(above_edge, 20);
    for (int x = column; x < below.width; ++x)
        for (int y = 0; y < below.height; ++y)
            ASSERT_TRUE(black(below.pixel(x, y))) << x << "," << y;
}

TEST(Section, RefusesAPlaneThatDoesNotReadAndWritesNothing)
{
    const std::string dir = fresh_dir("section_refusals");
    const char* const planes[] = {"w<0", "x<", "x<abc", "x=5", "x<nan", "x<1e999", "", "x<inf", "X<1", "x< 1",
                                  "y>0x10", "z<1.5.2"};
    for (const char* plane : planes) {
        const auto run = snapshot(std::string("--section '") + plane + "' --out " + dir + "/x.png");
        EXPECT_EQ(run.status, 2) << plane;
        EXPECT_EQ(run.err, std::string("tev-snapshot: --section wants AXIS<V or AXIS>V, AXIS x, y or z and V a "
                                       "number of ship units, not '") + plane + "' (see tev-snapshot --help)\n");
    }
    const auto plans = snapshot("--section 'x<1' --deck-plans " + dir);
    EXPECT_EQ(plans.status, 2);
    EXPECT_EQ(plans.err, "tev-snapshot: --deck-plans draws whole decks and takes no --section (see "
                         "tev-snapshot --help)\n");
    EXPECT_EQ(listing(dir), std::vector<std::string>{});
}

}  // namespace
