#include "tools/snapshot/offscreen.h"

#include <GL/freeglut.h>
#include <GL/glext.h>

#include <algorithm>
#include <cstring>

#include "render/render.h"
#include "tools/common/timing.h"

// Framebuffer objects came after OpenGL 1.1, so their entry points are
// looked up at run time.
static PFNGLGENFRAMEBUFFERSPROC gen_framebuffers;
static PFNGLDELETEFRAMEBUFFERSPROC delete_framebuffers;
static PFNGLBINDFRAMEBUFFERPROC bind_framebuffer;
static PFNGLGENRENDERBUFFERSPROC gen_renderbuffers;
static PFNGLDELETERENDERBUFFERSPROC delete_renderbuffers;
static PFNGLBINDRENDERBUFFERPROC bind_renderbuffer;
static PFNGLRENDERBUFFERSTORAGEPROC renderbuffer_storage;
static PFNGLFRAMEBUFFERRENDERBUFFERPROC framebuffer_renderbuffer;
static PFNGLCHECKFRAMEBUFFERSTATUSPROC check_framebuffer_status;

template <typename F>
static bool look_up(F& function, const char* name)
{
    function = reinterpret_cast<F>(glutGetProcAddress(name));
    return function != nullptr;
}

static bool look_up_all()
{
    return look_up(gen_framebuffers, "glGenFramebuffers") &&
           look_up(delete_framebuffers, "glDeleteFramebuffers") &&
           look_up(bind_framebuffer, "glBindFramebuffer") &&
           look_up(gen_renderbuffers, "glGenRenderbuffers") &&
           look_up(delete_renderbuffers, "glDeleteRenderbuffers") &&
           look_up(bind_renderbuffer, "glBindRenderbuffer") &&
           look_up(renderbuffer_storage, "glRenderbufferStorage") &&
           look_up(framebuffer_renderbuffer, "glFramebufferRenderbuffer") &&
           look_up(check_framebuffer_status, "glCheckFramebufferStatus");
}

// Asked while the window's framebuffer is bound.
static GLenum window_depth_format()
{
    GLint bits = 0;
    glGetIntegerv(GL_DEPTH_BITS, &bits);
    return bits > 24 ? GL_DEPTH_COMPONENT32 : bits > 16 ? GL_DEPTH_COMPONENT24 : GL_DEPTH_COMPONENT16;
}

// Mesa's software rasterisers lay a window's rows out from the top and a
// framebuffer object's from the bottom, and where two surfaces fight over
// a pixel the two break the tie differently. They also keep the back buffer
// as it was after a swap. So at the window's own size the frame is drawn in
// the window, and reads back exactly as the viewer shows it.
static bool draws_like_the_window(int size)
{
    const char* renderer = reinterpret_cast<const char*>(glGetString(GL_RENDERER));
    const bool software = renderer && (std::strstr(renderer, "llvmpipe") || std::strstr(renderer, "softpipe"));
    return software && size == glutGet(GLUT_WINDOW_WIDTH) && size == glutGet(GLUT_WINDOW_HEIGHT);
}

OffscreenFrame::~OffscreenFrame()
{
    if (framebuffer_ && !in_window_) {
        bind_framebuffer(GL_FRAMEBUFFER, 0);
        delete_framebuffers(1, &framebuffer_);
        delete_renderbuffers(1, &colour_);
        delete_renderbuffers(1, &depth_);
    }
}

bool OffscreenFrame::create(int size, std::string& error)
{
    size_ = size;
    in_window_ = draws_like_the_window(size);
    if (in_window_)
        return true;
    if (!look_up_all()) {
        error = "this OpenGL has no framebuffer objects to draw off screen";
        return false;
    }
    GLint largest = 0, viewport[2] = {0, 0};
    glGetIntegerv(GL_MAX_RENDERBUFFER_SIZE, &largest);
    glGetIntegerv(GL_MAX_VIEWPORT_DIMS, viewport);
    largest = std::min({largest, viewport[0], viewport[1]});
    if (size > largest) {
        error = "--size " + std::to_string(size) + " is larger than this OpenGL draws (" +
                std::to_string(largest) + ")";
        return false;
    }
    const GLenum depth_format = window_depth_format();
    gen_framebuffers(1, &framebuffer_);
    gen_renderbuffers(1, &colour_);
    gen_renderbuffers(1, &depth_);
    bind_framebuffer(GL_FRAMEBUFFER, framebuffer_);
    bind_renderbuffer(GL_RENDERBUFFER, colour_);
    renderbuffer_storage(GL_RENDERBUFFER, GL_RGBA8, size, size);
    framebuffer_renderbuffer(GL_FRAMEBUFFER, GL_COLOR_ATTACHMENT0, GL_RENDERBUFFER, colour_);
    // Depth as precise as the window's, so that surfaces that meet or lie
    // on each other come out as they do on the screen.
    bind_renderbuffer(GL_RENDERBUFFER, depth_);
    renderbuffer_storage(GL_RENDERBUFFER, depth_format, size, size);
    framebuffer_renderbuffer(GL_FRAMEBUFFER, GL_DEPTH_ATTACHMENT, GL_RENDERBUFFER, depth_);
    if (check_framebuffer_status(GL_FRAMEBUFFER) != GL_FRAMEBUFFER_COMPLETE) {
        error = "cannot make an off-screen framebuffer of " + std::to_string(size) + "x" +
                std::to_string(size);
        return false;
    }
    return true;
}

void OffscreenFrame::bind()
{
    if (!in_window_)
        bind_framebuffer(GL_FRAMEBUFFER, framebuffer_);
    glViewport(0, 0, size_, size_);
}

Picture OffscreenFrame::draw(const std::function<void()>& overlay)
{
    bind();
    display();
    if (overlay)
        overlay();
    glFinish();
    timing_step("frame drawn");
    // The frame selects the window's back buffer, which a framebuffer object
    // refuses; drawing goes to its colour attachment all the same.
    while (glGetError() != GL_NO_ERROR) {
    }
    glReadBuffer(in_window_ ? GL_BACK : GL_COLOR_ATTACHMENT0);

    Picture picture;
    picture.width = picture.height = size_;
    picture.rgba.resize(size_t(size_) * size_ * 4);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glReadPixels(0, 0, size_, size_, GL_RGBA, GL_UNSIGNED_BYTE, picture.rgba.data());
    const size_t stride = size_t(size_) * 4;
    for (int y = 0; y < size_ / 2; ++y) {  // OpenGL counts rows from the bottom
        uint8_t* row = &picture.rgba[size_t(y) * stride];
        std::swap_ranges(row, row + stride, &picture.rgba[size_t(size_ - 1 - y) * stride]);
    }
    for (size_t i = 3; i < picture.rgba.size(); i += 4)
        picture.rgba[i] = 255;
    timing_step("frame read back");
    return picture;
}

void make_background_transparent(Picture& picture)
{
    for (size_t i = 0; i < picture.rgba.size(); i += 4)
        picture.rgba[i + 3] = picture.rgba[i] || picture.rgba[i + 1] || picture.rgba[i + 2] ? 255 : 0;
}
