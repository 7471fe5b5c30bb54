#pragma once

// A job as the window and the command line both keep it: the rows of the list (what to convert,
// with each row's clip, sound track and part of a split) and the settings of the run, and its
// file (".tolvane-job", JSON: see docs/job-format.md).

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "Json.h"
#include "OutputSettings.h"
#include "TrackMix.h"

inline constexpr std::string_view kJobFormatName = "tolvane-job";
// Version 2: relative paths are relative to the job file's folder (in version 1 they were
// relative to the folder the run started in, and a version 1 file keeps that meaning).
inline constexpr int kJobFormatVersion = 2;
inline constexpr std::string_view kJobFileExtension = ".tolvane-job";

// The row is one part of a split of its file: its number (from 1) of `count`, its title (may be
// empty) and the recording it belongs to (the album of its tags).
struct JobRowPart final {
    int number = 0;
    int count = 0;  // 0: the row is the whole file (or its clip), no part
    std::string title;
    std::string album;

    bool IsPart() const { return count > 0; }
};

// What became of a row in the run that last went over it.
enum class JobRowState : std::uint8_t {
    Ready,      // not run (or not finished)
    Converted,  // its output was made whole
    Failed,
};

struct JobRow final {
    std::string source;  // the path as given
    bool checked = true;
    std::int64_t startMs = 0;  // from the start of the file
    std::int64_t endMs = 0;    // with toEnd only what the list shows as the end
    bool toEnd = true;         // no end of its own: to the end of the sound
    int soundTrack = 0;        // from 1; 0 the file's last
    // The output's name carries the sound track's number and language ("film.2.eng.mp3"), as
    // when every track of a file has an output of its own.
    bool trackInName = false;
    // One channel of the sound track alone, as a mono output (from 1, in the track's order);
    // 0: every channel. With `channelInName` the output's name carries the channel's name
    // ("talk.FL.flac"), as when every channel has an output of its own.
    int channel = 0;
    bool channelInName = false;
    tolvane::TrackMix mix;  // several sound tracks mixed into the output (instead of soundTrack)
    JobRowPart part;
    JobRowState state = JobRowState::Ready;
    std::string status;         // what the list showed of it ("Converted (0:12)"), for people
    std::string output;         // the output it made, when it made one
    JsonValue::Object unknown;  // members a newer program wrote: kept and written back

    double StartSeconds() const { return static_cast<double>(startMs) / 1000.0; }
    double EndSeconds() const { return static_cast<double>(endMs) / 1000.0; }
};

// Seconds as the milliseconds of a row (rounded to the nearest).
std::int64_t RowMillis(double seconds);

enum class GainTagChoice : std::uint8_t { Off, Track, Album };

// The settings of a run: the format and its encoder numbers, where the outputs go and how.
struct JobSettings final {
    std::string formatEntry;  // the format entry whose extension names the outputs
    bool copySound = false;   // the original sound, copied
    OutputSettings profile;   // the encoder numbers (unused for a copy)
    std::string outputFolder;
    bool merge = false;
    int filesAtOnce = 0;  // 0: one per core
    bool normalize = false;
    double loudnessTarget = -16.0;
    double truePeakCeiling = -1.0;
    GainTagChoice replayGain = GainTagChoice::Off;
    bool coverFromVideo = false;
    double coverFromVideoSeconds = -1.0;  // negative: at a tenth of the video
    bool skipExisting = false;
    bool keepFolders = false;   // outputs in the inputs' folders under the output folder
    JsonValue::Object unknown;  // as JobRow's
};

struct JobDocument final {
    JobSettings settings;
    std::vector<JobRow> rows;
    JsonValue::Object unknown;  // as JobRow's
};

struct JobRead final {
    std::optional<JobDocument> job;
    std::string error;  // for people, when there is no job
    int version = 0;    // the file's format version
};

// The file's text of `job`.
std::string WriteJobText(const JobDocument& job);
// A job from a file's text. Members it does not know are kept as they are (and written back by
// WriteJobText) but mean nothing here; a document of another format, of a newer version, or not
// whole is refused with the reason.
JobRead ReadJobText(std::string_view text);

// The file at `path`, read whole (at most 64 MiB); `error` says why not. Its relative paths
// (sources, outputs, the output folder) come back resolved against the file's folder (version 2
// on), or as they stand (version 1: relative to the folder the run starts in).
JobRead ReadJobFile(const std::string& path);
// Why `path` may not take a job: empty when nothing is there (a new file) or when a job file
// is (a regular file whose document is a Tolvane job); anything else (a video, a symlink, a
// device, a folder) is refused with the reason, so that writing a job never destroys a file
// that is not one.
std::string JobFileTargetRefusal(const std::string& path);

// The job's paths as the file at `path` stores them: below the file's folder relative to it,
// elsewhere absolute (a relative path given is taken from the current folder first).
JobDocument JobWithPathsFor(const std::string& path, JobDocument job);

// Writes `job` to `path` so that the file is either the old one or the whole new one (a
// temporary file beside it, flushed, then renamed over it). Empty on success, else why not.
// Its paths are stored as JobWithPathsFor says.
std::string WriteJobFile(const std::string& path, const JobDocument& job);
