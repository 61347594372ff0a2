#!/bin/sh
# tools/package.sh builds the package with the control fields it should have,
# stripped programs, a tev-export that carries its web page and a build stamp
# fixed by SOURCE_DATE_EPOCH, and lintian reports no errors in it (its whole
# report is printed).
#   deb_lintian.sh SOURCE_DIR WORK_DIR
set -eu
source=$1 work=$2
mkdir -p "$work"
deb=$(SOURCE_DATE_EPOCH=1000000000 "$source/tools/package.sh" "$work" "$work/build" 2>"$work/package.log") ||
    { cat "$work/package.log"; exit 1; }

fail() { echo "$*"; exit 1; }
field() { dpkg-deb -f "$deb" "$1"; }
[ "$(field Package)" = tev ] || fail "Package is $(field Package)"
[ "$(field Version)" = 1.0~beta3 ] || fail "Version is $(field Version)"
[ "$(field Section)" = graphics ] || fail "Section is $(field Section)"
[ "$(field Priority)" = optional ] || fail "Priority is $(field Priority)"
[ "$(field Recommends)" = xvfb ] || fail "Recommends is $(field Recommends)"
for library in libglut3.12 libpng16-16 libgif7 libx11-6 libassimp5 libcairo2 libpango-1.0-0 librsvg2-2 \
    libqrencode4 libavformat59 fonts-dejavu-core; do
    field Depends | grep -q "$library" || fail "Depends lacks $library: $(field Depends)"
done
rm -rf "$work/unpacked"
dpkg-deb -x "$deb" "$work/unpacked"
for program in bin/tev bin/tev-snapshot bin/tev-export lib/tev/tev-video.so lib/tev/tev-documents.so; do
    file "$work/unpacked/usr/$program" | grep -q ', stripped' || fail "usr/$program is not stripped"
done
rm -rf "$work/web"
"$work/unpacked/usr/bin/tev-export" --web "$work/web" ||
    fail "the packaged tev-export cannot write its web page"
for page_file in index.html style.css app.js ship.js ship.glb; do
    [ -s "$work/web/$page_file" ] || fail "the packaged tev-export --web wrote no $page_file"
done

report=$(lintian "$deb" 2>/dev/null) || true
echo "lintian: ${report:-no tags}"
if echo "$report" | grep -q '^E:'; then
    fail "lintian reports errors"
fi
