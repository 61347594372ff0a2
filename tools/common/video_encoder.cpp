#include "tools/common/video_encoder.h"

#include <sys/stat.h>
#include <strings.h>

#include <cerrno>
#include <cstdio>
#include <cstring>

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavformat/avformat.h>
#include <libavutil/opt.h>
#include <libswscale/swscale.h>
}

#include "tools/common/output_file.h"

namespace {

std::string av_error(int code)
{
    char text[AV_ERROR_MAX_STRING_SIZE] = "";
    av_strerror(code, text, sizeof text);
    return text;
}

// libavformat writes through these callbacks into the temporary file of an
// OutputFile, which renames it only when the video is complete.
struct Encoder final : VideoEncoder {
    OutputFile file;
    std::string path;
    int write_errno = 0;
    AVIOContext* io = nullptr;
    AVFormatContext* format = nullptr;
    AVCodecContext* codec = nullptr;
    AVStream* stream = nullptr;
    AVFrame* frame = nullptr;
    AVPacket* packet = nullptr;
    SwsContext* scale = nullptr;
    Picture padded;
    int64_t next_pts = 0;

    ~Encoder()
    {
        sws_freeContext(scale);
        av_packet_free(&packet);
        av_frame_free(&frame);
        avcodec_free_context(&codec);
        avformat_free_context(format);
        if (io)
            av_freep(&io->buffer);
        avio_context_free(&io);
    }

    static int write(void* opaque, uint8_t* data, int size)
    {
        auto* e = static_cast<Encoder*>(opaque);
        if (std::fwrite(data, 1, size_t(size), e->file.stream()) == size_t(size))
            return size;
        e->write_errno = errno;
        return AVERROR(errno);
    }

    static int64_t seek(void* opaque, int64_t offset, int whence)
    {
        std::FILE* f = static_cast<Encoder*>(opaque)->file.stream();
        struct stat s;
        if (whence & AVSEEK_SIZE)
            return std::fflush(f) == 0 && fstat(fileno(f), &s) == 0 ? int64_t(s.st_size) : AVERROR(errno);
        if (fseeko(f, offset, whence & ~AVSEEK_FORCE) != 0)
            return AVERROR(errno);
        return ftello(f);
    }

    bool fail(const std::string& why, std::string& error)
    {
        error = "cannot write " + path + ": " + (write_errno ? std::strerror(write_errno) : why);
        return false;
    }

    bool open_codec(const VideoContainer& c, int width, int height, int fps, std::string& error);
    bool open_output(const VideoContainer& c, std::string& error);
    bool send(const AVFrame* f, std::string& error);

