#include "tools/export/model_files.h"

#include <assimp/Exporter.hpp>
#include <assimp/scene.h>
#include <nlohmann/json.hpp>
#include <strings.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <iomanip>
#include <map>
#include <memory>
#include <sstream>

#include "tools/common/command_line.h"
#include "tools/common/output_file.h"
#include "tools/export/gltf_writer.h"

// PLY is written as text: assimp's binary PLY writer puts four floats of
// colour where its header declares four bytes, so no reader can read it.
const ModelFormat model_formats[5] = {
    // extension  assimp   lines  colours  binary  axes
    {".glb",      nullptr, true,  false,   true,   "y up: glTF (X, Y, Z) = ship (x, z, -y)"},      // binary glTF
    {".gltf",     nullptr, true,  false,   false,  "y up: glTF (X, Y, Z) = ship (x, z, -y)"},      // JSON glTF
    {".obj",      "obj",   true,  false,   false,  "z up, the ship's own frame (with FILE.mtl)"},  // Wavefront OBJ
    {".stl",      "stlb",  false, false,   true,   "z up, the ship's own frame (binary STL)"},     // STL
    {".ply",      "ply",   false, true,    false,  "z up, the ship's own frame (text PLY)"},       // PLY
};

const ModelFormat* model_format_for(const std::string& path)
{
    for (const ModelFormat& f : model_formats)
        if (ends_with(path, f.extension))
            return &f;
    return nullptr;
}

bool is_parts_list_name(const std::string& path)
{
    return ends_with(path, ".csv") || ends_with(path, ".json");
}

bool write_bytes(const std::string& path, const std::string& bytes, std::string& error)
{
    OutputFile file;
    if (!file.open(path, error))
        return false;
    if (std::fwrite(bytes.data(), 1, bytes.size(), file.stream()) != bytes.size()) {
        error = "cannot write " + path + ": " + std::strerror(errno);
        return false;
    }
    return file.commit(error);
}

namespace {

// ---- assimp ------------------------------------------------------------------

struct SceneBuilder {
    bool with_lines, with_colours;
    std::vector<aiMesh*> meshes;
    std::vector<aiMaterial*> materials;
    std::map<std::string, unsigned> material_index;

    unsigned material(const gl_capture::Rgb& c)
    {
        const std::string name = colour_label(c);
        if (auto found = material_index.find(name); found != material_index.end())
            return found->second;
        auto* m = new aiMaterial;
        const aiString ai_name(name);
        const aiColor3D colour(c.r, c.g, c.b);
        m->AddProperty(&ai_name, AI_MATKEY_NAME);
        m->AddProperty(&colour, 1, AI_MATKEY_COLOR_DIFFUSE);
        m->AddProperty(&colour, 1, AI_MATKEY_COLOR_EMISSIVE);  // drawn unlit
        materials.push_back(m);
        return material_index[name] = unsigned(materials.size() - 1);
    }

    aiMesh* new_mesh(const std::string& name, const gl_capture::Rgb& colour, const std::vector<float>& xyz)
    {
        auto* mesh = new aiMesh;
        mesh->mName = name;
        mesh->mMaterialIndex = material(colour);
        mesh->mNumVertices = unsigned(xyz.size() / 3);
        mesh->mVertices = new aiVector3D[mesh->mNumVertices];
        for (unsigned i = 0; i < mesh->mNumVertices; ++i)
            mesh->mVertices[i] = aiVector3D(xyz[3 * i], xyz[3 * i + 1], xyz[3 * i + 2]);
        if (with_colours) {
            mesh->mColors[0] = new aiColor4D[mesh->mNumVertices];
            for (unsigned i = 0; i < mesh->mNumVertices; ++i)
                mesh->mColors[0][i] = aiColor4D(colour.r, colour.g, colour.b, 1);
        }
        return mesh;
    }

