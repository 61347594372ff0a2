#include "tools/common/key_script.h"

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <sstream>

#include "app/app.h"
#include "app/input.h"

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

// Lines of the help end before the first column and explain from the second.
constexpr size_t help_width = 79, help_column = 22;

// One item of the help: `item` and the words that explain it, wrapped.
static std::string help_item(const std::string& item, const std::vector<std::string>& words)
{
    std::string text, line = "  " + item;
    line.resize(std::max(line.size() + 1, help_column), ' ');
    bool line_started = false;
    for (const std::string& word : words) {
        if (line_started && line.size() + 1 + word.size() > help_width) {
            text += line + "\n";
            line.assign(help_column, ' ');
            line_started = false;
        }
        line += (line_started ? " " : "") + word;
        line_started = true;
    }
    return text + line + "\n";
}

static std::vector<std::string> words_of(const std::string& text)
{
    std::istringstream in(text);
    std::vector<std::string> words;
    for (std::string word; in >> word;)
        words.push_back(word);
    return words;
}

// The special keys and menu entries come from the viewer's own tables, less
// those the parser refuses.
std::string key_script_help()
{
    std::vector<std::string> keys = words_of("a special key:");
    for (const char* name : special_key_names())
        if (refusal({ScriptStep::special_key, special_key_named(name, std::strlen(name)), false}).empty())
            keys.push_back(std::string("<") + name + ">");
    keys.back() += ";";
    for (const std::string& w : words_of("<S-Name> holds Shift with it, as <S-PageDown>"))
        keys.push_back(w);

    std::vector<std::string> entries = words_of("the pop-up menu entry of value N:");
    for (const MenuChoice& c : menu_choices())
        if (refusal({ScriptStep::menu, c.value, false}).empty())
            entries.push_back(std::to_string(c.value) + " " + c.text + ",");
    entries.back().pop_back();

    return "A key script is typed as at the viewer's keyboard: each character is one key\n"
           "(so 'B' prints the viewer's diagnostic and changes nothing). In angle brackets:\n" +
           help_item("<Name>", keys) + help_item("<menu:N>", entries) +
           help_item("<lt>", words_of("the character '<'")) +
           "Names are not case-sensitive. Keys that quit (Esc, Q, q, <menu:3>) are refused,\n"
           "and so is <F6>, which would overwrite favview.sav in the working directory.\n";
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
