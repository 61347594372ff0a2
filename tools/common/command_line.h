// What the companion tools' command lines have in common: an error is one
// line on standard error that names the program, and the exit status says
// what kind of error it was.
#pragma once

#include <string>

// "PROGRAM: MESSAGE (see PROGRAM --help)"; returns 2, the status of wrong usage.
int usage_error(const char* program, const std::string& message);
// "PROGRAM: MESSAGE"; returns 1, the status of a failure.
int failure(const char* program, const std::string& message);
// Whether a file name has a name before this extension (any case).
bool ends_with(const std::string& name, const char* extension);
