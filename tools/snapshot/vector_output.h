// Vector pictures (SVG, PDF, EPS) of the program's frame, written by gl2ps
// from what display() sends to OpenGL in feedback mode: the program's own
// drawing code is the only drawing code.
#pragma once

#include <cstdio>
#include <functional>
#include <string>
#include <vector>

#include "tools/snapshot/picture_request.h"

// The gl2ps format of a file name ending in .svg, .pdf or .eps (any case),
// else -1.
int vector_format(const std::string& path);

// One point, line or triangle as OpenGL's feedback mode reports it: window
// coordinates (x, y in pixels, z the depth 0..1) and the colour.
struct FeedbackVertex {
    float x, y, z;
    float rgba[4];
};
struct FeedbackPrimitive {
    int vertex_count;  // 1, 2 or 3
    FeedbackVertex vertices[3];
};

// Runs `draw` in feedback mode and returns its points, lines and triangles
// (polygons cut into fans) in drawing order; bitmaps leave nothing.
std::vector<FeedbackPrimitive> capture_feedback(const std::function<void()>& draw);

// Captures one call of display(), then the request's overlay if there is
// one (it may add gl2ps text), as a picture of the frame's size, and writes
// it to `path` in the format its name says, with `title` as the document's
// title. Unless the request is transparent the black background is drawn
// as well.
bool write_vector(const PictureRequest& request, const std::string& path, const std::string& title,
                  std::string& error);

// The same into `stream`, a file open for reading and writing whose content
// it replaces, in `format` (a gl2ps format, as vector_format gives);
// `name` names the picture in errors.
bool draw_vector(const PictureRequest& request, std::FILE* stream, int format, const std::string& name,
                 const std::string& title, std::string& error);

// A page of any drawing: `scene` sets its own viewport and matrices within
// the page's width and height (window units, which become the page's) and
// may add gl2ps text.
struct VectorPage {
    int width, height;
    bool background;  // the clear colour behind everything
    std::function<void()> scene;
};
// The frame and the request's overlay as a page of the frame's size; binds
// the frame. The request must outlive the page.
VectorPage frame_page(const PictureRequest& request);
bool draw_vector_page(const VectorPage& page, std::FILE* stream, int format, const std::string& name,
                      const std::string& title, std::string& error);
// The page as SVG text, drawn in memory.
bool draw_svg(const VectorPage& page, const std::string& title, std::string& svg, std::string& error);
