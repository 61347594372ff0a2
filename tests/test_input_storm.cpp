// A long seeded storm of every kind of input: the view state must stay
// within its bounds and every frame must draw, whatever comes.
#include <GL/freeglut.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdlib>
#include <random>
#include <string>

#include "app/app.h"
#include "app/input.h"
#include "render/render.h"
#include "tests/run_tool.h"
#include "tests/scene.h"
#include "view/view_state.h"

namespace {

bool is_flag(int value) { return value == 0 || value == 1; }

// Works in a directory of its own (F6 writes favview.sav there) and ends the
// capture of standard output, however the test ends: a failed assertion must
// not leave either to the tests after it.
class StormScope {
public:
    StormScope()
    {
        if (mkdtemp(dir_) && (old_dir_ = getcwd(nullptr, 0)) && chdir(dir_) == 0)
            entered_ = true;
    }
    ~StormScope()
    {
        if (capturing_)
            testing::internal::GetCapturedStdout();
        if (entered_ && chdir(old_dir_) != 0)
            std::abort();
        std::free(old_dir_);
        test_tool::remove_tree(dir_);
    }
    bool entered() const { return entered_; }
    void capture_stdout()
    {
        testing::internal::CaptureStdout();
        capturing_ = true;
    }

private:
    char dir_[32] = "/tmp/tev-storm-XXXXXX";
    char* old_dir_ = nullptr;
    bool entered_ = false, capturing_ = false;
};

TEST(InputStorm, ViewStateStaysInBoundsThroughRandomInput)
{
    StormScope scope;
    ASSERT_TRUE(scope.entered());
    scene::start_program();

    std::mt19937 random(20261208);
    std::uniform_int_distribution<int> kind(0, 2), byte(0, 255), special(-5, 0x80), menu(-2, 12),
        modifiers(0, 7);
    scope.capture_stdout();
    for (int step = 0; step < 20000; ++step) {
        gl_capture::state().modifiers = modifiers(random);
        switch (kind(random)) {
        case 0: {
            const int key = byte(random);
            if (key == 27 || key == 'Q' || key == 'q')  // quitting ends the storm
                continue;
            keyboard(static_cast<unsigned char>(key), 0, 0);
            break;
        }
        case 1:
            special_keys(special(random), 0, 0);
            break;
        default: {
            const int value = menu(random);
            if (value == 3)  // "Quit"
                continue;
            main_menu(value);
        }
        }
        const ViewState& v = view_state;
        ASSERT_TRUE(v.blocks_shown >= 0 && v.blocks_shown <= block_total()) << "step " << step;
        ASSERT_TRUE(v.deck_shown >= 0 && v.deck_shown <= all_decks) << "step " << step;
        for (int flag : {v.show_station, v.show_earth, v.far_clip, v.show_hull, v.world_view,
                         v.show_ceilings, v.show_target, v.perspective_mode})
            ASSERT_TRUE(is_flag(flag)) << "step " << step;
        if (step % 500 == 0) {
            scene::draw_frame();
            ASSERT_EQ(gl_capture::state().modelview.size(), 1u);
            ASSERT_EQ(gl_capture::state().projection.size(), 1u);
        }
    }
}

}  // namespace
