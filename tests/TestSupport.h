#pragma once

// Helpers shared by the engine tests: where the generated media is, scratch folders, a job
// filled the way the main window fills it, and what ffprobe says of an output.

#include <cstdint>
#include <filesystem>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "AVConvert.h"
#include "JobPlan.h"

namespace tolvane::test {

// The folder of generated test media (TOLVANE_TEST_MEDIA, made by make_media.sh).
std::filesystem::path Media(const std::string& name);

// A fresh folder, removed with everything in it at the end of the test.
class ScratchDir final {
public:
    ScratchDir();
    ~ScratchDir();
    ScratchDir(const ScratchDir&) = delete;
    ScratchDir& operator=(const ScratchDir&) = delete;
    const std::filesystem::path& Path() const { return m_path; }
    std::string File(const std::string& name) const { return (m_path / name).string(); }

private:
    std::filesystem::path m_path;
};

struct AudioSettings {
    std::int32_t codecId;
    std::int32_t bitRate = 128000;
    std::int32_t sampleRate = 44100;
    std::int32_t channels = 2;
};

// One task of a job: source, output and clip (an end below 0: untrimmed, to the end of the sound).
struct TaskSpec {
    std::string source;
    std::string output;
    double start = 0.0;
    double end = -1.0;
    int soundTrack = 0;  // from 1; 0 the last one
};

// The plan of a run of `tasks` with `audio`, as the main window makes it (an untrimmed task's
// end is its source's length).
JobPlan TestPlan(const std::vector<TaskSpec>& tasks, const AudioSettings& audio);
// Fills `job` with TestPlan(tasks, audio), first changed by `adjust` when given, as the main
// window does before a start.
void FillJob(AVConvert& job, const std::vector<TaskSpec>& tasks, const AudioSettings& audio,
             const std::function<void(JobPlan&)>& adjust = {});
// The same, with every task copying its sound instead of converting it.
void FillCopyJob(AVConvert& job, const std::vector<TaskSpec>& tasks,
                 const std::function<void(JobPlan&)>& adjust = {});

// Asks the job for a video stream as well.
struct VideoSettings {
    std::int32_t codecId;
    int width = 160;
    int height = 120;
    double frameRate = 25;  // 0: as the source
    std::int32_t bitRate = 300000;
};
void IncludeVideo(JobPlan& plan, const VideoSettings& video);

// Runs the batch (or merge) worker on its own thread and waits for it.
void RunBatch(AVConvert& job);
void RunMerge(AVConvert& job);

// Runs a worker and sets stopRequested once the current file's progress reaches `percent`.
void RunAndStopAt(AVConvert& job, bool merge, int percent);

// What ffprobe reports of a file's first stream of a kind ("a" or "v") and of its container.
struct ProbedStream {
    bool found = false;
    std::string codec;
    int sampleRate = 0;
    int channels = 0;
    int width = 0;
    int height = 0;
    double duration = -1.0;  // the container's
};
ProbedStream Ffprobe(const std::string& path, const char* kind = "a");

// The end of the last audio packet, in seconds: the length a player plays, for containers
// whose header only estimates it.
double AudioPacketsEnd(const std::string& path);

// One packet of a stream as ffprobe lists it.
struct ProbedPacket {
    double pts = 0.0;  // seconds
    double duration = 0.0;
    std::string hash;  // MD5 of its data
};
// The packets of stream `stream` ("a:0", ffprobe's stream specifier) in file order.
std::vector<ProbedPacket> ProbedPackets(const std::string& path, const std::string& stream = "a:0");

// The first audio stream decoded to mono signed 16-bit samples at `rate` (the decoder's own
// trimming of encoder delay and padding applies).
std::vector<std::int16_t> DecodedSamples(const std::string& path, int rate = 48000);
// The longest run of samples under `threshold` (in size), `margin` samples away from both ends:
// a gap at a join shows as a long one.
int LongestQuietRun(const std::vector<std::int16_t>& samples, int threshold, std::size_t margin);
// The frequency of a steady tone, from its zero crossings (0 when it has none).
double Frequency(const std::vector<std::int16_t>& samples, int rate);
// The length of the first audio stream as it decodes, in seconds.
double DecodedSeconds(const std::string& path);
// Three sources of sound lengths off whole seconds, made in `folder`: a video of 3.52 s whose
// sound (AAC) lasts 2.6 s, an M4A of 3.3 s and a WAV of 4.1 s. A merge of them has its chapters
// at 0, 2.6 and 5.9 s and ends at 10.0 s.
std::vector<std::string> MakeMergeSources(const std::filesystem::path& folder);

// A mono 16-bit WAV of speech-like sound at `rate`: `stretches` of sound (syllables: tone and
// noise bursts of 0.1 to 0.3 s, 50 to 150 ms apart) and pauses (`false`) of the given seconds,
// all over a noise floor near -66 dBFS. The same every time.
void WriteSpeechLikeWav(const std::string& path,
                        const std::vector<std::pair<bool, double>>& stretches, int rate = 44100);

// The seconds of sound a file holds as a player hears it: decoded, but an MP4's sound ends where
// its packets say (FFmpeg's decoder plays AAC's end padding; the edit list leaves it out).
double SoundSeconds(const std::string& path);

// While alive, files this process writes cannot grow past `bytes` (writes fail with EFBIG, as on
// a full disk), without mounting anything.
class FileSizeLimit final {
public:
    explicit FileSizeLimit(std::uint64_t bytes);
    ~FileSizeLimit();
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

private:
    std::uint64_t m_previous;
    void (*m_previousHandler)(int);
};

// ffmpeg's ebur128 filter on a file's sound, from `from` seconds for `length` (0: to the end):
// the integrated loudness (LUFS) and the true peak (dBTP); 1000 for a value it did not print.
std::pair<double, double> FfmpegLoudness(const std::string& path, double from = 0.0,
                                         double length = 0.0);

// The loudest sample of the first `seconds` of a file's audio, in dB (ffmpeg's volumedetect).
double MaxVolumeDb(const std::string& path, double seconds);

// An MP4 of a 440 Hz tone of `seconds` (44100 Hz mono) encoded with ffmpeg's `encoder`, whose
// sound starts after an empty edit of `delayMs` milliseconds; `shortened`: the sound's own edit
// shortened by the delay, as some recorders write it (played by the edits, the sound would lose
// its last `delayMs`).
void WriteDelayedMp4(const std::string& path, const std::string& encoder, double seconds,
                     int delayMs, bool shortened);

// Output of a shell command (standard output and error).
std::string RunCommand(const std::string& command, int* exitCode = nullptr);

std::string ReadFile(const std::string& path);

}  // namespace tolvane::test
