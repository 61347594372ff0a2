// Labels for blocks on a drawing: each block's name, shortened or turned
// where its room is small, placed where no label covers another, or left
// out where none fits. The deck plans and the cutaway label their blocks so.
#pragma once

#include <string>
#include <vector>

// Advances of characters, in font sizes: the widest of the fonts a label may
// be shown in, or Helvetica's.
float text_width(const std::string& text, bool helvetica = false);
// A label's box is this many font sizes high, to hold descenders.
constexpr float label_height = 1.15f;
constexpr float cap_height = 0.72f;  // Helvetica's, in font sizes

struct Rect {
    float x0, x1, y0, y1;
    float width() const { return x1 - x0; }
    float height() const { return y1 - y0; }
    bool overlaps(const Rect& o) const
    {
        return x0 < o.x1 && o.x0 < x1 && y0 < o.y1 && o.y0 < y1;
    }
    bool inside(const Rect& o) const
    {
        return x0 >= o.x0 && x1 <= o.x1 && y0 >= o.y0 && y1 <= o.y1;
    }
};

struct Label {
    int position;          // in the construction sequence
    std::string text;
    float x, y;            // centre, in the rooms' units
    bool upright;          // turned a quarter, reading upward
    bool dark;             // black text on a light block
};

struct LabelPlacement {
    std::vector<Label> labels;  // in construction order
    std::vector<int> left_out;  // blocks without a label, in construction order
};

// Labels for `blocks` (positions in the construction sequence), each inside
// its room, rooms[i] for blocks[i], in any units with the y axis either way;
// `font` is the labels' size in the same units.
LabelPlacement place_labels(const std::vector<int>& blocks, const std::vector<Rect>& rooms, float font);

// Dark text suits a block of this colour.
bool is_light(const float* rgb);
