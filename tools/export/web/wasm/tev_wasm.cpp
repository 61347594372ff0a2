// The viewer's own code for the web page, built to WebAssembly: the page
// keeps its document, pointer and WebGL drawing, and asks this interface
// everything that the viewer decides. The program runs on the capture
// backend: its view state is the one global it always has, its commands are
// its own callbacks, and a frame is its own display() recorded.
//
// Texts go out as pointers to NUL-terminated UTF-8 that stay valid until the
// next call; the parts and the Earth as pointers into arrays that stay until
// the page is closed. Standard output (the viewer's diagnostics) goes to the
// page's print function.
#include <emscripten/emscripten.h>
#include <sys/stat.h>

#include <algorithm>
#include <climits>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <unordered_map>
#include <vector>

#include <nlohmann/json.hpp>

#include "app/app.h"
#include "app/favourite_view.h"
#include "app/input.h"
#include "render/render.h"
#include "ship/ship.h"
#include "tools/common/key_script.h"
#include "tools/common/view_link.h"
#include "tools/export/model.h"
#include "tools/gl_capture/gl_capture.h"
#include "view/view_fields.h"
#include "view/view_state.h"

namespace {

std::string text_out;  // the last text handed out

const char* hand_out(std::string text)
{
    text_out = std::move(text);
    return text_out.c_str();
}

// ---- the recorded parts ----------------------------------------------------------
// Every part the viewer can draw (each block, its ceiling, the upright
// tubes, hull, target and station), merged into one triangle buffer and one
// line buffer: positions (x, y, z floats), colours (r, g, b bytes) and
// indices, each part a range of the indices. Within one colour of a part,
// vertices at one position are one vertex.

struct Buffer {
    std::vector<float> positions;
    std::vector<unsigned char> colours;
    std::vector<unsigned> indices;
};

struct Unit {
    int kind;      // DrawnPart: floor for a block's floor and body
    int position;  // a block's construction position, or -1
    unsigned tri_start, tri_count, line_start, line_count;
    float box[6];  // of its vertices: x0, x1, y0, y1, z0, z1
};

Buffer tris, lines;
std::vector<Unit> units;

unsigned char byte_of(float c) { return static_cast<unsigned char>(c <= 0 ? 0 : c >= 1 ? 255 : c * 255 + 0.5f); }

// A vertex's position as a key: its three floats' bits (a zero of either
// sign as +0, which equals it).
struct Position {
    float x, y, z;
    bool operator==(const Position& o) const { return x == o.x && y == o.y && z == o.z; }
};
struct PositionHash {
    size_t operator()(const Position& p) const
    {
        const auto bits = [](float f) {
            uint32_t b;
            f += 0.0f;
            std::memcpy(&b, &f, sizeof b);
            return size_t(b);
        };
        return (bits(p.x) * 73856093u) ^ (bits(p.y) * 19349663u) ^ (bits(p.z) * 83492791u);
    }
};

// Adds the vertices (three floats each) in one colour; returns their
// indices in the buffer, one per vertex given.
std::vector<unsigned> add_vertices(Buffer& b, const std::vector<float>& p, const gl_capture::Rgb& colour)
{
    std::unordered_map<Position, unsigned, PositionHash> at(p.size() / 3);
    std::vector<unsigned> index;
    index.reserve(p.size() / 3);
    for (size_t i = 0; i + 2 < p.size(); i += 3) {
        const auto [found, added] = at.emplace(Position{p[i], p[i + 1], p[i + 2]}, unsigned(b.positions.size() / 3));
        if (added) {
            b.positions.insert(b.positions.end(), {p[i], p[i + 1], p[i + 2]});
            b.colours.insert(b.colours.end(), {byte_of(colour.r), byte_of(colour.g), byte_of(colour.b)});
        }
        index.push_back(found->second);
    }
    return index;
}

// The box of the vertices that a range of indices names.
void grow_box(float (&box)[6], const Buffer& b, size_t start, size_t end)
{
    for (size_t i = start; i < end; ++i)
        for (int axis = 0; axis < 3; ++axis) {
            const float v = b.positions[3 * b.indices[i] + axis];
            box[2 * axis] = std::min(box[2 * axis], v);
            box[2 * axis + 1] = std::max(box[2 * axis + 1], v);
        }
}

void add_unit(int kind, int position, const Geometry& g)
{
    if (g.empty())
        return;
    Unit u{kind, position, unsigned(tris.indices.size()), 0, unsigned(lines.indices.size()), 0,
           {HUGE_VALF, -HUGE_VALF, HUGE_VALF, -HUGE_VALF, HUGE_VALF, -HUGE_VALF}};
    for (const Geometry::Surface& s : g.surfaces) {
        const std::vector<unsigned> index = add_vertices(tris, s.positions, s.colour);
        for (unsigned i : s.indices)
            tris.indices.push_back(index[i]);
    }
    for (const Geometry::Strip& s : g.strips) {
        const std::vector<unsigned> index = add_vertices(lines, s.positions, s.colour);
        for (size_t i = 0; i + 1 < index.size(); ++i)
            lines.indices.insert(lines.indices.end(), {index[i], index[i + 1]});
    }
    u.tri_count = unsigned(tris.indices.size()) - u.tri_start;
    u.line_count = unsigned(lines.indices.size()) - u.line_start;
    grow_box(u.box, tris, u.tri_start, tris.indices.size());
    grow_box(u.box, lines, u.line_start, lines.indices.size());
    units.push_back(u);
}

// The Earth as the frame draws it, in doubles: its vertices about the
// world's origin and its triangles.
std::vector<double> earth_points;
std::vector<unsigned> earth_triangles;
gl_capture::Rgb earth_colour{};

void record_earth()
{
    const ViewState saved = view_state;
    view_state.show_earth = 1;
    // As little else as the frame allows: no blocks, station, target or hull.
    view_state.blocks_shown = 0;
    view_state.show_station = view_state.show_target = view_state.show_hull = 0;
    gl_capture::clear_prims();
    display();
    view_state = saved;
    for (const gl_capture::Primitive& p : gl_capture::prims())
        if (p.kind == gl_capture::Kind::sphere) {
            for (const gl_capture::Vec3& v : p.points)
                earth_points.insert(earth_points.end(), {v.x, v.y, v.z});
            earth_triangles = p.triangles;
            earth_colour = p.colour;
            break;
        }
    gl_capture::clear_prims();
}

// ---- the frame -------------------------------------------------------------------

struct FrameMark {
    DrawnPart part;
    int position;
    size_t first;  // the primitives recorded before it
    gl_capture::Matrix placement;
};
std::vector<FrameMark> frame_marks;

void mark_frame_part(DrawnPart part, int position)
{
    const gl_capture::State& s = gl_capture::state();
    frame_marks.push_back({part, position, s.prims.size(), s.camera_inverse.back() * s.modelview.back()});
}

nlohmann::json vector_of(const gl_capture::Vec3& v) { return {v.x, v.y, v.z}; }

// The parts a frame of the view drew (recorded anything but text), as
// [kind, position] pairs; a block once, as its floor.
nlohmann::json drawn_parts(const std::vector<FrameMark>& marks)
{
    const std::vector<gl_capture::Primitive>& prims = gl_capture::prims();
    nlohmann::json drawn = nlohmann::json::array();
    for (size_t m = 0; m < marks.size(); ++m) {
        const size_t end = m + 1 < marks.size() ? marks[m + 1].first : prims.size();
        bool drew = false;
        for (size_t i = marks[m].first; i < end && !drew; ++i)
            drew = prims[i].kind != gl_capture::Kind::text;
        const int kind = int(marks[m].part == DrawnPart::body ? DrawnPart::floor : marks[m].part);
        const nlohmann::json part = {kind, marks[m].position};
        if (drew && (drawn.empty() || drawn.back() != part))
            drawn.push_back(part);
    }
    return drawn;
}

std::vector<FrameMark> record_frame()
{
    frame_marks.clear();
    gl_capture::clear_prims();
    gl_capture::State& s = gl_capture::state();
    s.perspective_calls = s.ortho_calls = 0;  // which camera this frame set
    const ScopedDrawnPartHook watch(mark_frame_part);
    display();
    return frame_marks;
}

// The heads-up lines of the view, which the frame draws only overhead: the
// texts drawn, or in perspective those the overhead frame would draw.
nlohmann::json heads_up_lines(const nlohmann::json& texts)
{
    nlohmann::json lines = nlohmann::json::array();
    if (view_state.perspective_mode) {
        const ViewState saved = view_state;
        view_state.perspective_mode = 0;
        record_frame();
        view_state = saved;
        for (const gl_capture::Primitive& p : gl_capture::prims())
            if (p.kind == gl_capture::Kind::text)
                lines.push_back(p.text);
    } else {
        for (const nlohmann::json& t : texts)
            lines.push_back(t["text"]);
    }
    return lines;
}

// The page's own fields from its toggles (each 0 or 1) and its section:
// axis 0, 1 or 2 (x, y, z) or -1 for none, the side kept and the value.
PageToggles page_fields(int highlight, int xray, int panel, int axis, int keep_below, double value)
{
    PageToggles fields{highlight, xray, panel, std::nullopt};
    if (axis >= 0 && axis <= 2)
        fields.section = SectionPlane{axis, keep_below != 0, value};
    return fields;
}

}  // namespace

