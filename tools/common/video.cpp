#include "tools/common/video.h"

#include <dlfcn.h>
#include <limits.h>
#include <unistd.h>

#include "tools/common/video_encoder.h"

bool is_video_name(const std::string& path) { return video_container_of(path) != nullptr; }

// The video module: beside the program in the build tree, in its library
// directory where it is installed. Loaded once and kept.
static NewVideoEncoder load_video_module(std::string& error)
{
    static NewVideoEncoder make = nullptr;
    if (make)
        return make;
    char program[PATH_MAX];
    const ssize_t n = readlink("/proc/self/exe", program, sizeof program - 1);
    std::string dir = n > 0 ? std::string(program, size_t(n)) : std::string();
    dir = dir.substr(0, dir.rfind('/') + 1);
    for (const std::string& path : {dir + TEV_VIDEO_MODULE, dir + TEV_VIDEO_MODULE_FROM_PROGRAM}) {
        if (access(path.c_str(), F_OK) != 0)
            continue;
        void* module = dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
        if (module)
            make = reinterpret_cast<NewVideoEncoder>(dlsym(module, new_video_encoder_name));
        if (make)
            return make;
        error = std::string("cannot load the video module: ") + dlerror();
        return nullptr;
    }
    error = std::string("cannot write a video: the video module ") + TEV_VIDEO_MODULE + " is not installed beside " +
            (n > 0 ? std::string(program, size_t(n)) : std::string("the program"));
    return nullptr;
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
