#!/bin/sh
# Sets up, builds and starts the viewer. The build holds the companion
# tools too, tev-export with its web page (the setup installs Node and the
# page's npm packages for it). favview.sav is kept in the directory this is
# started from. Without a display it draws the start-up view into a picture
# instead.
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)

"$root/tools/setup.sh" run
cmake -S "$root" -B "$root/build/run" -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF >/dev/null
cmake --build "$root/build/run" -j "$(nproc)"

# Without a screen the viewer cannot open its window; its picture can
# still be had, drawn on a private X server.
if [ -z "${DISPLAY:-}" ]; then
    picture="$root/build/run/start-up.png"
    "$root/build/run/tools/snapshot/tev-snapshot" --out "$picture"
    echo "tev: no X display to open the window on (DISPLAY is not set);"
    echo "tev-snapshot drew the start-up view instead: $picture"
    exit 0
fi
exec "$root/build/run/tev" "$@"
