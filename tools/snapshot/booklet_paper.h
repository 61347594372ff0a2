// The paper a booklet is printed on.
#pragma once

#include <string>

struct Paper {
    const char* name;
    double width, height;  // points, upright
};

// The paper of this name, or null.
const Paper* find_paper(const std::string& name);
