#pragma once

// What every kind of entry shares: the job's parts as each may touch them, the task, the output,
// the failure record, how reading the source ended, progress and the result. Converting and
// copying write only what differs.

#include <atomic>
#include <cstdint>
#include <functional>
#include <string>

#include "AVConvert.h"
#include "FFmpegHandles.h"
#include "Loudness.h"
#include "OutputMedia.h"

namespace tolvane {

enum class EntryMode {
    Batch,  // clip start and length apply; "rm" rules apply; progress over the clip length
    Merge,  // whole sources; progress over the whole merge
};

struct EntryResult {
    bool failed = false;   // the task's status is 2 (its output may still need its trailer)
    bool stopped = false;  // stopRequested ended the task before its end
    bool wrote = false;    // the task handed sound (or, in a video job, pictures) to the output
    double soundSeconds = 0.0;  // sound this entry handed to the output
    std::string failure;        // the first reason it failed
    std::string damage;         // where a damaged source's readable sound ends (empty: whole)
    int packetsSkipped = 0;     // sound packets that did not decode
    std::vector<Said> remarks;  // what else a person should know: a cover left out, a silent
                                // sound left as it was
};

// What an entry shares with the rest of the run. A batch that converts several tasks at once
// lets only one of them draw the preview, and publishes the job's current-file progress itself.
struct EntryLane {
    bool publishesFileProgress = true;  // writes the job's fileProgress as well as its own
    bool drawsPreview = true;
    int spareLanes = 0;  // lanes of the run with nothing else to do: a long sound may use them
};

// Why a task failed: the first reason is the one reported.
struct TaskFailure final {
    bool failed = false;
    std::string reason;
    // Fails the task, keeping the first reason (with the library's text for a negative `error`).
    void Note(const std::string& why, int error = 0);
};

// The job as a worker may use it: the plan it runs, read-only.
struct JobView final {
    const JobPlan& plan;
    JobProgress& progress;
    JobResults& results;
};

// How a read error is to be taken: the end of the file, a failure of the file system (the task
// fails), or damaged data (the task keeps what was read).
enum class ReadEnd { EndOfFile, SystemError, Damaged };
// `ret` is what av_read_frame returned; `input` the source (its I/O context keeps the error
// of the file system that ended its reading, which demuxers often report as end of file).
ReadEnd ClassifyReadEnd(int ret, const AVFormatContext& input, int* systemError);

class EntryContext final {
public:
    EntryContext(JobView job, int index, OutputMedia& output, EntryMode mode, EntryLane lane);
    EntryContext(const EntryContext&) = delete;
    EntryContext& operator=(const EntryContext&) = delete;

    const JobPlan& Plan() const { return m_job.plan; }
    const PlannedTask& Task() const { return m_job.plan.Task(m_index); }
    JobView Job() const { return m_job; }
    int Index() const { return m_index; }
    OutputMedia& Output() const { return m_output; }
    EntryMode Mode() const { return m_mode; }
    EntryLane Lane() const { return m_lane; }
    const std::string& SourcePath() const { return m_sourcePath; }
    // The name the output is written under: the requested one until the file is created.
    std::string& OutputPath() const;

    // A segment of the task's sound, encoded beside the task's own converter: its clip is
    // `start` and `length` (or to the end), of which it passes over the first `skip` seconds
    // by counting samples; it neither makes the output file nor publishes the task's progress.
    void ActAsSegment(double start, double length, bool toEnd, double skip);
    double SegmentSkip() const { return m_segment.skip; }
    bool IsSegment() const { return m_segment.on; }

    // This task's clip, as the front end set it (a segment's own).
    double ClipStart() const;
    double ClipLength() const;
    bool RunsToTheEnd() const;
    int SoundTrack() const;
    // Where the clip starts in the source's own time: its start time plus the clip start
    // (0 in a merge, which takes whole sources). Microseconds.
    std::int64_t ClipStartMicros(const AVFormatContext& input) const;

