// A numbered series of pictures, DIR/STEM-000.png and on, the same as a
// looping GIF in DIR and, if asked, as a video, with the background the
// request asks for. Progress goes to standard error. The pictures go into
// the request's OutputSet, which takes them back should the run fail; the
// GIF and the video appear only when finished, and join the set then.
#pragma once

#include <memory>
#include <string>

#include "tools/common/output_file.h"
#include "tools/common/picture.h"
#include "tools/common/video.h"
#include "tools/snapshot/picture_request.h"
#include "tools/snapshot/progress.h"

class PictureSeries {
public:
    // `animation` is the GIF's name in `dir`; `video` a path, or empty.
    PictureSeries(const PictureRequest& request, const std::string& dir, const char* stem,
                  const char* animation, const std::string& video);
    PictureSeries(const PictureSeries&) = delete;
    PictureSeries& operator=(const PictureSeries&) = delete;
    ~PictureSeries();

    // Makes the directory and opens the animation and the video, whose frame
    // rate must divide every delay into whole frames.
    bool open(int size, int count, int video_frames_per_second, std::string& error);
    // `delay` in hundredths of a second, in the GIF and the video alike.
    bool add(const Picture& picture, int delay, std::string& error);
    bool finish(std::string& error);

private:
    std::string dir_, stem_, animation_, video_path_;
    bool transparent_;
    int count_ = 0, frames_per_second_ = 0;
    ProgressLine progress_;
    GifAnimation gif_;
    std::unique_ptr<VideoWriter> video_;
    OutputSet& written_;
    int added_ = 0;
};
