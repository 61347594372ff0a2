#include "tools/common/picture.h"

#include <gif_lib.h>
#include <png.h>
#include <zlib.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <csetjmp>
#include <cstdio>
#include <map>

// ---- PNG ----------------------------------------------------------------------

static void png_failure(png_structp png, png_const_charp message)
{
    *static_cast<std::string*>(png_get_error_ptr(png)) = message;
    png_longjmp(png, 1);
}

static void png_warning_ignored(png_structp, png_const_charp) {}

// Writes through stdio and reports a failed write by its system error.
static void png_write_stream(png_structp png, png_bytep data, size_t length)
{
    if (std::fwrite(data, 1, length, static_cast<std::FILE*>(png_get_io_ptr(png))) != length)
        png_error(png, std::strerror(errno));
}

static void png_flush_stream(png_structp png)
{
    std::fflush(static_cast<std::FILE*>(png_get_io_ptr(png)));
}

// Encodes into an open stream; libpng reports failures by longjmp, so this
// function keeps no objects with destructors.
static bool encode_png(std::FILE* out, const Picture& picture, bool with_alpha,
                       std::string& message, std::vector<uint8_t>& row)
{
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, &message, png_failure,
                                              png_warning_ignored);
    png_infop info = png ? png_create_info_struct(png) : nullptr;
    if (!info) {
        png_destroy_write_struct(&png, nullptr);
        message = "out of memory";
        return false;
    }
    if (setjmp(png_jmpbuf(png))) {
        png_destroy_write_struct(&png, &info);
        return false;
    }
    png_set_write_fn(png, out, png_write_stream, png_flush_stream);
    // The pictures are flat colour: run-length matching without filters
    // packs them nearly as well as the default and several times faster.
    png_set_compression_level(png, 6);
    png_set_compression_strategy(png, Z_RLE);
    png_set_filter(png, PNG_FILTER_TYPE_BASE, PNG_FILTER_NONE);
    png_set_IHDR(png, info, png_uint_32(picture.width), png_uint_32(picture.height), 8,
                 with_alpha ? PNG_COLOR_TYPE_RGBA : PNG_COLOR_TYPE_RGB, PNG_INTERLACE_NONE,
                 PNG_COMPRESSION_TYPE_BASE, PNG_FILTER_TYPE_BASE);
    png_write_info(png, info);
    const int channels = with_alpha ? 4 : 3;
    for (int y = 0; y < picture.height; ++y) {
        for (int x = 0; x < picture.width; ++x)
            std::copy_n(picture.pixel(x, y), channels, &row[size_t(x) * channels]);
        png_write_row(png, row.data());
    }
    png_write_end(png, info);
    png_destroy_write_struct(&png, &info);
    return true;
}

bool write_png(const std::string& path, const Picture& picture, bool with_alpha,
               std::string& error)
{
    OutputFile file;
    if (!file.open(path, error))
        return false;
    std::string message;
    std::vector<uint8_t> row(size_t(picture.width) * 4);
    if (!encode_png(file.stream(), picture, with_alpha, message, row)) {
        error = "cannot write " + path + ": " + message;
        return false;
    }
    return file.commit(error);
}

bool read_png(const std::string& path, Picture& picture, std::string& error)
{
    png_image image{};
    image.version = PNG_IMAGE_VERSION;
    if (!png_image_begin_read_from_file(&image, path.c_str())) {
        error = "cannot read " + path + ": " + image.message;
        return false;
    }
    image.format = PNG_FORMAT_RGBA;
    picture.width = int(image.width);
    picture.height = int(image.height);
    picture.rgba.assign(PNG_IMAGE_SIZE(image), 0);
    if (!png_image_finish_read(&image, nullptr, picture.rgba.data(), 0, nullptr)) {
        error = "cannot read " + path + ": " + image.message;
        png_image_free(&image);
        return false;
    }
    return true;
}

// ---- GIF ----------------------------------------------------------------------

