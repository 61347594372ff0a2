#!/bin/sh
# Builds and runs both frame benchmarks and prints, per view, the primitives
# of a frame, the program's own time for them (against the recording
# stand-in), the median real frame (display and glFinish on Mesa's software
# rasteriser under Xvfb) and the program's share of the real frame.
set -eu
root=$(cd "$(dirname "$0")/../.." && pwd)
build="$root/build/bench"
cmake -S "$root" -B "$build" -DTEV_BENCHMARKS=ON -DBUILD_TESTING=OFF -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$build" -j "$(nproc)" --target frame_benchmark real_frame_benchmark >/dev/null
own=$(mktemp) real=$(mktemp)
trap 'rm -f "$own" "$real"' EXIT
"$build/tools/benchmarks/frame_benchmark" --benchmark_format=csv 2>/dev/null >"$own"
env -u DISPLAY "$build/tools/benchmarks/real_frame_benchmark" --benchmark_format=csv 2>/dev/null >"$real"
# CSV rows: name,iterations,real_time,cpu_time,time_unit,...,counters; the
# counter is the last column in both.
awk -F, '
    function ms(t, unit) { return unit == "ns" ? t / 1e6 : unit == "us" ? t / 1e3 : unit == "s" ? t * 1e3 : t }
    function view(name) { gsub(/"/, "", name); sub(/^frame\//, "", name); sub(/\/manual_time$/, "", name); return name }
    FNR == 1 { next }
    NR == FNR { own[view($1)] = ms($3, $5); prims[view($1)] = $NF; next }
    { real[view($1)] = $NF; order[++n] = view($1) }
    END {
        printf "%-32s %10s %14s %15s %8s\n", "view", "primitives", "own time (ms)", "real frame (ms)", "share"
        for (i = 1; i <= n; ++i) {
            v = order[i]
            printf "%-32s %10d %14.3f %15.2f %7.1f%%\n", v, prims[v], own[v], real[v], 100 * own[v] / real[v]
        }
    }' "$own" "$real"
