#pragma once

// Converts one task of a job into an output container: the batch worker gives every task an
// output of its own, the merge worker gives all tasks the same one.

#include <cstdint>
#include <memory>
#include <string>
#include <thread>
#include <vector>

#include "AudioEncoder.h"
#include "EntryContext.h"
#include "FFmpegHandles.h"
#include "OutputMedia.h"
#include "PreviewSink.h"
#include "SegmentJoin.h"
#include "TrackMixer.h"
#include "VideoEncoder.h"

namespace tolvane {

class EntryConverter final {
public:
    // `audio` is the task's own encoder in a batch, and the one encoder of the whole merge.
    EntryConverter(EntryContext& entry, AudioEncoder& audio);
    EntryConverter(const EntryConverter&) = delete;
    EntryConverter& operator=(const EntryConverter&) = delete;
    ~EntryConverter();

    // Opens the source, sets the output up when it is not yet, converts and flushes the
    // encoders into the output. Writes neither the trailer nor the task's status. A long sound
    // to MP3, with lanes to spare, is encoded in segments on those lanes at once and joined.
    EntryResult Convert();

    // Encodes segment `segment` of `join` (for the converter of the task: see SegmentJoin).
    // A mix's segment mixes at the levels `task` (the task's converter) set for the whole.
    void JoinAs(SegmentJoin& join, int segment, const EntryConverter* task = nullptr);

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
    int LeadingSamplesToSkip(const AVFrame& frame);
    // The samples of a frame before the clip's start, by the frame's place.
    int SamplesBeforeTheClip(const AVFrame& frame);
    // With normalize: measures the sound to be written and sets the encoder's gain. False when
    // the task fails (or a stop came).
    bool BringToLoudness();
    // The first sample of a decoded sound frame, in samples of the stream's time; no value
    // when nothing tells.
    std::int64_t PlaceAudioFrame(const AVFrame& frame);
    // Cuts a decoded frame of stream `stream` to the length its packet states (the encoder's
    // padding after it).
    void TrimPadding(AVFrame& frame, int stream) const;
    // A mix of sound tracks: their decoders opened, their levels set (the voice's rule), the
    // mixer made; each decoded frame into it, and what it has mixed into the encoder.
    bool OpenMixTracks();
    bool SetMixLevels();
    // Whether a measure of the sound is there; a failure (or a stop) ends the task.
    bool Measured(const LoudnessFacts& facts);
    void HandleMixPacket(std::size_t track, const AVPacket* packet);
    void AddToMix(std::size_t track, AVFrame& frame, int stream);
    void PushMixed();
    double FrameSeconds(const AVFrame& frame, int streamIndex) const;

    bool ClipEndReached() const;
    double AudioSeconds() const;
    double VideoSeconds() const;
    void UpdateProgress(bool afterAudioDecode);
    void StartPreview();
    void StopPreview();
    // With lanes to spare: cuts the sound into segments and starts their helpers.
    void StartSegments();
    // On a helper's thread: encodes segment k of the task's sound.
    void RunSegment(int k);
    // Ends this converter's segment; the task's converter then writes the others.
    void EndSegment();

    EntryContext& m_entry;
    const JobPlan& m_plan;
    OutputMedia& m_output;
    const std::string& m_sourcePath;
    std::string m_thumbnailPath;
    bool m_thumbnailDone = false;

    SourceMedia m_source;
    AudioEncoder& m_audio;
    // The other sound tracks of a mix (the first is the source's audio stream): their streams
    // and decoders; the mixer, made with the first frame.
    struct MixTrack {
        int stream = -1;
        CodecContextPtr decoder;
    };
    TrackMix m_mix;
    std::vector<MixTrack> m_mixTracks;
    std::vector<TrackMixer::Track> m_mixLevels;
    bool m_mixLevelsGiven = false;  // a segment's: the task's, not measured again
    std::unique_ptr<TrackMixer> m_mixer;
    FramePtr m_mixFrame;               // a decoded frame of another mixed track
    FramePtr m_mixedFrame;             // what the mixer gives
    std::int64_t m_samplesBefore = 0;  // samples the encoder had taken before this entry
    std::int64_t m_outputBefore = 0;   // samples of the output's time line before it
    VideoEncoder m_video;
    std::int64_t m_picturesEncoded = 0;
    bool m_audioOpen = false;
    bool m_videoOpen = false;
    PreviewSink* m_preview = nullptr;  // while this task shows its pictures
    FramePtr m_frame;
    PacketPtr m_packet;

    // Segments: the join this converter encodes a segment of (its own for the task's
    // converter), and the helpers' threads (joined before the join goes).
    SegmentJoin* m_join = nullptr;
    std::int64_t m_countedSkip = -1;  // samples a read-through segment still passes over
    int m_segment = 0;
    SegmentJoin::Gain m_gain;  // as set by BringToLoudness
    std::unique_ptr<SegmentJoin> m_ownJoin;
    std::vector<std::jthread> m_helpers;

    AVRational m_sourceRate{0, 1};  // corrected base frame rate of the source video
    bool m_oddFrameRate = false;    // the source's base rate is exactly 359/12
    bool m_inputIsRm = false;
    bool m_packetLengthsExact = false;  // the source states each packet's length to the sample
    bool m_outputIsRm = false;
    double m_skipUntil = 0.0;  // seconds from the source's start: decoded before the clip
    // Where the decoded sound's frames begin: the first frame placed began at a sample from
    // `low` to `high` (in the stream's time), and `counted` samples came since.
    struct AudioPlace {
        bool known = false;
        std::int64_t low = 0;
        std::int64_t high = 0;
        std::int64_t counted = 0;
    };
    AudioPlace m_audioPlace;
    double m_readSeconds = 0.0;  // how far the source's sound was read
    std::int64_t m_decodeCalls = 0;
    std::int64_t m_packetEstimate = 100;
    bool m_audioWriteFailed = false;  // ends the task
    bool m_videoWriteFailed = false;  // ends the task
};

}  // namespace tolvane
