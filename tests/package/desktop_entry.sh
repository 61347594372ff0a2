#!/bin/sh
# The desktop entry validates and starts the installed program with its icon.
#   desktop_entry.sh SOURCE_DIR
set -eu
entry=$1/packaging/tev.desktop
desktop-file-validate "$entry"
grep -qx 'Exec=tev' "$entry" || { echo "tev.desktop does not run tev"; exit 1; }
grep -qx 'Icon=tev' "$entry" || { echo "tev.desktop does not name the icon tev"; exit 1; }
echo "tev.desktop validates"
