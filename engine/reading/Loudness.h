#pragma once

// The loudness of a sound track by ITU-R BS.1770 / EBU R128 (libebur128): integrated loudness,
// loudness range and true peak, from the sound alone.

#include <atomic>
#include <memory>
#include <string>
#include <vector>

namespace tolvane {

struct LoudnessFacts final {
    bool measured = false;    // false: the sound could not be read (see `failure`)
    double integrated = 0.0;  // LUFS; minus infinity for silence
    double range = 0.0;       // LU
    double truePeak = 0.0;    // dBTP; minus infinity for silence
    double samplePeak = 0.0;  // the largest sample, a factor of full scale
    std::string failure;
    // The loudness of each 400 ms block, every 100 ms (LUFS): what BS.1770's gates choose from.
    std::vector<double> blocks;
};

// The integrated loudness the sound would measure with `gainDb` more: the gates decide anew (a
// block too quiet for the absolute gate may pass it once louder). Minus infinity for none.
double LoudnessWithGain(const LoudnessFacts& facts, double gainDb);
// The gain (dB) that brings the sound to `target` LUFS; 0 for silence.
double GainToReach(const LoudnessFacts& facts, double target);

// A change the sound goes through before it is measured (the stages of the output it will be):
// interleaved floats in, interleaved floats out, not necessarily as many.
class SoundChange {
public:
    virtual ~SoundChange() = default;
    virtual void Change(const float* samples, int frames, int channels, int rate,
                        std::vector<float>& out) = 0;
    // What it still holds at the end of the sound.
    virtual void End(std::vector<float>& out) = 0;
};

// Measures sound track `soundTrack` (from 1; 0 the last) of `path`, from `start` seconds for
// `length` seconds (`toEnd`: to the end of the sound). `stop` ends it early (then not measured).
// With `integratedOnly`, neither the range nor the true peak (four times oversampled: most of
// the cost) is measured: enough to bring the sound to a loudness.
LoudnessFacts MeasureLoudness(const std::string& path, int soundTrack, double start = 0.0,
                              double length = 0.0, bool toEnd = true,
                              const std::atomic<bool>* stop = nullptr, bool integratedOnly = false);
// As MeasureLoudness (integrated loudness and sample peak), of what `change` makes of the sound.
LoudnessFacts MeasureChangedLoudness(const std::string& path, int soundTrack, double start,
                                     double length, bool toEnd, const std::atomic<bool>* stop,
                                     SoundChange& change);

// The integrated loudness and the sample peak (as `MeasureLoudness` with `integratedOnly`),
// read in up to `parts` parts on threads of their own when the span is long (half a minute a
// part at least). `spanLength`, the span's length in seconds as far as it is known (for a span to
// the end, the file's length less `start`), places the parts; the last reads to the span's end
// whatever it says. The blocks are those of one reading (each part is read from a second before
// it: the filters have settled where its blocks begin).
LoudnessFacts MeasureLoudnessInParts(const std::string& path, int soundTrack, double start,
                                     double length, bool toEnd, double spanLength,
                                     const std::atomic<bool>* stop, int parts);

// Integrated loudness and sample peak of sound handed in block by block (interleaved floats).
class LoudnessSum final {
public:
    LoudnessSum();
    LoudnessSum(const LoudnessSum&) = delete;
    LoudnessSum& operator=(const LoudnessSum&) = delete;
    ~LoudnessSum();
    // False when the sound cannot be measured (a library failure).
    bool Add(const float* samples, int frames, int channels, int rate);
    // The facts so far (not measured when nothing was added).
    LoudnessFacts Facts() const;

private:
    struct State;
    std::unique_ptr<State> m_state;
};

// ReplayGain 2.0 (reference -18 LUFS): the gain ("-3.21 dB") and the peak ("0.912011", of full
// scale) of measured sound; an empty gain for silence.
struct ReplayGainTexts final {
    std::string gain;
    std::string peak;
};
ReplayGainTexts ReplayGainOf(const LoudnessFacts& facts);
// The facts of several measures as one sound (an album): their blocks gated together, the
// highest peak.
LoudnessFacts Together(const std::vector<LoudnessFacts>& parts);

// Decibels to one decimal with a real minus sign ("−18.3"), the same in every locale.
std::string DecibelText(double value);
// "-18.3 LUFS, range 6.2 LU, true peak -0.4 dBTP".
std::string LoudnessLine(const LoudnessFacts& facts);

}  // namespace tolvane