    void set_faces(aiMesh* mesh, const std::vector<unsigned>& indices, unsigned per_face)
    {
        mesh->mNumFaces = unsigned(indices.size() / per_face);
        mesh->mFaces = new aiFace[mesh->mNumFaces];
        for (unsigned f = 0; f < mesh->mNumFaces; ++f) {
            mesh->mFaces[f].mNumIndices = per_face;
            mesh->mFaces[f].mIndices = new unsigned[per_face];
            std::copy_n(&indices[f * per_face], per_face, mesh->mFaces[f].mIndices);
        }
        mesh->mPrimitiveTypes = per_face == 3 ? aiPrimitiveType_TRIANGLE : aiPrimitiveType_LINE;
    }

    aiNode* node(const std::string& name, const Geometry& g)
    {
        auto* n = new aiNode(name);
        std::vector<unsigned> own;
        for (const Geometry::Surface& s : g.surfaces) {
            aiMesh* mesh = new_mesh(name, s.colour, s.positions);
            set_faces(mesh, s.indices, 3);
            own.push_back(unsigned(meshes.size()));
            meshes.push_back(mesh);
        }
        if (with_lines)
            for (const Geometry::Strip& s : g.strips) {
                aiMesh* mesh = new_mesh(name, s.colour, s.positions);
                std::vector<unsigned> segments;
                for (unsigned i = 0; i + 1 < mesh->mNumVertices; ++i)
                    segments.insert(segments.end(), {i, i + 1});
                set_faces(mesh, segments, 2);
                own.push_back(unsigned(meshes.size()));
                meshes.push_back(mesh);
            }
        if (!own.empty()) {
            n->mNumMeshes = unsigned(own.size());
            n->mMeshes = new unsigned[own.size()];
            std::copy(own.begin(), own.end(), n->mMeshes);
        }
        return n;
    }

    static void adopt(aiNode* parent, const std::vector<aiNode*>& children)
    {
        if (children.empty())
            return;
        parent->mNumChildren = unsigned(children.size());
        parent->mChildren = new aiNode*[children.size()];
        for (size_t i = 0; i < children.size(); ++i) {
            children[i]->mParent = parent;
            parent->mChildren[i] = children[i];
        }
    }

    std::unique_ptr<aiScene> build(const ShipModel& model)
    {
        auto scene = std::make_unique<aiScene>();
        scene->mRootNode = new aiNode("ship");
        std::vector<aiNode*> parts;
        for (const ModelPart& part : model.parts) {
            const std::string name = part.name();
            aiNode* n = node(name, part.geometry);
            if (!part.ceiling.empty())
                adopt(n, {node(name + "/ceiling", part.ceiling)});
            parts.push_back(n);
        }
        adopt(scene->mRootNode, parts);
        if (materials.empty())
            material({1, 1, 1});
        scene->mNumMeshes = unsigned(meshes.size());
        scene->mMeshes = new aiMesh*[meshes.size() + 1];
        std::copy(meshes.begin(), meshes.end(), scene->mMeshes);
        scene->mNumMaterials = unsigned(materials.size());
        scene->mMaterials = new aiMaterial*[materials.size()];
        std::copy(materials.begin(), materials.end(), scene->mMaterials);
        return scene;
    }
};

// Assimp writes into a private directory beside the final file (an OBJ
// names its .mtl after itself); the files are moved into place when all
// are written, the model file last.
bool write_with_assimp(const ShipModel& model, const ModelFormat& format, const std::string& path,
                       std::string& error)
{
    const size_t slash = path.find_last_of('/');
    const std::string dir = slash == std::string::npos ? "." : path.substr(0, slash + 1);
    const std::string base = slash == std::string::npos ? path : path.substr(slash + 1);
    std::string temporary = dir + "/.tev-export-XXXXXX";
    if (!mkdtemp(temporary.data())) {
        error = "cannot write " + path + ": " + std::strerror(errno);
        return false;
    }
    SceneBuilder builder{format.lines, format.colours, {}, {}, {}};
    const std::unique_ptr<aiScene> scene = builder.build(model);
    Assimp::Exporter exporter;
    if (exporter.Export(scene.get(), format.assimp_id, temporary + "/" + base) != aiReturn_SUCCESS) {
        error = "cannot write " + path + ": " + exporter.GetErrorString();
        remove_directory(temporary);
        return false;
    }
    std::vector<std::string> written = directory_entries(temporary);
    written.erase(std::remove(written.begin(), written.end(), base), written.end());
    written.push_back(base);
    OutputSet moved;
    for (const std::string& name : written) {
        if (std::rename((temporary + "/" + name).c_str(), (dir + "/" + name).c_str()) != 0) {
            error = "cannot write " + dir + "/" + name + ": " + std::strerror(errno);
            remove_directory(temporary);
            return false;
        }
        moved.add(dir + "/" + name);
    }
    moved.commit();
    remove_directory(temporary);
    return true;
}

}  // namespace

