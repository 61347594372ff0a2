// Drives the real tev under a private Xvfb server: starts it, finds its
// window, types keys into it, reads back its pixels and its standard output.
#pragma once

#include <X11/Xlib.h>

#include <cstdint>
#include <string>
#include <vector>

namespace e2e {

struct Pixel {
    uint8_t r, g, b;
};

struct Image {
    int width = 0, height = 0;
    std::vector<Pixel> pixels;  // row by row from the top
    const Pixel& at(int x, int y) const { return pixels[size_t(y) * width + x]; }
    // Share of pixels within `tolerance` (per channel) of the colour.
    double share(Pixel colour, int tolerance = 3) const;
    // Pixels within `tolerance` of the colour in the rectangle x0..x1, y0..y1
    // (ends excluded).
    int count(Pixel colour, int x0, int y0, int x1, int y1, int tolerance = 3) const;
    void save_png(const std::string& path) const;
};

// One run of tev in a working directory of its own.
class Tev {
public:
    // Starts tev with DISPLAY set to `display`, in `work_dir` (made if
    // missing), and waits for its window. Unprivileged, a run as root drops
    // to the user nobody, so that file permissions apply to it.
    Tev(const std::string& display, const std::string& work_dir, bool unprivileged = false);
    ~Tev();

    bool has_window() const { return window_ != 0; }
    std::string title() const;
    // Position and size of the window on the screen.
    void geometry(int& x, int& y, int& width, int& height) const;

    // Types a key (an X keysym such as XK_j or XK_Escape), with Shift if asked,
    // and waits until the program has had time to redraw.
    void press(unsigned long keysym, bool shift = false);

    Image screenshot() const;

    // Everything the program has written on standard output so far.
    std::string output() const;
    // Waits for text to appear on standard output.
    bool wait_for_output(const std::string& text, double seconds = 10) const;

    // Waits for the process to end; returns its exit status, or -1 if it did
    // not end in time (it is then killed) or ended by a signal.
    int wait_exit(double seconds = 10);

    const std::string& work_dir() const { return work_dir_; }

private:
    void settle() const;

    Display* x_ = nullptr;
    Window window_ = 0;
    int pid_ = -1;
    std::string work_dir_;
};

}  // namespace e2e
