// Videos through FFmpeg's libraries, in a module loaded on the first video:
// MP4 holds H.264 in yuv420p, which every browser and phone plays, and WebM
// holds VP9. Like every file the tools write, a video appears under its name
// only when it is complete.
#pragma once

#include <memory>
#include <string>

#include "tools/common/picture.h"

// Whether the name ends in .mp4 or .webm (any case).
bool is_video_name(const std::string& path);

class VideoEncoder;

class VideoWriter {
public:
    VideoWriter();
    VideoWriter(const VideoWriter&) = delete;
    VideoWriter& operator=(const VideoWriter&) = delete;
    ~VideoWriter();  // a video not finished is removed

    // An odd width or height gets one black column or row more, since
    // yuv420p halves both. On failure `error` is one line.
    bool open(const std::string& path, int width, int height, int frames_per_second,
              std::string& error);
    // Shows `picture` for `frames` frames.
    bool add(const Picture& picture, int frames, std::string& error);
    bool finish(std::string& error);

private:
    std::unique_ptr<VideoEncoder> encoder_;
};
