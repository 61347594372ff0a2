// The views of tests/reference/views.txt, drawn by tev-snapshot and set
// against the committed pictures: a moved wall or a changed colour fails,
// a few pixels of rasteriser noise do not. tools/rebaseline.sh renders the
// references again on purpose.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdlib>
#include <fstream>
#include <string>
#include <vector>

#include "tests/e2e/e2e_fixture.h"
#include "tools/common/picture.h"

namespace {

// A pixel differs when a channel is off by more than this; a view may have
// this many differing pixels. A wall moved by one unit in the overhead view
// changes several hundred.
constexpr int channel_tolerance = 8;
constexpr int differing_pixel_budget = 100;

struct ReferenceView {
    std::string name, script;
};

std::vector<ReferenceView> reference_views()
{
    std::vector<ReferenceView> views;
    std::ifstream in(REFERENCE_DIR "/views.txt");
    for (std::string line; std::getline(in, line);) {
        const size_t tab = line.find('\t');
        if (line.empty() || line[0] == '#' || tab == std::string::npos)
            continue;
        views.push_back({line.substr(0, tab), line.substr(tab + 1)});
    }
    return views;
}

// Differing pixels in red over a dimmed copy of the reference.
Picture difference(const Picture& expected, const Picture& actual, int& differing)
{
    Picture diff = expected;
    differing = 0;
    for (size_t i = 0; i < diff.rgba.size(); i += 4) {
        bool off = false;
        for (int c = 0; c < 3; ++c)
            off |= std::abs(expected.rgba[i + c] - actual.rgba[i + c]) > channel_tolerance;
        differing += off;
        for (int c = 0; c < 3; ++c)
            diff.rgba[i + c] = off ? (c == 0 ? 255 : 0) : expected.rgba[i + c] / 4;
        diff.rgba[i + 3] = 255;
    }
    return diff;
}

void PrintTo(const ReferenceView& v, std::ostream* os) { *os << v.name; }

class ReferenceImage : public e2e::EndToEnd, public testing::WithParamInterface<ReferenceView> {};

TEST_P(ReferenceImage, MatchesTheCommittedPicture)
{
    const ReferenceView& v = GetParam();
    const std::string out = std::string(SCREENSHOT_DIR) + "/reference-" + v.name;
    const std::string actual = out + "-actual.png", diff_path = out + "-diff.png";
    const std::string command = "DISPLAY=" + display->name() + " '" TEV_SNAPSHOT_BINARY "' --keys '" +
                                v.script + "' --out '" + actual + "'";
    const test_tool::Outcome run = test_tool::run_tool(command);
    ASSERT_EQ(run.status, 0) << command << ": " << run.err;

    Picture expected, got;
    std::string error;
    ASSERT_TRUE(read_png(REFERENCE_DIR "/" + v.name + ".png", expected, error)) << error;
    ASSERT_TRUE(read_png(actual, got, error)) << error;
    ASSERT_EQ(got.width, expected.width);
    ASSERT_EQ(got.height, expected.height);
    int differing = 0;
    const Picture diff = difference(expected, got, differing);
    if (differing > differing_pixel_budget) {
        ASSERT_TRUE(write_png(diff_path, diff, false, error)) << error;
    }
    EXPECT_LE(differing, differing_pixel_budget)
        << "actual picture: " << actual << "\ndifferences in red: " << diff_path;
}

INSTANTIATE_TEST_SUITE_P(Views, ReferenceImage, testing::ValuesIn(reference_views()),
                         [](const auto& info) { return info.param.name; });

}  // namespace
