// What a run of tev-snapshot asks of every picture it draws: the frame they
// are drawn in, their background, what goes over the frame, and the set of
// files the run has written, which takes them back should it fail.
#pragma once

#include <functional>

#include "tools/common/output_file.h"
#include "tools/common/picture.h"
#include "tools/snapshot/offscreen.h"

struct PictureRequest {
    OffscreenFrame& frame;
    // The black background as transparent pixels (vector pictures: none).
    bool transparent;
    // Drawn over the frame, with the frame's matrices in force, or empty.
    std::function<void()> overlay;
    OutputSet& written;

    // One frame, then the overlay, as pixels.
    Picture draw() const
    {
        Picture picture = frame.draw(overlay);
        if (transparent)
            make_background_transparent(picture);
        return picture;
    }
};