static int write_to_stream(GifFileType* gif, const GifByteType* data, int length)
{
    return int(std::fwrite(data, 1, size_t(length), static_cast<std::FILE*>(gif->UserData)));
}

static std::string gif_failure(const std::string& path, int code)
{
    return "cannot write " + path + ": " + GifErrorString(code);
}

GifAnimation::~GifAnimation()
{
    if (gif_) {
        int code;
        EGifCloseFile(gif_, &code);
    }
}

bool GifAnimation::open(const std::string& path, int width, int height, bool transparent,
                        std::string& error)
{
    path_ = path;
    transparent_ = transparent;
    if (!file_.open(path, error))
        return false;
    int code = 0;
    gif_ = EGifOpen(file_.stream(), write_to_stream, &code);
    if (!gif_) {
        error = gif_failure(path, code);
        return false;
    }
    EGifSetGifVersion(gif_, true);
    if (EGifPutScreenDesc(gif_, width, height, 8, 0, nullptr) == GIF_ERROR) {
        error = gif_failure(path, gif_->Error);
        return false;
    }
    // The application extension that makes viewers loop forever.
    static const GifByteType netscape[] = "NETSCAPE2.0";
    static const GifByteType forever[] = {1, 0, 0};
    if (EGifPutExtensionLeader(gif_, APPLICATION_EXT_FUNC_CODE) == GIF_ERROR ||
        EGifPutExtensionBlock(gif_, 11, netscape) == GIF_ERROR ||
        EGifPutExtensionBlock(gif_, 3, forever) == GIF_ERROR ||
        EGifPutExtensionTrailer(gif_) == GIF_ERROR) {
        error = gif_failure(path, gif_->Error);
        return false;
    }
    return true;
}

namespace {

struct Rect {
    int x0, y0, x1, y1;  // ends excluded
};

uint32_t colour_at(const Picture& p, int x, int y, bool transparent)
{
    const uint8_t* c = p.pixel(x, y);
    if (transparent && c[3] == 0)
        return 0xff000000u;  // stands apart from every opaque colour
    return uint32_t(c[0]) << 16 | uint32_t(c[1]) << 8 | c[2];
}

// The smallest rectangle outside which the two frames agree; empty frames
// still give a one-pixel rectangle, since a GIF frame cannot be empty.
Rect changed(const Picture& a, const Picture& b)
{
    Rect r{b.width, b.height, 0, 0};
    for (int y = 0; y < b.height; ++y) {
        const uint8_t* ra = a.pixel(0, y);
        const uint8_t* rb = b.pixel(0, y);
        if (std::equal(ra, ra + size_t(b.width) * 4, rb))
            continue;
        r.y0 = std::min(r.y0, y);
        r.y1 = y + 1;
        for (int x = 0; x < b.width; ++x)
            if (!std::equal(ra + x * 4, ra + x * 4 + 4, rb + x * 4)) {
                r.x0 = std::min(r.x0, x);
                r.x1 = std::max(r.x1, x + 1);
            }
    }
    if (r.x1 == 0)
        r = {0, 0, 1, 1};
    return r;
}

}  // namespace

