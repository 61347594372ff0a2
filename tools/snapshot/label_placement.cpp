#include "tools/snapshot/label_placement.h"

#include <algorithm>
#include <cstring>

#include "ship/ship.h"

namespace {

// Advances of characters, in units of the font size: at most that of
// Helvetica, which the page names, and at least the wider of Helvetica and
// DejaVu Sans, which a viewer without Helvetica puts in its place.
// chars                        Helvetica  widest
const struct {
    const char* chars;
    float helvetica, widest;
} advances[] = {
    {"mwMW",                     0.83f,     1.0f},   // widest letters
    {"#",                        0.56f,     0.84f},  // position mark
    {"ABCDEFGHIJKLNOPQRSTUVXYZ", 0.69f,     0.78f},  // other capitals
    {"",                         0.55f,     0.64f},  // lower case, digits, '_'
};
// Labels keep this much of a font size apart, and away from their block's
// edges.
constexpr float label_gap = 0.15f;

// The label's texts, longest first: the block's name, the name without the
// prefix that every name has, and the construction position. A block
// without a name of its own has only its position.
std::vector<std::string> label_texts(int position)
{
    const std::string name = block_names[position];
    const std::string number = "#" + std::to_string(position);
    if (name.rfind("block_", 0) == 0)
        return {number};
    std::vector<std::string> texts{name};
    if (name.rfind("BL_", 0) == 0)
        texts.push_back(name.substr(3));
    texts.push_back(number);
    return texts;
}

}  // namespace

// In font sizes: the most the text may take, or what Helvetica gives it.
float text_width(const std::string& text, bool helvetica)
{
    float width = 0;
    for (const char c : text)
        for (const auto& a : advances)
            if (!*a.chars || std::strchr(a.chars, c)) {
                width += helvetica ? a.helvetica : a.widest;
                break;
            }
    return width;
}

bool is_light(const float* rgb) { return 0.299f * rgb[0] + 0.587f * rgb[1] + 0.114f * rgb[2] > 0.5f; }

// Biggest block first, each label at its block's centre, inside the block
// and clear of the labels before it; the first text and turn that fits.
LabelPlacement place_labels(const std::vector<int>& blocks, const std::vector<Rect>& rooms, float font)
{
    LabelPlacement plan;
    const float gap = label_gap * font;
    std::vector<size_t> order(blocks.size());
    for (size_t i = 0; i < order.size(); ++i)
        order[i] = i;
    const auto area = [&](size_t i) { return rooms[i].width() * rooms[i].height(); };
    std::stable_sort(order.begin(), order.end(),
                     [&](size_t a, size_t b) { return area(a) > area(b); });
    std::vector<Rect> taken;
    for (const size_t i : order) {
        const int position = blocks[i];
        const Rect& room = rooms[i];
        const Rect inner{room.x0 + gap, room.x1 - gap, room.y0 + gap, room.y1 - gap};
        const float cx = (room.x0 + room.x1) / 2, cy = (room.y0 + room.y1) / 2;
        bool placed = false;
        for (const std::string& text : label_texts(position)) {
            for (const bool upright : {false, true}) {
                float half_w = text_width(text) * font / 2, half_h = label_height * font / 2;
                if (upright)
                    std::swap(half_w, half_h);
                const Rect box{cx - half_w, cx + half_w, cy - half_h, cy + half_h};
                const Rect clear{box.x0 - gap, box.x1 + gap, box.y0 - gap, box.y1 + gap};
                if (!box.inside(inner) ||
                    std::any_of(taken.begin(), taken.end(),
                                [&](const Rect& r) { return r.overlaps(clear); }))
                    continue;
                taken.push_back(box);
                plan.labels.push_back(
                    {position, text, cx, cy, upright, is_light(block_sequence[position]->colour)});
                placed = true;
                break;
            }
            if (placed)
                break;
        }
        if (!placed)
            plan.left_out.push_back(position);
    }
    std::sort(plan.left_out.begin(), plan.left_out.end());
    std::sort(plan.labels.begin(), plan.labels.end(),
              [](const Label& a, const Label& b) { return a.position < b.position; });
    return plan;
}
