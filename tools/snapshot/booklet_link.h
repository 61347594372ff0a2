// The booklet's links to the web page: the address --link gives, checked,
// and each step's link with the view after it.
#pragma once

#include <string>

// The address followed by the fragment of the program's view, with the
// page's mark of the newest block on.
std::string step_link(const std::string& address);