namespace {

// A frame's rectangle as GIF stores it: an index per pixel into its own
// colour map.
struct IndexedRect {
    Rect r;
    std::vector<GifByteType> raster;
    ColorMapObject* map = nullptr;  // owned by the caller once made
    int transparent_index = NO_TRANSPARENT_COLOR;
    int width() const { return r.x1 - r.x0; }
    int height() const { return r.y1 - r.y0; }
};

// The colours of the rectangle, each counted once.
std::map<uint32_t, int> colours_in(const Picture& frame, const Rect& r, bool transparent)
{
    std::map<uint32_t, int> index;
    for (int y = r.y0; y < r.y1; ++y)
        for (int x = r.x0; x < r.x1; ++x)
            index.emplace(colour_at(frame, x, y, transparent), 0);
    return index;
}

// With at most 256 colours, each its own entry; the see-through colour as
// black, named as the transparent index.
void index_exactly(const Picture& frame, bool transparent, std::map<uint32_t, int>& index,
                   IndexedRect& out)
{
    out.map = GifMakeMapObject(256, nullptr);
    int n = 0;
    for (auto& [colour, i] : index) {
        i = n;
        out.map->Colors[n] = {GifByteType(colour >> 16), GifByteType(colour >> 8), GifByteType(colour)};
        if (colour == 0xff000000u)
            out.transparent_index = n, out.map->Colors[n] = {0, 0, 0};
        ++n;
    }
    const int w = out.width();
    for (int y = 0; y < out.height(); ++y)
        for (int x = 0; x < w; ++x)
            out.raster[size_t(y) * w + x] =
                GifByteType(index[colour_at(frame, out.r.x0 + x, out.r.y0 + y, transparent)]);
}

// With more, giflib's quantiser chooses 256.
void quantise(const Picture& frame, IndexedRect& out)
{
    const size_t size = out.raster.size();
    std::vector<GifByteType> red(size), green(size), blue(size);
    const int w = out.width();
    for (int y = 0; y < out.height(); ++y)
        for (int x = 0; x < w; ++x) {
            const uint8_t* c = frame.pixel(out.r.x0 + x, out.r.y0 + y);
            const size_t i = size_t(y) * w + x;
            red[i] = c[0], green[i] = c[1], blue[i] = c[2];
        }
    out.map = GifMakeMapObject(256, nullptr);
    int colours = 256;
    GifQuantizeBuffer(unsigned(w), unsigned(out.height()), &colours, red.data(), green.data(),
                      blue.data(), out.raster.data(), out.map->Colors);
}

// The viewer draws flat palette colours, so 256 entries nearly always hold
// them all.
IndexedRect index_colours(const Picture& frame, const Rect& r, bool transparent)
{
    IndexedRect out{r, std::vector<GifByteType>(size_t(r.x1 - r.x0) * (r.y1 - r.y0))};
    std::map<uint32_t, int> index = colours_in(frame, r, transparent);
    if (index.size() <= 256)
        index_exactly(frame, transparent, index, out);
    else
        quantise(frame, out);
    return out;
}

// The frame's delay and disposal, its rectangle and its rows.
bool put_frame(GifFileType* gif, const IndexedRect& image, int delay, bool transparent)
{
    GraphicsControlBlock control{};
    control.DisposalMode = transparent ? DISPOSE_BACKGROUND : DISPOSE_DO_NOT;
    control.DelayTime = delay;
    control.TransparentColor = image.transparent_index;
    GifByteType extension[4];
    const size_t length = EGifGCBToExtension(&control, extension);
    const int w = image.width();
    bool ok = EGifPutExtension(gif, GRAPHICS_EXT_FUNC_CODE, int(length), extension) != GIF_ERROR &&
              EGifPutImageDesc(gif, image.r.x0, image.r.y0, w, image.height(), false, image.map) != GIF_ERROR;
    for (int y = 0; ok && y < image.height(); ++y)
        ok = EGifPutLine(gif, const_cast<GifByteType*>(&image.raster[size_t(y) * w]), w) != GIF_ERROR;
    return ok;
}

}  // namespace

bool GifAnimation::add_frame(const Picture& frame, int delay, std::string& error)
{
    const Rect r = previous_.rgba.empty() || transparent_ ? Rect{0, 0, frame.width, frame.height}
                                                          : changed(previous_, frame);
    const IndexedRect image = index_colours(frame, r, transparent_);
    const bool ok = put_frame(gif_, image, delay, transparent_);
    GifFreeMapObject(image.map);
    if (!ok) {
        error = gif_failure(path_, gif_->Error);
        return false;
    }
    previous_ = frame;
    return true;
}

bool GifAnimation::finish(std::string& error)
{
    int code = 0;
    const int result = EGifCloseFile(gif_, &code);
    gif_ = nullptr;
    if (result == GIF_ERROR) {
        error = gif_failure(path_, code);
        return false;
    }
    return file_.commit(error);
}
