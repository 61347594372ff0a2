#!/bin/sh
# Renders and exports a fixed set of views with two builds of the companion
# tools and compares what they wrote, byte for byte: pictures, a
# construction set, deck plans, a booklet, every model format, both parts
# lists, the web page (as a site and as one file), a marked block, a video,
# a turntable and the help texts. gl2ps stamps its SVG, PDF and EPS files with
# the time they were made (a CreationDate line); those are compared without
# that line. Exit status 0 when everything matches, 1 when not, 2 on usage.
#   tools/compare-builds.sh OLD NEW
# OLD and NEW are each a build directory holding tools/snapshot/tev-snapshot
# and tools/export/tev-export, or a git revision, which is built from its
# committed tree into build/compare/build-REV.
#   tools/compare-builds.sh 02f1509 HEAD
#   tools/compare-builds.sh build/before build/test
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
work="$root/build/compare"
if [ $# -ne 2 ]; then
    echo "usage: $0 OLD NEW (each a build directory or a git revision)" >&2
    exit 2
fi

# Prints the build directory for a build directory or a revision.
build_of() {
    if [ -x "$1/tools/snapshot/tev-snapshot" ] && [ -x "$1/tools/export/tev-export" ]; then
        (cd "$1" && pwd)
        return
    fi
    rev=$(git -C "$root" rev-parse --short "$1^{commit}")
    src="$work/src-$rev"
    build="$work/build-$rev"
    if [ ! -d "$src" ]; then
        mkdir -p "$src"
        git -C "$root" archive "$rev" | tar -x -C "$src"
    fi
    # The page's npm packages, as installed for this checkout.
    web="$src/tools/export/web"
    if [ ! -e "$web/node_modules" ] && [ -d "$root/tools/export/web/node_modules" ]; then
        ln -s "$root/tools/export/web/node_modules" "$web/node_modules"
    fi
    launcher=""
    command -v ccache >/dev/null 2>&1 && launcher="-DCMAKE_CXX_COMPILER_LAUNCHER=ccache"
    cmake -S "$src" -B "$build" -DBUILD_TESTING=OFF $launcher >&2
    cmake --build "$build" -j 2 --target tev-snapshot tev-export >&2
    echo "$build"
}

# The fixed set of views, written into DIR by the build BUILD.
render() {
    build=$1 out=$2
    rm -rf "$out"
    mkdir -p "$out"
    snapshot() { env -u DISPLAY "$build/tools/snapshot/tev-snapshot" "$@"; }
    export_() { "$build/tools/export/tev-export" "$@"; }
    echo "rendering with $build" >&2
    snapshot --help >"$out/snapshot-help.txt"
    export_ --help >"$out/export-help.txt"
    snapshot --out "$out/start_up.png"
    snapshot --keys 'o<S-PageDown><Left>t' --out "$out/overhead.png"
    snapshot --keys 'okx' --size 320 --transparent --out "$out/poster.png"
    snapshot --keys 'ot' --out "$out/overhead.svg"
    snapshot --keys 'kx' --out "$out/hull_target.pdf"
    snapshot --keys 'okxt' --size 320 --out "$out/overhead.eps"
    snapshot --keys 'o' --size 160 --construction "$out/construction" 2>/dev/null
    snapshot --size 320 --deck-plans "$out/plans" 2>/dev/null
    snapshot --keys 'ozjjjjj' --size 320 --link https://tev.example.org/ship.html \
        --booklet "$out/booklet.pdf" 2>/dev/null
    export_ --out "$out/ship.glb" >"$out/export-stdout.txt"
    export_ --keys kx --out "$out/ship.gltf"
    export_ --keys kx --out "$out/ship.obj"
    export_ --out "$out/ship.stl"
    export_ --out "$out/ship.ply"
    export_ --construction --out "$out/build.glb" --parts-list "$out/parts.json"
    export_ --keys nnnnnnnnnnnnn --out "$out/deck-3.gltf" --parts-list "$out/deck-3.csv"
    export_ --keys 'zjjjjjjjjjjjjjjjjjjjjj' --parts-list "$out/first-21.json"
    export_ --keys kx --web "$out/web"
    # Not in every build: a build without them leaves its errors instead.
    export_ --keys kx --html "$out/ship.html" 2>"$out/html-errors.txt" || true
    snapshot --keys 'ozjjjjj' --highlight --out "$out/highlight.png" 2>"$out/highlight-errors.txt" || true
    snapshot --keys 'o' --size 96 --construction "$out/video-set" --video "$out/construction.mp4" \
        2>"$out/video-errors.txt" || true
    snapshot --keys 'wf' --size 64 --turntable "$out/turntable" 2>"$out/turntable-errors.txt" || true
}

old=$(build_of "$1")
new=$(build_of "$2")
render "$old" "$work/out-old"
render "$new" "$work/out-new"

# Compares the two trees of outputs; files stamped with their making time
# without their CreationDate lines.
status=0
files=$( (cd "$work/out-old" && find . -type f; cd "$work/out-new" && find . -type f) | sort -u)
for f in $files; do
    a="$work/out-old/$f" b="$work/out-new/$f"
    if [ ! -f "$a" ] || [ ! -f "$b" ]; then
        echo "ONLY IN ONE: $f"
        status=1
        continue
    fi
    if cmp -s "$a" "$b"; then
        echo "identical: $f"
        continue
    fi
    case "$f" in
        *.svg | *.pdf | *.eps)
            grep -av CreationDate "$b" >"$work/stripped"
            if grep -av CreationDate "$a" | cmp -s - "$work/stripped"; then
                echo "same but for CreationDate: $f"
            else
                echo "DIFFERENT: $f"
                status=1
            fi ;;
        *)
            echo "DIFFERENT: $f"
            status=1 ;;
    esac
done
rm -f "$work/stripped"
count=$(echo "$files" | wc -l)
[ $status -eq 0 ] && echo "all $count files match" || echo "some of $count files differ"
exit $status
