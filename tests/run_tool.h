// Running a companion tool from a test, and the files and directories it
// writes: one way for every test, with the standard library instead of
// shell commands for the directories.
#pragma once

#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace test_tool {

// Everything in a file; empty if it cannot be read.
inline std::string read_file(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

// The names in a directory, sorted; none if it is not there.
inline std::vector<std::string> listing(const std::string& dir)
{
    std::vector<std::string> names;
    std::error_code code;
    for (const auto& e : std::filesystem::directory_iterator(dir, code))
        names.push_back(e.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

// Removes a directory and all in it, read-only parts included.
inline void remove_tree(const std::string& dir)
{
    namespace fs = std::filesystem;
    std::error_code code;
    fs::permissions(dir, fs::perms::owner_all, fs::perm_options::add, code);
    for (auto e = fs::recursive_directory_iterator(dir, code); !code && e != fs::end(e); e.increment(code))
        if (e->is_directory(code))
            fs::permissions(e->path(), fs::perms::owner_all, fs::perm_options::add, code);
    fs::remove_all(dir, code);
}

// A new empty directory /tmp/NAME-XXXXXX; empty if it cannot be made.
inline std::string temporary_dir(const std::string& name)
{
    std::string pattern = "/tmp/" + name + "-XXXXXX";
    return mkdtemp(pattern.data()) ? pattern : "";
}

// An empty directory of this path, made afresh.
inline std::string fresh_dir(const std::string& dir)
{
    remove_tree(dir);
    std::filesystem::create_directories(dir);
    return dir;
}

struct Outcome {
    int status;  // the exit status, or -1 if the tool did not exit
    std::string out, err;
};

// Runs a command line through the shell (the caller quotes its words),
// keeping what it writes to standard output and standard error.
inline Outcome run_tool(const std::string& command)
{
    const std::string out = std::filesystem::temp_directory_path() / ("tev-tool-" + std::to_string(getpid()));
    const int raw = std::system((command + " >'" + out + ".out' 2>'" + out + ".err'").c_str());
    Outcome o{WIFEXITED(raw) ? WEXITSTATUS(raw) : -1, read_file(out + ".out"), read_file(out + ".err")};
    std::remove((out + ".out").c_str());
    std::remove((out + ".err").c_str());
    return o;
}

}  // namespace test_tool
