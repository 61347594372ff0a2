// What a booklet's pages are drawn with: text through pango in one font,
// the program's pictures, and QR codes through libqrencode, on a cairo
// context whose units are points from the page's top left.
#pragma once

#include <cairo.h>
#include <pango/pango.h>

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

// The picture, its pixels scaled to a square of `side` points.
void draw_picture(cairo_t* cr, const Picture& picture, double x, double y, double side);

// `text` as a QR code filling a square of `side` points, its quiet zone
// included, in black on white; false if it is too long for one.
bool draw_qr_code(cairo_t* cr, const std::string& text, double x, double y, double side);

// A rectangle's outline, of `width` points, in the colour (0..1) given.
void outline(cairo_t* cr, double x, double y, double w, double h, double width, const float* rgb);
