// The program started as the viewer starts it, without the help text and
// without handing control to the toolkit's event loop: the companion tools,
// their tests and the benchmarks then call its callbacks themselves. On the
// real toolkit a display must be found first (virtual_display.h); on the
// capture backend none is needed.
#pragma once

#include <vector>

#include "tools/common/key_script.h"

// Opens the program's window under the name `program` (no options reach
// the toolkit), then shows the view after start-up and `steps`.
void start_viewer(const char* program, const std::vector<ScriptStep>& steps);

// The view after start-up and `steps`, in a window already open: what a
// user sees who has typed the script into a freshly started viewer.
void show_view_after(const std::vector<ScriptStep>& steps);