extern "C" {

// Starts the program as tev starts (without its help text), records every
// part once and the Earth, and leaves the start-up view in view_state.
EMSCRIPTEN_KEEPALIVE void tev_start()
{
    // emscripten starts its process with the umask 0777, under which the
    // favourite view would be saved unreadable; a user's shell has 022.
    umask(022);
    ModelRequest request;
    request.construction = request.all_decks = request.all_parts = true;
    const ShipModel ship = capture_ship(request);
    for (const ModelPart& p : ship.parts) {
        add_unit(int(p.kind), p.position, p.geometry);
        add_unit(int(DrawnPart::ceiling), p.position, p.ceiling);
    }
    gl_capture::state().tessellate = true;
    record_earth();
    gl_capture::state().tessellate = false;
    set_start_up_view();
}

// ---- the view state: its fields by number ----------------------------------------

EMSCRIPTEN_KEEPALIVE int tev_field_count() { return view_field_count; }
EMSCRIPTEN_KEEPALIVE const char* tev_field_name(int i) { return view_fields[i].name; }
EMSCRIPTEN_KEEPALIVE int tev_field_is_float(int i) { return view_fields[i].real != nullptr; }

EMSCRIPTEN_KEEPALIVE double tev_get(int i)
{
    const ViewField& f = view_fields[i];
    return f.whole ? view_state.*f.whole : double(view_state.*f.real);
}

// Sets a field as the viewer would hold the value: a float rounded to single
// precision, an int truncated (and kept in the int range).
EMSCRIPTEN_KEEPALIVE void tev_set(int i, double value)
{
    const ViewField& f = view_fields[i];
    if (f.real)
        view_state.*f.real = float(value);
    else
        view_state.*f.whole = !(value == value) ? 0 : value >= INT_MAX ? INT_MAX : value <= INT_MIN ? INT_MIN : int(value);
}

EMSCRIPTEN_KEEPALIVE void tev_start_up_view() { set_start_up_view(); }

// ---- the commands -------------------------------------------------------------------
// Each as the viewer's callback runs it; what the viewer prints (a key it
// does not know) goes to standard output. A key or menu value that would
// quit is refused (returns 0): the page quits nothing.

EMSCRIPTEN_KEEPALIVE int tev_key(int key)
{
    if (key_quits(static_cast<unsigned char>(key)))
        return 0;
    keyboard(static_cast<unsigned char>(key), 0, 0);
    std::fflush(stdout);
    return 1;
}

EMSCRIPTEN_KEEPALIVE void tev_special(int code, int shift)
{
    special_key(code, shift != 0);
    std::fflush(stdout);
}

EMSCRIPTEN_KEEPALIVE int tev_menu(int value)
{
    if (menu_value_quits(value))
        return 0;
    main_menu(value);
    std::fflush(stdout);
    return 1;
}

// What the page's keys are: JSON of the letter commands ({keys, help}), the
// special keys ([name, code] by the names key scripts use) and the menu
// ([value, text], those that do not quit), and the key-script syntax.
EMSCRIPTEN_KEEPALIVE const char* tev_commands()
{
    nlohmann::json letters = nlohmann::json::array(), specials = nlohmann::json::array(),
                   menu = nlohmann::json::array();
    for (const KeyCommandKeys& c : key_command_keys())
        letters.push_back({{"keys", c.keys}, {"help", c.help ? c.help : ""},
                           {"quits", *c.keys && key_quits(static_cast<unsigned char>(*c.keys))}});
    for (const char* name : special_key_names())
        specials.push_back({name, special_key_named(name, std::string(name).size())});
    for (const MenuChoice& c : menu_choices())
        if (!menu_value_quits(c.value))
            menu.push_back({c.value, c.text});
    return hand_out(nlohmann::json{{"letters", letters}, {"specials", specials}, {"menu", menu},
                                   {"script_help", key_script_help()}}
                        .dump());
}

// ---- key scripts and links ------------------------------------------------------------

// The fragment of a link to the view and the page's fields.
EMSCRIPTEN_KEEPALIVE const char* tev_link(int highlight, int xray, int panel, int axis, int keep_below, double value)
{
    return hand_out(link_fragment(view_state, page_fields(highlight, xray, panel, axis, keep_below, value)));
}

// Reads a link's fragment on top of the view and the page's fields given,
// then types its key script; returns JSON {highlight, xray, panel, section,
// refused}, the section {axis: "x", "y" or "z", side: "<" or ">", value} or
// null.
EMSCRIPTEN_KEEPALIVE const char* tev_read_link(const char* fragment, int highlight, int xray, int panel, int axis,
                                               int keep_below, double value)
{
    const LinkRequest asked =
        read_link_fragment(fragment, view_state, page_fields(highlight, xray, panel, axis, keep_below, value));
    view_state = asked.view;
    run_key_script(asked.steps);
    std::fflush(stdout);
    nlohmann::json section = nullptr;
    if (const auto& plane = asked.toggles.section)
        section = {{"axis", std::string(1, "xyz"[plane->axis])}, {"side", plane->keep_below ? "<" : ">"},
                   {"value", plane->value}};
    return hand_out(nlohmann::json{{"highlight", asked.toggles.highlight}, {"xray", asked.toggles.xray},
                                   {"panel", asked.toggles.panel}, {"section", section}, {"refused", asked.refused}}
                        .dump());
}

// ---- the favourite view as text ----------------------------------------------------------

// favview.sav's nine lines for the view, as the viewer writes them.
EMSCRIPTEN_KEEPALIVE const char* tev_favourite_text()
{
    char* text = nullptr;
    size_t size = 0;
    std::FILE* file = open_memstream(&text, &size);
    if (!file)
        return hand_out("");
    write_favourite_view(file);
    std::fclose(file);
    std::string out(text, size);
    std::free(text);
    return hand_out(out);
}

// Reads a favview.sav text into the view, as the viewer reads the file.
EMSCRIPTEN_KEEPALIVE void tev_read_favourite_text(const char* text)
{
    std::string copy = text;
    if (copy.empty()) {  // fmemopen wants a buffer; an empty file reads nothing
        return;
    }
    if (std::FILE* file = fmemopen(copy.data(), copy.size(), "r")) {
        read_favourite_view(file);
        std::fclose(file);
    }
}

// ---- the frame -----------------------------------------------------------------------------

// The viewer's frame of the view, recorded: JSON of the projection
// (perspective [fovy, aspect, near, far] or ortho [l, r, b, t, n, f]), the
// camera (gluLookAt's eye, centre, up), the ship's placement in the world
// (the lift into orbit), whether the Earth is drawn, the heads-up texts
// ({text, colour, at}, at the raster position before projection), and the
// parts drawn, and the heads-up lines (drawn or not); with all_decks, also
// the parts drawn with every deck shown.
EMSCRIPTEN_KEEPALIVE const char* tev_frame(int all_decks_too)
{
    const std::vector<FrameMark> marks = record_frame();
    const gl_capture::State& s = gl_capture::state();
    nlohmann::json frame;
    if (s.perspective_calls)
        frame["perspective"] = {s.perspective.fovy, s.perspective.aspect, s.perspective.near_plane,
                                s.perspective.far_plane};
    else
        frame["ortho"] = {s.ortho.left, s.ortho.right, s.ortho.bottom, s.ortho.top, s.ortho.near_plane,
                          s.ortho.far_plane};
    frame["eye"] = vector_of(s.look_at.eye);
    frame["centre"] = vector_of(s.look_at.centre);
    frame["up"] = vector_of(s.look_at.up);
    bool earth = false;
    nlohmann::json texts = nlohmann::json::array();
    for (const gl_capture::Primitive& p : s.prims) {
        earth = earth || p.kind == gl_capture::Kind::sphere;
        if (p.kind == gl_capture::Kind::text)
            texts.push_back({{"text", p.text}, {"colour", {p.colour.r, p.colour.g, p.colour.b}},
                             {"at", vector_of(p.origin)}});
    }
    frame["earth"] = earth;
    frame["texts"] = texts;
    const gl_capture::Vec3 lift = marks.empty() ? gl_capture::Vec3{0, 0, 0} : marks.front().placement.apply({0, 0, 0});
    frame["lift"] = vector_of(lift);
    frame["drawn"] = drawn_parts(marks);
    frame["heads_up"] = heads_up_lines(texts);
    if (all_decks_too) {
        const ViewState saved = view_state;
        view_state.deck_shown = all_decks;
        frame["drawn_all_decks"] = drawn_parts(record_frame());
        view_state = saved;
    }
    gl_capture::clear_prims();
    return hand_out(frame.dump());
}

// ---- the recorded parts and the ship's facts --------------------------------------------

EMSCRIPTEN_KEEPALIVE int tev_unit_count() { return int(units.size()); }
EMSCRIPTEN_KEEPALIVE const Unit* tev_units() { return units.data(); }
EMSCRIPTEN_KEEPALIVE const char* tev_part_kind_name(int kind) { return drawn_part_name(DrawnPart(kind)).kind; }

// Buffer 0 the triangles, 1 the lines.
EMSCRIPTEN_KEEPALIVE const float* tev_positions(int b) { return (b ? lines : tris).positions.data(); }
EMSCRIPTEN_KEEPALIVE const unsigned char* tev_colours(int b) { return (b ? lines : tris).colours.data(); }
EMSCRIPTEN_KEEPALIVE int tev_vertex_count(int b) { return int((b ? lines : tris).positions.size() / 3); }
EMSCRIPTEN_KEEPALIVE const unsigned* tev_indices(int b) { return (b ? lines : tris).indices.data(); }
EMSCRIPTEN_KEEPALIVE int tev_index_count(int b) { return int((b ? lines : tris).indices.size()); }

EMSCRIPTEN_KEEPALIVE const double* tev_earth_points() { return earth_points.data(); }
EMSCRIPTEN_KEEPALIVE int tev_earth_point_count() { return int(earth_points.size() / 3); }
EMSCRIPTEN_KEEPALIVE const unsigned* tev_earth_triangles() { return earth_triangles.data(); }
EMSCRIPTEN_KEEPALIVE int tev_earth_index_count() { return int(earth_triangles.size()); }

// JSON of the ship's facts and its blocks' records, as a model's extras
// carry them, each deck's number by its index, and the Earth's colour.
EMSCRIPTEN_KEEPALIVE const char* tev_facts()
{
    nlohmann::ordered_json blocks = nlohmann::ordered_json::array();
    for (int p = 0; p < ship_block_count; ++p)
        blocks.push_back(block_record(p));
    std::vector<int> deck_numbers;
    for (int d = 0; d < deck_count; ++d)
        deck_numbers.push_back(deck_number(d));
    return hand_out(nlohmann::ordered_json{{"step_seconds", step_seconds},
                                           {"block_count", ship_block_count},
                                           {"counter_max", block_total()},
                                           {"deck_count", deck_count},
                                           {"top_deck_number", top_deck_number},
                                           {"deck_numbers", deck_numbers},
                                           {"earth_colour", {earth_colour.r, earth_colour.g, earth_colour.b}},
                                           {"blocks", blocks}}
                        .dump());
}

}  // extern "C"
