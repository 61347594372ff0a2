#!/bin/sh
# Installs the Debian packages that tev needs and that are missing:
#   tools/setup.sh run      to build and run the viewer
#   tools/setup.sh package  to build the Debian package as well
#   tools/setup.sh test     to build it and run every test as well
set -eu

run_packages="g++ cmake make freeglut3-dev libglu1-mesa-dev libgl1-mesa-dri libx11-dev libpng-dev libgif-dev libgl2ps-dev libassimp-dev libtinygltf-dev nlohmann-json3-dev xvfb xauth"
package_packages="$run_packages dpkg-dev file"
test_packages="$package_packages lintian desktop-file-utils man-db libgtest-dev libxtst-dev zlib1g-dev clang libclang-rt-14-dev poppler-utils"

case "${1:-}" in
    run) wanted=$run_packages ;;
    package) wanted=$package_packages ;;
    test) wanted=$test_packages ;;
    *) echo "usage: $0 run|package|test" >&2; exit 2 ;;
esac

missing=""
for package in $wanted; do
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" ||
        missing="$missing $package"
done
[ -z "$missing" ] && exit 0

if [ "$(id -u)" -eq 0 ]; then
    as_root=""
elif command -v sudo >/dev/null 2>&1; then
    as_root="sudo"
else
    echo "setup: these Debian packages are missing; run as root to install them:$missing" >&2
    exit 1
fi
echo "setup: installing$missing"
$as_root apt-get update -q
DEBIAN_FRONTEND=noninteractive $as_root apt-get install -y -q --no-install-recommends $missing
