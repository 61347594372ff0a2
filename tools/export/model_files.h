// Writing the captured ship to a model file (glTF through tinygltf; OBJ,
// STL and PLY through assimp) and its parts list (CSV, or JSON through
// nlohmann-json). Every file appears under its name only when complete.
#pragma once

#include <string>

#include "tools/export/model.h"

struct ModelFormat {
    const char* extension;  // lower case, with the dot
    const char* assimp_id;  // null: glTF through tinygltf
    bool lines;             // keeps the lines (the landing target's)
    bool colours;           // carries vertex colours beside the materials
    bool binary;            // bytes rather than text
    const char* axes;       // for --help
};
extern const ModelFormat model_formats[5];

// The format for a file name (any case), or null.
const ModelFormat* model_format_for(const std::string& path);
// Whether the name ends in .csv or .json (any case).
bool is_parts_list_name(const std::string& path);

bool write_model_file(const ShipModel& model, const std::string& path, std::string& error);
bool write_parts_list(const ShipModel& model, const std::string& path, std::string& error);

// Writes `bytes` as the file `path`, which appears only when complete.
bool write_bytes(const std::string& path, const std::string& bytes, std::string& error);
