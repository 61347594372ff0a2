// The progress of a long run on standard error, one line a step: "step 57
// of 140". On a terminal the line is rewritten in place, and ended once the
// run is over, however it ends.
#pragma once

#include <cstdio>
#include <unistd.h>

class ProgressLine {
public:
    ProgressLine() : end_of_line_(isatty(fileno(stderr)) ? "\r" : "\n") {}
    ~ProgressLine()
    {
        if (shown_ && *end_of_line_ == '\r')
            std::fputc('\n', stderr);
    }
    ProgressLine(const ProgressLine&) = delete;
    ProgressLine& operator=(const ProgressLine&) = delete;

    void show(const char* what, int n, int of)
    {
        std::fprintf(stderr, "%s %d of %d%s", what, n, of, end_of_line_);
        shown_ = true;
    }

private:
    const char* end_of_line_;
    bool shown_ = false;
};
