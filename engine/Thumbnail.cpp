#include "Thumbnail.h"

#include <csetjmp>
#include <cstdio>
#include <memory>

extern "C" {
#include <jpeglib.h>
#include <libavutil/imgutils.h>
}

namespace tolvane {

namespace {

constexpr int kJpegQuality = 80;
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

// Compresses the picture into `file`. No object with a destructor is created between setjmp and
// the calls that may jump back to it.
bool CompressPicture(std::FILE* file, const AVFrame& picture) {
    JpegErrorManager errors;
    CompressorPtr compressor(new jpeg_compress_struct{});
    compressor->err = jpeg_std_error(&errors.base);
    errors.base.error_exit = &ReturnFromJpegError;
    if (setjmp(errors.jump) != 0) {
        return false;
    }
    jpeg_create_compress(compressor.get());
    jpeg_stdio_dest(compressor.get(), file);
    compressor->image_width = kThumbnailWidth;
    compressor->image_height = kThumbnailHeight;
    compressor->input_components = 3;
    compressor->in_color_space = JCS_RGB;
    jpeg_set_defaults(compressor.get());
    jpeg_set_quality(compressor.get(), kJpegQuality, TRUE);
    jpeg_start_compress(compressor.get(), TRUE);
    while (compressor->next_scanline < compressor->image_height) {
        JSAMPROW row = picture.data[0] +
                       static_cast<std::ptrdiff_t>(compressor->next_scanline) * picture.linesize[0];
        jpeg_write_scanlines(compressor.get(), &row, 1);
    }
    jpeg_finish_compress(compressor.get());
    return true;
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

std::string ThumbnailPathFor(const std::string& outputPath) {
    const std::size_t slash = outputPath.find_last_of('/');
    const std::size_t dot = outputPath.find_last_of('.');
    const bool hasDot = dot != std::string::npos && (slash == std::string::npos || dot > slash);
    return (hasDot ? outputPath.substr(0, dot) : outputPath) + ".THM";
}

bool WriteJpegThumbnail(const std::string& path, const AVFrame& picture) {
    if (picture.width != kThumbnailWidth || picture.height != kThumbnailHeight ||
        picture.format != AV_PIX_FMT_RGB24) {
        return false;
    }
    FilePtr file(std::fopen(path.c_str(), "wb"));
    if (!file) {
        return false;
    }
    const bool compressed = CompressPicture(file.get(), picture);
    const bool closed = std::fclose(file.release()) == 0;
    return compressed && closed;
}

bool WriteThumbnailFromFrame(const std::string& path, const AVFrame& frame) {
    SwsPtr scaler(sws_getContext(
        frame.width, frame.height, static_cast<AVPixelFormat>(frame.format), kThumbnailWidth,
        kThumbnailHeight, AV_PIX_FMT_RGB24, kThumbnailScaleFlags, nullptr, nullptr, nullptr));
    FramePtr picture = AllocPicture(AV_PIX_FMT_RGB24, kThumbnailWidth, kThumbnailHeight);
    if (!scaler || !picture) {
        return false;
    }
    sws_scale(scaler.get(), frame.data, frame.linesize, 0, frame.height, picture->data,
              picture->linesize);
    return WriteJpegThumbnail(path, *picture);
}

}  // namespace tolvane
