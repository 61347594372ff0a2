#include "tools/export/gltf_writer.h"

#include <tiny_gltf.h>

#include <algorithm>
#include <cstring>
#include <map>
#include <sstream>

namespace {

using tinygltf::Value;

// Builds the tinygltf model: one buffer, three views into it (vertex
// positions, indices, animation keys).
class GltfBuilder {
public:
    explicit GltfBuilder(const ShipModel& ship) : ship_(ship) {}
    tinygltf::Model build();

private:
    int material(const gl_capture::Rgb& colour);
    int mesh(const Geometry& g, const std::string& name);
    int positions(const std::vector<float>& ship_xyz);
    int indices(const std::vector<unsigned>& list);
    int keys(const std::vector<float>& values, int components);
    int node(const std::string& name, Value::Object extras, int mesh_index);
    void add_asset();
    int add_root();
    void add_parts(int root);
    void add_animation(const std::vector<std::pair<int, int>>& block_nodes, int tubes_node);
    void add_scene(int root);
    void add_buffer();
    size_t append(std::vector<unsigned char>& view, const void* data, size_t size);

    const ShipModel& ship_;
    tinygltf::Model m_;
    std::vector<unsigned char> position_bytes_, index_bytes_, key_bytes_;
    std::map<std::string, int> materials_;
    enum { position_view, index_view, key_view };
};

size_t GltfBuilder::append(std::vector<unsigned char>& view, const void* data, size_t size)
{
    const size_t offset = view.size();
    view.resize(offset + size);
    std::memcpy(view.data() + offset, data, size);
    return offset;
}

int GltfBuilder::material(const gl_capture::Rgb& colour)
{
    const std::string name = colour_label(colour);
    if (auto found = materials_.find(name); found != materials_.end())
        return found->second;
    tinygltf::Material mat;
    mat.name = name;
    mat.pbrMetallicRoughness.baseColorFactor = {colour.r, colour.g, colour.b, 1};
    mat.pbrMetallicRoughness.metallicFactor = 0;
    mat.pbrMetallicRoughness.roughnessFactor = 1;
    mat.doubleSided = true;
    mat.extensions["KHR_materials_unlit"] = Value(Value::Object());
    m_.materials.push_back(mat);
    return materials_[name] = int(m_.materials.size() - 1);
}

int GltfBuilder::positions(const std::vector<float>& ship_xyz)
{
    std::vector<float> xyz(ship_xyz.size());
    for (size_t i = 0; i < xyz.size(); i += 3) {
        xyz[i] = ship_xyz[i];
        xyz[i + 1] = ship_xyz[i + 2];
        xyz[i + 2] = -ship_xyz[i + 1];
    }
    tinygltf::Accessor a;
    a.bufferView = position_view;
    a.byteOffset = append(position_bytes_, xyz.data(), xyz.size() * sizeof(float));
    a.componentType = TINYGLTF_COMPONENT_TYPE_FLOAT;
    a.type = TINYGLTF_TYPE_VEC3;
    a.count = xyz.size() / 3;
    a.minValues = {xyz[0], xyz[1], xyz[2]};
    a.maxValues = a.minValues;
    for (size_t i = 0; i < xyz.size(); ++i) {
        a.minValues[i % 3] = std::min(a.minValues[i % 3], double(xyz[i]));
        a.maxValues[i % 3] = std::max(a.maxValues[i % 3], double(xyz[i]));
    }
    m_.accessors.push_back(a);
    return int(m_.accessors.size() - 1);
}

int GltfBuilder::indices(const std::vector<unsigned>& list)
{
    tinygltf::Accessor a;
    a.bufferView = index_view;
    a.type = TINYGLTF_TYPE_SCALAR;
    a.count = list.size();
    if (*std::max_element(list.begin(), list.end()) < 65535) {
        std::vector<uint16_t> shorts(list.begin(), list.end());
        a.componentType = TINYGLTF_COMPONENT_TYPE_UNSIGNED_SHORT;
        a.byteOffset = append(index_bytes_, shorts.data(), shorts.size() * 2);
        if (index_bytes_.size() % 4)  // keeps the next accessor aligned
            index_bytes_.resize(index_bytes_.size() + 2);
    } else {
        a.componentType = TINYGLTF_COMPONENT_TYPE_UNSIGNED_INT;
        a.byteOffset = append(index_bytes_, list.data(), list.size() * 4);
    }
    m_.accessors.push_back(a);
    return int(m_.accessors.size() - 1);
}

int GltfBuilder::keys(const std::vector<float>& values, int components)
{
    tinygltf::Accessor a;
    a.bufferView = key_view;
    a.byteOffset = append(key_bytes_, values.data(), values.size() * sizeof(float));
    a.componentType = TINYGLTF_COMPONENT_TYPE_FLOAT;
    a.type = components == 1 ? TINYGLTF_TYPE_SCALAR : TINYGLTF_TYPE_VEC3;
    a.count = values.size() / components;
    if (components == 1) {  // animation input keys need their range
        a.minValues = {*std::min_element(values.begin(), values.end())};
        a.maxValues = {*std::max_element(values.begin(), values.end())};
    }
    m_.accessors.push_back(a);
    return int(m_.accessors.size() - 1);
}

int GltfBuilder::mesh(const Geometry& g, const std::string& name)
{
    if (g.empty())
        return -1;
    tinygltf::Mesh mesh;
    mesh.name = name;
    for (const Geometry::Surface& s : g.surfaces) {
        tinygltf::Primitive p;
        p.mode = TINYGLTF_MODE_TRIANGLES;
        p.attributes["POSITION"] = positions(s.positions);
        p.indices = indices(s.indices);
        p.material = material(s.colour);
        mesh.primitives.push_back(p);
    }
    for (const Geometry::Strip& s : g.strips) {
        tinygltf::Primitive p;
        p.mode = TINYGLTF_MODE_LINE_STRIP;
        p.attributes["POSITION"] = positions(s.positions);
        p.material = material(s.colour);
        mesh.primitives.push_back(p);
    }
    m_.meshes.push_back(mesh);
    return int(m_.meshes.size() - 1);
}

int GltfBuilder::node(const std::string& name, Value::Object extras, int mesh_index)
{
    tinygltf::Node n;
    n.name = name;
    n.mesh = mesh_index;
    n.extras = Value(std::move(extras));
    m_.nodes.push_back(n);
    return int(m_.nodes.size() - 1);
}

// A step-interpolated scale per block node: nothing until the block's step,
// whole from then on; the upright tubes stand until step 17.
void GltfBuilder::add_animation(const std::vector<std::pair<int, int>>& block_nodes, int tubes_node)
{
    tinygltf::Animation anim;
    anim.name = "construction";
    const int appear = keys({0, 0, 0, 1, 1, 1}, 3), vanish = keys({1, 1, 1, 0, 0, 0}, 3);
    const auto channel = [&](int node, float at, int output) {
        tinygltf::AnimationSampler s;
        s.input = keys({0, at}, 1);
        s.output = output;
        s.interpolation = "STEP";
        anim.samplers.push_back(s);
        tinygltf::AnimationChannel c;
        c.sampler = int(anim.samplers.size() - 1);
        c.target_node = node;
        c.target_path = "scale";
        anim.channels.push_back(c);
    };
    for (const auto& [node, position] : block_nodes)
        channel(node, float((position + 1) * step_seconds), appear);
    if (tubes_node >= 0)
        channel(tubes_node, float((last_step_with_upright_tubes + 1) * step_seconds), vanish);
    m_.animations.push_back(anim);
}

Value::Object kind_only(DrawnPart part) { return {{"kind", Value(std::string(drawn_part_name(part).kind))}}; }

// A JSON value of a record as tinygltf holds it.
Value gltf_value(const nlohmann::ordered_json& v)
{
    if (v.is_string())
        return Value(v.get<std::string>());
    if (v.is_number_integer())
        return Value(v.get<int>());
    if (v.is_number())
        return Value(v.get<double>());
    if (v.is_object()) {
        Value::Object members;
        for (const auto& [key, member] : v.items())
            members[key] = gltf_value(member);
        return Value(std::move(members));
    }
    Value::Array elements;
    for (const nlohmann::ordered_json& element : v)
        elements.push_back(gltf_value(element));
    return Value(std::move(elements));
}

// The block's record, and its kind.
Value::Object block_extras(int position)
{
    Value::Object extras = kind_only(DrawnPart::floor);
    const nlohmann::ordered_json record = block_record(position);
    for (const auto& [key, value] : record.items())
        extras[key] = gltf_value(value);
    return extras;
}

tinygltf::Model GltfBuilder::build()
{
    add_asset();
    const int root = add_root();
    add_parts(root);
    add_scene(root);
    add_buffer();
    return std::move(m_);
}

// What wrote the file, and every palette colour as a material, in palette
// order, whether drawn or not.
void GltfBuilder::add_asset()
{
    m_.asset.version = "2.0";
    m_.asset.generator = "tev-export";
    m_.extensionsUsed.push_back("KHR_materials_unlit");
    for (const NamedColour& c : named_colours)
        material({c.rgb[0], c.rgb[1], c.rgb[2]});
}

// The root node "ship", with the view the script left (the counter and deck,
// and the whole view state) and the ship's facts that the web page reads.
int GltfBuilder::add_root()
{
    return node("ship",
                {{"kind", Value(std::string("ship"))},
                 {"blocks_shown", Value(ship_.view.blocks_shown)},
                 {"deck_shown", Value(ship_.view.deck_shown)},
                 {"view_state", gltf_value(view_state_record(ship_.view))},
                 {"step_seconds", Value(step_seconds)},
                 {"block_count", Value(ship_block_count)},
                 {"counter_max", Value(block_total())},
                 {"deck_count", Value(deck_count)},
                 {"deck_height", Value(double(deck_height))},
                 {"top_deck_number", Value(top_deck_number)},
                 {"last_step_with_upright_tubes", Value(last_step_with_upright_tubes)}},
                -1);
}

// A node per part under the root, a block's ceiling a child of its own;
// with the construction, the animation of them.
void GltfBuilder::add_parts(int root)
{
    std::vector<std::pair<int, int>> block_nodes;
    int tubes_node = -1;
    for (const ModelPart& part : ship_.parts) {
        const std::string name = part.name();
        const bool block = part.position >= 0;
        const int n = node(name, block ? block_extras(part.position) : kind_only(part.kind),
                           mesh(part.geometry, name));
        m_.nodes[root].children.push_back(n);
        if (block) {
            block_nodes.emplace_back(n, part.position);
            if (const int ceiling = mesh(part.ceiling, name + "/ceiling"); ceiling >= 0) {
                const int child = node(name + "/ceiling", kind_only(DrawnPart::ceiling), ceiling);
                m_.nodes[n].children.push_back(child);
            }
        } else if (part.kind == DrawnPart::upright_tubes) {
            tubes_node = n;
        }
    }
    if (ship_.construction)
        add_animation(block_nodes, tubes_node);
}

void GltfBuilder::add_scene(int root)
{
    tinygltf::Scene scene;
    scene.name = "ship";
    scene.nodes = {root};
    m_.scenes.push_back(scene);
    m_.defaultScene = 0;
}

// The one buffer: the positions, the indices and the animation keys, each a
// view of its own.
void GltfBuilder::add_buffer()
{
    tinygltf::Buffer buffer;
    const auto view = [&](std::vector<unsigned char>& bytes, int target, int stride) {
        tinygltf::BufferView v;
        v.buffer = 0;
        v.byteOffset = buffer.data.size();
        v.byteLength = std::max<size_t>(bytes.size(), 4);
        v.target = target;
        v.byteStride = stride;
        bytes.resize(v.byteLength);
        buffer.data.insert(buffer.data.end(), bytes.begin(), bytes.end());
        m_.bufferViews.push_back(v);
    };
    view(position_bytes_, TINYGLTF_TARGET_ARRAY_BUFFER, 12);
    view(index_bytes_, TINYGLTF_TARGET_ELEMENT_ARRAY_BUFFER, 0);
    if (!key_bytes_.empty())
        view(key_bytes_, 0, 0);
    m_.buffers.push_back(std::move(buffer));
}

}  // namespace

bool serialise_gltf(const ShipModel& model, bool binary, std::string& bytes, std::string& error)
{
    const tinygltf::Model gltf = GltfBuilder(model).build();
    std::ostringstream out;
    tinygltf::TinyGLTF writer;
    if (!writer.WriteGltfSceneToStream(&gltf, out, !binary, binary)) {
        error = "tinygltf could not serialise the model";
        return false;
    }
    bytes = out.str();
    return true;
}

bool ship_glb(const ModelRequest& request, std::string& bytes, std::string& error)
{
    return serialise_gltf(capture_ship(request), true, bytes, error);
}
