#include "tools/common/timing.h"

#include <sys/resource.h>
#include <time.h>

#include <cstdio>
#include <cstdlib>

static double milliseconds(clockid_t clock)
{
    timespec t;
    clock_gettime(clock, &t);
    return double(t.tv_sec) * 1e3 + double(t.tv_nsec) / 1e6;
}

void timing_step(const char* step)
{
    static const bool on = std::getenv("TEV_TIMING") != nullptr;
    static const double first = milliseconds(CLOCK_MONOTONIC);
    if (!on)
        return;
    rusage usage;
    getrusage(RUSAGE_SELF, &usage);
    std::fprintf(stderr, "timing: %8.1f wall %8.1f cpu %7ld page faults  %s\n",
                 milliseconds(CLOCK_MONOTONIC) - first, milliseconds(CLOCK_PROCESS_CPUTIME_ID), usage.ru_minflt,
                 step);
}
