#include "tools/common/view_link.h"

#include <cstdio>
#include <cstdlib>

std::string shortest_float(float value)
{
    char text[32] = "";
    for (int digits = 6; digits <= 9; ++digits) {
        std::snprintf(text, sizeof text, "%.*g", digits, double(value));
        if (std::strtof(text, nullptr) == value)
            break;
    }
    return text;
}

std::string percent_encoded(const std::string& text)
{
    static const char hex[] = "0123456789ABCDEF";
    std::string out;
    for (const char c : text) {
        const unsigned char u = static_cast<unsigned char>(c);
        if ((u >= 'a' && u <= 'z') || (u >= 'A' && u <= 'Z') || (u >= '0' && u <= '9') || u == '-' ||
            u == '.' || u == '_' || u == '~')
            out += c;
        else
            out += {'%', hex[u >> 4], hex[u & 15]};
    }
    return out;
}

namespace {

// The fields of the view state in the link, in the order of the struct.
// name               integer field                     float field
const struct {
    const char* name;
    int ViewState::*whole;
    float ViewState::*real;
} fields[] = {
    {"show_station",     &ViewState::show_station,         nullptr                },  // show_station
    {"show_earth",       &ViewState::show_earth,           nullptr                },  // show_earth
    {"far_clip",         &ViewState::far_clip,             nullptr                },  // far_clip
    {"show_hull",        &ViewState::show_hull,            nullptr                },  // show_hull
    {"world_view",       &ViewState::world_view,           nullptr                },  // world_view
    {"blocks_shown",     &ViewState::blocks_shown,         nullptr                },  // blocks_shown
    {"deck_shown",       &ViewState::deck_shown,           nullptr                },  // deck_shown
    {"show_ceilings",    &ViewState::show_ceilings,        nullptr                },  // show_ceilings
    {"show_target",      &ViewState::show_target,          nullptr                },  // show_target
    {"zoom",             nullptr,                          &ViewState::zoom       },  // zoom
    {"perspective_mode", &ViewState::perspective_mode,     nullptr                },  // perspective_mode
    {"cam_x",            nullptr,                          &ViewState::cam_x      },  // cam_x
    {"cam_y",            nullptr,                          &ViewState::cam_y      },  // cam_y
    {"cam_z",            nullptr,                          &ViewState::cam_z      },  // cam_z
    {"view_angle",       nullptr,                          &ViewState::view_angle },  // view_angle
    {"view_pitch",       nullptr,                          &ViewState::view_pitch },  // view_pitch
};

}  // namespace

std::string link_fragment(const ViewState& view, const PageToggles& toggles, const std::string& keys)
{
    std::string text;
    const auto add = [&text](const char* name, const std::string& value) {
        text += (text.empty() ? "#" : "&") + std::string(name) + "=" + percent_encoded(value);
    };
    for (const auto& f : fields)
        add(f.name, f.whole ? std::to_string(view.*f.whole) : shortest_float(view.*f.real));
    for (const auto& [name, value] : {std::pair{"highlight", toggles.highlight},
                                      std::pair{"xray", toggles.xray}, std::pair{"panel", toggles.panel}})
        if (value >= 0)
            add(name, std::to_string(value));
    if (!keys.empty())
        add("keys", keys);
    return text;
}
