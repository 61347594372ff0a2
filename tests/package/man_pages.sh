#!/bin/sh
# The manual pages render without a warning, with groff and with man, and
# the pages of tev-snapshot and tev-export name every option and key name
# their --help lists.
#   man_pages.sh SOURCE_DIR TEV_SNAPSHOT TEV_EXPORT
set -eu
source=$1
status=0
for page in tev tev-snapshot tev-export; do
    page=$source/packaging/$page.1
    warnings=$( { groff -ww -z -man "$page"; MANWIDTH=80 man --warnings -l "$page" >/dev/null; } 2>&1)
    if [ -n "$warnings" ]; then
        echo "$page renders with warnings:"
        echo "$warnings"
        status=1
    fi
done

named=""
for program in "$2" "$3"; do
    page=$(basename "$program").1
    names=$("$program" --help | grep -o -e '--[a-z-]*[a-z]' -e '<[A-Za-z0-9-]*[:>]' | sort -u)
    for name in $names; do
        written=$(printf '%s' "$name" | sed 's/-/\\\\-/g')
        grep -q -e "$written" "$source/packaging/$page" || { echo "$page does not mention $name"; status=1; }
    done
    named="$named; $page names $(echo $names | wc -w) options and keys"
done
[ $status -eq 0 ] && echo "the three pages render cleanly$named"
exit $status
