#include "ship/ship.h"

namespace palette {
//                         red    green  blue
const Colour red          = {1.0f,  0.0f,  0.0f};   // lift door leaf, upright tubes
const Colour pink         = {1.0f,  0.4f,  0.4f};   // door leaf, first heads-up line
const Colour orange       = {1.0f,  0.5f,  0.0f};   // hull nose tip
const Colour green        = {0.0f,  1.0f,  0.0f};
const Colour light_green  = {0.4f,  1.0f,  0.4f};   // crew quarters, second heads-up line
const Colour magenta      = {1.0f,  0.0f,  1.0f};
const Colour blue         = {0.0f,  0.0f,  1.0f};
const Colour light_blue   = {0.4f,  0.4f,  1.0f};   // Earth, heads
const Colour cyan         = {0.0f,  1.0f,  1.0f};
const Colour pale_yellow  = {0.9f,  0.9f,  0.4f};   // lift door frame, lift shafts
const Colour white        = {1.0f,  1.0f,  1.0f};
const Colour light_gray   = {0.8f,  0.8f,  0.8f};
const Colour gray         = {0.7f,  0.7f,  0.7f};   // every room wall
const Colour mid_gray     = {0.6f,  0.6f,  0.6f};   // every ceiling, corridors
const Colour dark_gray    = {0.2f,  0.2f,  0.2f};   // lift cars
const Colour tan          = {0.9f,  0.7f,  0.5f};
const Colour brown        = {0.7f,  0.5f,  0.3f};
const Colour silver       = {0.84f, 0.84f, 0.84f};  // hull cylinders 1 and 4
const Colour silver_dark  = {0.82f, 0.82f, 0.82f};  // hull cylinders 2 and 5
const Colour silver_light = {0.86f, 0.86f, 0.86f};  // hull cylinder 3
}  // namespace palette

const NamedColour named_colours[palette_size] = {
    {"red", palette::red},           {"pink", palette::pink},
    {"orange", palette::orange},     {"green", palette::green},
    {"light_green", palette::light_green}, {"magenta", palette::magenta},
    {"blue", palette::blue},         {"light_blue", palette::light_blue},
    {"cyan", palette::cyan},         {"pale_yellow", palette::pale_yellow},
    {"white", palette::white},       {"light_gray", palette::light_gray},
    {"gray", palette::gray},         {"mid_gray", palette::mid_gray},
    {"dark_gray", palette::dark_gray}, {"tan", palette::tan},
    {"brown", palette::brown},       {"silver", palette::silver},
    {"silver_dark", palette::silver_dark}, {"silver_light", palette::silver_light},
};

const char* colour_name(const float* rgb)
{
    for (const NamedColour& c : named_colours)
        if (c.rgb[0] == rgb[0] && c.rgb[1] == rgb[1] && c.rgb[2] == rgb[2])
            return c.name;
    return nullptr;
}
