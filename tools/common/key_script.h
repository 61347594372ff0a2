// A key script: the keys a user would type into the viewer, as one string.
// Each ordinary character is one key; <Name> is a special key and <S-Name>
// the same with Shift held (<PageUp>, <S-Left>, <F5>); <menu:N> chooses the
// pop-up menu entry of value N; <lt> is the character '<'.
#pragma once

#include <string>
#include <vector>

struct ScriptStep {
    enum Kind { key, special_key, menu };
    Kind kind;
    int code;     // the character, the special-key code, or the menu value
    bool shift;   // special keys only
    bool operator==(const ScriptStep& o) const
    {
        return kind == o.kind && code == o.code && shift == o.shift;
    }
};

// Parses a script. A script that would end the program is refused, since a
// tool that replays it has to go on drawing, and so is one that would save
// the favourite view (<F6>) over the user's favview.sav. On failure `error` is one line
// that names what was wrong and where.
bool parse_key_script(const std::string& text, std::vector<ScriptStep>& steps,
                      std::string& error);

// Gives the steps to the program's own keyboard, special-key and menu
// callbacks, in order.
void run_key_script(const std::vector<ScriptStep>& steps);

// The script syntax, for the tools' --help, naming the special keys and
// menu entries a script may use.
std::string key_script_help();
