#!/bin/sh
# Renders the reference pictures of the reference-image tests again, on
# purpose: after a change that is meant to alter what the viewer draws.
# Look at every picture it writes before committing them.
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
build="$root/build/test"
cmake -S "$root" -B "$build" >/dev/null
cmake --build "$build" -j "$(nproc)" --target tev-snapshot
grep -v '^#' "$root/tests/reference/views.txt" | while IFS="$(printf '\t')" read -r name keys; do
    [ -n "$name" ] || continue
    env -u DISPLAY "$build/tools/snapshot/tev-snapshot" --keys "$keys" --out "$root/tests/reference/$name.png"
    echo "tests/reference/$name.png"
done
