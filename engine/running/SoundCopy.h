#pragma once

// The original sound without re-encoding: a task's sound track goes packet by packet into a
// container chosen by its codec. Clips are cut at packet precision: from the packet that holds
// the start to the packet that holds the end.

#include <string>

#include "CopyContainers.h"
#include "EntryContext.h"
#include "FFmpegHandles.h"
#include "OutputMedia.h"

namespace tolvane {

// "AC-3, 5.1(side), 48000 Hz": what a person needs to tell two tracks apart.
std::string DescribeTrack(const AVCodecParameters& track);

// Empty when packets of `other` can follow packets of `first` in one stream: the same codec,
// sample rate, channel layout and codec parameters; else what differs.
std::string CopyMismatch(const AVCodecParameters& first, const AVCodecParameters& other);

// Why the tasks of `plan` that take part (those with a source path) cannot be merged by copying:
// the first task whose track differs from the first task's, or -1 when they can.
struct CopyMergeCheck final {
    int task = -1;
    int firstTask = -1;
    std::string reason;  // "AC-3, 5.1(side), 48000 Hz, unlike AAC, stereo, 44100 Hz"
};
CopyMergeCheck CheckCopyMerge(const JobPlan& plan);
// The same over `sources` (a path and its sound track, from 1; 0 the last), in order.
struct CopySource final {
    std::string path;
    int soundTrack = 0;
};
CopyMergeCheck CheckCopyMerge(const std::vector<CopySource>& sources);

// Copies task `index` into `output` (a file of its own in a batch, the shared one in a merge).
// Writes neither the trailer nor the task's status, as EntryConverter.
class SoundCopier final {
public:
    explicit SoundCopier(EntryContext& entry);
    SoundCopier(const SoundCopier&) = delete;
    SoundCopier& operator=(const SoundCopier&) = delete;

    EntryResult Copy();

private:
    bool OpenSource();
    bool SetUpOutput();
    // With a loudness asked for: measures the clip and puts the gain that brings it there into
    // the Opus header's output gain (no packet changes); the true-peak ceiling lowers it where
    // needed. False, with the task failed, for another codec or a measure that fails.
    bool SetHeaderGain(AVCodecParameters& parameters);
    void SeekToClipStart();
    void CopyPackets();
    bool CopyPacket(AVPacket* packet);
    // Says where a clip's copy really starts and ends, when that is not where it was asked.
    void NoteClipEdges(double seconds);
    void UpdateProgress();

    EntryContext& m_entry;
    OutputMedia& m_output;
    SourceMedia m_source;
    AVStream* m_track = nullptr;  // the source's sound track

    // Stream time base of the source track.
    std::int64_t m_startTs = 0;        // the clip's start
    std::int64_t m_endTs = INT64_MAX;  // packets starting there or later are after the clip
    std::int64_t m_offset = 0;         // subtracted from source timestamps
    std::int64_t m_copiedTs = 0;       // sound copied, from the output's start
    std::int64_t m_originTs = 0;       // where the file's time 0 is
    std::int64_t m_packetsCopied = 0;
    double m_readSeconds = 0.0;  // how far the track was read, from the start of the file
};

}  // namespace tolvane
