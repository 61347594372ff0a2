#include "view/view_state.h"

ViewState view_state;

void reset_view()
{
    view_state.view_angle = 110;
    view_state.zoom = 128;
    if (view_state.perspective_mode) {
        view_state.cam_x = -256;
        view_state.cam_y = 20;
        view_state.cam_z = 16;
    } else {  // overhead: straight down on the middle of the ship
        view_state.cam_x = 60;
        view_state.cam_y = 0;
        view_state.cam_z = 60;
    }
}
