#!/bin/sh
# One picture's cost from process start to exit: tev-snapshot drawing the
# start-up view into a 640 x 640 PNG against `glxinfo -B` (a GL program that
# only opens a context and asks its name) and against f3d, a general 3-D
# file viewer, drawing the ship's GLB from tev-export at 640 x 640; all on
# one private Xvfb, paired: each round runs each command once, in turn.
# Also tev-snapshot without DISPLAY (its own Xvfb) in the same rounds.
# Prints each command's median wall time and the ratios.
#   tools/benchmarks/snapshot_startup.sh [ROUNDS [BUILD_DIR [OLD_BUILD_DIR]]]
# ROUNDS defaults to 11. BUILD_DIR holds tools/snapshot/tev-snapshot and
# tools/export/tev-export; by default build/bench, a Release build made
# here. With OLD_BUILD_DIR, three more paired rounds time a construction set
# and a booklet with each build.
#   tools/benchmarks/snapshot_startup.sh 11 build/bench build/before
set -eu
root=$(cd "$(dirname "$0")/../.." && pwd)
rounds=${1:-11}
build=${2:-$root/build/bench}
old=${3:-}

# The yardsticks, for this benchmark only (Debian packages mesa-utils, f3d).
missing=""
command -v glxinfo >/dev/null 2>&1 || missing="$missing mesa-utils"
command -v f3d >/dev/null 2>&1 || missing="$missing f3d"
command -v Xvfb >/dev/null 2>&1 || missing="$missing xvfb"
if [ -n "$missing" ]; then
    sudo=""
    [ "$(id -u)" -eq 0 ] || sudo=sudo
    $sudo apt-get install -y $missing >&2
fi
if [ -z "${2:-}" ]; then
    cmake -S "$root" -B "$build" -DBUILD_TESTING=OFF -DCMAKE_BUILD_TYPE=Release >/dev/null
    cmake --build "$build" -j "$(nproc)" --target tev-snapshot tev-export >/dev/null
fi
snapshot="$build/tools/snapshot/tev-snapshot"

work=$(mktemp -d)
xvfb_pid=""
cleanup() {
    [ -z "$xvfb_pid" ] || kill "$xvfb_pid" 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT
mkfifo "$work/displayfd"
# -noreset, as a desktop's server: without it the server resets after each
# program, between the runs.
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp -noreset 3>"$work/displayfd" >/dev/null 2>&1 &
xvfb_pid=$!
DISPLAY=:$(head -n 1 "$work/displayfd")
export DISPLAY

"$build/tools/export/tev-export" --out "$work/ship.glb" >/dev/null

# Appends one run's wall time in seconds to the file $1 (the rest is the
# command), or a line to $1.failed if it fails.
timed() {
    log=$1
    shift
    start=$(date +%s.%N)
    if "$@" >/dev/null 2>&1; then
        end=$(date +%s.%N)
        awk -v a="$start" -v b="$end" 'BEGIN { printf "%.4f\n", b - a }' >>"$log"
    else
        echo "$*" >>"$log.failed"
    fi
}
median() { sort -n "$1" | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }

run_glxinfo() { timed "$work/glxinfo" glxinfo -B; }
run_snapshot() { timed "$work/snapshot" "$snapshot" --size 640 --out "$work/ship.png"; }
run_own_xvfb() { timed "$work/own_xvfb" env -u DISPLAY "$snapshot" --size 640 --out "$work/ship.png"; }
run_f3d() {
    timed "$work/f3d" f3d --dry-run --no-background --resolution 640,640 --output "$work/f3d.png" "$work/ship.glb"
}

# One warm-up round, then the rounds, each starting with the next command.
commands="run_glxinfo run_snapshot run_f3d run_own_xvfb"
for c in $commands; do $c; done
rm -f "$work/glxinfo" "$work/snapshot" "$work/f3d" "$work/own_xvfb" "$work"/*.failed
i=0
while [ $i -lt "$rounds" ]; do
    set -- $commands
    shift $((i % 4))
    for c in "$@"; do $c; done
    set -- $commands
    n=0
    for c in "$@"; do
        [ $n -lt $((i % 4)) ] && $c
        n=$((n + 1))
    done
    i=$((i + 1))
done

glx=$(median "$work/glxinfo") snap=$(median "$work/snapshot") f3d=$(median "$work/f3d")
own=$(median "$work/own_xvfb")
for failed in "$work"/*.failed; do
    if [ -e "$failed" ]; then echo "failed $(wc -l <"$failed") times: $(head -n 1 "$failed")"; fi
done
echo "median wall time of $rounds paired rounds on $(nproc) cores, $(grep -m 1 'model name' /proc/cpuinfo | cut -d: -f2 | sed 's/^ *//')"
printf '%-44s %7.3f s\n' "glxinfo -B" "$glx" \
    "tev-snapshot --size 640 --out ship.png" "$snap" \
    "  the same without DISPLAY (own Xvfb)" "$own" \
    "f3d, the GLB at 640,640 to a PNG" "$f3d"
awk -v glx="$glx" -v snap="$snap" -v f3d="$f3d" -v own="$own" 'BEGIN {
    printf "tev-snapshot / glxinfo -B:  %.2fx (at most 2.0x wanted)\n", snap / glx
    printf "f3d / tev-snapshot:         %.2fx (at least 3.5x wanted)\n", f3d / snap
    printf "own Xvfb - DISPLAY:         %.0f ms (at most 50 ms wanted)\n", (own - snap) * 1000
}'

if [ -n "$old" ]; then
    : >"$work/set-old" >"$work/booklet-old" >"$work/set-new" >"$work/booklet-new"
    for i in 1 2 3; do
        for which in old new; do
            s="$old/tools/snapshot/tev-snapshot"
            [ $which = new ] && s="$snapshot"
            timed "$work/set-$which" "$s" --keys o --construction "$work/set-dir-$which"
            timed "$work/booklet-$which" "$s" --keys o --booklet "$work/booklet-$which.pdf"
        done
    done
    for which in old new; do
        printf '%-4s construction set %6.2f s, booklet %6.2f s\n' $which \
            "$(median "$work/set-$which")" "$(median "$work/booklet-$which")"
    done
fi
