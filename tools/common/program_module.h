// Modules that come with a program, for what few of its runs need and whose
// libraries take long to load: beside the program in the build tree, at a
// fixed place relative to its directory (such as ../lib/tev/) installed.
#pragma once

#include <string>

// Loads the module `name` (found beside the program or at `from_program`, a
// path relative to the program's directory) and returns the address of its
// `symbol`, or null and one line in `error`: "cannot PURPOSE: the KIND
// module NAME is not installed beside PROGRAM", or "cannot load the KIND
// module: " and the loader's words. A module stays loaded.
void* load_program_module(const char* name, const char* from_program, const char* symbol, const char* kind,
                          const char* purpose, std::string& error);
