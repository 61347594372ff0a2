// Saving and restoring the favourite view with the real program.
#include <X11/keysym.h>
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <fstream>
#include <sstream>
#include <string>

#include "tests/e2e/e2e_fixture.h"

namespace {

using e2e::read_file;

using e2e::EndToEnd;
using e2e::Image;

bool same_picture(const Image& a, const Image& b)
{
    if (a.width != b.width || a.height != b.height)
        return false;
    for (size_t i = 0; i < a.pixels.size(); ++i)
        if (a.pixels[i].r != b.pixels[i].r || a.pixels[i].g != b.pixels[i].g || a.pixels[i].b != b.pixels[i].b)
            return false;
    return true;
}

TEST_F(EndToEnd, F6WritesTheStartUpViewInNineLines)
{
    auto tev = start();
    ASSERT_TRUE(tev->has_window());
    tev->press(XK_F6);
    EXPECT_EQ(read_file(tev->work_dir() + "/favview.sav"), "1\n0\n128\n-256\n20\n16\n16\n110\n0\n");
    EXPECT_EQ(tev->output().find("Can't save"), std::string::npos);
}

TEST_F(EndToEnd, F5BringsTheSavedViewBack)
{
    auto tev = start();
    ASSERT_TRUE(tev->has_window());
    const Image saved = tev->screenshot();
    tev->press(XK_F6);
    tev->press(XK_Right, true);
    tev->press(XK_Home, true);
    tev->press(XK_Insert);
    const Image moved = tev->screenshot();
    EXPECT_FALSE(same_picture(saved, moved)) << "the camera did not move";
    tev->press(XK_F5);
    const Image restored = tev->screenshot();
    save(restored, "restored_view");
    EXPECT_TRUE(same_picture(saved, restored));
}

TEST_F(EndToEnd, SavingInAReadOnlyDirectorySaysSoAndGoesOn)
{
    auto tev = start_in_read_only_directory();
    ASSERT_TRUE(tev->has_window());
    tev->press(XK_F6);
    EXPECT_TRUE(tev->wait_for_output("Can't save the view in favview.sav: Permission denied\n"));
    struct stat st {};
    EXPECT_NE(stat((tev->work_dir() + "/favview.sav").c_str(), &st), 0) << "no file appeared";
    tev->press(XK_b);
    EXPECT_TRUE(tev->wait_for_output("Don't know what to do with keyboard hit: 'b'"));
    tev->press(XK_Escape);
    EXPECT_EQ(tev->wait_exit(), 0);
}

}  // namespace
