// The construction booklet from tev-snapshot, read back with the PDF tools a
// reader or a printer would use: its text, its pictures, its links and QR
// codes, against the ship's own data and the construction set of the same
// keys.
#include <gtest/gtest.h>

#include <regex>
#include <string>
#include <vector>

#include "ship/ship.h"
#include "tests/e2e/e2e_fixture.h"
#include "tools/common/picture.h"

namespace {

using e2e::fresh_dir;
using e2e::EndToEnd;
using test_tool::listing;

const char address[] = "file:///home/reader/tev/ship.html";

test_tool::Outcome run(const std::string& command, const std::string& display = "",
                       const std::string& prefix = "")
{
    const std::string env = display.empty() ? "unset DISPLAY; " : "export DISPLAY=" + display + "; ";
    return test_tool::run_tool(prefix + env + command);
}

test_tool::Outcome snapshot(const std::string& args, const std::string& display = "",
                            const std::string& prefix = "")
{
    return run(std::string("'") + TEV_SNAPSHOT_BINARY + "' " + args, display, prefix);
}

// The text of one page.
std::string page_text(const std::string& pdf, int page)
{
    const std::string n = std::to_string(page);
    return run("pdftotext -layout -f " + n + " -l " + n + " '" + pdf + "' -").out;
}

// Step k's page: after the cover and the cutaway.
int step_page(int step) { return step + 2; }

Picture load(const std::string& path)
{
    Picture p;
    std::string error;
    EXPECT_TRUE(read_png(path, p, error)) << error;
    return p;
}

// One booklet on US Letter with links, from the overhead view, and the
// construction set of the same keys with the newest block marked; made once.
class Booklet : public testing::Test {
protected:
    static void SetUpTestSuite()
    {
        dir = fresh_dir("booklet");
        pdf = dir + "/ship.pdf";
        const test_tool::Outcome booklet = snapshot("--keys o --size 320 --paper letter --link " +
                                                    std::string(address) + " --booklet " + pdf);
        const test_tool::Outcome set =
            snapshot("--keys o --size 320 --highlight --construction " + dir + "/set");
        // Each test fails on it: gtest would skip them all on a failure here.
        if (booklet.status != 0)
            problem = "no booklet: " + booklet.err;
        else if (set.status != 0)
            problem = "no construction set: " + set.err;
    }
    void SetUp() override { ASSERT_EQ(problem, ""); }
    static inline std::string dir, pdf, problem;
};

TEST_F(Booklet, IsValidPdfOnLetterWithEveryFontEmbedded)
{
    const test_tool::Outcome check = run("qpdf --check '" + pdf + "'");
    EXPECT_EQ(check.status, 0) << check.out << check.err;
    const std::string info = run("pdfinfo '" + pdf + "'").out;
    EXPECT_NE(info.find("Page size:       612 x 792 pts (letter)"), std::string::npos) << info;
    // Below the two header lines, one line a font; the column "emb" says yes.
    const std::string fonts = run("pdffonts '" + pdf + "'").out;
    EXPECT_EQ(std::regex_search(fonts, std::regex("\n[^\n]* no +(yes|no) +(yes|no) +\\d+ +\\d+\n")), false)
        << fonts;
    EXPECT_NE(fonts.find("DejaVuSans"), std::string::npos) << fonts;
}

TEST_F(Booklet, HasACoverAPageAStepWithItsBlockAndDeckAndThePartsList)
{
    const std::string cover = page_text(pdf, 1);
    EXPECT_NE(
        cover.find(std::to_string(ship_block_count) + " blocks on " + std::to_string(deck_count) + " decks"),
        std::string::npos)
        << cover;
    EXPECT_NE(cover.find(address), std::string::npos) << cover;
    for (const int step : {1, 17, 80, ship_block_count}) {
        const BlockFacts f = block_facts(step - 1);
        const std::string text = page_text(pdf, step_page(step));
        SCOPED_TRACE(text);
        EXPECT_NE(text.find("Step " + std::to_string(step) + " of 139"), std::string::npos);
        EXPECT_NE(text.find(f.name), std::string::npos);
        EXPECT_NE(text.find(f.routine), std::string::npos);
        EXPECT_NE(text.find("deck " + std::to_string(f.deck_number) + " (deck index " +
                            std::to_string(f.deck_index) + ")"),
                  std::string::npos);
    }
    // The parts list follows: a row per block, step, name, kind and deck.
    const std::string after = run("pdftotext -layout -f " + std::to_string(step_page(ship_block_count) + 1) +
                                  " '" + pdf + "' -").out;
    EXPECT_FALSE(std::regex_search(after, std::regex("Step \\d+ of")));
    for (int p = 0; p < ship_block_count; ++p) {
        const BlockFacts f = block_facts(p);
        EXPECT_TRUE(
            std::regex_search(after, std::regex("\n *" + std::to_string(p + 1) + " +" + f.name + " +" +
                                                f.routine + " +" + std::to_string(f.deck_number) + " ")))
            << f.name;
    }
}

// The cutaway comes second, turned landscape; a step page's plan names its
// deck's other blocks in text a reader can search: the lounge's page, the
// hangar deck beside it.
TEST_F(Booklet, CutawayComesSecondAndThePlansLabelsAreText)
{
    const std::string cutaway = page_text(pdf, 2);
    EXPECT_NE(cutaway.find("Cutaway of the starship"), std::string::npos) << cutaway;
    EXPECT_NE(cutaway.find("Deck 22"), std::string::npos) << cutaway;
    const std::string sizes = run("pdfinfo -f 2 -l 2 '" + pdf + "'").out;
    EXPECT_TRUE(std::regex_search(sizes, std::regex("Page +2 size: +792 x 612 pts"))) << sizes;
    int lounge = 0;
    while (block_facts(lounge).name != std::string("BL_lounge19"))
        ++lounge;
    const std::string plan = page_text(pdf, step_page(lounge + 1));
    EXPECT_NE(plan.find("hangardeck19"), std::string::npos) << plan;
}

TEST_F(Booklet, StepPictureIsTheMarkedConstructionStepOfTheSameKeys)
{
    for (const int step : {24, 100}) {
        const std::string prefix = dir + "/image-" + std::to_string(step);
        const std::string page = std::to_string(step_page(step));
        ASSERT_EQ(run("pdfimages -png -f " + page + " -l " + page + " '" + pdf + "' '" + prefix + "'").status,
                  0);
        const Picture in_booklet = load(prefix + "-000.png");
        char name[32];
        std::snprintf(name, sizeof name, "/set/step-%03d.png", step);
        const Picture in_set = load(dir + name);
        ASSERT_EQ(in_booklet.width, in_set.width);
        ASSERT_EQ(in_booklet.height, in_set.height);
        int differing = 0, purple = 0;
        for (int y = 0; y < in_set.height; ++y)
            for (int x = 0; x < in_set.width; ++x) {
                const uint8_t *a = in_booklet.pixel(x, y), *b = in_set.pixel(x, y);
                differing += !std::equal(a, a + 3, b);
                purple += a[0] == 153 && a[1] == 0 && a[2] == 153;
            }
        EXPECT_EQ(differing, 0) << "step " << step;
        EXPECT_GT(purple, 0) << "step " << step;
    }
}

TEST_F(Booklet, PlanOnAStepPageMarksTheBlockInThePurpleOfTheMark)
{
    // The plan fills the lower half of the page; the palette has no purple.
    const std::string page_24 = std::to_string(step_page(24));
    ASSERT_EQ(run("pdftoppm -png -r 100 -f " + page_24 + " -l " + page_24 + " -singlefile '" + pdf + "' '" + dir +
                  "/plan'").status,
              0);
    const Picture page = load(dir + "/plan.png");
    int purple = 0;
    for (int y = page.height / 2; y < page.height; ++y)
        for (int x = 0; x < page.width; ++x)
            purple += page.pixel(x, y)[0] == 153 && page.pixel(x, y)[1] == 0 && page.pixel(x, y)[2] == 153;
    EXPECT_GT(purple, 20);
}

TEST_F(Booklet, QrCodeOfAStepDecodesToItsLinkToThePageAtThatStep)
{
    const std::string bytes = test_tool::read_file(pdf);
    std::vector<std::string> links;
    static const std::regex uri("/URI \\(([^)]*)\\)");
    for (std::sregex_iterator i(bytes.begin(), bytes.end(), uri), end; i != end; ++i)
        links.push_back((*i)[1]);
    ASSERT_EQ(links.size(), size_t(ship_block_count));
    const std::string& link = links[23];
    EXPECT_EQ(link.rfind(std::string(address) + "#show_station=", 0), 0u) << link;
    for (const char* field : {"&blocks_shown=24&", "&deck_shown=16&", "&perspective_mode=0&", "&highlight=1"})
        EXPECT_NE(link.find(field), std::string::npos) << field << " in " << link;

    const std::string page_24 = std::to_string(step_page(24));
    ASSERT_EQ(run("pdftoppm -png -r 150 -singlefile -f " + page_24 + " -l " + page_24 + " '" + pdf + "' '" + dir +
                  "/page'").status,
              0);
    const test_tool::Outcome qr = run("zbarimg -q --raw '" + dir + "/page.png'");
    EXPECT_EQ(qr.out, link + "\n");
}

TEST_F(EndToEnd, BookletRefusesBadRequestsAndLeavesNothingBehind)
{
    const std::string dir = fresh_dir("booklet_errors");
    const std::string pdf = " --booklet " + dir + "/b.pdf";
    const struct {
        std::string args, prefix;
        int status;
        std::string err;
    } cases[] = {
        {"--booklet " + dir + "/b.ps", "", 2,
         "--booklet " + dir + "/b.ps: the booklet's name must end in .pdf"},
        {"--link ftp://example.org/ship.html" + pdf, "", 2,
         "--link wants an http://, https:// or file:// address"},
        {"--link 'https://example.org/my ship.html'" + pdf, "", 2, "--link holds a space at character 23"},
        {"--link 'https://example.org/\"ship\".html'" + pdf, "", 2, "--link holds a quote at character 21"},
        {"--link \"$(printf 'https://example.org/\\tship.html')\"" + pdf, "", 2,
         "--link holds a control character at character 21"},
        {"--link https://example.org/ship.html#deck" + pdf, "", 2,
         "--link holds a fragment (#) at character 30; the booklet adds one for each step"},
        {"--link https://example.org/ship.html --out " + dir + "/x.png", "", 2, "--link goes with --booklet"},
        {"--paper letter --out " + dir + "/x.png", "", 2, "--paper goes with --booklet"},
        {"--paper a5" + pdf, "", 2, "--paper wants a4 or letter, not 'a5'"},
        {"--booklet " + dir + "/none/b.pdf", "", 1,
         "cannot write " + dir + "/none/b.pdf: No such file or directory"},
        {"--booklet /etc/passwd/b.pdf", "", 1, "cannot write /etc/passwd/b.pdf: Not a directory"},
        // Stopped by the file-size limit part of the way: 1.5 MB, less than
        // the booklet (the plans and the cutaway are drawn in memory). On
        // our display, which the limit spares.
        {pdf, "trap '' XFSZ; ulimit -f 3072; ", 1, "cannot write " + dir + "/b.pdf: File too large"},
    };
    for (const auto& c : cases) {
        const test_tool::Outcome r = snapshot(c.args, c.prefix.empty() ? "" : display->name(), c.prefix);
        EXPECT_EQ(r.status, c.status) << c.args;
        const std::string line =
            "tev-snapshot: " + c.err + (c.status == 2 ? " (see tev-snapshot --help)\n" : "\n");
        // A run stopped part of the way has reported its progress before.
        const std::string last =
            c.prefix.empty() ? r.err : r.err.substr(r.err.rfind('\n', r.err.size() - 2) + 1);
        EXPECT_EQ(last, line) << c.args << ": " << r.err;
        EXPECT_EQ(r.out, "") << c.args;
    }
    EXPECT_EQ(listing(dir), std::vector<std::string>{});
}

}  // namespace
