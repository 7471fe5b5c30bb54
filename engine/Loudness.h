#pragma once

// The loudness of a sound track by ITU-R BS.1770 / EBU R128 (libebur128): integrated loudness,
// loudness range and true peak, from the sound alone.

#include <atomic>
#include <string>

namespace tolvane {

struct LoudnessFacts final {
    bool measured = false;    // false: the sound could not be read (see `failure`)
    double integrated = 0.0;  // LUFS; minus infinity for silence
    double range = 0.0;       // LU
    double truePeak = 0.0;    // dBTP; minus infinity for silence
    std::string failure;
};

// Measures sound track `soundTrack` (from 1; 0 the last) of `path`, from `start` seconds for
// `length` seconds (`toEnd`: to the end of the sound). `stop` ends it early (then not measured).
LoudnessFacts MeasureLoudness(const std::string& path, int soundTrack, double start = 0.0,
                              double length = 0.0, bool toEnd = true,
                              const std::atomic<bool>* stop = nullptr);

// "-18.3 LUFS · peak -0.4 dBTP" (a real minus sign; the same in every locale), "silent" for
// silence.
std::string LoudnessText(const LoudnessFacts& facts);
// "-18.3 LUFS, range 6.2 LU, true peak -0.4 dBTP".
std::string LoudnessLine(const LoudnessFacts& facts);

}  // namespace tolvane
