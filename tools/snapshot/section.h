// Section planes: the ship cut by a plane across one of its axes, keeping
// the part on one side. Only the ship is cut; the Earth, the station and the
// target stand whole beside it.
#pragma once

#include <optional>

#include "tools/common/section_plane.h"

// While one lives, every frame cuts the ship at `plane`, or with none,
// leaves it whole; the section it found comes back when it goes.
class ShipSection {
public:
    explicit ShipSection(const std::optional<SectionPlane>& plane);
    ShipSection(const ShipSection&) = delete;
    ShipSection& operator=(const ShipSection&) = delete;
    ~ShipSection();

private:
    std::optional<SectionPlane> saved_;
};

// The plane the frames are cut at now, if any.
const std::optional<SectionPlane>& current_section();

// draw_ship between the frame's calls of the ship's hook, as the frame
// draws it: cut at the section in force.
void draw_cut_ship();
