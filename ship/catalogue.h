// The ship's blocks by name; catalogue.def lists them in construction order.
#pragma once

#include "ship/ship.h"

#define BLOCK(name, ...) extern const Block name;
#include "ship/catalogue.def"
#undef BLOCK
