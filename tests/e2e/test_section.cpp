// Section planes and the cutaway drawing from tev-snapshot: where a plane
// cuts the picture, what the cutaway names, and what a reader's PDF tools
// and librsvg make of it.
#include <gtest/gtest.h>

#include <regex>
#include <string>
#include <vector>

#include "ship/ship.h"

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

// The construction set is cut as the single picture is: its last step is
// the cut picture of the same keys.
TEST(Section, CutsEveryStepOfAConstructionSet)
{
    const std::string dir = fresh_dir("section_construction");
    const std::string keys = "--keys owf --size 120 --section 'x<50' ";
    ASSERT_EQ(snapshot(keys + "--construction " + dir + "/set").status, 0);
    ASSERT_EQ(snapshot(keys + "--out " + dir + "/cut.png").status, 0);
    ASSERT_EQ(snapshot("--keys owf --size 120 --out " + dir + "/whole.png").status, 0);
    EXPECT_EQ(e2e::read_file(dir + "/set/step-140.png"), e2e::read_file(dir + "/cut.png"));
    EXPECT_NE(e2e::read_file(dir + "/whole.png"), e2e::read_file(dir + "/cut.png"));
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
    const struct {
        std::string args, err;
    } cases[] = {
        {"--section 'x<1' --deck-plans " + dir, "--deck-plans draws whole decks and takes no --section"},
        {"--section 'z<5' --cutaway " + dir + "/c.svg",
         "--cutaway looks at the ship from the side and cuts across x or y, not z"},
        {"--cutaway " + dir + "/c.jpg",
         "--cutaway " + dir + "/c.jpg: the cutaway's name must end in .svg, .pdf, .eps or .png"},
        {"--keys o --cutaway " + dir + "/c.pdf",
         "--cutaway draws the whole ship on white paper and takes no --keys, --highlight or --transparent"},
    };
    for (const auto& c : cases) {
        const auto run = snapshot(c.args);
        EXPECT_EQ(run.status, 2) << c.args;
        EXPECT_EQ(run.err, "tev-snapshot: " + c.err + " (see tev-snapshot --help)\n");
    }
    EXPECT_EQ(listing(dir), std::vector<std::string>{});
}

// The cutaway at the centre line, as SVG and PDF; made once.
class Cutaway : public testing::Test {
protected:
    static void SetUpTestSuite()
    {
        dir = fresh_dir("cutaway");
        for (const char* name : {"/c.svg", "/c.pdf"}) {
            const auto run = snapshot(std::string("--cutaway ") + dir + name);
            EXPECT_EQ(run.status, 0) << run.err;
        }
    }
    static inline std::string dir;
};

TEST_F(Cutaway, SvgNamesEveryDeckAndRendersWithLibrsvg)
{
    // A plane beyond the ship keeps nothing of it: the decks are named all
    // the same, over the whole ship's frame.
    ASSERT_EQ(snapshot("--section 'x>1000' --cutaway " + dir + "/beyond.svg").status, 0);
    for (const char* name : {"/c.svg", "/beyond.svg"}) {
        const std::string svg = e2e::read_file(dir + name);
        for (int deck = 0; deck < deck_count; ++deck)
            EXPECT_NE(svg.find(">Deck " + std::to_string(deck_number(deck)) + "</text>"), std::string::npos)
                << name << " " << deck;
        EXPECT_EQ(svg.find("font-size=\"0\""), std::string::npos) << name;
    }
    const auto rendered = test_tool::run_tool("rsvg-convert -o " + dir + "/svg.png " + dir + "/c.svg");
    ASSERT_EQ(rendered.status, 0) << rendered.err;
    const Picture p = load(dir + "/svg.png");
    EXPECT_GT(p.width, p.height);  // A4 turned landscape
}

TEST_F(Cutaway, PdfIsValidWithEmbeddedFontsAndNamesEveryBlockInTheCut)
{
    const std::string pdf = dir + "/c.pdf";
    EXPECT_EQ(test_tool::run_tool("qpdf --check " + pdf).status, 0);
    const std::string fonts = test_tool::run_tool("pdffonts " + pdf).out;
    EXPECT_EQ(std::regex_search(fonts, std::regex("\n[^\n]* no +(yes|no) +(yes|no) +\\d+ +\\d+\n")), false)
        << fonts;
    // Each block the centre line passes through, from the side kept, is
    // labelled by name, short name or number, or listed under the drawing.
    const std::string text = test_tool::run_tool("pdftotext " + pdf + " -").out;
    int named = 0;
    for (int p = 0; p < ship_block_count; ++p) {
        const BlockFacts f = block_facts(p);
        if (!(f.bounds[2] < 0 && f.bounds[3] >= 0))
            continue;
        const std::string number = "#" + std::to_string(p);
        const bool found = (f.named && text.find(std::string(f.name).substr(3)) != std::string::npos) ||
                           std::regex_search(text, std::regex(number + "\\b")) ||
                           text.find(f.name) != std::string::npos;
        EXPECT_TRUE(found) << f.name;
        named += f.named && text.find(std::string(f.name) + "\n") != std::string::npos;
    }
    EXPECT_GE(named, 5);  // the big rooms by their whole names: hangar deck, lounges, bridge
}

}  // namespace
