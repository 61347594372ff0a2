#include "tools/snapshot/booklet_document.h"

#include <cairo-pdf.h>

#include <algorithm>

Document::Document(CairoSink& sink, double width, double height)
    : width(width), height(height),
      surface_(cairo_pdf_surface_create_for_stream(cairo_write_to, &sink, width, height)),
      cr(cairo_create(surface_))
{
    cairo_pdf_surface_set_metadata(surface_, CAIRO_PDF_METADATA_TITLE, "The construction of the starship");
    cairo_pdf_surface_set_metadata(surface_, CAIRO_PDF_METADATA_CREATOR, "tev-snapshot");
    // A link annotation names its structure element, which cairo 1.16
    // writes only in a document with a structure tree: without one the
    // file refers to objects it lacks.
    cairo_tag_begin(cr, "Document", "");
}

Document::~Document()
{
    cairo_destroy(cr);
    cairo_surface_destroy(surface_);
}

// cairo sizes a page before anything is drawn on it.
void Document::turn(bool landscape)
{
    const double shorter = std::min(width, height), longer = std::max(width, height);
    width = landscape ? longer : shorter;
    height = landscape ? shorter : longer;
    cairo_pdf_surface_set_size(surface_, width, height);
}

void Document::end_page()
{
    ++page_;
    const double y = height - margin + footer / 2;
    draw_text(cr, "The construction of the starship", margin, y, width - 2 * margin, small);
    TextStyle right = small;
    right.align = PANGO_ALIGN_RIGHT;
    draw_text(cr, "page " + std::to_string(page_), margin, y, width - 2 * margin, right);
    cairo_show_page(cr);
}

int Document::add_outline(int parent, const std::string& text, int page)
{
    return cairo_pdf_surface_add_outline(surface_, parent, text.c_str(), ("page=" + std::to_string(page)).c_str(),
                                         cairo_pdf_outline_flags_t(0));
}

bool Document::finish()
{
    cairo_tag_end(cr, "Document");
    cairo_surface_finish(surface_);
    return cairo_surface_status(surface_) == CAIRO_STATUS_SUCCESS;
}

const char* Document::status() const { return cairo_status_to_string(cairo_surface_status(surface_)); }
