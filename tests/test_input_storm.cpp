// A long seeded storm of every kind of input: the view state must stay
// within its bounds and every frame must draw, whatever comes.
#include <GL/freeglut.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdlib>
#include <random>
#include <string>

#include "app/app.h"
#include "render/render.h"
#include "tests/scene.h"
#include "view/input.h"
#include "view/view_state.h"

namespace {

bool is_flag(int value) { return value == 0 || value == 1; }

TEST(InputStorm, ViewStateStaysInBoundsThroughRandomInput)
{
    char pattern[] = "/tmp/tev-storm-XXXXXX";
    ASSERT_NE(mkdtemp(pattern), nullptr);
    char* old_dir = getcwd(nullptr, 0);
    ASSERT_EQ(chdir(pattern), 0);  // F6 writes favview.sav here
    scene::start_program();

    std::mt19937 random(20261208);
    std::uniform_int_distribution<int> kind(0, 2), byte(0, 255), special(-5, 0x80), menu(-2, 12),
        modifiers(0, 7);
    testing::internal::CaptureStdout();
    for (int step = 0; step < 20000; ++step) {
        rec::state().modifiers = modifiers(random);
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
        ASSERT_TRUE(v.blocks_shown >= 0 && v.blocks_shown <= 140) << "step " << step;
        ASSERT_TRUE(v.deck_shown >= 0 && v.deck_shown <= 16) << "step " << step;
        for (int flag : {v.show_station, v.show_earth, v.far_clip, v.show_hull, v.world_view,
                         v.show_ceilings, v.show_target, v.perspective_mode})
            ASSERT_TRUE(is_flag(flag)) << "step " << step;
        if (step % 500 == 0) {
            scene::draw_frame();
            ASSERT_EQ(rec::state().modelview.size(), 1u);
            ASSERT_EQ(rec::state().projection.size(), 1u);
        }
    }
    testing::internal::GetCapturedStdout();
    EXPECT_LE(rec::state().quadrics_live, 1);

    EXPECT_EQ(chdir(old_dir), 0);
    std::free(old_dir);
    std::system((std::string("rm -rf ") + pattern).c_str());
}

}  // namespace
