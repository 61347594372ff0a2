#include <GL/freeglut.h>
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cmath>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <sstream>
#include <string>

#include "app/favourite_view.h"
#include "app/input.h"
#include "tests/run_tool.h"
#include "tests/scene.h"
#include "view/view_state.h"

namespace {

// Each test runs in an empty working directory of its own, with the program
// as start-up leaves it.
class FavouriteView : public testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_FALSE((dir = test_tool::temporary_dir("tev-favview")).empty());
        old_dir = getcwd(nullptr, 0);
        ASSERT_EQ(chdir(dir.c_str()), 0);
        scene::start_program();
    }

    void TearDown() override
    {
        EXPECT_EQ(chdir(old_dir), 0);
        std::free(old_dir);
        test_tool::remove_tree(dir);
    }

    static void write_file(const std::string& content)
    {
        std::ofstream(favourite_view_file, std::ios::binary) << content;
    }

    static std::string read_file(const char* name = favourite_view_file)
    {
        return test_tool::read_file(name);
    }

    // Presses a special key; returns what it printed.
    static std::string special(int key)
    {
        testing::internal::CaptureStdout();
        special_keys(key, 0, 0);
        return testing::internal::GetCapturedStdout();
    }

    // Files in the working directory other than favview.sav.
    int stray_files() const
    {
        const std::vector<std::string> names = test_tool::listing(dir);
        return int(names.size() - std::count(names.begin(), names.end(), favourite_view_file));
    }

    std::string dir;
    char* old_dir = nullptr;
};

TEST_F(FavouriteView, SaveWritesNineLinesThatReadBack)
{
    EXPECT_EQ(special(GLUT_KEY_F6), "");
    EXPECT_EQ(read_file(), "1\n0\n128\n-256\n20\n16\n16\n110\n0\n");

    // Six significant digits survive a round trip in the same mode.
    ViewState& v = view_state;
    v.show_earth = 0, v.far_clip = 1;
    v.zoom = 77.123456f, v.cam_x = -1234.5678f, v.cam_y = 0.000123456789f;
    v.cam_z = 98765432.1f, v.view_angle = 359.99999f, v.view_pitch = -0.07f;
    const ViewState saved = v;
    special(GLUT_KEY_F6);
    EXPECT_EQ(read_file(), "0\n1\n77.1235\n-1234.57\n0.000123457\n9.87654e+07\n9.87654e+07\n360\n-0.07\n");
    v = ViewState{};
    v.perspective_mode = 1;
    special(GLUT_KEY_F5);
    EXPECT_EQ(v.show_earth, 0);
    EXPECT_EQ(v.far_clip, 1);
    const float* before[] = {&saved.zoom, &saved.cam_x, &saved.cam_y, &saved.cam_z, &saved.view_angle, &saved.view_pitch};
    const float* after[] = {&v.zoom, &v.cam_x, &v.cam_y, &v.cam_z, &v.view_angle, &v.view_pitch};
    for (int i = 0; i < 6; ++i)
        EXPECT_NEAR(*after[i], *before[i], std::fabs(*before[i]) * 5e-6) << i;
    EXPECT_EQ(v.world_view, 0) << "the file holds no world view";
}

TEST_F(FavouriteView, ShiftMakesNoDifferenceToSaveAndRestore)
{
    gl_capture::state().modifiers = GLUT_ACTIVE_SHIFT;
    view_state.cam_x = 42;
    EXPECT_EQ(special(GLUT_KEY_F6), "");
    EXPECT_EQ(read_file(), "1\n0\n128\n42\n20\n16\n16\n110\n0\n");
    view_state.cam_x = 7;
    special(GLUT_KEY_F5);
    EXPECT_EQ(view_state.cam_x, 42.0f);
}

TEST_F(FavouriteView, SeventhLineIsTheCameraHeightThatCounts)
{
    write_file("0\n0\n50\n1\n2\n5\n9\n45\n0.5\n");
    special(GLUT_KEY_F5);
    EXPECT_EQ(view_state.cam_z, 9.0f);
    EXPECT_EQ(view_state.zoom, 50.0f);
    EXPECT_EQ(view_state.view_angle, 45.0f);
    EXPECT_EQ(view_state.view_pitch, 0.5f);
}

