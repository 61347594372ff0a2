// Reading a recorded picture the way a user looks at it: boxes, slabs,
// cylinders and texts, with their extents and colours.
#pragma once

#include <string>
#include <vector>

#include "ship/ship.h"
#include "tools/gl_capture/gl_capture.h"

namespace scene {

constexpr double tolerance = 1e-4;

bool near(double a, double b, double tol = tolerance);

// An axis-aligned box: six consecutive rectangles that are its six faces.
struct Box {
    gl_capture::Vec3 lo, hi;
    gl_capture::Rgb colour;
    bool spans(double x0, double x1, double y0, double y1, double z0, double z1) const;
};

// The boxes among the primitives, in drawing order. Rectangles that are not
// part of a box are left out.
std::vector<Box> boxes(const std::vector<gl_capture::Primitive>& prims);
std::vector<Box> boxes();  // of everything recorded

// Boxes in this colour, in drawing order.
std::vector<Box> boxes_in(const float* colour);

// Boxes with these extents (in any colour), in drawing order.
std::vector<Box> find_boxes(double x0, double x1, double y0, double y1, double z0, double z1);
// Exactly one box with these extents and this colour was drawn.
bool has_box(double x0, double x1, double y0, double y1, double z0, double z1, const float* colour);

std::vector<gl_capture::Primitive> of_kind(gl_capture::Kind kind);

// Readable listing of boxes for failure messages.
std::string describe(const std::vector<Box>& boxes);

// Positions in the construction sequence whose floor slab (in the block's
// colour over its footprint) was drawn, with repetitions.
std::vector<int> floor_slabs_drawn();

// Runs one block routine for a block, as the ship-drawing loop does, and
// returns what it drew.
const std::vector<gl_capture::Primitive>& draw_routine_for(const Block& block, BlockRoutine routine);

// Starts the program against the recorder as main does, up to the event
// loop, and returns what it printed on standard output.
std::string start_program();

// Presses the keys in turn, as the keyboard callback receives them, and
// returns what they printed.
std::string press(const std::string& keys);

// Draws one frame and returns what it drew.
const std::vector<gl_capture::Primitive>& draw_frame();

}  // namespace scene
