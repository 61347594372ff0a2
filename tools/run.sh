#!/bin/sh
# Sets up, builds and starts the viewer. favview.sav is kept in the
# directory this is started from.
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)

"$root/tools/setup.sh" run
cmake -S "$root" -B "$root/build/run" -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF >/dev/null
cmake --build "$root/build/run" -j "$(nproc)"

if [ -z "${DISPLAY:-}" ]; then
    echo "tev: no X display to open the window on (DISPLAY is not set)" >&2
    exit 1
fi
exec "$root/build/run/tev" "$@"
