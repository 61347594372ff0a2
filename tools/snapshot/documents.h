// The booklet and the cutaway, the two documents drawn with cairo, pango,
// librsvg and libqrencode. Those libraries take longer to load than a
// picture takes to draw, so the documents are in a module of their own,
// tev-documents.so, loaded on the first document: beside the program in the
// build tree, in LIBDIR/tev when installed. The module takes the rest of
// the program (the view, the frame, the deck plans) from tev-snapshot.
#pragma once

#include <string>

#include "tools/snapshot/booklet.h"
#include "tools/snapshot/cutaway.h"

// What the module gives the program, under the name `document_writers_name`.
struct DocumentWriters {
    bool (*booklet)(const PictureRequest& pictures, const BookletRequest& request, std::string& error);
    bool (*cutaway)(const PictureRequest& request, const SectionPlane& plane, const std::string& path,
                    int png_width, std::string& error);
};
constexpr const char* document_writers_name = "tev_document_writers";

// write_booklet and write_cutaway through the module, which these load; on
// a module that is not there or does not load, false and why.
bool write_booklet_through_module(const PictureRequest& pictures, const BookletRequest& request,
                                  std::string& error);
bool write_cutaway_through_module(const PictureRequest& request, const SectionPlane& plane,
                                  const std::string& path, int png_width, std::string& error);
