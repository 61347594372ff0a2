// How much work a frame is for the program itself: display() against the
// capture backend for OpenGL, with the count of primitives it issues.
//   cmake -S . -B build/bench -DTEV_BENCHMARKS=ON -DCMAKE_BUILD_TYPE=Release
//   cmake --build build/bench --target frame_benchmark && build/bench/tools/benchmarks/frame_benchmark
#include <benchmark/benchmark.h>

#include <cstdio>

#include "app/app.h"
#include "app/input.h"
#include "render/render.h"
#include "tools/gl_capture/gl_capture.h"
#include "view/view_state.h"

namespace {

void start(const char* keys)
{
    static char name[] = "tev";
    static char* argv[] = {name, nullptr};
    int argc = 1;
    std::FILE* saved = stdout;
    stdout = std::fopen("/dev/null", "w");  // the help text
    start_up(&argc, argv);
    for (const char* k = keys; *k; ++k)
        keyboard(static_cast<unsigned char>(*k), 0, 0);
    std::fclose(stdout);
    stdout = saved;
}

void frame(benchmark::State& state, const char* keys)
{
    start(keys);
    size_t primitives = 0;
    for (auto _ : state) {
        gl_capture::clear_prims();
        display();
        primitives = gl_capture::prims().size();
    }
    state.counters["primitives"] = double(primitives);
}

}  // namespace

BENCHMARK_CAPTURE(frame, start_up_view, "");
BENCHMARK_CAPTURE(frame, overhead_with_hull_and_target, "okx");
BENCHMARK_CAPTURE(frame, one_deck_ceilings_off, "onnnnnnnnnnnt");

BENCHMARK_MAIN();
