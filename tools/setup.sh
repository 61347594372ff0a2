#!/bin/sh
# Installs the Debian packages that tev needs and that are missing:
#   tools/setup.sh run      to build and run the viewer
#   tools/setup.sh package  to build the Debian package as well
#   tools/setup.sh test     to build it and run every test as well
# Each also installs Node, npm and the npm packages (from their lock file) of
# the web page that tev-export --web and --html write (tools/export/web), so
# that every build of tev-export carries the page.
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)

run_packages="g++ cmake make emscripten freeglut3-dev libglu1-mesa-dev libgl1-mesa-dri libx11-dev libpng-dev libgif-dev libgl2ps-dev libassimp-dev libtinygltf-dev nlohmann-json3-dev zlib1g-dev libavcodec-dev libavformat-dev libswscale-dev libavutil-dev libcairo2-dev libpango1.0-dev librsvg2-dev libqrencode-dev fonts-dejavu-core pkg-config xvfb xauth"
package_packages="$run_packages dpkg-dev file"
test_packages="$package_packages lintian desktop-file-utils man-db libgtest-dev libxtst-dev clang libclang-rt-14-dev poppler-utils qpdf zbar-tools chromium ffmpeg librsvg2-bin"

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
# Node and npm may come from elsewhere than Debian; any will do.
command -v node >/dev/null 2>&1 || missing="$missing nodejs"
command -v npm >/dev/null 2>&1 || missing="$missing npm"

if [ -n "$missing" ]; then
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
fi

# npm ci again only when the lock file is newer than the installed packages.
web="$root/tools/export/web"
if ! [ "$web/node_modules/.package-lock.json" -nt "$web/package-lock.json" ]; then
    echo "setup: installing the npm packages of tools/export/web"
    (cd "$web" && npm ci --no-audit --no-fund --loglevel=error)
fi
