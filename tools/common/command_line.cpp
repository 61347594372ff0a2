#include "tools/common/command_line.h"

#include <strings.h>

#include <cstdio>
#include <cstring>

int usage_error(const char* program, const std::string& message)
{
    std::fprintf(stderr, "%s: %s (see %s --help)\n", program, message.c_str(), program);
    return 2;
}

int failure(const char* program, const std::string& message)
{
    std::fprintf(stderr, "%s: %s\n", program, message.c_str());
    return 1;
}

bool ends_with(const std::string& name, const char* extension)
{
    const size_t n = std::strlen(extension);
    return name.size() > n && strcasecmp(name.c_str() + name.size() - n, extension) == 0;
}
