// Vector pictures and deck plans from tev-snapshot, read back from the SVG
// and PDF files it writes: what lies where, in which colour, with which
// labels, against the ship's own data and the PNG of the same view.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <map>
#include <regex>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "ship/ship.h"
#include "tests/e2e/e2e_fixture.h"
#include "tools/common/picture.h"

namespace {

using e2e::fresh_dir;
using e2e::read_file;

// Runs a command with DISPLAY unset, so that tev-snapshot starts its own X
// server.
test_tool::Outcome run(const std::string& command) { return test_tool::run_tool("unset DISPLAY; " + command); }

// tev-snapshot's exit status.
int snapshot(const std::string& args)
{
    return run(std::string("'") + TEV_SNAPSHOT_BINARY + "' " + args).status;
}

struct Point {
    double x, y;
};

struct Polygon {
    std::string fill;
    std::vector<Point> points;
};

std::vector<Polygon> polygons(const std::string& svg)
{
    std::vector<Polygon> result;
    static const std::regex polygon("<polygon fill=\"#([0-9a-f]{6})\"[^>]* points=\"([^\"]*)\"");
    for (std::sregex_iterator i(svg.begin(), svg.end(), polygon), end; i != end; ++i) {
        Polygon p{(*i)[1], {}};
        std::istringstream in((*i)[2].str());
        Point q;
        char comma;
        while (in >> q.x >> comma >> q.y)
            p.points.push_back(q);
        result.push_back(p);
    }
    return result;
}

bool contains(const Polygon& p, Point q)
{
    bool inside = false;
    for (size_t i = 0, j = p.points.size() - 1; i < p.points.size(); j = i++) {
        const Point& a = p.points[i];
        const Point& b = p.points[j];
        if ((a.y > q.y) != (b.y > q.y) && q.x < (b.x - a.x) * (q.y - a.y) / (b.y - a.y) + a.x)
            inside = !inside;
    }
    return inside;
}

// The colour a viewer paints at q: that of the last polygon over it.
std::string colour_at(const std::vector<Polygon>& drawing, Point q)
{
    for (auto p = drawing.rbegin(); p != drawing.rend(); ++p)
        if (contains(*p, q))
            return p->fill;
    return "none";
}

std::string hex(const uint8_t* rgb)
{
    char s[8];
    std::snprintf(s, sizeof s, "%02x%02x%02x", rgb[0], rgb[1], rgb[2]);
    return s;
}

// A palette colour as 8-bit channels, rounded either way.
bool same_colour(const std::string& fill, const float* rgb)
{
    for (int c = 0; c < 3; ++c) {
        const int channel = std::stoi(fill.substr(size_t(c) * 2, 2), nullptr, 16);
        if (std::abs(channel - 255 * rgb[c]) > 1)
            return false;
    }
    return true;
}

struct View {
    const char* name;
    const char* keys;
};
const View views[] = {
    {"StartUp", ""},
    // Deck 4 from above, where the lounge's floor lies in the plane of the
    // cabins' floors drawn before it: the depth test keeps the cabins.
    {"OverheadDeck4", "oatefluuuuu<S-PageDown><S-PageDown><S-PageDown><S-PageDown>"
                      "<S-PageDown><S-PageDown><S-PageDown><Left><Left><Left><Left><Left>"},
};

void PrintTo(const View& v, std::ostream* os) { *os << v.name; }

class VectorPicture : public testing::TestWithParam<View> {};

TEST_P(VectorPicture, ShowsTheColoursOfThePngOfTheSameView)
{
    const std::string dir = fresh_dir(std::string("vector_") + GetParam().name);
    const std::string keys = std::string("--keys '") + GetParam().keys + "' --out " + dir;
    ASSERT_EQ(snapshot(keys + "/view.png"), 0);
    ASSERT_EQ(snapshot(keys + "/view.svg"), 0);
    Picture png;
    std::string error;
    ASSERT_TRUE(read_png(dir + "/view.png", png, error)) << error;
    const std::string svg = read_file(dir + "/view.svg");
    const std::vector<Polygon> drawing = polygons(svg);
    // The heads-up text is bitmap text, which gl2ps leaves out.
    EXPECT_EQ(svg.find("<text"), std::string::npos);

    int same = 0, samples = 0;
    for (int y = 5; y < png.height; y += 10)
        for (int x = 5; x < png.width; x += 10, ++samples)
            same += colour_at(drawing, {x + 0.5, y + 0.5}) == hex(png.pixel(x, y));
    // Only where edges pass between the sample and the pixel's centre.
    EXPECT_GT(same, samples * 98 / 100) << same << " of " << samples;
}

INSTANTIATE_TEST_SUITE_P(Views, VectorPicture, testing::ValuesIn(views),
                         [](const testing::TestParamInfo<View>& i) { return i.param.name; });

TEST(VectorPicture, PdfAndEpsAreOnePageOfTheViewsSize)
{
    const std::string dir = fresh_dir("vector_formats");
    ASSERT_EQ(snapshot("--keys 'o' --size 500 --out " + dir + "/view.pdf"), 0);
    ASSERT_EQ(snapshot("--keys 'o' --size 500 --out " + dir + "/view.EPS"), 0);
    const test_tool::Outcome pdfinfo = run("pdfinfo '" + dir + "/view.pdf'");
    ASSERT_EQ(pdfinfo.status, 0);
    const std::string& info = pdfinfo.out;
    EXPECT_NE(info.find("Pages:           1\n"), std::string::npos) << info;
    EXPECT_NE(info.find("Page size:       500 x 500 pts"), std::string::npos) << info;
    const std::string eps = read_file(dir + "/view.EPS");
    EXPECT_EQ(eps.rfind("%!PS-Adobe-3.0 EPSF-3.0\n", 0), 0u);
    EXPECT_NE(eps.find("%%BoundingBox: 0 0 500 500"), std::string::npos);
}

// The ship's blocks by deck index, from the ship's own data.
std::vector<int> blocks_on(int deck)
{
    std::vector<int> positions;
    for (int p = 0; p < ship_block_count; ++p)
        if (deck_index(*block_sequence[p]) == deck)
            positions.push_back(p);
    return positions;
}

class DeckPlans : public testing::Test {
protected:
    static void SetUpTestSuite()
    {
        dir = fresh_dir("deck_plans");
        status = snapshot("--deck-plans " + dir + "/plans");
        dir += "/plans/";
    }
    static std::string plan(int deck, const char* suffix)
    {
        char name[32];
        std::snprintf(name, sizeof name, "deck-%02d.%s", deck, suffix);
        return dir + name;
    }
    static inline std::string dir;
    static inline int status = -1;
};

TEST_F(DeckPlans, HangarDeckShowsItsFloorAtItsBoundsInTheColoursOfItsBlocks)
{
    ASSERT_EQ(status, 0);
    const std::string svg = read_file(plan(3, "svg"));
    std::smatch m;
    ASSERT_TRUE(std::regex_search(svg, m, std::regex("page x = ([-0-9.]+) \\+ ([0-9.]+) \\* x, "
                                                     "page y = ([-0-9.]+) - ([0-9.]+) \\* y")));
    const double x0 = std::stod(m[1]), scale = std::stod(m[2]), y0 = std::stod(m[3]);
    const std::vector<Polygon> drawing = polygons(svg);

    const Block* hangar = nullptr;
    for (const int p : blocks_on(3))
        if (std::string(block_names[p]) == "BL_hangardeck19")
            hangar = block_sequence[p];
    ASSERT_NE(hangar, nullptr);
    // Walls standing on the floor cut its polygon, but pieces of it reach
    // every corner of the block.
    for (const float x : {hangar->x0, hangar->x1})
        for (const float y : {hangar->y0, hangar->y1}) {
            const Point corner{x0 + scale * x, y0 - scale * y};
            bool found = false;
            for (const Polygon& p : drawing)
                for (const Point& q : p.points)
                    found |= same_colour(p.fill, hangar->colour) &&
                             std::hypot(q.x - corner.x, q.y - corner.y) < 0.05 * scale;
            EXPECT_TRUE(found) << "no floor corner at " << x << ", " << y;
        }
    for (const int p : blocks_on(3)) {
        bool found = false;
        for (const Polygon& polygon : drawing)
            found |= same_colour(polygon.fill, block_sequence[p]->colour);
        EXPECT_TRUE(found) << block_names[p] << " in " << colour_name(block_sequence[p]->colour);
    }
}

struct Box {
    double x0, x1, y0, y1;
};

TEST_F(DeckPlans, LabelEveryBlockOnceWithoutOverlapUnlessTheIndexSaysItIsLeftOut)
{
    ASSERT_EQ(status, 0);
    const std::string index = read_file(dir + "index.html");
    static const std::regex figure("<figure>[\\s\\S]*?</figure>");
    std::vector<std::string> figures;
    for (std::sregex_iterator i(index.begin(), index.end(), figure), end; i != end; ++i)
        figures.push_back(i->str());
    ASSERT_EQ(figures.size(), size_t(deck_count));

    static const std::regex text(
        "<text fill=\"#[0-9a-f]{6}\" x=\"([-0-9.]+)\" y=\"([-0-9.]+)\" font-size=\"(\\d+)\""
        "( transform=\"rotate\\(-90[^\"]*\")? text-anchor=\"middle\" dy=\"([-0-9.]+)\"[^>]*>"
        "([^<]*)</text>");
    static const std::regex left_out("<span class=\"left-out\">([^<]*)</span>");
    for (int deck = 0; deck < deck_count; ++deck) {
        SCOPED_TRACE("deck index " + std::to_string(deck));
        const std::string title =
            "Deck index " + std::to_string(deck) + ", deck number " + std::to_string(deck_number(deck));
        const std::string svg = read_file(plan(deck, "svg"));
        EXPECT_NE(svg.find(">" + title + "</text>"), std::string::npos);
        EXPECT_NE(figures[size_t(deck)].find("<img src=\"" + plan(deck, "svg").substr(dir.size()) +
                                             "\" alt=\"" + title + "\">"),
                  std::string::npos);

        std::map<std::string, int> block_of;  // every label a block may have
        for (const int p : blocks_on(deck)) {
            const std::string name = block_names[p];
            block_of["#" + std::to_string(p)] = p;
            if (name.rfind("block_", 0) != 0)
                block_of[name] = block_of[name.substr(name.rfind("BL_", 0) == 0 ? 3 : 0)] = p;
        }
        std::set<int> labelled, missing;
        std::vector<Box> boxes;
        for (std::sregex_iterator i(svg.begin(), svg.end(), text), end; i != end; ++i) {
            const std::string label = (*i)[6];
            ASSERT_EQ(block_of.count(label), 1u) << label;
            EXPECT_TRUE(labelled.insert(block_of[label]).second) << label << " twice";
            // The glyphs' box at the least width these fonts give them.
            const double x = std::stod((*i)[1]), y = std::stod((*i)[2]);
            const double size = std::stod((*i)[3]), dy = std::stod((*i)[5]);
            const double half = 0.25 * size * double(label.size());
            const double top = dy - 0.7 * size, bottom = dy + 0.2 * size;
            boxes.push_back((*i)[4].matched ? Box{x + top, x + bottom, y - half, y + half}
                                            : Box{x - half, x + half, y + top, y + bottom});
        }
        const std::string& caption = figures[size_t(deck)];
        for (std::sregex_iterator i(caption.begin(), caption.end(), left_out), end; i != end; ++i)
            for (const int p : blocks_on(deck))
                if ((*i)[1] == block_names[p])
                    missing.insert(p);
        for (const int p : missing)
            EXPECT_EQ(labelled.count(p), 0u) << block_names[p] << " labelled and left out";
        EXPECT_EQ(labelled.size() + missing.size(), blocks_on(deck).size());
        for (size_t a = 0; a < boxes.size(); ++a)
            for (size_t b = a + 1; b < boxes.size(); ++b)
                EXPECT_FALSE(boxes[a].x0 < boxes[b].x1 && boxes[b].x0 < boxes[a].x1 &&
                             boxes[a].y0 < boxes[b].y1 && boxes[b].y0 < boxes[a].y1)
                    << "labels " << a << " and " << b << " overlap";
    }
}

TEST_F(DeckPlans, PdfIsOneValidPageWithTheTitleAndLabels)
{
    ASSERT_EQ(status, 0);
    const test_tool::Outcome pdfinfo = run("pdfinfo '" + plan(3, "pdf") + "'");
    ASSERT_EQ(pdfinfo.status, 0);
    const std::string& about = pdfinfo.out;
    EXPECT_NE(about.find("Pages:           1\n"), std::string::npos) << about;
    EXPECT_NE(about.find("Title:           Deck index 3, deck number 19\n"), std::string::npos)
        << about;
    // Reading the page's text finds no fault in its content.
    const test_tool::Outcome pdftotext = run("pdftotext '" + plan(3, "pdf") + "' -");
    ASSERT_EQ(pdftotext.status, 0);
    EXPECT_EQ(pdftotext.err, "");
    const std::string& words = pdftotext.out;
    for (const char* label : {"Deck index 3, deck number 19", "BL_hangardeck19", "20 ship units"})
        EXPECT_NE(words.find(label), std::string::npos) << label;
}

}  // namespace
