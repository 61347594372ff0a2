// A test fixture that runs the real tev under a private Xvfb server, and
// the palette colours as they show on the screen.
#pragma once

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <memory>
#include <sstream>
#include <string>

#include "tests/e2e/x_session.h"
#include "tests/run_tool.h"
#include "tools/common/virtual_display.h"

namespace e2e {

namespace colours {
const Pixel black{0, 0, 0};
const Pixel red{255, 0, 0};
const Pixel pink{255, 102, 102};
const Pixel yellow{255, 255, 0};
const Pixel light_blue{102, 102, 255};
const Pixel light_green{102, 255, 102};
const Pixel pale_yellow{229, 229, 102};
const Pixel white{255, 255, 255};
const Pixel light_gray{204, 204, 204};
const Pixel gray{178, 178, 178};
const Pixel mid_gray{153, 153, 153};
const Pixel dark_gray{51, 51, 51};
}  // namespace colours

using test_tool::read_file;

// An empty directory of this name beside the test binary.
inline std::string fresh_dir(const std::string& name)
{
    return test_tool::fresh_dir(std::string(SCREENSHOT_DIR) + "/" + name);
}

class EndToEnd : public testing::Test {
protected:
    // Each test fails on a display that did not start: gtest would skip
    // them all on a failure here.
    static void SetUpTestSuite()
    {
        display = std::make_unique<VirtualDisplay>();
        display_problem.clear();
        display->start(display_problem);
    }
    static void TearDownTestSuite() { display.reset(); }
    void SetUp() override { ASSERT_EQ(display_problem, ""); }

    // Starts tev in a fresh working directory named after the test.
    std::unique_ptr<Tev> start() { return start_in(fresh_directory(), false); }

    // Starts tev, as an unprivileged user, in a directory it cannot write to.
    std::unique_ptr<Tev> start_in_read_only_directory()
    {
        const std::string dir = fresh_directory();
        auto tev = start_in(dir, true);
        chmod(dir.c_str(), 0555);
        return tev;
    }

    // Keeps a screenshot beside the test binary, as NAME.png.
    static void save(const Image& image, const std::string& name)
    {
        image.save_png(std::string(SCREENSHOT_DIR) + "/" + name + ".png");
    }

    static inline std::unique_ptr<VirtualDisplay> display;
    static inline std::string display_problem;

private:
    static std::string fresh_directory()
    {
        std::string name = testing::UnitTest::GetInstance()->current_test_info()->name();
        std::replace(name.begin(), name.end(), '/', '_');  // parameterised tests
        const std::string dir = std::string(SCREENSHOT_DIR) + "/run_" + name;
        test_tool::remove_tree(dir);
        return dir;
    }

    std::unique_ptr<Tev> start_in(const std::string& dir, bool unprivileged)
    {
        auto tev = std::make_unique<Tev>(display->name(), dir, unprivileged);
        EXPECT_TRUE(tev->has_window()) << "no window titled \"TEV V1.0\" appeared";
        return tev;
    }
};

}  // namespace e2e
