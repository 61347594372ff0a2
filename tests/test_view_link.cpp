#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <vector>

#include "app/input.h"
#include "tools/common/view_link.h"

namespace {

TEST(ViewLink, FragmentNamesEveryViewFieldThenTheTogglesGivenThenTheKeys)
{
    ViewState v{};
    v.show_station = 1;
    v.blocks_shown = 24;
    v.deck_shown = 16;
    v.zoom = 128;
    v.perspective_mode = 1;
    v.cam_x = -256;
    v.cam_y = 0.1f;
    v.view_angle = 110;
    PageToggles toggles;
    toggles.highlight = 1;
    EXPECT_EQ(link_fragment(v, toggles, "o<Left> t"),
              "#show_station=1&show_earth=0&far_clip=0&show_hull=0&world_view=0&blocks_shown=24"
              "&deck_shown=16&show_ceilings=0&show_target=0&zoom=128&perspective_mode=1&cam_x=-256"
              "&cam_y=0.1&cam_z=0&view_angle=110&view_pitch=0&highlight=1&keys=o%3CLeft%3E%20t");
}

TEST(ViewLink, FloatsAreTheShortestDecimalsThatReadBackAndKeepTheirExponentsSign)
{
    // value        shortest text
    const struct {
        float value;
        const char* text;
    } floats[] = {
        {0.1f,          "0.1"},             // 0.1
        {1 / 3.0f,      "0.33333334"},      // a third
        {-123456.79f,   "-123456.79"},      // eight digits
        {16777216.0f,   "16777216"},        // 2^24
        {3.4028235e38f, "3.4028235e+38"},   // the largest float
        {248.96f,       "248.96"},          // a camera coordinate
    };
    for (const auto& f : floats)
        EXPECT_EQ(shortest_float(f.value), f.text);
    // A form's '+' would read back as a space.
    ViewState v{};
    v.zoom = 1e7f;
    EXPECT_NE(link_fragment(v).find("&zoom=1e%2B07&"), std::string::npos) << link_fragment(v);
}

}  // namespace

namespace {

TEST(ViewLink, ReadingAFragmentTakesSoundFieldsByNameAndIgnoresTheRestOneByOne)
{
    ViewState v{};
    v.blocks_shown = 5;
    v.zoom = 128;
    const LinkRequest asked = read_link_fragment(
        "#deck=3&counter=21&blocks_shown=999&show_hull=2&zoom=1e39&cam_x=-1.5e1&cam_y=0x10&cam_z=%2B4"
        "&show_earth=1&show_earth=0&xray=1&panel=yes&keys=j%3Cs-left%3E",
        v, {1, 0, 1});
    EXPECT_EQ(asked.view.deck_shown, 3);      // an earlier name
    EXPECT_EQ(asked.view.blocks_shown, 21);   // 999 is past the counter's end; the earlier name stays
    EXPECT_EQ(asked.view.show_hull, 0);       // a flag is 0 or 1
    EXPECT_EQ(asked.view.zoom, 128);          // not finite as a float
    EXPECT_EQ(asked.view.cam_x, -15);
    EXPECT_EQ(asked.view.cam_y, 0);           // not a decimal
    EXPECT_EQ(asked.view.cam_z, 4);           // %2B is '+'
    EXPECT_EQ(asked.view.show_earth, 1);      // the first of two counts
    EXPECT_EQ((std::vector<int>{asked.toggles.highlight, asked.toggles.xray, asked.toggles.panel}),
              (std::vector<int>{1, 1, 1}));
    ASSERT_EQ(asked.steps.size(), 2u);
    EXPECT_EQ(asked.steps[1], (ScriptStep{ScriptStep::special_key, special_key_named("Left", 4), true}));
}

TEST(ViewLink, TheSectionIsWrittenPercentEncodedAndReadBackAndAPlaneThatDoesNotReadKeepsTheOneGiven)
{
    PageToggles cut;
    cut.section = SectionPlane{1, false, -3.25};
    const std::string fragment = link_fragment(ViewState{}, cut);
    EXPECT_NE(fragment.find("&section=y%3E-3.25"), std::string::npos) << fragment;
    const auto read = read_link_fragment(fragment, ViewState{}, {}).toggles.section;
    ASSERT_TRUE(read);
    EXPECT_EQ((std::tuple{read->axis, read->keep_below, read->value}), (std::tuple{1, false, -3.25}));
    for (const char* plane : {"x%3C1e999", "w%3C0", "x%3D5", "x%3Cnan", "x%3C0x10", ""}) {
        const auto kept = read_link_fragment(std::string("#section=") + plane, ViewState{}, cut).toggles.section;
        EXPECT_TRUE(kept && kept->axis == 1 && kept->value == -3.25) << plane;
    }
}

TEST(ViewLink, AKeyScriptThatTheParserRefusesIsIgnoredWholeWithItsReason)
{
    for (const char* keys : {"jj%3CF6%3E", "j%3Cconstructor%3E", "%3C__proto__%3E", "q"}) {
        const LinkRequest asked = read_link_fragment(std::string("#zoom=3&keys=") + keys, ViewState{}, {});
        EXPECT_TRUE(asked.steps.empty()) << keys;
        EXPECT_FALSE(asked.refused.empty()) << keys;
        EXPECT_EQ(asked.view.zoom, 3) << keys;
    }
    EXPECT_NE(read_link_fragment("#keys=%3Cconstructor%3E", ViewState{}, {}).refused.find("unknown key name <constructor>"),
              std::string::npos);
}

}  // namespace
