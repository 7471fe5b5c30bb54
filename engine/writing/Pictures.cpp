#include "Pictures.h"

#include <array>
#include <csetjmp>
#include <cstdio>
#include <memory>

extern "C" {
#include <jpeglib.h>
#include <libavutil/imgutils.h>
}

#include "Paths.h"

namespace tolvane {

namespace {

constexpr int kThumbnailQuality = 80;
constexpr int kCoverQuality = 90;
// libswscale's experimental scaling method, which the thumbnail has always used.
constexpr int kThumbnailScaleFlags = SWS_X;

struct FileCloser {
    void operator()(std::FILE* f) const { std::fclose(f); }
};
using FilePtr = std::unique_ptr<std::FILE, FileCloser>;

struct CompressorDeleter {
    void operator()(jpeg_compress_struct* c) const {
        jpeg_destroy_compress(c);
        delete c;
    }
};
using CompressorPtr = std::unique_ptr<jpeg_compress_struct, CompressorDeleter>;

// libjpeg's standard handler ends the process on an error; ours returns to the caller instead.
struct JpegErrorManager {
    jpeg_error_mgr base{};
    std::jmp_buf jump{};
};

[[noreturn]] void ReturnFromJpegError(j_common_ptr info) {
    auto* manager = reinterpret_cast<JpegErrorManager*>(info->err);
    std::longjmp(manager->jump, 1);
}

// A libjpeg destination that appends the compressed bytes to a vector.
struct VectorDestination {
    jpeg_destination_mgr base{};
    std::vector<std::uint8_t>* out = nullptr;
    std::array<JOCTET, 16384> buffer{};
};

void InitDestination(j_compress_ptr info) {
    auto* dest = reinterpret_cast<VectorDestination*>(info->dest);
    dest->base.next_output_byte = dest->buffer.data();
    dest->base.free_in_buffer = dest->buffer.size();
}

boolean EmptyDestination(j_compress_ptr info) {
    auto* dest = reinterpret_cast<VectorDestination*>(info->dest);
    dest->out->insert(dest->out->end(), dest->buffer.begin(), dest->buffer.end());
    InitDestination(info);
    return TRUE;
}

void TermDestination(j_compress_ptr info) {
    auto* dest = reinterpret_cast<VectorDestination*>(info->dest);
    const std::size_t used = dest->buffer.size() - dest->base.free_in_buffer;
    dest->out->insert(dest->out->end(), dest->buffer.begin(),
                      dest->buffer.begin() + static_cast<std::ptrdiff_t>(used));
}

// Compresses the picture into `destination`. No object with a destructor is created between
// setjmp and the calls that may jump back to it.
bool CompressPicture(VectorDestination& destination, const AVFrame& picture, int quality) {
    JpegErrorManager errors;
    CompressorPtr compressor(new jpeg_compress_struct{});
    compressor->err = jpeg_std_error(&errors.base);
    errors.base.error_exit = &ReturnFromJpegError;
    if (setjmp(errors.jump) != 0) {
        return false;
    }
    jpeg_create_compress(compressor.get());
    destination.base.init_destination = &InitDestination;
    destination.base.empty_output_buffer = &EmptyDestination;
    destination.base.term_destination = &TermDestination;
    compressor->dest = &destination.base;
    compressor->image_width = static_cast<JDIMENSION>(picture.width);
    compressor->image_height = static_cast<JDIMENSION>(picture.height);
    compressor->input_components = 3;
    compressor->in_color_space = JCS_RGB;
    jpeg_set_defaults(compressor.get());
    jpeg_set_quality(compressor.get(), quality, TRUE);
    jpeg_start_compress(compressor.get(), TRUE);
    while (compressor->next_scanline < compressor->image_height) {
        JSAMPROW row = picture.data[0] +
                       static_cast<std::ptrdiff_t>(compressor->next_scanline) * picture.linesize[0];
        jpeg_write_scanlines(compressor.get(), &row, 1);
    }
    jpeg_finish_compress(compressor.get());
    return true;
}

// Decodes the first picture of stream `index` at or after `target` (stream time base).
FramePtr DecodePictureAt(AVFormatContext* input, int index, AVCodecContext* decoder,
                         std::int64_t target) {
    FramePtr frame(av_frame_alloc());
    PacketPtr packet(av_packet_alloc());
    if (!frame || !packet) {
        return nullptr;
    }
    FramePtr best;
    bool draining = false;
    while (!draining) {
        const int read = av_read_frame(input, packet.get());
        if (read < 0) {
            draining = true;
            if (avcodec_send_packet(decoder, nullptr) < 0) {
                break;
            }
        } else if (packet->stream_index != index) {
            av_packet_unref(packet.get());
            continue;
        } else {
            const int sent = avcodec_send_packet(decoder, packet.get());
            av_packet_unref(packet.get());
            if (sent < 0 && sent != AVERROR(EAGAIN)) {
                continue;  // a damaged packet: the next may decode
            }
        }
        while (avcodec_receive_frame(decoder, frame.get()) >= 0) {
            const std::int64_t pts = frame->best_effort_timestamp;
            best = FramePtr(av_frame_clone(frame.get()));
            av_frame_unref(frame.get());
            if (pts == AV_NOPTS_VALUE || pts >= target) {
                return best;
            }
        }
    }
    return best;  // the last picture when the video ends before `target`
}

}  // namespace

FramePtr AllocPicture(AVPixelFormat format, int width, int height) {
    FramePtr picture(av_frame_alloc());
    if (!picture) {
        return nullptr;
    }
    picture->format = format;
    picture->width = width;
    picture->height = height;
    if (av_frame_get_buffer(picture.get(), 0) < 0) {
        return nullptr;
    }
    return picture;
}

FramePtr ScalePicture(const AVFrame& frame, AVPixelFormat format, int width, int height,
                      int flags) {
    if (frame.width <= 0 || frame.height <= 0 || width <= 0 || height <= 0) {
        return nullptr;
    }
    SwsPtr scaler(sws_getContext(frame.width, frame.height,
                                 static_cast<AVPixelFormat>(frame.format), width, height, format,
                                 flags, nullptr, nullptr, nullptr));
    FramePtr picture = AllocPicture(format, width, height);
    if (!scaler || !picture) {
        return nullptr;
    }
    const int rows = sws_scale(scaler.get(), frame.data, frame.linesize, 0, frame.height,
                               picture->data, picture->linesize);
    return rows > 0 ? std::move(picture) : nullptr;
}

std::optional<std::vector<std::uint8_t>> CompressJpeg(const AVFrame& rgb, int quality) {
    if (rgb.format != AV_PIX_FMT_RGB24 || rgb.width <= 0 || rgb.height <= 0) {
        return std::nullopt;
    }
    std::vector<std::uint8_t> bytes;
    auto destination = std::make_unique<VectorDestination>();
    destination->out = &bytes;
    if (!CompressPicture(*destination, rgb, quality)) {
        return std::nullopt;
    }
    return bytes;
}

std::string ThumbnailPathFor(const std::string& outputPath) {
    return WithExtension(outputPath, ".THM");
}

bool WriteJpegThumbnail(const std::string& path, const AVFrame& picture) {
    if (picture.width != kThumbnailWidth || picture.height != kThumbnailHeight) {
        return false;
    }
    const auto bytes = CompressJpeg(picture, kThumbnailQuality);
    if (!bytes) {
        return false;
    }
    FilePtr file(std::fopen(path.c_str(), "wb"));
    if (!file) {
        return false;
    }
    const bool written = std::fwrite(bytes->data(), 1, bytes->size(), file.get()) == bytes->size();
    const bool closed = std::fclose(file.release()) == 0;
    if (!written || !closed) {
        std::remove(path.c_str());
        return false;
    }
    return true;
}

bool WriteThumbnailFromFrame(const std::string& path, const AVFrame& frame) {
    FramePtr picture = ScalePicture(frame, AV_PIX_FMT_RGB24, kThumbnailWidth, kThumbnailHeight,
                                    kThumbnailScaleFlags);
    return picture && WriteJpegThumbnail(path, *picture);
}

std::optional<CoverPicture> CoverFromVideo(const std::string& path, double seconds) {
    SourceMedia source;
    if (OpenSourceFile(path, source) < 0) {
        return std::nullopt;
    }
    PickLastStreams(source);  // the video the file is converted from, never a cover picture
    AVFormatContext* input = source.input.get();
    const int index = source.videoIndex;
    if (index < 0) {
        return std::nullopt;
    }
    CodecContextPtr decoder;
    if (OpenStreamDecoder(path, input, index, decoder, 0) < 0) {
        return std::nullopt;
    }
    if (seconds < 0.0) {
        seconds =
            input->duration > 0 ? 0.1 * static_cast<double>(input->duration) / AV_TIME_BASE : 0.0;
    }
    const AVStream* stream = input->streams[index];
    const std::int64_t origin =
        stream->start_time != AV_NOPTS_VALUE ? stream->start_time : std::int64_t{0};
    const std::int64_t target = origin + SecondsInTimeBase(seconds, stream->time_base);
    for (unsigned i = 0; i < input->nb_streams; ++i) {
        input->streams[i]->discard =
            static_cast<int>(i) == index ? AVDISCARD_DEFAULT : AVDISCARD_ALL;
    }
    if (seconds > 0.0 && av_seek_frame(input, index, target, AVSEEK_FLAG_BACKWARD) < 0) {
        // Decoded from where reading stands: the picture at the target is still found.
        LogFailure(path, "cannot seek to the cover's time");
    }
    FramePtr frame = DecodePictureAt(input, index, decoder.get(), target);
    FramePtr rgb =
        frame ? ScalePicture(*frame, AV_PIX_FMT_RGB24, frame->width, frame->height, SWS_BICUBIC)
              : nullptr;
    auto bytes = rgb ? CompressJpeg(*rgb, kCoverQuality) : std::nullopt;
    if (!bytes) {
        return std::nullopt;
    }
    return CoverPicture{std::move(*bytes), AV_CODEC_ID_MJPEG, rgb->width, rgb->height};
}

}  // namespace tolvane
