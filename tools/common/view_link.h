// The fragment of a link to the web page that tev-export writes: the view
// state by the names of its fields, the page's own fields (its toggles and
// a section plane) and a key script, as the page reads them back (URLSearchParams). A link to the page
// at a given view is the page's address followed by this fragment.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "tools/common/key_script.h"
#include "tools/common/section_plane.h"
#include "view/view_state.h"

// The page's own fields: its toggles, where a negative value leaves the
// field out, and the plane it is cut at (section=AXIS<V), if any.
struct PageToggles {
    int highlight = -1, xray = -1, panel = -1;
    std::optional<SectionPlane> section = std::nullopt;
};

// "#" and the fields: every field of `view` that decides the picture, then
// the toggles given and the section, then keys=SCRIPT if `keys` is not empty. Floats are
// the shortest decimals that read back as the same single-precision value.
std::string link_fragment(const ViewState& view, const PageToggles& toggles = {},
                          const std::string& keys = "");

// The shortest of %.6g ... %.9g that strtof reads back as `value`.
std::string shortest_float(float value);

// Every byte but letters, digits and - . _ ~ as %XX.
std::string percent_encoded(const std::string& text);

// What a fragment asks for on top of a view and toggles: each field of the
// view state by its name (and the page's earlier names counter, deck,
// ceilings, hull, station and target), each toggle, the section, and the key
// script of keys=. A field that is malformed or out of range (the counter
// past its end, a flag other than 0 or 1, a float not finite in single
// precision, a plane parse_section_plane refuses) is ignored; so is a script the parser refuses, whole, with the reason in
// `refused`.
struct LinkRequest {
    ViewState view;
    PageToggles toggles;
    std::vector<ScriptStep> steps;
    std::string refused;
};
LinkRequest read_link_fragment(const std::string& fragment, const ViewState& view, const PageToggles& toggles);