TEST_F(FavouriteView, MissingFileResetsTheCameraLikeV)
{
    ViewState& v = view_state;
    v.cam_x = 5, v.zoom = 9, v.view_pitch = 0.3f, v.show_earth = 0, v.far_clip = 1;
    EXPECT_EQ(special(GLUT_KEY_F5), "");
    EXPECT_EQ(v.cam_x, -256.0f);
    EXPECT_EQ(v.zoom, 128.0f);
    EXPECT_EQ(v.view_pitch, 0.3f);
    EXPECT_EQ(v.show_earth, 0);
    EXPECT_EQ(v.far_clip, 1);
    v.perspective_mode = 0;
    special(GLUT_KEY_F5);
    EXPECT_EQ(v.cam_x, 60.0f);
    EXPECT_EQ(v.cam_z, 60.0f);
}

TEST_F(FavouriteView, EarthFromTheFileKeepsTheNearWorldPlanes)
{
    view_state.world_view = 0;
    view_state.show_earth = 0;
    write_file("1\n0\n128\n-256\n20\n16\n16\n110\n0\n");
    special(GLUT_KEY_F5);
    EXPECT_EQ(view_state.show_earth, 1);
    EXPECT_EQ(view_state.world_view, 0);
    scene::draw_frame();
    EXPECT_EQ(gl_capture::state().perspective.far_plane, 100) << "the Earth lies beyond the far plane";
    EXPECT_EQ(scene::of_kind(gl_capture::Kind::sphere).size(), 1u);
}

// A value that does not convert leaves its field alone, and every later
// value stumbles on the same character.
TEST_F(FavouriteView, UnreadableValuesLeaveTheirFieldsAsTheyWere)
{
    const ViewState start = view_state;
    write_file("0\n1\nabc\n4\n5\n6\n7\n8\n9\n");  // corrupt third line
    special(GLUT_KEY_F5);
    EXPECT_EQ(view_state.show_earth, 0);
    EXPECT_EQ(view_state.far_clip, 1);
    EXPECT_EQ(view_state.zoom, start.zoom);
    EXPECT_EQ(view_state.cam_x, start.cam_x);
    EXPECT_EQ(view_state.view_pitch, start.view_pitch);

    view_state = start;
    write_file("0\n1\n3\n4\n");  // truncated
    special(GLUT_KEY_F5);
    EXPECT_EQ(view_state.zoom, 3.0f);
    EXPECT_EQ(view_state.cam_x, 4.0f);
    EXPECT_EQ(view_state.cam_y, start.cam_y);
    EXPECT_EQ(view_state.cam_z, start.cam_z);

    view_state = start;
    write_file("");  // empty: nothing read, and no reset either
    view_state.cam_x = 1234;
    special(GLUT_KEY_F5);
    EXPECT_EQ(view_state.cam_x, 1234.0f);
    EXPECT_EQ(view_state.show_earth, start.show_earth);

    view_state = start;
    write_file(std::string("\x01\xff\x00garbage\x7f\x80\n9\n", 14));  // binary garbage
    special(GLUT_KEY_F5);
    EXPECT_EQ(std::memcmp(&view_state, &start, sizeof start), 0);
}

// A number is read as far as it could still be a number: "1e+" is used up
// and fails, so the next value starts at "x" and fails too.
TEST_F(FavouriteView, ReadingStopsWhereTheFailedConversionStopped)
{
    const ViewState start = view_state;
    write_file("1\n0\n1e+x\n5\n");
    special(GLUT_KEY_F5);
    EXPECT_EQ(view_state.zoom, start.zoom);
    EXPECT_EQ(view_state.cam_x, start.cam_x);

    view_state = start;
    write_file("-\n7\n2.5.5\n-.5e1 0x1p4");  // each field ends where its number ends
    special(GLUT_KEY_F5);
    EXPECT_EQ(view_state.show_earth, start.show_earth);  // a lone sign does not convert...
    EXPECT_EQ(view_state.far_clip, 7);                   // ...and is used up
    EXPECT_EQ(view_state.zoom, 2.5f);
    EXPECT_EQ(view_state.cam_x, 0.5f);  // ".5" left over from "2.5.5"
    EXPECT_EQ(view_state.cam_y, -5.0f);
    EXPECT_EQ(view_state.cam_z, 16.0f);  // hexadecimal, and no seventh value to follow
    EXPECT_EQ(view_state.view_angle, start.view_angle);

    write_file("1 0 INF -Infinity nan(x_1) 0 -inf infinit 7");
    special(GLUT_KEY_F5);
    EXPECT_TRUE(std::isinf(view_state.zoom) && view_state.zoom > 0);
    EXPECT_TRUE(std::isinf(view_state.cam_x) && view_state.cam_x < 0);
    EXPECT_TRUE(std::isnan(view_state.cam_y));
    EXPECT_TRUE(std::isinf(view_state.cam_z) && view_state.cam_z < 0);
    EXPECT_EQ(view_state.view_angle, start.view_angle) << "\"infinit\" is not a number";
    EXPECT_EQ(view_state.view_pitch, 7.0f) << "the space after it can be skipped";
}

