#!/bin/sh
# `cmake --install` of BUILD_DIR into a temporary DESTDIR, under a prefix of
# its own, puts every file in its place and nothing else anywhere.
#   install_tree.sh SOURCE_DIR BUILD_DIR
set -eu
source=$1 build=$2
dest=$(mktemp -d)
trap 'rm -rf "$dest"' EXIT
prefix=/opt/tev

DESTDIR=$dest/root cmake --install "$build" --prefix "$prefix" >/dev/null
for file in bin/tev bin/tev-snapshot bin/tev-export lib/tev/tev-video.so lib/tev/tev-documents.so \
            share/man/man1/tev.1.gz share/man/man1/tev-snapshot.1.gz share/man/man1/tev-export.1.gz \
            share/applications/tev.desktop share/icons/hicolor/256x256/apps/tev.png \
            share/doc/tev/README.md share/doc/tev/copyright share/doc/tev/changelog.gz; do
    echo ".$prefix/$file"
done | sort > "$dest/expected"
(cd "$dest/root" && find . -type f | sort) > "$dest/found"
diff -u "$dest/expected" "$dest/found" || { echo "the install tree is not as expected"; exit 1; }

at=$dest/root$prefix
fail() { echo "$*"; exit 1; }
for program in tev tev-snapshot tev-export; do
    [ -x "$at/bin/$program" ] || fail "bin/$program is not executable"
done
for page in tev.1 tev-snapshot.1 tev-export.1; do
    gzip -dc "$at/share/man/man1/$page.gz" | cmp -s - "$source/packaging/$page" ||
        fail "share/man/man1/$page.gz is not the page $page"
done
gzip -dc "$at/share/doc/tev/changelog.gz" | grep -q '^tev (1.0~beta3) ' ||
    fail "changelog.gz has no entry for 1.0~beta3"
file "$at/share/icons/hicolor/256x256/apps/tev.png" | grep -q 'PNG image data, 256 x 256' ||
    fail "the icon is not a 256 x 256 PNG picture"
grep -q 'Permission is hereby granted, free of charge' "$at/share/doc/tev/copyright" ||
    fail "share/doc/tev/copyright does not hold the MIT licence"
echo "install tree complete under DESTDIR$prefix"
