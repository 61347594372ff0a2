#include <gtest/gtest.h>

#include <string>

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
