// The ship as tev draws it, captured and sorted into parts: one part per
// block drawn, and the upright tubes, hull, landing target and station when
// they are drawn. Positions are in the ship's frame (x forward, y across, z
// up), in ship units; the writers convert to what their format wants.
#pragma once

#include <nlohmann/json.hpp>

#include <string>
#include <vector>

#include "ship/ship.h"
#include "tools/common/key_script.h"
#include "tools/gl_capture/gl_capture.h"
#include "view/view_state.h"

// What one part drew, sorted by colour.
struct Geometry {
    struct Surface {  // triangles in one colour
        gl_capture::Rgb colour;
        std::vector<float> positions;  // x, y, z per vertex
        std::vector<unsigned> indices;  // three per triangle
    };
    struct Strip {  // a line strip
        gl_capture::Rgb colour;
        std::vector<float> positions;
    };
    std::vector<Surface> surfaces;  // in the order their colours were first drawn
    std::vector<Strip> strips;

    void add(const gl_capture::Primitive& p);
    bool empty() const { return surfaces.empty() && strips.empty(); }
    size_t triangle_count() const;
};

struct ModelPart {
    DrawnPart kind;     // floor for a block
    int position = -1;  // a block's construction position
    Geometry geometry;  // a block: what its floor and draw routines drew
    Geometry ceiling;   // a block: what its ceiling routine drew
    std::string name() const;
};

struct ShipModel {
    ViewState view{};                       // the whole view after the key script
    bool construction = false;              // every block, with the upright tubes
    std::vector<ModelPart> parts;           // in drawing order
    int block_count() const;
};

// What to capture: the view after start-up and the key script; with
// `construction` every block of the decks the script shows and the upright
// tubes; with `all_decks` the deck filter is lifted as well.
struct ModelRequest {
    std::vector<ScriptStep> steps;
    bool construction = false;
    bool all_decks = false;
    bool all_parts = false;  // ceilings, hull, target and station, whatever the script left
};

// Starts the program on the capture backend, replays the script and
// captures one frame with the Earth switched off (so the ship sits at its
// own origin). Whatever the script prints goes to standard output.
ShipModel capture_ship(const ModelRequest& request);

// A block's facts as every model and parts list records them, in the
// order of the parts list's columns: position, name, routine, deck index and
// number, bounds (x0, x1, y0, y1, z0, z1) and colour.
nlohmann::ordered_json block_record(int position);

// The view state's fields that decide the picture (all but the heads-up
// text buffers), by their names in ViewState, as the web page reads them: ints
// as numbers, floats as the double of their value; a float that is not
// finite (a favourite-view file can give one) is left out, as JSON cannot
// hold it.
nlohmann::ordered_json view_state_record(const ViewState& view);

// The palette name of a colour, or rgb_RRGGBB for one outside the palette.
std::string colour_label(const gl_capture::Rgb& colour);
std::string colour_label(const float* colour);

// Seconds per construction step in the animation.
constexpr double step_seconds = 0.25;
