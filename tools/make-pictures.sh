#!/bin/sh
# Makes the README's pictures in docs/ with the companion tools, from a
# Release build of this checkout. Look at them before committing them.
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
build="$root/build/pictures"
docs="$root/docs"
# The test setup brings Chromium, for the web page's screenshot.
"$root/tools/setup.sh" test
cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF >/dev/null
cmake --build "$build" -j "$(nproc)" >/dev/null
snapshot() { env -u DISPLAY "$build/tools/snapshot/tev-snapshot" "$@"; }
repeat() { printf "%$2s" "" | sed "s/ /$1/g"; }

# A three-quarter view from aft and below the ship's port side, close
# enough for the ship to fill the picture: Earth and station off, far
# clipping for the distance, the camera flown in and turned towards it.
close_up="wmf$(repeat '<S-Right>' 17)<S-Home><S-Home>$(repeat '<S-Down>' 6)$(repeat s 36)$(repeat '<Insert>' 14)"

snapshot --out "$docs/start_up.png"
snapshot --keys o --out "$docs/overhead.png"
# Deck index 4 (deck 18): from all decks, twelve steps down, zoomed in on
# its middle at x 44.
snapshot --keys "o$(repeat n 12)t$(repeat '<S-PageDown>' 9)<S-Left>$(repeat '<Left>' 12)" --out "$docs/deck_4_from_above.png"
snapshot --keys "kx" --out "$docs/perspective_hull_target.png"
snapshot --keys "${close_up}" --out "$docs/close_up.png"
# Inside the ship: the cutaway along the centre line, and the overhead view
# cut at z 11, half way up deck 18, over the middle of the ship.
snapshot --cutaway "$docs/cutaway.png"
snapshot --cutaway "$docs/cutaway.pdf"
snapshot --keys "owf$(repeat '<S-PageDown>' 5)$(repeat '<S-Left>' 3)" --size 480 --section 'z<11' \
    --out "$docs/section_overhead.png"

steps=$(mktemp -d)
trap 'rm -rf "$steps"' EXIT
snapshot --deck-plans "$steps/plans"
cp "$steps/plans/deck-03.svg" "$docs/deck-plan-03.svg"
# The construction with each step's new block marked, as an animation and
# as a video; a block hidden under the ceilings of others, marked, from the
# turntable of the ship half built; and the whole ship with its hull turning.
snapshot --keys "${close_up}t" --size 320 --highlight --construction "$steps" 2>/dev/null
cp "$steps/construction.gif" "$docs/construction.gif"
snapshot --keys "${close_up}t" --size 480 --highlight --video "$docs/construction.mp4" \
    --construction "$steps/video" 2>/dev/null
snapshot --keys "wfz$(repeat j 80)" --size 480 --highlight --turntable "$steps/half" 2>/dev/null
cp "$steps/half/turn-060.png" "$docs/highlight_hidden.png"
snapshot --keys wfk --size 240 --turntable "$steps/turn" 2>/dev/null
cp "$steps/turn/turntable.gif" "$docs/turntable.gif"

# The construction booklet from the close view without ceilings, its step
# pages linking to the web page at the project's address, and the page of
# step 80 as a picture.
snapshot --keys "${close_up}t" --size 480 --link https://tev.example.org/ship.html \
    --booklet "$docs/booklet.pdf" 2>/dev/null
pdftoppm -png -r 80 -f 82 -l 82 -singlefile "$docs/booklet.pdf" "$docs/booklet_step"

# The whole ship's web page with everything the export can hold (hull and
# target too, for the page's toggles), as one file that opens with a
# double-click, and a screenshot of it opened from disk in headless Chromium.
"$build/tools/export/tev-export" --keys kx --html "$docs/ship.html"
node "$root/tools/export/web/test/measure.mjs" "$docs/ship.html" "$docs/web_page.png"
# The page beside tev: the start-up view and the overhead view, in a
# 640x640 window as tev's, the panel folded away.
"$build/tools/export/tev-export" --html "$steps/start_up.html"
node "$root/tools/export/web/test/measure.mjs" "$steps/start_up.html" "$docs/page_start_up.png" 640x640 '#panel=0&highlight=0'
node "$root/tools/export/web/test/measure.mjs" "$steps/start_up.html" "$docs/page_overhead.png" 640x640 '#panel=0&highlight=0&keys=o'
ls -l "$docs"
