#include "tools/common/video.h"

#include "tools/common/program_module.h"
#include "tools/common/video_encoder.h"

bool is_video_name(const std::string& path) { return video_container_of(path) != nullptr; }

// The video module, loaded on the first video.
static NewVideoEncoder load_video_module(std::string& error)
{
    static NewVideoEncoder make = nullptr;
    if (!make)
        make = reinterpret_cast<NewVideoEncoder>(load_program_module(
            TEV_VIDEO_MODULE, TEV_VIDEO_MODULE_FROM_PROGRAM, new_video_encoder_name, "video", "write a video", error));
    return make;
}

VideoWriter::VideoWriter() = default;
VideoWriter::~VideoWriter() = default;

bool VideoWriter::open(const std::string& path, int width, int height, int frames_per_second,
                       std::string& error)
{
    const NewVideoEncoder make = load_video_module(error);
    if (!make)
        return false;
    encoder_.reset(make());
    return encoder_->open(path, width, height, frames_per_second, error);
}

bool VideoWriter::add(const Picture& picture, int frames, std::string& error)
{
    return encoder_->add(picture, frames, error);
}

bool VideoWriter::finish(std::string& error) { return encoder_->finish(error); }
