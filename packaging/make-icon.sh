#!/bin/sh
# Draws packaging/tev.png, the desktop icon, with tev-snapshot: the whole ship
# from above and behind, without the Earth and the station, filling the picture.
# usage: packaging/make-icon.sh [TEV-SNAPSHOT]   (default: the build in build/rel)
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
snapshot=${1:-$root/build/rel/tools/snapshot/tev-snapshot}

repeat() {
    n=$1 text=
    while [ "$n" -gt 0 ]; do text="$text$2" n=$((n - 1)); done
    printf '%s' "$text"
}

# From the start-up camera to x -66, y -100, z 68.5, heading 55, tilted down.
keys="ef$(repeat 19 '<S-Right>')$(repeat 12 '<S-Down>')$(repeat 5 '<S-Home>')$(repeat 5 '<Home>')"
keys="$keys$(repeat 6 S)$(repeat 5 d)$(repeat 34 '<Insert>')"
exec "$snapshot" --keys "$keys" --size 256 --transparent --out "$root/packaging/tev.png"
