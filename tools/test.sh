#!/bin/sh
# Sets up, builds and runs every test: unit, export and end-to-end tests, the
# unit and export tests again under AddressSanitizer and
# UndefinedBehaviorSanitizer, and 30 seconds each of fuzzing the
# favourite-view reader and the key-script parser.
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
jobs=$(nproc)

"$root/tools/setup.sh" test

cmake -S "$root" -B "$root/build/test" -DTEV_WERROR=ON >/dev/null
cmake --build "$root/build/test" -j "$jobs"
ctest --test-dir "$root/build/test" --output-on-failure -j "$jobs"

cmake -S "$root" -B "$root/build/asan" -DTEV_WERROR=ON -DTEV_SANITIZE=ON -DTEV_E2E=OFF -DTEV_PACKAGE_TESTS=OFF >/dev/null
cmake --build "$root/build/asan" -j "$jobs" --target unit_tests export_tests
ctest --test-dir "$root/build/asan" --output-on-failure -j "$jobs"

CXX=clang++ cmake -S "$root" -B "$root/build/fuzz" -DTEV_FUZZ=ON -DTEV_WERROR=ON >/dev/null
cmake --build "$root/build/fuzz" -j "$jobs"
ctest --test-dir "$root/build/fuzz" --output-on-failure
