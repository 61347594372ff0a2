// The booklet's PDF document, a page at a time, and the layout every page
// keeps.
#pragma once

#include <cairo.h>

#include <string>

#include "tools/snapshot/booklet_layout.h"

// Layout, in points: the margin all round (about 15 mm), the band of a
// step page's heading, a caption's and the footer's height, the gap
// between the pictures and the column beside them.
constexpr double margin = 42, heading = 50, caption = 18, footer = 14, gap = 14;
// The column beside a step's pictures is at least this wide.
constexpr double least_column = 150;
// Small grey text: captions, notes and the footer.
inline const TextStyle small{8.5, false, 0.3};

// The document being drawn, a page at a time, into a sink.
class Document {
public:
    Document(CairoSink& sink, double width, double height);
    Document(const Document&) = delete;
    Document& operator=(const Document&) = delete;
    ~Document();

    // The next pages turned landscape, or upright again.
    void turn(bool landscape);
    // Ends the page with its footer.
    void end_page();
    int next_page() const { return page_ + 1; }
    // A bookmark to the page; returns its id, the parent of those below it.
    int add_outline(int parent, const std::string& text, int page);
    bool finish();
    const char* status() const;

    double width, height;  // of the page being drawn, points

private:
    cairo_surface_t* const surface_;
    int page_ = 0;

public:
    cairo_t* const cr;
};
