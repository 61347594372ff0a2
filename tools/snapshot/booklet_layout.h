// What a booklet's pages are drawn with: text through pango in one font,
// the program's pictures, and QR codes through libqrencode, on a cairo
// context whose units are points from the page's top left.
#pragma once

#include <cairo.h>
#include <cstdio>
#include <pango/pango.h>

#include <memory>
#include <string>

#include "tools/common/picture.h"

// The booklet's font, which the Debian package fonts-dejavu-core brings;
// the PDF embeds what it uses of it.
extern const char booklet_font[];

struct TextStyle {
    double size;          // points
    bool bold = false;
    double grey = 0;      // 0 black .. 1 white
    PangoAlignment align = PANGO_ALIGN_LEFT;
};

// Draws `text` (plain, not markup) with its top at y, wrapped to `width`;
// returns its height. With `draw` false it only measures.
double draw_text(cairo_t* cr, const std::string& text, double x, double y, double width,
                 const TextStyle& style, bool draw = true);

// One line of `text` anchored at (x, y): at its centre, or with `centred`
// false at the middle of its left end; turned a quarter to read upward when
// `upright`.
void draw_line_of_text(cairo_t* cr, const std::string& text, double x, double y, const TextStyle& style,
                       bool upright = false, bool centred = true);

// One line of text on a page, from its top left.
struct PageText {
    std::string text;
    double x, y;       // its centre, or the middle of its left end
    TextStyle style;
    bool centred = true;
    bool upright = false;  // turned a quarter, reading upward
};
void draw_page_text(cairo_t* cr, const PageText& text);

// The picture, its pixels scaled to a square of `side` points.
void draw_picture(cairo_t* cr, const Picture& picture, double x, double y, double side);

// `text` as a QR code filling a square of `side` points, its quiet zone
// included, in black on white; false if it is too long for one.
bool draw_qr_code(cairo_t* cr, const std::string& text, double x, double y, double side);

// A rectangle's outline, of `width` points, in the colour (0..1) given.
void outline(cairo_t* cr, double x, double y, double w, double h, double width, const float* rgb);

// A drawing in SVG as vectors for cairo (through librsvg), drawn once and
// shown on as many pages as want it.
using VectorArt = std::unique_ptr<cairo_surface_t, void (*)(cairo_surface_t*)>;
// The SVG's page of `width` by `height` units; false and why if it does not read.
bool make_vector_art(const std::string& svg, double width, double height, VectorArt& art, std::string& error);

// cairo's output into a file, keeping why a write failed: cairo_write_to
// with a sink as its closure.
struct CairoSink {
    std::FILE* stream;
    int error_number = 0;
    // Why the surface with this status could not be written.
    std::string problem(cairo_status_t status) const;
};
cairo_status_t cairo_write_to(void* sink, const unsigned char* data, unsigned int length);
