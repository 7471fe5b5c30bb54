#pragma once

// What a file holds, read as the list and the command line need it before a run: its length,
// the last video and sound stream's facts, every sound track, its chapters and its title.

#include <string>
#include <vector>

extern "C" {
#include <libavformat/avformat.h>
}

#include "MediaProbeResult.h"

namespace tolvane {

// The chapters of a file, in seconds from its start (its first timestamp), in file order.
std::vector<ChapterMark> ChaptersOf(const AVFormatContext& input);

// A sound track's facts from its stream's parameters (`language` and `title` as tagged).
SoundTrackFacts SoundTrackFactsOf(const AVCodecParameters& par, std::string language,
                                  std::string title);

// Reads `path` into `probe`. 0 on success; -1 not media, -2 no stream information, -4 no
// decoder for the video stream, -5 that decoder does not open. Without video the frame-rate
// fields keep what an earlier probe into the same record found.
int ProbeMedia(const std::string& path, MediaProbeResult& probe);

}  // namespace tolvane
