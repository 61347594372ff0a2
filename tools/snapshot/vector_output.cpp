#include "tools/snapshot/vector_output.h"

#include <GL/gl.h>
#include <gl2ps.h>
#include <strings.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "render/render.h"
#include "tools/common/output_file.h"

// Name ending      gl2ps format
static const struct {
    const char* suffix;
    GLint format;
} vector_formats[] = {
    {".svg", GL2PS_SVG},  // svg
    {".pdf", GL2PS_PDF},  // pdf
    {".eps", GL2PS_EPS},  // eps
};

int vector_format(const std::string& path)
{
    for (const auto& f : vector_formats) {
        const size_t n = std::strlen(f.suffix);
        if (path.size() >= n && strcasecmp(path.c_str() + path.size() - n, f.suffix) == 0)
            return f.format;
    }
    return -1;
}

// Floats of the feedback buffer at first: room for the start-up view with
// the Earth, the largest frame the program draws. It doubles on overflow.
constexpr size_t first_feedback_floats = size_t(1) << 22;
constexpr size_t most_feedback_floats = size_t(1) << 28;
constexpr int floats_per_vertex = 7;  // GL_3D_COLOR: x, y, z, r, g, b, a

static FeedbackVertex vertex_at(const GLfloat* f)
{
    return {f[0], f[1], f[2], {f[3], f[4], f[5], f[6]}};
}

// Mesa gives the corners that clipping adds to a primitive the colour
// (0, 0, 0, 0). The program draws every element in one opaque colour, so a
// primitive takes the colour of a corner of its own, or, if clipping made
// all of them, that of the primitive before it, which is most often
// another face of the same element.
static void paint(FeedbackVertex* v, int count, float (&last)[4])
{
    for (int i = 0; i < count; ++i)
        if (v[i].rgba[3] > 0) {
            std::copy(v[i].rgba, v[i].rgba + 4, last);
            break;
        }
    for (int i = 0; i < count; ++i)
        std::copy(last, last + 4, v[i].rgba);
}

static void parse_feedback(const GLfloat* f, const GLfloat* end,
                           std::vector<FeedbackPrimitive>& primitives)
{
    float last[4] = {0, 0, 0, 1};
    std::vector<FeedbackVertex> polygon;
    while (f < end) {
        const GLint token = GLint(*f++);
        int count = 0;
        if (token == GL_POLYGON_TOKEN)
            count = int(*f++);
        else if (token == GL_LINE_TOKEN || token == GL_LINE_RESET_TOKEN)
            count = 2;
        else if (token == GL_POINT_TOKEN)
            count = 1;
        else if (token == GL_PASS_THROUGH_TOKEN) {
            ++f;
            continue;
        } else {  // a bitmap or pixel rectangle: its raster position only
            f += floats_per_vertex;
            continue;
        }
        polygon.clear();
        for (int k = 0; k < count; ++k, f += floats_per_vertex)
            polygon.push_back(vertex_at(f));
        paint(polygon.data(), count, last);
        if (count < 3)
            primitives.push_back({count, {polygon[0], polygon[count - 1]}});
        for (int k = 2; k < count; ++k)  // a fan of triangles, as gl2ps cuts it
            primitives.push_back({3, {polygon[0], polygon[k - 1], polygon[k]}});
    }
}

// Draws in feedback mode into `buffer`; false if it was too small.
static bool try_capture(std::vector<GLfloat>& buffer, const std::function<void()>& draw,
                        std::vector<FeedbackPrimitive>& primitives)
{
    glFeedbackBuffer(GLsizei(buffer.size()), GL_3D_COLOR, buffer.data());
    glRenderMode(GL_FEEDBACK);
    draw();
    const GLint used = glRenderMode(GL_RENDER);
    if (used < 0)
        return false;
    primitives.clear();
    parse_feedback(buffer.data(), buffer.data() + used, primitives);
    return true;
}

// Draws in feedback mode into a buffer of `floats` at first, doubling it
// while it overflows; false if even the largest was too small.
static bool capture_growing(size_t floats, const std::function<void()>& draw,
                            std::vector<FeedbackPrimitive>& primitives)
{
    std::vector<GLfloat> buffer(floats);
    while (!try_capture(buffer, draw, primitives)) {
        if (buffer.size() >= most_feedback_floats)
            return false;
        buffer.resize(buffer.size() * 2);
    }
    return true;
}

std::vector<FeedbackPrimitive> capture_feedback(const std::function<void()>& draw)
{
    std::vector<FeedbackPrimitive> primitives;
    capture_growing(first_feedback_floats / 16, draw, primitives);
    return primitives;
}

// SVG colours are 8 bits a channel, which gl2ps finds by truncation; half a
// step more makes that the rounding with which OpenGL fills its pixels, so
// 0.9 comes out as 230 in both.
static void add_to_page(const FeedbackPrimitive& p, bool svg)
{
    static const GLshort types[] = {0, GL2PS_POINT, GL2PS_LINE, GL2PS_TRIANGLE};
    const float nudge = svg ? 0.5f / 255 : 0;
    GL2PSvertex v[3];
    for (int i = 0; i < p.vertex_count; ++i) {
        const FeedbackVertex& f = p.vertices[i];
        v[i] = {{f.x, f.y, f.z}, {}};
        for (int c = 0; c < 3; ++c)
            v[i].rgba[c] = std::min(f.rgba[c] + nudge, 1.0f);
        v[i].rgba[3] = f.rgba[3];
    }
    gl2psAddPolyPrimitive(types[p.vertex_count], GLshort(p.vertex_count), v, 0, 0, 0, 0, 0, 1,
                          GL2PS_LINE_CAP_BUTT, GL2PS_LINE_JOIN_MITER, 0);
}

