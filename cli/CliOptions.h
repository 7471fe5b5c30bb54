#pragma once

// The command line of tolvane-cli and how it turns into an output profile.

#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "AVConvert.h"
#include "JobPlanner.h"

#include "OutputSettings.h"
#include "Silences.h"
#include "TrackMix.h"

struct CliOptions final {
    std::vector<std::string> files;
    std::string outputFolder = ".";
    std::optional<std::string> format;
    std::optional<std::string> encoder;
    std::optional<int> bitRate;
    std::optional<int> sampleRate;
    std::optional<int> channels;
    std::optional<std::string> opusApplication;  // "voip" or "audio", for Opus outputs
    std::optional<double> start;
    std::optional<double> end;
    std::optional<int> soundTrack;  // the N-th sound track of every file; none: the last
    bool allSoundTracks = false;    // one output per sound track
    std::optional<int> jobs;        // files converted at once; none given: one per core
    bool merge = false;
    // Each file in parts: at its chapters, or at the times a list names (a file, "-" for
    // standard input; a pasted list of times and titles, or a CUE sheet).
    bool splitChapters = false;
    std::optional<std::string> splitAt;
    // ...at its pauses, or near every so many seconds at a pause; or each file's silence at its
    // ends left out (the margin kept outside the sound, seconds).
    std::optional<SilenceRule> splitSilence;
    std::optional<double> splitEvery;
    std::optional<double> trimSilence;
    bool coverFromVideo = false;        // a picture of the video as the cover of MP3, M4A, FLAC
    double coverFromVideoSeconds = -1;  // where; negative: at a tenth of the video's length
    bool json = false;
    bool skipExisting = false;
    // The inputs' folders, relative to the folder they have in common, again under the output
    // folder: inputs of one name in several folders keep outputs of their own.
    bool keepFolders = false;
    bool info = false;
    bool loudness = false;  // with --info: each chosen sound track's loudness (EBU R128)
    // Each file (each merged file) measured and brought to this loudness (LUFS), its true
    // peaks kept under the ceiling (dBTP).
    std::optional<double> normalize;
    double truePeak = -1.0;
    bool truePeakGiven = false;
    // ReplayGain tags: each output's (track), and over the run's outputs too (album).
    JobInput::ReplayGain replayGain = JobInput::ReplayGain::Off;
    bool quiet = false;
    // The job as a file: --write-job writes what would run and runs nothing; --job runs one
    // (the output folder, format, -j and --skip-existing given beside it override its own).
    std::optional<std::string> writeJob;
    std::optional<std::string> job;
    bool outputFolderGiven = false;
    // --slice K/N: only the rows whose index modulo N is K-1. --slice auto[/N]: K and N from
    // the scheduler's environment (SliceFromEnvironment), N given for those that do not say it.
    int sliceNumber = 1;
    int sliceCount = 1;
    bool sliceAuto = false;
    std::optional<int> sliceAutoCount;
    // Tempo (pitch kept), night mode, fades at each output's ends and a merge's crossfades; those
    // given apply over a job's own.
    std::optional<double> tempo;
    bool night = false;
    std::optional<double> fadeIn;
    std::optional<double> fadeOut;
    std::optional<double> crossfade;
    // One channel of the chosen sound track alone, as mono ("FL", "FC", "LFE"... or its number
    // from 1); or every channel to its own output; the centre's level in a fold-down (dB).
    // Sound tracks mixed into one output (-a 1+2), each track's gain (--track-gain N=DB), the
    // voice and the others' loudness under it (--voice N[=LU]) and their ducking (--duck[=DB]).
    tolvane::TrackMix mix;
    std::map<int, double> trackGains;  // as given, into `mix` once the options are read
    std::optional<std::string> pickChannel;
    bool splitChannels = false;
    std::optional<double> centerMix;
    // --check: with --job, which rows are made, missing or failed; nothing is converted.
    bool check = false;
    bool help = false;
    bool version = false;
};

struct CliParse final {
    CliOptions options;
    std::string error;  // empty: the arguments are good
};

CliParse ParseCliArguments(const std::vector<std::string>& arguments);

// What the options ask of a run, as the rules of what goes together see it.
tolvane::RunChoices CliChoices(const CliOptions& options);
// What a run of `job` asks as the options and the job give it (`slices`: how many slices the
// run is in), for the planner's rules.
tolvane::RunChoices RunChoicesOf(const CliOptions& options, const JobDocument& job, int slices);

// The tempo, night mode and fades the options give, over `base` (a job's own).
tolvane::ListenShape ListenOf(const CliOptions& options, tolvane::ListenShape base = {});

// "90", "1:30", "00:01:30", "90.5" → seconds; no value for anything else.
std::optional<double> ParseCliTime(const std::string& text);

// "128k", "128K", "128000" → bits per second.
std::optional<int> ParseCliBitRate(const std::string& text);

struct CliProfile final {
    OutputSettings settings;
    std::string entryText;   // the format entry whose extension names the outputs
    bool copySound = false;  // -f copy: the original sound, each output named by its codec
};

// The profile the options ask for, as the window would make it: start-up values without a
// format; a format entry's values (128 kbps, 44100 Hz, 2 channels) for mp3, wav, wma and ogg;
// an audio preset's defaults for the extension of any other audio preset; then the overrides.
// Empty `error` on success.
CliProfile ResolveCliProfile(const CliOptions& options, std::string& error);

// The encoder, bit rate, sample rate, channels and Opus application the options give, over
// `profile` (a format's, or a job's own when no format is given); `error` when one cannot be.
void ApplyCliRefinements(const CliOptions& options, CliProfile& profile, std::string& error);

// K and N of --slice auto from a scheduler's environment (`get` reads a variable, null when
// unset): a Slurm array job (SLURM_ARRAY_TASK_ID, with SLURM_ARRAY_TASK_COUNT or
// SLURM_ARRAY_TASK_MIN, _MAX and _STEP), a Kubernetes indexed Job (JOB_COMPLETION_INDEX, from 0,
// with N given as auto/N) or GNU parallel (PARALLEL_SEQ, from 1, with N given). Empty, or why
// not (outside any of them).
std::string SliceFromEnvironment(std::optional<int> givenCount,
                                 const std::function<const char*(const char*)>& get, int& number,
                                 int& count);

std::string CliUsage();

// Every long option's name ("output", "true-peak", ...), for checks that cover them all.
std::vector<std::string> CliOptionNames();
