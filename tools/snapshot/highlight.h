// The mark of the newest block, the one the last construction step added:
// the edges of the box around what it draws, drawn over everything, so that it shows where the
// block is even under a ceiling or behind other blocks. Its colour is
// further from every palette colour, and from the background, than any
// other.
#pragma once

#include "ship/ship.h"

extern const float highlight_colour[3];

// While one lives, the frame's drawing is watched, through the hook that
// names each part drawn, for the newest block and the matrices it is drawn
// with. Only one may live at a time.
class NewestBlockMark {
public:
    // Measures what each block draws; needs the program's OpenGL context.
    NewestBlockMark();
    NewestBlockMark(const NewestBlockMark&) = delete;
    NewestBlockMark& operator=(const NewestBlockMark&) = delete;

    // After the frame: marks the newest block if the frame drew it (the deck
    // filter may leave it out), and forgets it for the next frame.
    void draw();

private:
    ScopedDrawnPartHook watch_;
};
