#!/bin/sh
# Builds the Debian package tev_1.0~beta3_amd64.deb: sets up (with emscripten and the npm
# packages of the web page that tev-export carries), makes a Release build in
# BUILD_DIR (default build/package) with Debian's hardening flags, and runs
# CPack. The package is written to OUT_DIR (default: the current directory)
# and its path printed on standard output.
#   tools/package.sh [OUT_DIR [BUILD_DIR]]
# The build stamp is the time of the last commit unless SOURCE_DATE_EPOCH is
# set, so that one commit always gives the same binaries.
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
out=$(cd "${1:-.}" && pwd)
build=${2:-$root/build/package}

"$root/tools/setup.sh" package >&2

if [ -z "${SOURCE_DATE_EPOCH:-}" ] && git -C "$root" rev-parse --git-dir >/dev/null 2>&1; then
    SOURCE_DATE_EPOCH=$(git -C "$root" log -1 --format=%ct)
    export SOURCE_DATE_EPOCH
fi

# -Wdate-time is left out: the build stamp uses __DATE__ and __TIME__ on
# purpose, and SOURCE_DATE_EPOCH fixes them.
flags() { (cd "$root" && DEB_BUILD_MAINT_OPTIONS=hardening=+all dpkg-buildflags --get "$1"); }
cxxflags="$(flags CXXFLAGS) $(flags CPPFLAGS | sed 's/-Wdate-time//')"
cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF \
    "-DCMAKE_CXX_FLAGS=$cxxflags" "-DCMAKE_EXE_LINKER_FLAGS=$(flags LDFLAGS)" \
    "-DCMAKE_MODULE_LINKER_FLAGS=$(flags LDFLAGS)" >&2
# The setup step installed emscripten and the web page's npm packages; a packaged tev-export
# without its page would be a broken --web.
grep -q '^TEV_WEB_PAGE:INTERNAL=ON$' "$build/CMakeCache.txt" ||
    { echo "package: tev-export would be built without its web page (see tools/export/web)" >&2; exit 1; }
cmake --build "$build" -j "$(nproc)" >&2
(cd "$build" && cpack -G DEB) >&2

deb=tev_1.0~beta3_amd64.deb
cp "$build/$deb" "$out/.$deb.tmp"
mv "$out/.$deb.tmp" "$out/$deb"
echo "$out/$deb"