bool write_model_file(const ShipModel& model, const std::string& path, std::string& error)
{
    const ModelFormat* format = model_format_for(path);
    if (!format) {
        error = path + ": unknown model format";
        return false;
    }
    if (format->assimp_id)
        return write_with_assimp(model, *format, path, error);
    std::string bytes;
    return serialise_gltf(model, format->binary, bytes, error) &&
           write_bytes(path, bytes, error);
}

// ---- parts list --------------------------------------------------------------

namespace {

// The parts list as JSON: the view, the blocks' records, and counts per
// routine and per deck.
std::string json_parts_list(const ShipModel& model)
{
    nlohmann::ordered_json blocks = nlohmann::ordered_json::array();
    std::map<std::string, int> per_routine;
    std::map<int, int> per_deck;
    for (const ModelPart& part : model.parts) {
        if (part.position < 0)
            continue;
        blocks.push_back(block_record(part.position));
        ++per_routine[blocks.back()["routine"].get<std::string>()];
        ++per_deck[blocks.back()["deck_index"].get<int>()];
    }
    nlohmann::ordered_json decks = nlohmann::ordered_json::array();
    for (const auto& [d, n] : per_deck)
        decks.push_back({{"deck_index", d}, {"deck_number", deck_number(d)}, {"blocks", n}});
    const nlohmann::ordered_json doc = {
        {"blocks_shown", model.view.blocks_shown},
        {"deck_shown", model.view.deck_shown},
        {"block_count", model.block_count()},
        {"blocks", blocks},
        {"per_routine", per_routine},
        {"per_deck", decks},
    };
    return doc.dump(2) + "\n";
}

// One value of a record as CSV; an array is one column per element.
std::string csv_value(const nlohmann::ordered_json& v)
{
    if (v.is_string())
        return v.get<std::string>();
    if (v.is_number_integer())
        return std::to_string(v.get<int>());
    if (v.is_number())
        return (std::ostringstream() << std::setprecision(6) << v.get<double>()).str();
    std::string columns;
    for (const nlohmann::ordered_json& element : v)
        columns += (columns.empty() ? "" : ",") + csv_value(element);
    return columns;
}

// The columns an array of a record spreads over.
const std::map<std::string, std::string> csv_array_columns = {
    {"bounds", "x0,x1,y0,y1,z0,z1"},
};

// One line of the CSV: the record's keys (the header) or its values.
std::string csv_line(const nlohmann::ordered_json& record, bool keys)
{
    std::string line;
    for (const auto& [key, value] : record.items()) {
        const auto columns = csv_array_columns.find(key);
        const std::string cell = !keys                               ? csv_value(value)
                                 : columns == csv_array_columns.end() ? key
                                                                      : columns->second;
        line += (line.empty() ? "" : ",") + cell;
    }
    return line + "\n";
}

// The parts list as CSV: a row per block. Every record has the same fields,
// so the first block's name the columns.
std::string csv_parts_list(const ShipModel& model)
{
    std::string text = csv_line(block_record(0), true);
    for (const ModelPart& part : model.parts)
        if (part.position >= 0)
            text += csv_line(block_record(part.position), false);
    return text;
}

}  // namespace

bool write_parts_list(const ShipModel& model, const std::string& path, std::string& error)
{
    const std::string text = ends_with(path, ".json") ? json_parts_list(model) : csv_parts_list(model);
    return write_bytes(path, text, error);
}
