// Where drawing lands in the ship's coordinates: what a routine sends to
// OpenGL is captured in feedback mode inside a box of known size centred on
// the origin, and its window coordinates are mapped back. This is the one
// measure of what is drawn: the deck plans, the highlight and the turntable
// all take theirs from here.
#pragma once

#include <array>
#include <functional>
#include <vector>

// Half the side of the measuring box: far more than the ship and what
// stands beside it.
constexpr float measuring_half_size = 4096;

using Point = std::array<float, 3>;

// The corners of every point, line and triangle that `draw` sends, with the
// projection of a measuring box of `half_size` and an identity model-view in
// force (a draw that sets its own matrices must set these). Needs the
// frame's viewport. A smaller box keeps more of float's precision.
std::vector<Point> drawn_points(const std::function<void()>& draw,
                                float half_size = measuring_half_size);

// What the block at `position` in the construction sequence draws: its
// floor, draw and ceiling routines, with the block as current_block. The
// disc deck's bounds are a radius and angles, and the hangar deck's platform
// reaches beyond its own, so a block's bounds alone do not say where it lies.
std::vector<Point> block_drawn_points(int position, float half_size = measuring_half_size);

struct Bounds {
    Point low, high;
    bool empty() const { return low[0] > high[0]; }
};
Bounds bounds_of(const std::vector<Point>& points);

// What the block at `position` draws (its bounds if nothing), and its
// bounds.
struct BlockExtent {
    Bounds drawn, bounds;
    // Where a label of the block may go on a drawing across axes a and b
    // (0 x, 1 y, 2 z): its bounds where they lie inside what it draws
    // there, else all that it draws.
    Bounds room(int a, int b) const;
};
BlockExtent block_extent(int position);