    // False, with the task failed, when it has no source or output path.
    bool CheckPaths();
    // Logs the failure with the source's name and fails the task; returns false.
    bool Fail(const std::string& what, int error = 0);
    // Fails the task with a reason that was already logged.
    void NoteFailure(const std::string& why, int error = 0) { m_failure.Note(why, error); }
    bool Failed() const { return m_failure.failed; }
    const std::string& FailureReason() const { return m_failure.reason; }
    // Where a damaged source's readable sound ends (empty: whole); a segment's, for the task.
    const std::string& Damage() const { return m_damage; }
    void NoteDamage(const std::string& damage) { m_damage = damage; }
    // Reads the stop switch; once it is seen, the entry counts as stopped.
    // Writes the ReplayGain tags of the output (and of the run's album).
    void AddReplayGain();
    // The loudness of task `index`'s clip.
    LoudnessFacts MeasureTask(int index) const;
    // The run's album gain, measured with the other lanes that need it.
    void MeasureAlbum(JobResults::Album& album) const;
    // A silent sound is not brought to a loudness.
    static constexpr char kSilentRemark[] =
        QT_TRANSLATE_NOOP("Messages", "the sound is silent: its loudness was left as it was");
    // Adds remarks to the task's report.
    void AddRemark(Said remark);
    void AddRemarks(const std::vector<Said>& remarks);
    bool StopSeen();
    // The job's stop switch, for work that watches it itself.
    const std::atomic<bool>& StopFlag() const;
    bool Stopped() const { return m_stopped; }
    // The user hid the live preview.
    bool PreviewHidden() const {
        return m_job.progress.previewHidden.load(std::memory_order_relaxed);
    }

    // Before the entry's first packet: tags, cover, the file (see StartEntryOutput).
    bool StartOutput(const AVFormatContext& input, int soundIndex);

    // Progress: `seconds` of output over the clip (or the whole merge).
    void PublishSeconds(double seconds);
    void PublishPercent(std::int64_t percent);

    // Reading the source ended with `ret` (not a packet) after `readSeconds` of its sound (from
    // the start of the file). A failure of the file system fails the task with the library's
    // reason. Damaged data (a read error of the demuxer, or an end of file that comes early
    // after the demuxer reported an error) keeps what was read and says where it ends. A
    // plain end of file says nothing. Returns false when the task failed.
    bool NoteReadEnd(int ret, const SourceMedia& source, double readSeconds);
    // The reading both a conversion and a copy do: the source's packets in file order, each
    // handed to `handle` until it says it has enough (false); a Stop is looked for before every
    // read. How far the sound (stream `soundIndex`) was read goes into `readSeconds`, and the
    // end of the reading is noted as NoteReadEnd notes it. Returns true when the source was
    // read to its end without failing the task (what is left in a decoder may then be drained).
    // `packet` is unreferenced after each turn.
    bool ReadPackets(const SourceMedia& source, AVPacket& packet, int soundIndex,
                     double& readSeconds, const std::function<bool(AVPacket&)>& handle);
    // Seeks `stream` of `input` (-1: the default one, in microseconds) to `seconds` (a second
    // unless told) before `target` (in that stream's time base), never before `floor`: a
    // container places a stream's packets where it likes, and a demuxer's seek is rough. A
    // failed seek is logged; reading on from the start still finds the clip.
    void SeekEarly(AVFormatContext& input, int stream, std::int64_t target,
                   std::int64_t floor = INT64_MIN, double seconds = 1.0) const;
    // Where a packet of `stream` ends, in seconds from the start of the file: how far the
    // source was read.
    static double PacketEndSeconds(const AVPacket& packet, const AVStream& stream,
                                   const AVFormatContext& input);
    // A sound packet that did not decode: skipped, and counted for the report.
    void CountSkippedPacket() { ++m_packetsSkipped; }
    int PacketsSkipped() const { return m_packetsSkipped; }
    void SetPacketsSkipped(int count) { m_packetsSkipped = count; }

    // The result, with `wrote` and `seconds`; an entry that wrote nothing, neither failed nor
    // stopped, fails with `nothingWritten` ("no sound was converted").
    EntryResult Finish(bool wrote, double seconds, const char* nothingWritten);

private:
    JobView m_job;
    const int m_index;
    OutputMedia& m_output;
    const EntryMode m_mode;
    const EntryLane m_lane;
    const std::string m_sourcePath;
    const double m_mergeSeconds;  // a merge's progress denominator: every entry's seconds
    struct SegmentClip {
        bool on = false;
        double start = 0.0;
        double length = 0.0;
        bool toEnd = true;
        double skip = 0.0;
    };
    SegmentClip m_segment;
    TaskFailure m_failure;
    bool m_stopped = false;
    std::string m_damage;
    std::vector<Said> m_remarks;
    int m_packetsSkipped = 0;
};

}  // namespace tolvane
