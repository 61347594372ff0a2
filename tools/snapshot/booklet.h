// The construction booklet: one PDF with a cover, a page a construction
// step (the view after the step with its block marked, the plan of the
// block's deck with the block marked, and with a link, the web page at that
// step as a link and a QR code) and the parts list.
#pragma once

#include <optional>
#include <string>

#include "tools/snapshot/picture_request.h"
#include "tools/snapshot/section.h"

struct BookletRequest {
    std::string path;   // FILE.pdf
    std::string paper;  // a paper's name, as booklet_paper_problem accepts
    std::string link;   // where the reader keeps ship.html, or empty
    std::string keys;   // the key script, as given, for the cover
    // Where the views are cut, which the cutaway follows if it stands
    // upright; else the cutaway is cut along the centre line.
    std::optional<SectionPlane> section;
};

// "" or what is wrong with the paper's name.
std::string booklet_paper_problem(const std::string& paper);
// "" or what is wrong with the address --link gives.
std::string booklet_link_problem(const std::string& link);

// Writes the booklet from the view that start-up and the key script left,
// which the cover shows and every step follows, drawn as `pictures` says
// (the booklet marks the steps' blocks itself). The program's view is left
// changed.
bool write_booklet(const PictureRequest& pictures, const BookletRequest& request, std::string& error);
