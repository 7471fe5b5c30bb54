#pragma once

// ReplayGain tags that describe the file as written: a placeholder of fixed width goes into the
// header, and once the whole file is written (before it gets its name) the file is measured and
// its gain and peak written over the placeholders, byte for byte (an Ogg page's checksum made
// anew). So the tag tells the loudness of the encoded sound, not of the source.

#include <string>

#include "OutputFile.h"

namespace tolvane {

// What the header holds until the file is measured.
inline constexpr char kTrackGainPlaceholder[] = "+99.99 dB";
inline constexpr char kTrackPeakPlaceholder[] = "9.999999";

// "-03.21 dB", "+14.87 dB": always nine characters (the gain kept within +-99.99 dB).
std::string FixedWidthGain(double decibels);
// "0.912011": always eight characters.
std::string FixedWidthPeak(double linear);

// Measures the written file and puts its track gain and peak in place of the placeholders
// (+00.00 dB and 0.000000 for silence or a file that cannot be measured). Returns false when
// the file holds no placeholder (its container keeps no such tag), was silent, or could not be
// measured or written.
// An MP4/M4A file (whose muxer keeps no such tags) gets them as iTunes freeform atoms
// ("----:com.apple.iTunes:replaygain_track_gain"), with the album's when given.
bool PatchTrackReplayGain(ExclusiveOutputFile& file, const std::string& albumGain = {},
                          const std::string& albumPeak = {});

}  // namespace tolvane
