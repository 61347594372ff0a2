// The one saved view, kept in favview.sav in the working directory: nine
// lines of show_earth, far_clip, zoom, cam_x, cam_y, cam_z (twice),
// view_angle and view_pitch.
#pragma once

#include <cstdio>

extern const char favourite_view_file[];

// F6: writes the view to the file; a view that cannot be saved leaves the
// file as it was and says why on standard output.
void save_favourite_view();

// F5: reads the view back, or resets the camera when there is no file.
void restore_favourite_view();

// Writes the nine lines; false if any write failed.
bool write_favourite_view(std::FILE* file);

// Reads the nine values straight into view_state, the way the C library's
// scanf would: each value as it stands, no range limits. A value that does
// not convert leaves its field as it was, and reading goes on from where the
// failed conversion stopped. An integer too large for its field counts as
// one that does not convert; a float too large becomes infinite.
void read_favourite_view(std::FILE* file);
