#include "tools/snapshot/offscreen.h"

#include <GL/freeglut.h>
#include <GL/glext.h>

#include <algorithm>

#include "render/render.h"

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

OffscreenFrame::~OffscreenFrame()
{
    if (framebuffer_) {
        bind_framebuffer(GL_FRAMEBUFFER, 0);
        delete_framebuffers(1, &framebuffer_);
        delete_renderbuffers(1, &colour_);
        delete_renderbuffers(1, &depth_);
    }
}

bool OffscreenFrame::create(int size, std::string& error)
{
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
    size_ = size;
    gen_framebuffers(1, &framebuffer_);
    gen_renderbuffers(1, &colour_);
    gen_renderbuffers(1, &depth_);
    bind_framebuffer(GL_FRAMEBUFFER, framebuffer_);
    bind_renderbuffer(GL_RENDERBUFFER, colour_);
    renderbuffer_storage(GL_RENDERBUFFER, GL_RGBA8, size, size);
    framebuffer_renderbuffer(GL_FRAMEBUFFER, GL_COLOR_ATTACHMENT0, GL_RENDERBUFFER, colour_);
    // The window's depth buffer is 24 bits beside 8 of stencil; the same
    // depth precision gives the same pixels where surfaces meet.
    bind_renderbuffer(GL_RENDERBUFFER, depth_);
    renderbuffer_storage(GL_RENDERBUFFER, GL_DEPTH24_STENCIL8, size, size);
    framebuffer_renderbuffer(GL_FRAMEBUFFER, GL_DEPTH_STENCIL_ATTACHMENT, GL_RENDERBUFFER, depth_);
    if (check_framebuffer_status(GL_FRAMEBUFFER) != GL_FRAMEBUFFER_COMPLETE) {
        error = "cannot make an off-screen framebuffer of " + std::to_string(size) + "x" +
                std::to_string(size);
        return false;
    }
    return true;
}

void OffscreenFrame::bind()
{
    bind_framebuffer(GL_FRAMEBUFFER, framebuffer_);
    glViewport(0, 0, size_, size_);
}

Picture OffscreenFrame::draw()
{
    bind();
    display();
    glFinish();
    // The frame selects the window's back buffer, which a framebuffer object
    // refuses; drawing goes to its colour attachment all the same.
    while (glGetError() != GL_NO_ERROR) {
    }

    Picture picture;
    picture.width = picture.height = size_;
    picture.rgba.resize(size_t(size_) * size_ * 4);
    std::vector<uint8_t> rows(picture.rgba.size());
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glReadPixels(0, 0, size_, size_, GL_RGBA, GL_UNSIGNED_BYTE, rows.data());
    const size_t stride = size_t(size_) * 4;
    for (int y = 0; y < size_; ++y)  // OpenGL counts rows from the bottom
        std::copy_n(&rows[size_t(size_ - 1 - y) * stride], stride, &picture.rgba[size_t(y) * stride]);
    return picture;
}
