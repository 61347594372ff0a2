// The text of a section plane, read and written.
#include "tools/common/section_plane.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>

std::string parse_section_plane(const std::string& text, SectionPlane& plane)
{
    const std::string wrong = "--section wants AXIS<V or AXIS>V, AXIS x, y or z and V a number of "
                              "ship units, not '" + text + "'";
    const size_t axis = std::string("xyz").find(text[0]);
    if (text.size() < 3 || axis == std::string::npos || (text[1] != '<' && text[1] != '>'))
        return wrong;
    // Decimal only: strtod would also read hexadecimal, "inf" and "nan".
    const std::string number = text.substr(2);
    if (number.find_first_not_of("0123456789+-.eE") != std::string::npos)
        return wrong;
    char* end = nullptr;
    const double value = std::strtod(number.c_str(), &end);
    if (end == number.c_str() || *end || !std::isfinite(value))
        return wrong;
    plane = {int(axis), text[1] == '<', value};
    return "";
}

std::string section_text(const SectionPlane& plane)
{
    char value[32] = "";
    for (int digits = 6; digits <= 17; ++digits) {
        std::snprintf(value, sizeof value, "%.*g", digits, plane.value);
        if (std::strtod(value, nullptr) == plane.value)
            break;
    }
    return std::string(1, "xyz"[plane.axis]) + (plane.keep_below ? "<" : ">") + value;
}
