#pragma once

// ReplayGain tags that describe the file as written: a placeholder of fixed width goes into the
// header, and once the whole file is written (before it gets its name) the file is measured and
// its gain and peak are written over the placeholders, found by the container's own structure
// (ID3v2 frames, Vorbis comments in Ogg or FLAC, ASF descriptors, Matroska simple tags) and never
// by a search through the bytes. MP4 keeps no such tag in its muxer: its gains go into the ilst
// as iTunes freeform atoms. So the tag tells the loudness of the encoded sound, not of the
// source, and a file under its name never holds a placeholder: a patch that cannot be made
// fails the task.

#include <atomic>
#include <string>
#include <vector>

#include "Loudness.h"
#include "OutputFile.h"

extern "C" {
#include <libavformat/avformat.h>
}

namespace tolvane {

// A value of a header's tag to write over, byte for byte: where the tag `key` holds exactly
// `before`, `after` (as long) goes. ID3 chapters take the key "CHAP <element id>" and their
// start and end (eight bytes, milliseconds, big-endian) as the value.
struct TagSwap final {
    std::string key;
    std::string before;
    std::string after;
};

// Writes each swap's new value over every place its key holds its old one, in an ID3v2 tag,
// the Vorbis comments of FLAC or Ogg, ASF attributes or Matroska tags (found by their structure;
// an Ogg page's checksum made anew). A header of another kind is left as it is. Returns 0 or an
// AVERROR with `failure` saying why (a write that fell short).
int SwapHeaderValues(ExclusiveOutputFile& file, const std::vector<TagSwap>& swaps,
                     std::string& failure);

// What the header holds until the file is measured.
inline constexpr char kTrackGainPlaceholder[] = "+99.99 dB";
inline constexpr char kTrackPeakPlaceholder[] = "9.999999";

// "-03.21 dB", "+14.87 dB": always nine characters (the gain kept within +-99.99 dB).
std::string FixedWidthGain(double decibels);
// "0.912011": always eight characters.
std::string FixedWidthPeak(double linear);

// Opus's gains (RFC 7845): the track's and the album's, in 1/256 dB relative to -23 LUFS, added
// to the header's output gain. The track's placeholder, and the value: "-00573", "+01234",
// always a sign and five digits (within a 16-bit integer's range).
inline constexpr char kR128TrackKey[] = "R128_TRACK_GAIN";
inline constexpr char kR128AlbumKey[] = "R128_ALBUM_GAIN";
inline constexpr char kR128Placeholder[] = "+99999";
inline constexpr double kR128Reference = -23.0;
std::string FixedWidthR128(double decibels);

// How an output container takes ReplayGain tags.
enum class GainTags {
    None,          // it keeps no such tag (WAV, ADTS AAC, AC-3, AIFF...)
    Placeholders,  // placeholders in its header, patched in place
    Mp4Atoms,      // freeform atoms added to its ilst
    R128,          // Opus: R128 gains instead, as placeholders patched in place
};
GainTags GainTagsOf(const AVOutputFormat& format);

struct GainPatch final {
    std::string albumGain;  // empty: no album tags (or already in the header, as R128's are)
    std::string albumPeak;
    double soundSeconds = 0.0;  // about how long the written sound is: places the parts
    // The written sound's loudness as measured while it was written; null or not measured:
    // the file is read again, in parts.
    const LoudnessFacts* measured = nullptr;
    int parts = 1;  // threads to measure on
    const std::atomic<bool>* stop = nullptr;
};

// Measures the written file (unless it was measured while written: in parts, on threads of
// their own) and writes its track gain and
// peak (the sample peak) in place of the placeholders, or as MP4 atoms with the album's. Returns
// 0, AVERROR_EXIT when stopped, or another AVERROR with `failure` saying why (no placeholder
// where the container keeps it, a measure that failed, a write that fell short): the file must
// then not be kept.
int PatchTrackReplayGain(ExclusiveOutputFile& file, GainTags tags, const GainPatch& patch,
                         std::string& failure);

}  // namespace tolvane
