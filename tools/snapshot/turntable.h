// One turn of the viewer's perspective camera around what the frame draws,
// one degree a picture, with the rest of the view as the keys left it.
#pragma once

#include <string>

#include "tools/snapshot/picture_request.h"

constexpr int turntable_pictures = 360;

// A sphere around what the frame draws, the Earth left out, in the ship's
// coordinates.
struct Extent {
    float centre[3];
    float radius;
};
// Needs the frame bound.
Extent drawn_extent();

// Sets the view state as the keys would: the perspective camera on a circle
// above the centre of `e`, at `heading` degrees, looking at the centre from
// where the whole sphere fits.
void aim_camera(const Extent& e, float heading);

// DIR/turn-000.png ... DIR/turn-359.png (into the request's set) and
// DIR/turntable.gif, and the video if `video` is a path.
bool write_turntable(const PictureRequest& request, const std::string& dir, const std::string& video,
                     std::string& error);
