#pragma once

// Pictures taken from a video: the ".THM" JPEG thumbnail written beside an output file and the
// cover picture taken from a video. One scaler helper and one JPEG encoder (libjpeg) serve both.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "FFmpegHandles.h"

namespace tolvane {

inline constexpr int kThumbnailWidth = 160;
inline constexpr int kThumbnailHeight = 120;

// A picture to carry as an output's cover: JPEG or PNG data as stored.
struct CoverPicture final {
    std::vector<std::uint8_t> data;
    AVCodecID codec = AV_CODEC_ID_NONE;
    int width = 0;
    int height = 0;
};

// A frame of `format` at `width` × `height` with its own buffer, or null when it cannot be had.
FramePtr AllocPicture(AVPixelFormat format, int width, int height);

// `frame` scaled to `width` × `height` in `format`, or null when it cannot be scaled.
FramePtr ScalePicture(const AVFrame& frame, AVPixelFormat format, int width, int height, int flags);

// An RGB24 picture as a baseline JPEG of `quality` (0..100). No value when it cannot be
// compressed.
std::optional<std::vector<std::uint8_t>> CompressJpeg(const AVFrame& rgb, int quality);

// The thumbnail path of an output: the path up to its last "." (in the file name), then ".THM".
std::string ThumbnailPathFor(const std::string& outputPath);

// Writes a 160 × 120 RGB24 picture as a baseline JPEG of quality 80. An existing file of that
// name is replaced. Returns false, leaving no half-written promise, when the file cannot be
// created or the compressor fails.
bool WriteJpegThumbnail(const std::string& path, const AVFrame& picture);

// Scales `frame` to 160 × 120 RGB and writes it to `path`. Returns false on any failure.
bool WriteThumbnailFromFrame(const std::string& path, const AVFrame& frame);

// A JPEG picture of the video of `path` at `seconds`, or at a tenth of its length for a negative
// `seconds`, at the video's own size. No value when the file has no video or no picture decodes.
std::optional<CoverPicture> CoverFromVideo(const std::string& path, double seconds);

}  // namespace tolvane
