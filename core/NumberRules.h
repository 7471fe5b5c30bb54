#pragma once

// The ranges of the numbers a run takes, whether a person types them on the command line or a
// job file brings them: one check for both, so that a job can never ask for what the command
// line would refuse.

#include <cstdint>
#include <string>

namespace tolvane {

struct NumberRange final {
    double low = 0.0;
    double high = 0.0;
    bool Holds(double value) const { return value >= low && value <= high; }  // NaN: no
};

// No number of ours passes a billion: each goes into an int or a time.
inline constexpr double kLargestNumber = 1e9;
inline constexpr NumberRange kLoudnessRange{-70.0, -5.0};            // LUFS
inline constexpr NumberRange kTruePeakRange{-9.0, 0.0};              // dBTP
inline constexpr NumberRange kBitRateRange{1.0, kLargestNumber};     // bits per second
inline constexpr NumberRange kSampleRateRange{1.0, kLargestNumber};  // Hz
inline constexpr NumberRange kSecondsRange{0.0, kLargestNumber};     // a time in the file
inline constexpr int kMaxSoundTrack = 1000;
inline constexpr int kMaxFilesAtOnce = 64;
inline constexpr int kMaxChannel = 64;                     // a channel's number, from 1
inline constexpr NumberRange kCenterMixRange{-12.0, 6.0};  // dB
inline constexpr double kDefaultCenterMix = -3.0;          // the usual fold-down

// The channel counts an output can have: mono, stereo, 5.1.
inline bool IsChannelCount(std::int64_t channels) {
    return channels == 1 || channels == 2 || channels == 6;
}

}  // namespace tolvane
