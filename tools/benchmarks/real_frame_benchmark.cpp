// What a frame costs with real OpenGL: display() and glFinish in the
// viewer's own 640x640 window, on a private Xvfb (Mesa's software
// rasteriser) unless DISPLAY names a screen. Each view reports the median
// time of one frame. compare.sh prints these beside frame_benchmark's.
#include <GL/freeglut.h>
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "app/app.h"
#include "app/input.h"
#include "render/render.h"
#include "tools/common/headless.h"
#include "tools/common/virtual_display.h"
#include "view/view_state.h"

namespace {

// The view after start-up and the keys, in the window main opened.
void start(const char* keys)
{
    std::vector<ScriptStep> steps;
    std::string error;
    parse_key_script(keys, steps, error);
    show_view_after(steps);
}

void frame(benchmark::State& state, const char* keys)
{
    start(keys);
    std::vector<double> times;
    for (auto _ : state) {
        const auto t0 = std::chrono::steady_clock::now();
        display();
        glFinish();
        const std::chrono::duration<double> t = std::chrono::steady_clock::now() - t0;
        state.SetIterationTime(t.count());
        times.push_back(t.count());
    }
    std::nth_element(times.begin(), times.begin() + times.size() / 2, times.end());
    state.counters["median_ms"] = times[times.size() / 2] * 1000;
}

}  // namespace

// The same views as frame_benchmark.
BENCHMARK_CAPTURE(frame, start_up_view, "")->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(frame, overhead_with_hull_and_target, "okx")->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(frame, one_deck_ceilings_off, "onnnnnnnnnnnt")->UseManualTime()->Unit(benchmark::kMillisecond);

int main(int argc, char** argv)
{
    VirtualDisplay xvfb;
    std::string error;
    if (!find_display(xvfb, error)) {
        std::fprintf(stderr, "real_frame_benchmark: %s\n", error.c_str());
        return 1;
    }
    start_viewer("tev", {});
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    glutExit();
    return 0;
}
