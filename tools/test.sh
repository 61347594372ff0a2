#!/bin/sh
# Sets up, builds and runs every test: unit, export and end-to-end tests, the
# unit and export tests again under AddressSanitizer and
# UndefinedBehaviorSanitizer, and 30 seconds each of fuzzing the
# favourite-view reader and the key-script parser. A test that hangs ends on
# its timeout (600 seconds unless it sets its own) and fails by name; so
# does a skipped test, which ctest would count as passed, unless it carries
# the label may_skip.
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
jobs=$(nproc)

# Runs the tests of the build directory $1 (ctest's options after it), then
# fails on any that did not run and may not skip.
run_tests() {
    dir=$1
    shift
    log="$dir/Testing/test.sh.log"
    mkdir -p "$dir/Testing"
    {
        status=0
        ctest --test-dir "$dir" --output-on-failure -j "$jobs" --timeout 600 "$@" 2>&1 || status=$?
        echo "$status" >"$log.status"
    } | tee "$log"
    status=$(cat "$log.status")
    [ "$status" -eq 0 ] || exit "$status"
    may_skip=$(ctest --test-dir "$dir" -N -L may_skip | sed -n 's/^ *Test *#[0-9]*: //p')
    unasked=$(sed -n 's/^.*Test *#[0-9]*: \([^ ]*\) .*\*\*\*\(Skipped\|Not Run\).*$/\1/p' "$log" |
              grep -vxF "$may_skip" || true)
    if [ -n "$unasked" ]; then
        echo "tests that did not run:" $unasked >&2
        exit 1
    fi
}

"$root/tools/setup.sh" test

cmake -S "$root" -B "$root/build/test" -DTEV_WERROR=ON >/dev/null
cmake --build "$root/build/test" -j "$jobs"
run_tests "$root/build/test"

cmake -S "$root" -B "$root/build/asan" -DTEV_WERROR=ON -DTEV_SANITIZE=ON -DTEV_E2E=OFF -DTEV_PACKAGE_TESTS=OFF >/dev/null
cmake --build "$root/build/asan" -j "$jobs" --target unit_tests export_tests
run_tests "$root/build/asan"

CXX=clang++ cmake -S "$root" -B "$root/build/fuzz" -DTEV_FUZZ=ON -DTEV_WERROR=ON >/dev/null
cmake --build "$root/build/fuzz" -j "$jobs"
run_tests "$root/build/fuzz"
