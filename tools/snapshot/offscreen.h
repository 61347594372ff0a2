// Draws the program's frame into an off-screen framebuffer of any size the
// OpenGL implementation allows, whatever the size of the window or screen,
// and reads the picture back.
#pragma once

#include <string>

#include "tools/common/picture.h"

class OffscreenFrame {
public:
    OffscreenFrame() = default;
    OffscreenFrame(const OffscreenFrame&) = delete;
    OffscreenFrame& operator=(const OffscreenFrame&) = delete;
    ~OffscreenFrame();

    // Needs the current OpenGL context (the program's window).
    bool create(int size, std::string& error);
    // One call of the program's display callback, then the pixels; alpha is
    // 0 where nothing was drawn over the cleared background.
    Picture draw();
    // Makes the framebuffer the target of drawing, with a viewport of its
    // size, for those who call the display callback themselves.
    void bind();
    int size() const { return size_; }

private:
    int size_ = 0;
    unsigned framebuffer_ = 0, colour_ = 0, depth_ = 0;
};
