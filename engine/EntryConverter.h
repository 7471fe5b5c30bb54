#pragma once

// Converts one task of a job into an output container: the batch worker gives every task an
// output of its own, the merge worker gives all tasks the same one.

#include <cstdint>
#include <string>

#include "AudioEncoder.h"
#include "FFmpegHandles.h"
#include "OutputMedia.h"
#include "PreviewSurface.h"
#include "VideoEncoder.h"

class AVConvert;

namespace tolvane {

enum class EntryMode {
    Batch,  // clip start and length apply; "rm" rules apply; progress over the clip length
    Merge,  // whole sources; progress over the whole merge
};

struct EntryResult {
    bool failed = false;   // the task's status is 2 (its output may still need its trailer)
    bool stopped = false;  // stopRequested ended the task before its end
    bool wrote = false;    // the task handed sound (or, in a video job, pictures) to the output
    double soundSeconds = 0.0;  // sound this entry handed to the encoder
    std::string failure;        // the first reason it failed
};

// What an entry shares with the rest of the run. A batch that converts several tasks at once
// lets only one of them draw the preview, and publishes the job's current-file progress itself.
struct EntryLane {
    bool publishesFileProgress = true;  // writes the job's fileProgress as well as its own
    bool drawsPreview = true;
};

// Why a task failed: the first reason is the one reported.
struct TaskFailure final {
    bool failed = false;
    std::string reason;
    // Fails the task, keeping the first reason (with the library's text for a negative `error`).
    void Note(const std::string& why, int error = 0);
};

// Before an entry's first packet. While the output has no header, the source's tags and cover
// picture go in and the file is created (task `index`'s output path becomes the name written;
// a merge records that task as the one naming it). A later merge entry only gets the free name
// it reports. Returns 0, or the error with what failed in `failure`.
int StartEntryOutput(AVConvert& job, int index, EntryMode mode, OutputMedia& output,
                     const AVFormatContext& input, int soundIndex, TaskFailure& failure);

// Stores a task's progress in percent (a merge shows 100 only once its trailer is written), and
// the job's current-file progress when the lane publishes it.
void PublishTaskProgress(AVConvert& job, int index, EntryLane lane, EntryMode mode,
                         std::int64_t percent);

class EntryConverter final {
public:
    // `audio` is the task's own encoder in a batch, and the one encoder of the whole merge.
    EntryConverter(AVConvert& job, int index, OutputMedia& output, AudioEncoder& audio,
                   EntryMode mode, EntryLane lane = {});
    EntryConverter(const EntryConverter&) = delete;
    EntryConverter& operator=(const EntryConverter&) = delete;

    // Opens the source, sets the output up when it is not yet, converts and flushes the
    // encoders into the output. Writes neither the trailer nor the task's status.
    EntryResult Convert();

private:
    bool OpenSource();
    bool SetUpOutput();
    void SeekToClipStart();
    void RunPacketLoop();
    void DrainDecoders();
    void FinishEntry();

    void HandleAudioPacket(const AVPacket* packet);
    void HandleVideoPacket(const AVPacket* packet);
    void ReceiveAudioFrames();
    void ReceiveVideoFrames();
    void HandleVideoFrame(const AVFrame& frame);
    int LeadingSamplesToSkip(const AVFrame& frame) const;
    double FrameSeconds(const AVFrame& frame, int streamIndex) const;

    bool ClipEndReached() const;
    bool RunsToTheEnd() const;
    double AudioSeconds() const;
    double VideoSeconds() const;
    void UpdateProgress(bool afterAudioDecode);
    // Logs the failure with the source's name and fails the task; returns false.
    bool Fail(const char* what, int error);
    void NoteFailure(const char* reason, int error = 0) { m_failure.Note(reason, error); }

    AVConvert& m_job;
    const int m_index;
    OutputMedia& m_output;
    const EntryMode m_mode;
    const EntryLane m_lane;
    const std::string m_sourcePath;
    TaskFailure m_failure;
    std::string m_thumbnailPath;
    bool m_thumbnailDone = false;

    SourceMedia m_source;
    AudioEncoder& m_audio;
    std::int64_t m_samplesBefore = 0;  // samples the encoder had taken before this entry
    VideoEncoder m_video;
    std::int64_t m_picturesEncoded = 0;
    bool m_audioOpen = false;
    bool m_videoOpen = false;
    PreviewSurface m_preview;
    FramePtr m_frame;
    PacketPtr m_packet;

    AVRational m_sourceRate{0, 1};  // corrected base frame rate of the source video
    bool m_oddFrameRate = false;    // the source's base rate is exactly 359/12
    bool m_inputIsRm = false;
    bool m_outputIsRm = false;
    double m_skipUntil = 0.0;  // seconds from the source's start: decoded before the clip
    std::int64_t m_decodeCalls = 0;
    std::int64_t m_packetEstimate = 100;
    bool m_stopped = false;
    bool m_audioWriteFailed = false;  // ends the task
    bool m_videoWriteFailed = false;  // ends the task
};

}  // namespace tolvane
