// Pictures in memory and on disk: PNG files through libpng, animated GIF
// files through giflib. Every file is written under a temporary name and
// renamed when complete.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "tools/common/output_file.h"

struct Picture {
    int width = 0, height = 0;
    std::vector<uint8_t> rgba;  // row by row from the top, four bytes a pixel
    const uint8_t* pixel(int x, int y) const { return &rgba[(size_t(y) * width + x) * 4]; }
};

// RGB, or RGBA when `with_alpha`; on failure `error` is one line.
bool write_png(const std::string& path, const Picture& picture, bool with_alpha,
               std::string& error);
bool read_png(const std::string& path, Picture& picture, std::string& error);

// An animated GIF that loops forever. Each frame after the first stores only
// the rectangle that changed; a frame's colours must fit 256 entries, or
// they are quantised. With `transparent`, pixels of alpha 0 are see-through
// and every frame is stored whole.
class GifAnimation {
public:
    GifAnimation() = default;
    GifAnimation(const GifAnimation&) = delete;
    GifAnimation& operator=(const GifAnimation&) = delete;
    ~GifAnimation();

    bool open(const std::string& path, int width, int height, bool transparent,
              std::string& error);
    // `delay` in hundredths of a second.
    bool add_frame(const Picture& frame, int delay, std::string& error);
    bool finish(std::string& error);

private:
    OutputFile file_;
    struct GifFileType* gif_ = nullptr;
    Picture previous_;
    bool transparent_ = false;
    std::string path_;
};
