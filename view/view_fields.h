// The view state's fields that decide the picture (all but the heads-up
// text buffers), by their names in ViewState and in the struct's order: the
// one list that the model's extras, the web page's link and the page's
// WebAssembly interface read.
#pragma once

#include "view/view_state.h"

// An int field or a float field: exactly one of the two pointers is set.
struct ViewField {
    const char* name;
    int ViewState::*whole;
    float ViewState::*real;
};

constexpr int view_field_count = 16;
extern const ViewField view_fields[view_field_count];

// The field of this name, or nullptr.
const ViewField* view_field_named(const char* name);