// Numbers too large for their fields: an int counts as unreadable, a float
// becomes infinite. Nothing overflows a conversion.
TEST_F(FavouriteView, NumbersBeyondTheirFieldsStayDefined)
{
    const ViewState start = view_state;
    write_file("99999999999\n-2147483648\n1e39\n-1e39\n1e-50\n-1.23457e+38\n2147483647\nnan\n12\n");
    special(GLUT_KEY_F5);
    EXPECT_EQ(view_state.show_earth, start.show_earth);
    EXPECT_EQ(view_state.far_clip, -2147483648);
    EXPECT_TRUE(std::isinf(view_state.zoom) && view_state.zoom > 0);
    EXPECT_TRUE(std::isinf(view_state.cam_x) && view_state.cam_x < 0);
    EXPECT_EQ(view_state.cam_y, 0.0f);
    EXPECT_EQ(view_state.cam_z, 2147483647.0f);
    EXPECT_TRUE(std::isnan(view_state.view_angle));
    EXPECT_EQ(view_state.view_pitch, 12.0f);

    write_file("2147483648\n");  // one past the int range
    view_state.show_earth = 3;
    special(GLUT_KEY_F5);
    EXPECT_EQ(view_state.show_earth, 3);
}

TEST_F(FavouriteView, SaveThatFailsPartWayKeepsTheEarlierView)
{
    write_file("1\n0\n128\n-256\n20\n16\n16\n110\n0\n");
    view_state.cam_x = 1;
    // Files may grow to 10 bytes only: the nine lines do not fit. The limit is
    // set in a child process so that it touches nothing else of the tests.
    int pipe_ends[2];
    ASSERT_EQ(pipe(pipe_ends), 0);
    const pid_t child = fork();
    if (child == 0) {
        rlimit small{};
        getrlimit(RLIMIT_FSIZE, &small);
        small.rlim_cur = 10;
        std::signal(SIGXFSZ, SIG_IGN);
        setrlimit(RLIMIT_FSIZE, &small);
        dup2(pipe_ends[1], 1);
        special_keys(GLUT_KEY_F6, 0, 0);
        std::fflush(stdout);
        _exit(0);
    }
    close(pipe_ends[1]);
    std::string out;
    char buffer[256];
    for (ssize_t n; (n = read(pipe_ends[0], buffer, sizeof buffer)) > 0;)
        out.append(buffer, size_t(n));
    close(pipe_ends[0]);
    waitpid(child, nullptr, 0);

    EXPECT_EQ(out, "Can't save the view in favview.sav: File too large\n");
    EXPECT_EQ(read_file(), "1\n0\n128\n-256\n20\n16\n16\n110\n0\n");
    EXPECT_EQ(stray_files(), 0) << "the unfinished file is removed";
    EXPECT_EQ(view_state.cam_x, 1.0f);
}

TEST_F(FavouriteView, SaveThatCannotStartSaysWhy)
{
    // A working directory that no longer exists: nothing can be created in it.
    ASSERT_EQ(rmdir(dir.c_str()), 0);
    const ViewState before = view_state;
    EXPECT_EQ(special(GLUT_KEY_F6), "Can't save the view in favview.sav: No such file or directory\n");
    EXPECT_EQ(std::memcmp(&before, &view_state, sizeof before), 0);
    ASSERT_EQ(mkdir(dir.c_str(), 0700), 0);
}

TEST_F(FavouriteView, SaveReplacesTheFileWithOrdinaryPermissions)
{
    write_file("old contents\n");
    const mode_t mask = umask(022);
    special(GLUT_KEY_F6);
    umask(mask);
    EXPECT_EQ(read_file(), "1\n0\n128\n-256\n20\n16\n16\n110\n0\n");
    struct stat st {};
    ASSERT_EQ(stat(favourite_view_file, &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0644u);
    EXPECT_EQ(stray_files(), 0);
}

}  // namespace
