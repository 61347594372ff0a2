#include "tools/common/key_script.h"

#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "app/app.h"
#include "view/input.h"

const char key_script_help[] =
    "A key script is typed as at the viewer's keyboard: each character is one key\n"
    "(so 'B' prints the viewer's diagnostic and changes nothing). In angle brackets:\n"
    "  <Left> <Right> <Up> <Down> <Home> <End> <PageUp> <PageDown> <Insert>\n"
    "  <F1> <F5> <F6>      a special key; <S-PageDown> holds Shift with it\n"
    "  <menu:N>            the pop-up menu entry of value N (9 Show All, 8 Earth,\n"
    "                      7 ISS Alpha, 6 Reset View, 5 Landing Bay Target, 4 Toggle View)\n"
    "  <lt>                the character '<'\n"
    "Names are not case-sensitive. Keys that quit (Esc, Q, q, <menu:3>) are refused,\n"
    "and so is <F6>, which would overwrite favview.sav in the working directory.\n";

static std::string at(size_t offset) { return " at character " + std::to_string(offset + 1); }

static bool parse_menu_value(const std::string& digits, int& value)
{
    if (digits.empty() || digits.find_first_not_of("+-0123456789") != std::string::npos)
        return false;
    errno = 0;
    char* end = nullptr;
    const long v = std::strtol(digits.c_str(), &end, 10);
    if (errno || *end || v < INT_MIN || v > INT_MAX)
        return false;
    value = static_cast<int>(v);
    return true;
}

// The item as an error shows it: control characters as \xNN, so that the
// error stays one line.
static std::string shown_as(const std::string& item)
{
    std::string shown = "<";
    for (const char c : item) {
        if (static_cast<unsigned char>(c) < 0x20 || c == 0x7f) {
            char escaped[8];
            std::snprintf(escaped, sizeof escaped, "\\x%02x", static_cast<unsigned char>(c));
            shown += escaped;
        } else {
            shown += c;
        }
    }
    return shown + ">";
}

// One <...> item, without its brackets.
static bool parse_bracketed(const std::string& item, ScriptStep& step, std::string& error)
{
    const std::string shown = shown_as(item);
    if (item.size() == 2 && strncasecmp(item.c_str(), "lt", 2) == 0) {  // a NUL inside is no "lt"
        step = {ScriptStep::key, '<', false};
        return true;
    }
    if (strncasecmp(item.c_str(), "menu:", 5) == 0) {
        int value;
        if (!parse_menu_value(item.substr(5), value)) {
            error = "menu value is not a whole number in " + shown;
            return false;
        }
        step = {ScriptStep::menu, value, false};
        return true;
    }
    const bool shift = strncasecmp(item.c_str(), "S-", 2) == 0;
    const std::string name = shift ? item.substr(2) : item;
    const int code = special_key_named(name.c_str(), name.size());
    if (code < 0) {
        error = "unknown key name " + shown;
        return false;
    }
    step = {ScriptStep::special_key, code, shift};
    return true;
}

static std::string describe_quit(const ScriptStep& step)
{
    if (step.kind == ScriptStep::menu)
        return "<menu:" + std::to_string(step.code) + ">";
    if (step.code == '\033')
        return "Escape";
    return std::string("'") + char(step.code) + "'";
}

// Why a tool that replays the script refuses this step, or "": it has to go
// on drawing, and must not overwrite the user's favourite view behind their
// back (<F5>, which only reads it, stays).
static std::string refusal(const ScriptStep& step)
{
    if ((step.kind == ScriptStep::key && key_quits(static_cast<unsigned char>(step.code))) ||
        (step.kind == ScriptStep::menu && menu_value_quits(step.code)))
        return "the script would quit the viewer: " + describe_quit(step);
    if (step.kind == ScriptStep::special_key && step.code == special_key_named("F6", 2))
        return std::string("the script would overwrite favview.sav in the working directory: ") +
               (step.shift ? "<S-F6>" : "<F6>");
    return "";
}

bool parse_key_script(const std::string& text, std::vector<ScriptStep>& steps, std::string& error)
{
    steps.clear();
    for (size_t i = 0; i < text.size(); ++i) {
        ScriptStep step{ScriptStep::key, static_cast<unsigned char>(text[i]), false};
        const size_t start = i;
        if (text[i] == '<') {
            const size_t close = text.find_first_of("<>", i + 1);
            if (close == std::string::npos || text[close] != '>') {
                error = "'<' without its '>'" + at(i) + " (write <lt> for the key '<')";
                return false;
            }
            if (!parse_bracketed(text.substr(i + 1, close - i - 1), step, error)) {
                error += at(i);
                return false;
            }
            i = close;
        }
        if (const std::string why = refusal(step); !why.empty()) {
            error = why + at(start);
            return false;
        }
        steps.push_back(step);
    }
    return true;
}

void run_key_script(const std::vector<ScriptStep>& steps)
{
    for (const ScriptStep& s : steps)
        switch (s.kind) {
        case ScriptStep::key: keyboard(static_cast<unsigned char>(s.code), 0, 0); break;
        case ScriptStep::special_key: special_key(s.code, s.shift); break;
        case ScriptStep::menu: main_menu(s.code); break;
        }
}
