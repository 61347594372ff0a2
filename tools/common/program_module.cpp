#include "tools/common/program_module.h"

#include <dlfcn.h>
#include <limits.h>
#include <unistd.h>

void* load_program_module(const char* name, const char* from_program, const char* symbol, const char* kind,
                          const char* purpose, std::string& error)
{
    char program[PATH_MAX];
    const ssize_t n = readlink("/proc/self/exe", program, sizeof program - 1);
    const std::string self = n > 0 ? std::string(program, size_t(n)) : std::string();
    const std::string dir = self.substr(0, self.rfind('/') + 1);
    for (const std::string& path : {dir + name, dir + from_program}) {
        if (self.empty() || access(path.c_str(), F_OK) != 0)
            continue;
        void* module = dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
        void* found = module ? dlsym(module, symbol) : nullptr;
        if (!found)
            error = std::string("cannot load the ") + kind + " module: " + dlerror();
        return found;
    }
    error = std::string("cannot ") + purpose + ": the " + kind + " module " + name + " is not installed beside " +
            (self.empty() ? std::string("the program") : self);
    return nullptr;
}
