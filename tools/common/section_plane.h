// A section plane: a plane across one of the ship's axes and the side of it
// that is kept, as text "AXIS<V" or "AXIS>V" (tev-snapshot's --section, the
// web page's link field section=).
#pragma once

#include <string>

struct SectionPlane {
    int axis;           // 0 x, 1 y, 2 z
    bool keep_below;    // keeps AXIS < value, else AXIS > value
    double value;       // ship units
};

// Reads "AXIS<V" or "AXIS>V": AXIS x, y or z, V a finite decimal number.
// Returns "" or what is wrong with the text.
std::string parse_section_plane(const std::string& text, SectionPlane& plane);

// "x<50": the plane as parse_section_plane reads it back, its value the
// shortest decimal that reads back the same.
std::string section_text(const SectionPlane& plane);
