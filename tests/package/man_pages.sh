#!/bin/sh
# The manual pages render without a warning, with groff and with man, and
# tev-snapshot's page names every option and key name its --help lists.
#   man_pages.sh SOURCE_DIR TEV_SNAPSHOT
set -eu
source=$1 snapshot=$2
status=0
for page in "$source"/packaging/tev.1 "$source"/packaging/tev-snapshot.1; do
    warnings=$( { groff -ww -z -man "$page"; MANWIDTH=80 man --warnings -l "$page" >/dev/null; } 2>&1)
    if [ -n "$warnings" ]; then
        echo "$page renders with warnings:"
        echo "$warnings"
        status=1
    fi
done

page=$source/packaging/tev-snapshot.1
names=$("$snapshot" --help | grep -o -e '--[a-z-]*[a-z]' -e '<[A-Za-z0-9-]*[:>]' | sort -u)
for name in $names; do
    written=$(printf '%s' "$name" | sed 's/-/\\\\-/g')
    grep -q -e "$written" "$page" || { echo "tev-snapshot.1 does not mention $name"; status=1; }
done
[ $status -eq 0 ] && echo "both pages render cleanly; tev-snapshot.1 names $(echo $names | wc -w) options and keys"
exit $status
