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
