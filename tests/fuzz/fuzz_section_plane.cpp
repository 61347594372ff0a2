// Feeds arbitrary bytes to the reader of --section. A plane is either
// refused with one line that quotes it, or read into an axis and a finite
// value that, written out again, reads back as the same plane.
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "tools/common/section_plane.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string text(reinterpret_cast<const char*>(data), size);
    SectionPlane plane{};
    const std::string wrong = parse_section_plane(text, plane);
    if (!wrong.empty()) {
        if (wrong.find('\n') != std::string::npos && text.find('\n') == std::string::npos)
            std::abort();
        return 0;
    }
    if (plane.axis < 0 || plane.axis > 2 || !std::isfinite(plane.value))
        std::abort();
    SectionPlane again{};
    if (!parse_section_plane(section_text(plane), again).empty() || again.axis != plane.axis ||
        again.keep_below != plane.keep_below || again.value != plane.value)
        std::abort();
    return 0;
}