// A face seen edge-on, such as a wall from straight above, covers no pixel:
// left out, it neither fills the file nor splits other faces in the BSP tree.
static bool edge_on(const FeedbackPrimitive& p)
{
    if (p.vertex_count < 3)
        return false;
    const FeedbackVertex &a = p.vertices[0], &b = p.vertices[1], &c = p.vertices[2];
    const float twice_area = (b.x - a.x) * (c.y - a.y) - (c.x - a.x) * (b.y - a.y);
    return std::abs(twice_area) < 2e-3f;
}

// The clear colour over the whole page, behind everything.
static void add_background(int width, int height, bool svg)
{
    GLfloat clear[4];
    glGetFloatv(GL_COLOR_CLEAR_VALUE, clear);
    const float w = float(width), h = float(height);
    FeedbackVertex corners[4] = {{0, 0, 1, {}}, {w, 0, 1, {}}, {w, h, 1, {}}, {0, h, 1, {}}};
    for (FeedbackVertex& c : corners) {
        std::copy(clear, clear + 3, c.rgba);
        c.rgba[3] = 1;
    }
    add_to_page({3, {corners[0], corners[1], corners[2]}}, svg);
    add_to_page({3, {corners[0], corners[2], corners[3]}}, svg);
}

// Starts a gl2ps page of the frame's size on an empty file.
static bool begin_page(std::FILE* stream, int width, int height, GLint format, const std::string& name,
                       const std::string& title)
{
    GLint viewport[4] = {0, 0, width, height};
    // gl2ps is handed the primitives rather than reading the feedback itself,
    // since it would keep them in drawing order, and of faces in one plane
    // it shows the last drawn on top, where the depth test shows the first.
    // In reverse order its BSP tree gets both right: it orders by depth
    // exactly, splitting polygons that cross, where sorting by centroids puts
    // a fitting under the large floor it stands on. Occlusion culling then
    // drops what nothing of shows.
    const GLint options = GL2PS_NO_OPENGL_CONTEXT | GL2PS_NO_BLENDING | GL2PS_SILENT |
                          GL2PS_BEST_ROOT | GL2PS_OCCLUSION_CULL;
    // A stream in memory has no file to cut short; it ends where the last
    // write left it.
    std::rewind(stream);
    return (fileno(stream) < 0 || ftruncate(fileno(stream), 0) == 0) &&
           gl2psBeginPage(title.c_str(), "tev-snapshot", viewport, format, GL2PS_BSP_SORT, options, GL_RGBA,
                          0, nullptr, 0, 0, 0, 0, stream, name.c_str()) == GL2PS_SUCCESS;
}

// The background unless transparent, then the primitives in reverse order;
// ends the page.
static bool end_page(const std::vector<FeedbackPrimitive>& primitives, const VectorPage& page, bool svg)
{
    if (page.background)
        add_background(page.width, page.height, svg);
    for (auto p = primitives.rbegin(); p != primitives.rend(); ++p)
        if (!edge_on(*p))
            add_to_page(*p, svg);
    const GLint state = gl2psEndPage();
    return state == GL2PS_SUCCESS || state == GL2PS_NO_FEEDBACK;
}

bool write_vector(const PictureRequest& request, const std::string& path, const std::string& title,
                  std::string& error)
{
    OutputFile file;
    return file.open(path, error) &&
           draw_vector(request, file.stream(), vector_format(path), path, title, error) && file.commit(error);
}

bool draw_vector(const PictureRequest& request, std::FILE* stream, int format, const std::string& name,
                 const std::string& title, std::string& error)
{
    return draw_vector_page(frame_page(request), stream, format, name, title, error);
}

VectorPage frame_page(const PictureRequest& request)
{
    request.frame.bind();
    return {request.frame.size(), request.frame.size(), !request.transparent, [&request] {
                display();
                if (request.overlay)
                    request.overlay();
            }};
}

bool draw_vector_page(const VectorPage& page, std::FILE* stream, int format, const std::string& name,
                      const std::string& title, std::string& error)
{
    // The scene's text goes onto the page as it is drawn, so every try of
    // the capture starts a page afresh.
    bool page_open = false, started = true;
    const auto draw = [&] {
        if (page_open)
            gl2psEndPage();
        page_open = begin_page(stream, page.width, page.height, format, name, title);
        started = started && page_open;
        page.scene();
    };
    std::vector<FeedbackPrimitive> primitives;
    const bool captured = capture_growing(first_feedback_floats, draw, primitives);
    // The frame selects the window's back buffer, which a framebuffer object
    // refuses; that error is no fault of the picture.
    while (glGetError() != GL_NO_ERROR) {
    }
    if (!started || !captured) {
        if (page_open)
            gl2psEndPage();
        error = !started ? "cannot start the vector picture " + name
                         : "the view is too large for a vector picture " + name;
        return false;
    }
    if (!end_page(primitives, page, format == GL2PS_SVG)) {
        error = "cannot draw the vector picture " + name;
        return false;
    }
    return true;
}

bool draw_svg(const VectorPage& page, const std::string& title, std::string& svg, std::string& error)
{
    char* text = nullptr;
    size_t size = 0;
    std::FILE* stream = open_memstream(&text, &size);
    if (!stream) {
        error = "cannot draw " + title + ": " + std::strerror(errno);
        return false;
    }
    const bool drawn = draw_vector_page(page, stream, GL2PS_SVG, title, title, error);
    const bool closed = std::fclose(stream) == 0;
    if (drawn && closed)
        svg.assign(text, size);
    std::free(text);
    if (drawn && !closed)
        error = "cannot draw " + title + ": " + std::strerror(errno);
    return drawn && closed;
}
