// The captured ship as glTF 2.0 through tinygltf: a root node "ship", one
// node per part, one unlit material per colour, and with the construction
// an animation that builds the ship block by block. glTF is y-up: a ship
// point (x, y, z) becomes (x, z, -y).
#pragma once

#include <string>

#include "tools/export/model.h"

// The whole file in memory: binary glTF (.glb) or JSON glTF (.gltf) with
// its buffer embedded. On failure `error` is one line.
bool serialise_gltf(const ShipModel& model, bool binary, std::string& bytes, std::string& error);

// Captures the ship for `request` and serialises it as .glb.
bool ship_glb(const ModelRequest& request, std::string& bytes, std::string& error);