    bool open(const std::string& path, int width, int height, int frames_per_second,
              std::string& error) override;
    bool add(const Picture& picture, int frames, std::string& error) override;
    bool finish(std::string& error) override;
};

bool Encoder::open_codec(const VideoContainer& c, int width, int height, int fps,
                                      std::string& error)
{
    const AVCodec* encoder = avcodec_find_encoder_by_name(c.encoder);
    if (!encoder) {
        error = "cannot write " + path + ": this FFmpeg has no encoder " + c.encoder;
        return false;
    }
    codec = avcodec_alloc_context3(encoder);
    codec->width = (width + 1) & ~1;
    codec->height = (height + 1) & ~1;
    codec->time_base = {1, fps};
    codec->framerate = {fps, 1};
    codec->pix_fmt = AV_PIX_FMT_YUV420P;
    // swscale's RGB to YUV matrix, said in the file so that players undo it.
    codec->colorspace = AVCOL_SPC_SMPTE170M;
    codec->color_range = AVCOL_RANGE_MPEG;
    codec->flags |= AV_CODEC_FLAG_BITEXACT;
    if (format->oformat->flags & AVFMT_GLOBALHEADER)
        codec->flags |= AV_CODEC_FLAG_GLOBAL_HEADER;
    AVDictionary* settings = nullptr;
    av_dict_parse_string(&settings, c.settings, "=", ":", 0);
    int code = avcodec_open2(codec, encoder, &settings);
    const bool all_taken = av_dict_count(settings) == 0;
    av_dict_free(&settings);
    if (code < 0 || !all_taken)
        return fail(code < 0 ? av_error(code) : std::string("the encoder refuses ") + c.settings, error);
    stream = avformat_new_stream(format, nullptr);
    stream->time_base = codec->time_base;
    code = avcodec_parameters_from_context(stream->codecpar, codec);
    frame = av_frame_alloc();
    packet = av_packet_alloc();
    frame->format = codec->pix_fmt;
    frame->width = codec->width;
    frame->height = codec->height;
    if (code < 0 || (code = av_frame_get_buffer(frame, 0)) < 0)
        return fail(av_error(code), error);
    scale = sws_getContext(codec->width, codec->height, AV_PIX_FMT_RGBA, codec->width, codec->height,
                           AV_PIX_FMT_YUV420P, SWS_BILINEAR, nullptr, nullptr, nullptr);
    padded.width = codec->width;
    padded.height = codec->height;
    padded.rgba.assign(size_t(padded.width) * padded.height * 4, 0);
    return scale != nullptr || fail("no colour conversion to yuv420p", error);
}

bool Encoder::open_output(const VideoContainer& c, std::string& error)
{
    if (!file.open(path, error))
        return false;
    int code = avformat_alloc_output_context2(&format, nullptr, c.muxer, nullptr);
    if (code < 0)
        return fail(av_error(code), error);
    constexpr int buffer_size = 1 << 16;
    io = avio_alloc_context(static_cast<unsigned char*>(av_malloc(buffer_size)), buffer_size, 1, this,
                            nullptr, write, seek);
    format->pb = io;
    // No version strings or times: the same pictures make the same file.
    format->flags |= AVFMT_FLAG_CUSTOM_IO | AVFMT_FLAG_BITEXACT;
    return true;
}

// Gives the encoder a frame (null at the end) and writes what it returns.
bool Encoder::send(const AVFrame* f, std::string& error)
{
    int code = avcodec_send_frame(codec, f);
    while (code >= 0) {
        code = avcodec_receive_packet(codec, packet);
        if (code < 0)
            break;
        packet->duration = 1;  // one frame: without it the last frame would last none
        av_packet_rescale_ts(packet, codec->time_base, stream->time_base);
        packet->stream_index = stream->index;
        code = av_interleaved_write_frame(format, packet);
    }
    if (code == AVERROR(EAGAIN) || code == AVERROR_EOF)
        return true;
    return fail(av_error(code), error);
}

bool Encoder::open(const std::string& video_path, int width, int height, int frames_per_second,
                   std::string& error)
{
    const VideoContainer* c = video_container_of(video_path);
    // Errors come back as one line of ours; the libraries' own log is noise.
    av_log_set_level(AV_LOG_QUIET);
    path = video_path;
    if (!c) {
        error = path + ": a video's name must end in .mp4 or .webm";
        return false;
    }
    if (!open_output(*c, error) || !open_codec(*c, width, height, frames_per_second, error))
        return false;
    const int code = avformat_write_header(format, nullptr);
    return code >= 0 || fail(av_error(code), error);
}

bool Encoder::add(const Picture& picture, int frames, std::string& error)
{
    const size_t row = size_t(picture.width) * 4;
    for (int y = 0; y < picture.height; ++y)
        std::memcpy(&padded.rgba[size_t(y) * padded.width * 4], picture.pixel(0, y), row);
    int code = av_frame_make_writable(frame);
    if (code < 0)
        return fail(av_error(code), error);
    const uint8_t* source[1] = {padded.rgba.data()};
    const int stride[1] = {padded.width * 4};
    sws_scale(scale, source, stride, 0, padded.height, frame->data, frame->linesize);
    for (int i = 0; i < frames; ++i) {
        frame->pts = next_pts++;
        if (!send(frame, error))
            return false;
    }
    return true;
}

bool Encoder::finish(std::string& error)
{
    if (!send(nullptr, error))
        return false;
    const int code = av_write_trailer(format);
    avio_flush(io);
    if (code < 0 || io->error < 0)
        return fail(av_error(code < 0 ? code : io->error), error);
    return file.commit(error);
}

}  // namespace

extern "C" __attribute__((visibility("default"))) VideoEncoder* tev_new_video_encoder() { return new Encoder; }
