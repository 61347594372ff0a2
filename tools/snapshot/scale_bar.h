// The length of a drawing's scale bar.
#pragma once

#include <cmath>

// 1, 2 or 5 times a power of ten, the largest at most `most`.
inline float round_length(float most)
{
    const float ten = std::pow(10.0f, std::floor(std::log10(most)));
    for (const float step : {5.0f, 2.0f})
        if (step * ten <= most)
            return step * ten;
    return ten;
}
