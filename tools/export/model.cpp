#include "tools/export/model.h"

#include <cmath>
#include <cstdio>

#include "app/app.h"
#include "tools/common/headless.h"
#include "render/render.h"
#include "view/view_fields.h"
#include "view/view_state.h"

namespace {

// Where each announced part begins in the list of recorded primitives.
struct Mark {
    DrawnPart part;
    int position;
    size_t first;
};
std::vector<Mark> marks;

void mark_part(DrawnPart part, int position)
{
    marks.push_back({part, position, gl_capture::prims().size()});
}

// One frame on the capture backend; returns the marks of its parts.
std::vector<Mark> capture_frame()
{
    marks.clear();
    gl_capture::clear_prims();
    const ScopedDrawnPartHook watch(mark_part);
    display();
    return marks;
}

ModelPart& part_for(std::vector<ModelPart>& parts, DrawnPart kind, int position)
{
    const bool block = position >= 0;
    for (ModelPart& p : parts)
        if (block ? p.position == position : p.kind == kind)
            return p;
    ModelPart p;
    p.kind = block ? DrawnPart::floor : kind;
    p.position = position;
    parts.push_back(p);
    return parts.back();
}

// Sorts the primitives of one frame into parts; `only` keeps just the parts
// of that kind.
void sort_into_parts(const std::vector<Mark>& frame_marks, std::vector<ModelPart>& parts,
                     const DrawnPart* only = nullptr)
{
    const std::vector<gl_capture::Primitive>& prims = gl_capture::prims();
    for (size_t m = 0; m < frame_marks.size(); ++m) {
        const Mark& mark = frame_marks[m];
        if (only && mark.part != *only)
            continue;
        ModelPart& part = part_for(parts, mark.part, mark.position);
        Geometry& g = mark.part == DrawnPart::ceiling ? part.ceiling : part.geometry;
        const size_t end = m + 1 < frame_marks.size() ? frame_marks[m + 1].first : prims.size();
        for (size_t i = mark.first; i < end; ++i)
            g.add(prims[i]);
    }
}

}  // namespace

void Geometry::add(const gl_capture::Primitive& p)
{
    if (p.kind == gl_capture::Kind::text)
        return;  // the heads-up lines belong to the window, not the ship
    if (p.kind == gl_capture::Kind::line_strip) {
        if (p.points.size() < 2)
            return;
        Strip s{p.colour, {}};
        for (const gl_capture::Vec3& v : p.points)
            s.positions.insert(s.positions.end(), {float(v.x), float(v.y), float(v.z)});
        strips.push_back(std::move(s));
        return;
    }
    if (p.triangles.empty())
        return;
    Surface* surface = nullptr;
    for (Surface& s : surfaces)
        if (s.colour == p.colour)
            surface = &s;
    if (!surface) {
        surfaces.push_back({p.colour, {}, {}});
        surface = &surfaces.back();
    }
    const unsigned base = unsigned(surface->positions.size() / 3);
    for (const gl_capture::Vec3& v : p.points)
        surface->positions.insert(surface->positions.end(), {float(v.x), float(v.y), float(v.z)});
    for (unsigned i : p.triangles)
        surface->indices.push_back(base + i);
}

size_t Geometry::triangle_count() const
{
    size_t n = 0;
    for (const Surface& s : surfaces)
        n += s.indices.size() / 3;
    return n;
}

std::string ModelPart::name() const
{
    const char* name = drawn_part_name(kind).name;
    return name ? name : block_names[position];
}

nlohmann::ordered_json block_record(int position)
{
    const BlockFacts f = block_facts(position);
    return {{"position", f.position},
            {"name", f.name},
            {"routine", f.routine},
            {"deck_index", f.deck_index},
            {"deck_number", f.deck_number},
            {"bounds", f.bounds},
            {"colour", colour_label(f.colour)}};
}

int ShipModel::block_count() const
{
    int n = 0;
    for (const ModelPart& p : parts)
        n += p.position >= 0;
    return n;
}

nlohmann::ordered_json view_state_record(const ViewState& view)
{
    nlohmann::ordered_json record = nlohmann::ordered_json::object();
    for (const ViewField& field : view_fields) {
        if (field.whole)
            record[field.name] = view.*field.whole;
        else if (const float v = view.*field.real; std::isfinite(v))
            record[field.name] = double(v);
    }
    return record;
}

std::string colour_label(const gl_capture::Rgb& c)
{
    const float rgb[3] = {c.r, c.g, c.b};
    return colour_label(rgb);
}

std::string colour_label(const float* rgb)
{
    if (const char* name = colour_name(rgb))
        return name;
    char label[16];
    const auto byte = [](float v) { return int(std::lround(std::fmin(std::fmax(v, 0), 1) * 255)); };
    std::snprintf(label, sizeof label, "rgb_%02x%02x%02x", byte(rgb[0]), byte(rgb[1]), byte(rgb[2]));
    return label;
}

ShipModel capture_ship(const ModelRequest& request)
{
    gl_capture::reset();
    gl_capture::state().tessellate = true;
    start_viewer("tev-export", request.steps);

    ShipModel model;
    model.view = view_state;
    model.construction = request.construction;

    ViewState captured = view_state;
    captured.show_earth = 0;
    if (request.all_decks)
        captured.deck_shown = all_decks;
    if (request.all_parts)
        captured.show_ceilings = captured.show_hull = captured.show_target = captured.show_station = 1;
    if (request.construction)
        captured.blocks_shown = block_total();
    const ScopedViewState capturing(captured);
    sort_into_parts(capture_frame(), model.parts);
    if (request.construction) {
        // The tubes stand only while the counter is low; draw them once more
        // and keep only them.
        view_state.blocks_shown = 0;
        const DrawnPart tubes = DrawnPart::upright_tubes;
        sort_into_parts(capture_frame(), model.parts, &tubes);
    }
    gl_capture::clear_prims();
    return model;
}
