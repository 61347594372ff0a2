#!/bin/sh
# Checks that the build is reproducible: makes the package twice from two
# clones of the committed HEAD in different directories, with the same
# SOURCE_DATE_EPOCH, and compares tev, tev-snapshot and tev-export as built
# and as packaged. Exit status 0 when they are byte-identical, 1 when not.
#   tools/check-reproducible.sh
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
work=$(mktemp -d /tmp/tev-reproducible.XXXXXX)
trap 'rm -rf "$work"' EXIT

commit=$(git -C "$root" rev-parse HEAD)
SOURCE_DATE_EPOCH=${SOURCE_DATE_EPOCH:-$(git -C "$root" log -1 --format=%ct)}
export SOURCE_DATE_EPOCH
echo "commit $commit, SOURCE_DATE_EPOCH=$SOURCE_DATE_EPOCH"

for tree in first/tev second/elsewhere/tev-copy; do
    git clone -q "$root" "$work/$tree"
    git -C "$work/$tree" checkout -q "$commit"
    echo "building in $work/$tree" >&2
    "$work/$tree/tools/package.sh" "$work/$tree" "$work/$tree/build/release" >/dev/null 2>"$work/log"  ||
        { cat "$work/log" >&2; exit 1; }
    mkdir "$work/$tree/unpacked"
    dpkg-deb -x "$work/$tree/tev_1.0~beta3_amd64.deb" "$work/$tree/unpacked"
done

status=0
compare() {
    if cmp -s "$work/first/tev/$1" "$work/second/elsewhere/tev-copy/$1"; then
        echo "identical: $1 ($(sha256sum < "$work/first/tev/$1" | cut -c1-16))"
    else
        echo "DIFFERENT: $1"
        status=1
    fi
}
for program in tev tools/snapshot/tev-snapshot tools/export/tev-export; do
    compare "build/release/$program"
done
for program in tev tev-snapshot tev-export; do
    compare "unpacked/usr/bin/$program"
done
compare tev_1.0~beta3_amd64.deb
exit $status
