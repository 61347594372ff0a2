// Feeds arbitrary bytes to the favourite-view reader as the content of
// favview.sav. The reader may change only the fields the file holds.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "app/favourite_view.h"
#include "view/view_state.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    std::FILE* file = size ? fmemopen(const_cast<uint8_t*>(data), size, "r") : std::fopen("/dev/null", "r");
    if (!file)
        return 0;
    std::memset(&view_state, 0x11, sizeof view_state);
    ViewState expected = view_state;
    read_favourite_view(file);
    std::fclose(file);

    expected.show_earth = view_state.show_earth;
    expected.far_clip = view_state.far_clip;
    expected.zoom = view_state.zoom;
    expected.cam_x = view_state.cam_x;
    expected.cam_y = view_state.cam_y;
    expected.cam_z = view_state.cam_z;
    expected.view_angle = view_state.view_angle;
    expected.view_pitch = view_state.view_pitch;
    if (std::memcmp(&expected, &view_state, sizeof expected) != 0)
        std::abort();  // a field outside the file was written
    return 0;
}
