// The cutaway: the whole ship cut open along a plane and seen, in parallel
// projection, from the side cut away; every deck named at the side with a
// rule at its floor, the blocks in the cut labelled, a scale bar and a
// title, on a landscape page.
#pragma once

#include <cairo.h>

#include <string>
#include <vector>

#include "tools/snapshot/booklet_layout.h"
#include "tools/snapshot/label_placement.h"
#include "tools/snapshot/picture_request.h"
#include "tools/snapshot/section.h"

// Without --section the ship is cut along its centre line, the half on -y
// kept and seen from +y.
constexpr SectionPlane centre_line_cut{1, true, 0};

// "" or why a cutaway cannot be cut at the plane: it looks at the ship from
// the side, so the plane stands upright, across x or y.
std::string cutaway_plane_problem(const SectionPlane& plane);

// The cutaway laid out on a page, and its drawing: the ship, the rules and
// the scale bar as vectors, the text apart from them.
struct CutawayDrawing {
    SectionPlane plane;
    double width = 0, height = 0;         // the page, points
    // Ship units (u across the page, rightward; z up) to the page's points.
    int across_axis = 0;                  // the ship's axis across the page
    double across_sign = 1;               // u = across_sign * that coordinate
    double u_low = 0, z_high = 0;         // at the drawing's top left
    double scale = 1;                     // points per ship unit
    Rect drawing;                         // the ship's band on the page, y down
    std::vector<double> floors;           // each deck's floor, y on the page, by deck index
    Rect scale_bar;
    std::vector<PageText> texts;
    std::vector<int> labelled, left_out;  // positions in the construction sequence
    VectorArt art{nullptr, cairo_surface_destroy};  // all but the text
};

// Lays the cutaway out on a page of `width` by `height` points and draws
// it, in the frame of the request (the whole ship: every block, the
// ceilings on, no hull), cut at `plane`. The program's view is left as it
// was.
bool make_cutaway(const PictureRequest& request, const SectionPlane& plane, double width, double height,
                  CutawayDrawing& drawing, std::string& error);

// Draws it with its top left at (x, y).
void draw_cutaway(cairo_t* cr, const CutawayDrawing& drawing, double x, double y);

// Writes FILE.svg (text as SVG text), FILE.pdf or FILE.eps (text in the
// embedded font) or FILE.png (`png_width` pixels across), on an A4 page
// turned landscape, into the request's set of files.
bool write_cutaway(const PictureRequest& request, const SectionPlane& plane, const std::string& path,
                   int png_width, std::string& error);

// The page of write_cutaway, in points.
constexpr double cutaway_page_width = 841.890, cutaway_page_height = 595.276;
