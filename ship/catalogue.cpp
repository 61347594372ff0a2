#include "ship/catalogue.h"

#include "ship/compartments/compartments.h"

using namespace palette;

#define BLOCK(name, ...) const Block name(__VA_ARGS__);
#include "ship/catalogue.def"
#undef BLOCK

#define BLOCK(name, ...) &name,
const Block* const block_sequence[] = {
#include "ship/catalogue.def"
    nullptr,
};
#undef BLOCK

static_assert(sizeof block_sequence / sizeof block_sequence[0] == ship_block_count + 1,
              "the catalogue holds every block once, then the null entry");

#define BLOCK(name, routine, ...) #name,
const char* const block_names[] = {
#include "ship/catalogue.def"
};
#undef BLOCK

#define BLOCK(name, routine, ...) #routine,
const char* const block_routine_names[] = {
#include "ship/catalogue.def"
};
#undef BLOCK

static_assert(sizeof block_names / sizeof block_names[0] == ship_block_count);
