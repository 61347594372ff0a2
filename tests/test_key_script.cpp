#include <GL/freeglut.h>
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "app/app.h"
#include "app/input.h"
#include "tests/scene.h"
#include "tools/common/key_script.h"
#include "view/view_state.h"

namespace {

using Steps = std::vector<ScriptStep>;

Steps parse(const std::string& text)
{
    Steps steps;
    std::string error;
    EXPECT_TRUE(parse_key_script(text, steps, error)) << text << ": " << error;
    return steps;
}

std::string error_of(const std::string& text)
{
    Steps steps;
    std::string error;
    EXPECT_FALSE(parse_key_script(text, steps, error)) << text;
    return error;
}

ScriptStep key(int c) { return {ScriptStep::key, c, false}; }
ScriptStep special(int code, bool shift = false) { return {ScriptStep::special_key, code, shift}; }
ScriptStep menu(int value) { return {ScriptStep::menu, value, false}; }

TEST(KeyScript, NamesEverySpecialKeyTheViewerKnows)
{
    const std::pair<const char*, int> names[] = {
        {"Left", GLUT_KEY_LEFT},       {"Right", GLUT_KEY_RIGHT},
        {"Up", GLUT_KEY_UP},           {"Down", GLUT_KEY_DOWN},
        {"Home", GLUT_KEY_HOME},       {"End", GLUT_KEY_END},
        {"PageUp", GLUT_KEY_PAGE_UP},  {"PageDown", GLUT_KEY_PAGE_DOWN},
        {"Insert", GLUT_KEY_INSERT},   {"F1", GLUT_KEY_F1},
        {"F5", GLUT_KEY_F5},
    };
    for (const auto& [name, code] : names) {
        EXPECT_EQ(parse(std::string("<") + name + ">"), Steps{special(code)}) << name;
        EXPECT_EQ(parse(std::string("<S-") + name + ">"), Steps{special(code, true)}) << name;
    }
    EXPECT_EQ(parse("<pagedown><s-LEFT>"),
              (Steps{special(GLUT_KEY_PAGE_DOWN), special(GLUT_KEY_LEFT, true)}));
}

TEST(KeyScript, ReadsCharactersMenuValuesAndTheLessThanSign)
{
    EXPECT_EQ(parse("o<S-PageDown><Left>t"),
              (Steps{key('o'), special(GLUT_KEY_PAGE_DOWN, true), special(GLUT_KEY_LEFT), key('t')}));
    EXPECT_EQ(parse("B5 >"), (Steps{key('B'), key('5'), key(' '), key('>')}));
    EXPECT_EQ(parse("<lt><menu:4><menu:-12><MENU:9>"),
              (Steps{key('<'), menu(4), menu(-12), menu(9)}));
    EXPECT_EQ(parse(""), Steps{});
}

TEST(KeyScript, RefusesMalformedScriptsNamingWhatAndWhere)
{
    EXPECT_EQ(error_of("ab<Left"), "'<' without its '>' at character 3 (write <lt> for the key '<')");
    EXPECT_EQ(error_of("a<x<Left>"), "'<' without its '>' at character 2 (write <lt> for the key '<')");
    EXPECT_EQ(error_of("<F2>"), "unknown key name <F2> at character 1");
    EXPECT_EQ(error_of("j<S-menu:4>"), "unknown key name <S-menu:4> at character 2");
    EXPECT_EQ(error_of("<>"), "unknown key name <> at character 1");
    EXPECT_EQ(error_of("<S-\nL>"), "unknown key name <S-\\x0aL> at character 1");  // still one line
    EXPECT_EQ(error_of(std::string("<lt\0x>", 6)), "unknown key name <lt\\x00x> at character 1");
    for (const char* bad : {"<menu:>", "<menu:4x>", "<menu:99999999999>", "<menu: 4>"})
        EXPECT_EQ(error_of(bad).rfind("menu value is not a whole number in <menu:", 0), 0u) << bad;
}

TEST(KeyScript, RefusesEveryWayOfQuittingAndSavingTheFavouriteView)
{
    EXPECT_EQ(error_of("o<F6>"),
              "the script would overwrite favview.sav in the working directory: <F6> at character 2");
    EXPECT_EQ(error_of("<s-f6>").rfind("the script would overwrite favview.sav", 0), 0u);
    EXPECT_EQ(error_of("jjq"), "the script would quit the viewer: 'q' at character 3");
    EXPECT_EQ(error_of("Q"), "the script would quit the viewer: 'Q' at character 1");
    EXPECT_EQ(error_of("o\033"), "the script would quit the viewer: Escape at character 2");
    EXPECT_EQ(error_of("<Up><menu:3>"), "the script would quit the viewer: <menu:3> at character 5");
}

// The help is made from the viewer's tables: a key or menu entry it offers
// must parse, and one it leaves out must be refused.
TEST(KeyScript, HelpOffersEveryKeyAndMenuEntryAScriptMayUseAndNoOther)
{
    const std::string help = key_script_help();
    const size_t keys = help.find("<Name>"), menu = help.find("<menu:N>");
    ASSERT_LT(keys, menu);
    const std::string offered = help.substr(keys, menu - keys);
    for (const char* name : special_key_names()) {
        const std::string item = std::string("<") + name + ">";
        Steps steps;
        std::string error;
        EXPECT_EQ(offered.find(item) != std::string::npos, parse_key_script(item, steps, error)) << item;
    }
    for (const MenuChoice& c : menu_choices()) {
        const std::string listed = std::to_string(c.value) + " " + c.text;
        Steps steps;
        std::string error;
        EXPECT_EQ(help.find(listed) != std::string::npos,
                  parse_key_script("<menu:" + std::to_string(c.value) + ">", steps, error))
            << listed;
    }
}

// The script reaches the program's own callbacks: a Shift given by the
// script does what the toolkit's Shift does in the special-key callback.
TEST(KeyScript, RunsThroughTheViewersCallbacksWithShiftAsTheToolkitGivesIt)
{
    const int codes[] = {GLUT_KEY_LEFT, GLUT_KEY_UP, GLUT_KEY_HOME, GLUT_KEY_PAGE_DOWN,
                         GLUT_KEY_INSERT, GLUT_KEY_F1};
    for (int code : codes)
        for (bool shift : {false, true}) {
            scene::start_program();
            gl_capture::state().modifiers = shift ? GLUT_ACTIVE_SHIFT : 0;
            special_keys(code, 0, 0);
            const ViewState by_toolkit = view_state;
            scene::start_program();
            run_key_script({special(code, shift)});
            EXPECT_EQ(std::memcmp(&by_toolkit, &view_state, sizeof view_state), 0)
                << "code " << code << " shift " << shift;
        }

    scene::start_program();
    testing::internal::CaptureStdout();
    run_key_script(parse("oB<menu:42>"));
    EXPECT_EQ(testing::internal::GetCapturedStdout(),
              "\nDon't know what to do with keyboard hit: 'B' (0x42)\nUnknown main menu value: 42\n");
    EXPECT_EQ(view_state.perspective_mode, 0);
}

}  // namespace
