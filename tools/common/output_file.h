// A file that appears under its name only when it is complete: it is
// written to a temporary name beside the final one and renamed at the end.
#pragma once

#include <cstdio>
#include <string>
#include <vector>

class OutputFile {
public:
    OutputFile() = default;
    OutputFile(const OutputFile&) = delete;
    OutputFile& operator=(const OutputFile&) = delete;
    ~OutputFile();  // removes the temporary file unless it was committed

    // Creates the temporary file; on failure `error` names the path and why.
    bool open(const std::string& path, std::string& error);
    std::FILE* stream() const { return stream_; }
    // Flushes, syncs and closes the file and renames it to its final name.
    bool commit(std::string& error);

private:
    std::string path_, temporary_;
    std::FILE* stream_ = nullptr;
};

// The files one run writes, which stand or fall together: unless the run
// commits, every file added is removed when the set ends, so that a run
// that fails half way leaves nothing of itself behind.
class OutputSet {
public:
    OutputSet() = default;
    OutputSet(const OutputSet&) = delete;
    OutputSet& operator=(const OutputSet&) = delete;
    ~OutputSet();

    void add(const std::string& path);  // a file written in full
    void commit() { paths_.clear(); }   // keeps them all

private:
    std::vector<std::string> paths_;
};

// Makes the directory `dir` and any missing parents; succeeds when it is
// there already. On failure `error` names the directory and why.
bool make_directory(const std::string& dir, std::string& error);

// The names in a directory (not . and ..), sorted; none if it cannot be read.
std::vector<std::string> directory_entries(const std::string& dir);
// Removes the directory and everything in it; no error if it is not there.
void remove_directory(const std::string& dir);
