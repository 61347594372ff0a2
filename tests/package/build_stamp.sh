#!/bin/sh
# The first line of tev's help text carries SOURCE_DATE_EPOCH's time, and a
# build with another SOURCE_DATE_EPOCH stamps the program again.
#   build_stamp.sh BUILD_DIR   (a build made with SOURCE_DATE_EPOCH=1000000000)
set -eu
build=$1
out=$(mktemp)
trap 'rm -f "$out"' EXIT

# The viewer runs until it is quit; it is stopped once it has printed a line.
first_line() {
    : > "$out"
    xvfb-run -a sh -c '"$1" > "$2" & viewer=$!
        for i in $(seq 100); do [ -s "$2" ] && break; sleep 0.1; done
        kill $viewer' sh "$build/tev" "$out"
    head -n 1 "$out"
}
expect() {
    line=$(first_line)
    [ "$line" = "$1" ] || { echo "SOURCE_DATE_EPOCH=$SOURCE_DATE_EPOCH: got '$line', want '$1'"; exit 1; }
    echo "SOURCE_DATE_EPOCH=$SOURCE_DATE_EPOCH: $line"
}

SOURCE_DATE_EPOCH=1000000000 expect "TEV V1.0 (beta 3) built Sun Sep  9 01:46:40 01 A.S."
export SOURCE_DATE_EPOCH=1234567890
cmake --build "$build" --target tev >/dev/null
expect "TEV V1.0 (beta 3) built Fri Feb 13 23:31:30 09 A.S."
