// What the companion tools' command lines have in common: a table of
// options read by one loop, the opening of main, and errors as one line on
// standard error that names the program, with an exit status that says what
// kind of error it was.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "tools/common/key_script.h"

// One row of a tool's option table. An option takes a value, kept as given
// in `text` or read by `parse`, or takes none and sets `flag`.
struct CommandOption {
    const char* name;                                   // without the leading --
    std::string* text = nullptr;                        // the value as given
    bool* flag = nullptr;                               // set when given
    std::function<std::string(const char* value)> parse = nullptr;  // "" or what is wrong
};

// A tool's command line: its options (--help is always there), its help
// text, and the checks of the options taken together.
struct ToolCommandLine {
    const char* program;
    std::vector<CommandOption> options;
    std::function<void()> print_help;
    std::function<std::string()> check;  // "" or what is wrong
};

// The opening of every tool's main: standard output a line at a time (so
// that what the keys print keeps its order with the tool's own output), the
// options, then the key script of the option "keys" into `steps`. Returns -1 to go on, else the
// exit status: 0 after --help, 2 for wrong usage.
int read_command_line(const ToolCommandLine& tool, int argc, char** argv,
                      std::vector<ScriptStep>& steps);

// "PROGRAM: MESSAGE (see PROGRAM --help)"; returns 2, the status of wrong usage.
int usage_error(const char* program, const std::string& message);
// "PROGRAM: MESSAGE"; returns 1, the status of a failure.
int failure(const char* program, const std::string& message);
// Whether a file name has a name before this extension (any case).
bool ends_with(const std::string& name, const char* extension);
