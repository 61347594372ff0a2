// Where drawing lands in the ship's coordinates: what a routine sends to
// OpenGL is captured in feedback mode inside a box of known size centred on
// the origin, and its window coordinates are mapped back.
#pragma once

#include <array>
#include <functional>
#include <vector>

// Half the side of the measuring box: far more than the ship and what
// stands beside it.
constexpr float measuring_half_size = 4096;

using Point = std::array<float, 3>;

// The corners of every point, line and triangle that `draw` sends, with the
// measuring box's projection and an identity model-view in force (a draw
// that sets its own matrices must set these). Needs the frame's viewport.
std::vector<Point> drawn_points(const std::function<void()>& draw);

struct Bounds {
    Point low, high;
    bool empty() const { return low[0] > high[0]; }
};
Bounds bounds_of(const std::vector<Point>& points);
