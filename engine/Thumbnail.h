#pragma once

// Pictures and the ".THM" JPEG thumbnail written beside an output file.

#include <string>

#include "FFmpegHandles.h"

namespace tolvane {

inline constexpr int kThumbnailWidth = 160;
inline constexpr int kThumbnailHeight = 120;

// A frame of `format` at `width` × `height` with its own buffer, or null when it cannot be had.
FramePtr AllocPicture(AVPixelFormat format, int width, int height);

// The thumbnail path of an output: the path up to its last "." (in the file name), then ".THM".
std::string ThumbnailPathFor(const std::string& outputPath);

// Writes a 160 × 120 RGB24 picture as a baseline JPEG of quality 80. An existing file of that
// name is replaced. Returns false, leaving no half-written promise, when the file cannot be
// created or the compressor fails.
bool WriteJpegThumbnail(const std::string& path, const AVFrame& picture);

// Scales `frame` to 160 × 120 RGB and writes it to `path`. Returns false on any failure.
bool WriteThumbnailFromFrame(const std::string& path, const AVFrame& frame);

}  // namespace tolvane
