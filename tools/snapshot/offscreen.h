// Draws the program's frame at any size the OpenGL implementation allows,
// whatever the size of the window or the screen, and reads the picture back.
#pragma once

#include <functional>
#include <string>

#include "tools/common/picture.h"

class OffscreenFrame {
public:
    OffscreenFrame() = default;
    OffscreenFrame(const OffscreenFrame&) = delete;
    OffscreenFrame& operator=(const OffscreenFrame&) = delete;
    ~OffscreenFrame();

    // Needs the program's window and its current OpenGL context.
    bool create(int size, std::string& error);
    // One call of the program's display callback and of `overlay`, if there
    // is one, then the pixels (opaque).
    Picture draw(const std::function<void()>& overlay = nullptr);
    // Makes the framebuffer the target of drawing, with a viewport of its
    // size, for those who call the display callback themselves.
    void bind();
    int size() const { return size_; }

private:
    int size_ = 0;
    bool in_window_ = false;
    unsigned framebuffer_ = 0, colour_ = 0, depth_ = 0;
};

// The cleared black background, which no palette colour equals, becomes
// fully transparent; everything else stays opaque.
void make_background_transparent(Picture& picture);
