// What the video module gives the program: an encoder behind an interface,
// made by the module's one exported function. The module holds FFmpeg's
// libraries, which take longer to load than a picture takes to draw, so
// tev-snapshot loads it only when it writes a video.
#pragma once

#include <strings.h>

#include <cstring>
#include <string>

#include "tools/common/picture.h"

// A container by the end of its name, its encoder and the encoder's
// settings: quick, and good enough for flat colours.
struct VideoContainer {
    const char* suffix;
    const char* muxer;
    const char* encoder;
    const char* settings;
};
// suffix    muxer   encoder       settings
inline constexpr VideoContainer video_containers[] = {
    {".mp4",  "mp4",  "libx264",    "preset=veryfast:crf=20"},                          // mp4
    {".webm", "webm", "libvpx-vp9", "deadline=realtime:cpu-used=8:crf=30:b=0:row-mt=1"},  // webm
};

inline const VideoContainer* video_container_of(const std::string& path)
{
    for (const VideoContainer& c : video_containers) {
        const size_t n = std::strlen(c.suffix);
        if (path.size() > n && strcasecmp(path.c_str() + path.size() - n, c.suffix) == 0)
            return &c;
    }
    return nullptr;
}

class VideoEncoder {
public:
    virtual ~VideoEncoder() = default;  // a video not finished is removed
    virtual bool open(const std::string& path, int width, int height, int frames_per_second,
                      std::string& error) = 0;
    virtual bool add(const Picture& picture, int frames, std::string& error) = 0;
    virtual bool finish(std::string& error) = 0;
};

// The module's one exported function, by this name.
constexpr char new_video_encoder_name[] = "tev_new_video_encoder";
using NewVideoEncoder = VideoEncoder* (*)();
