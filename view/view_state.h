// Everything that decides what a frame shows, apart from the ship's own data.
// Input callbacks write it; the drawing code reads it.
#pragma once

constexpr int hud_text_size = 64;

struct ViewState {
    int show_station;      // draw the space station
    int show_earth;        // draw the Earth and lift the ship into orbit
    int far_clip;          // perspective near/far 0.1 and 10,000,000
    int show_hull;         // draw the hull cylinders
    int world_view;        // perspective near/far 10 and 10,000,000
    int blocks_shown;      // construction counter, 0..block_total()
    int deck_shown;        // deck filter: deck index 0..15, or 16 for all decks
    int show_ceilings;     // draw block ceilings
    int show_target;       // draw the landing-bay target
    float zoom;            // half-size of the overhead box
    int perspective_mode;  // 1 perspective camera, 0 overhead view
    float cam_x, cam_y, cam_z;
    float view_angle;      // heading in degrees: 0 looks along +y, 90 along +x
    float view_pitch;      // height of the point looked at, one unit ahead
    char hud_deck_text[hud_text_size];
    char hud_view_text[hud_text_size];
};

extern ViewState view_state;

// Puts the camera back to the defaults of the current projection mode.
void reset_view();

// Sets the view state while it lives and puts back the one before it
// however the scope ends, so that a tool can draw another view between the
// frames of a key script.
class ScopedViewState {
public:
    explicit ScopedViewState(const ViewState& view) : saved_(view_state) { view_state = view; }
    ScopedViewState(const ScopedViewState&) = delete;
    ScopedViewState& operator=(const ScopedViewState&) = delete;
    ~ScopedViewState() { view_state = saved_; }

private:
    ViewState saved_;
};
