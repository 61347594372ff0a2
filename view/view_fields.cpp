#include "view/view_fields.h"

#include <cstring>

const ViewField view_fields[view_field_count] = {
    // name               int field                        float field
    {"show_station",     &ViewState::show_station,        nullptr                },  // show_station
    {"show_earth",       &ViewState::show_earth,          nullptr                },  // show_earth
    {"far_clip",         &ViewState::far_clip,            nullptr                },  // far_clip
    {"show_hull",        &ViewState::show_hull,           nullptr                },  // show_hull
    {"world_view",       &ViewState::world_view,          nullptr                },  // world_view
    {"blocks_shown",     &ViewState::blocks_shown,        nullptr                },  // blocks_shown
    {"deck_shown",       &ViewState::deck_shown,          nullptr                },  // deck_shown
    {"show_ceilings",    &ViewState::show_ceilings,       nullptr                },  // show_ceilings
    {"show_target",      &ViewState::show_target,         nullptr                },  // show_target
    {"zoom",             nullptr,                         &ViewState::zoom       },  // zoom
    {"perspective_mode", &ViewState::perspective_mode,    nullptr                },  // perspective_mode
    {"cam_x",            nullptr,                         &ViewState::cam_x      },  // cam_x
    {"cam_y",            nullptr,                         &ViewState::cam_y      },  // cam_y
    {"cam_z",            nullptr,                         &ViewState::cam_z      },  // cam_z
    {"view_angle",       nullptr,                         &ViewState::view_angle },  // view_angle
    {"view_pitch",       nullptr,                         &ViewState::view_pitch },  // view_pitch
};

const ViewField* view_field_named(const char* name)
{
    for (const ViewField& f : view_fields)
        if (std::strcmp(f.name, name) == 0)
            return &f;
    return nullptr;
}
