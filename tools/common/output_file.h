// A file that appears under its name only when it is complete: it is
// written to a temporary name beside the final one and renamed at the end.
#pragma once

#include <cstdio>
#include <string>

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

// Makes the directory `dir` and any missing parents; succeeds when it is
// there already. On failure `error` names the directory and why.
bool make_directory(const std::string& dir, std::string& error);
