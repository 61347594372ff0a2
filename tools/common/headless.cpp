#include "tools/common/headless.h"

#include <string>

#include "app/app.h"
#include "tools/common/timing.h"

void start_viewer(const char* program, const std::vector<ScriptStep>& steps)
{
    // The toolkit may keep argv for the life of the process.
    static std::string name;
    static char* argv[2];
    name = program;
    argv[0] = name.data();
    int argc = 1;
    open_window(&argc, argv);
    timing_step("window open");
    show_view_after(steps);
    timing_step("start-up view and keys");
}

void show_view_after(const std::vector<ScriptStep>& steps)
{
    set_start_up_view();
    run_key_script(steps);
}
