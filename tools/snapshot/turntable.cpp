#include "tools/snapshot/turntable.h"

#include <GL/gl.h>

#include <algorithm>
#include <cmath>

#include "render/render.h"
#include "ship/ship.h"
#include "tools/snapshot/drawn_bounds.h"
#include "tools/snapshot/picture_series.h"
#include "view/view_state.h"

namespace {

constexpr double pi = 3.14159265358979323846;
// Half the perspective camera's field of view, and how far above the
// centre's level the camera circles.
constexpr double half_field = 30 * pi / 180, elevation = 20 * pi / 180;
constexpr double fit_margin = 1.05;
// The far plane of the perspective camera when neither world view nor far
// clipping is on.
constexpr double default_far = 100;
// A picture's time in hundredths of a second, and the video's frame rate
// that shows each picture once.
constexpr int turn_delay = 4, turn_video_rate = 25;

}  // namespace

// The overhead view centred on the origin, its box the measuring box, maps
// window coordinates back to the ship's as drawn_points does.
Extent drawn_extent()
{
    // A frame that no one sees: whoever watches the drawing is not told.
    const ScopedDrawnPartHook unwatched(nullptr);
    ViewState measuring = view_state;
    measuring.perspective_mode = 0;
    measuring.show_earth = 0;
    measuring.cam_x = measuring.cam_y = measuring.cam_z = 0;
    measuring.zoom = measuring_half_size;
    const std::vector<Point> points = [&] {
        const ScopedViewState measured(measuring);
        return drawn_points(display);
    }();

    Extent e = {{0, 0, 0}, 1};
    if (points.empty())
        return e;
    const Bounds b = bounds_of(points);
    for (int k = 0; k < 3; ++k)
        e.centre[k] = (b.low[k] + b.high[k]) / 2;
    for (const Point& p : points)
        e.radius = std::max(e.radius, std::hypot(p[0] - e.centre[0], p[1] - e.centre[1], p[2] - e.centre[2]));
    return e;
}

void aim_camera(const Extent& e, float heading)
{
    const double distance = e.radius / std::sin(half_field) * fit_margin;
    const double a = heading * pi / 180, across = distance * std::cos(elevation);
    view_state.perspective_mode = 1;
    view_state.view_angle = heading;
    view_state.view_pitch = float(-std::tan(elevation));
    view_state.cam_x = float(e.centre[0] - across * std::sin(a));
    view_state.cam_y = float(e.centre[1] - across * std::cos(a));
    view_state.cam_z = float(e.centre[2] + distance * std::sin(elevation));
    // The near plane of the world view (10) keeps depth precise at this
    // distance; the default planes serve when all of it lies within 100.
    view_state.far_clip = 0;
    view_state.world_view = distance + e.radius > default_far;
}

bool write_turntable(const PictureRequest& request, const std::string& dir, const std::string& video,
                     std::string& error)
{
    PictureSeries series(request, dir, "turn", "turntable.gif", video);
    if (!series.open(request.frame.size(), turntable_pictures, turn_video_rate, error))
        return false;
    request.frame.bind();
    const Extent extent = drawn_extent();
    const float start = view_state.view_angle;
    for (int i = 0; i < turntable_pictures; ++i) {
        aim_camera(extent, start + float(i));
        if (!series.add(request.draw(), turn_delay, error))
            return false;
    }
    return series.finish(error);
}
