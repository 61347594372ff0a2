#include "tools/snapshot/picture_series.h"

#include <cstdio>

PictureSeries::PictureSeries(const PictureRequest& request, const std::string& dir, const char* stem,
                             const char* animation, const std::string& video)
    : dir_(dir), stem_(stem), animation_(animation), video_path_(video), transparent_(request.transparent),
      written_(request.written)
{
}

// Here, where the video writer is a complete type.
PictureSeries::~PictureSeries() = default;

bool PictureSeries::open(int size, int count, int video_frames_per_second, std::string& error)
{
    count_ = count;
    frames_per_second_ = video_frames_per_second;
    if (!make_directory(dir_, error))
        return false;
    if (!video_path_.empty()) {
        video_ = std::make_unique<VideoWriter>();
        if (!video_->open(video_path_, size, size, video_frames_per_second, error))
            return false;
    }
    return gif_.open(dir_ + "/" + animation_, size, size, transparent_, error);
}

bool PictureSeries::add(const Picture& picture, int delay, std::string& error)
{
    const int n = added_;
    progress_.show(stem_.c_str(), n, count_ - 1);
    char name[32];
    std::snprintf(name, sizeof name, "-%03d.png", n);
    const std::string path = dir_ + "/" + stem_ + name;
    if (!write_png(path, picture, transparent_, error))
        return false;
    written_.add(path);
    ++added_;
    return gif_.add_frame(picture, delay, error) &&
           (!video_ || video_->add(picture, delay * frames_per_second_ / 100, error));
}

bool PictureSeries::finish(std::string& error)
{
    if (video_) {
        if (!video_->finish(error))
            return false;
        written_.add(video_path_);
    }
    if (!gif_.finish(error))
        return false;
    written_.add(dir_ + "/" + animation_);
    return true;
}
