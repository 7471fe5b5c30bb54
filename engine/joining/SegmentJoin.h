#pragma once

// One long sound encoded in segments at once, one per free lane, and joined into one stream
// that decodes as one encode would: MP3 as below; FLAC's independent frames renumbered; PCM as
// it is; Opus and WMA packets as they come, Vorbis packets where their windows agree (each
// segment's encoder primed alike, so that its packets lie on the one encode's grid; the stream
// keeps the first encoder's priming).
//
// Segment k encodes from a little before its cut (the pre-roll: the encoder's analysis and bit
// reservoir settle there) on the frame grid of the whole sound. Where segment k reaches the cut
// of the next segment, it looks, frame by frame, for a frame of the next whose bit reservoir
// (main_data_begin: the bytes its main data takes from the frames before it) fits in the
// reservoir the frame of its own stream would have had: there the next segment's frames take
// over, and the reservoir bytes they need are carried into the unused tail of the frames
// before. Every frame's main data is thus whole, and the decoder's overlap joins two encodes
// of the same sound. A segment that finds no join, fails or stops before its join gives its
// part back: the segment before it carries on (and the ones after it are given up too).
//
// Threads: every segment's encoder calls Take from its own thread; the task's own thread
// writes. One mutex guards the state below.

#include <atomic>
#include <condition_variable>
#include <cstdint>
#include <cstdio>
#include <deque>
#include <functional>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

#include "FFmpegHandles.h"

extern "C" {
#include <libavutil/md5.h>
#include <libavutil/mem.h>
}

namespace tolvane {

class OutputMedia;

// What an MPEG audio Layer III frame says of its bytes: where its main data area begins (after
// the header, the CRC and the side information), and how many bytes before its header its
// main data begins. False for anything that is no Layer III frame.
struct Layer3Frame final {
    int dataStart = 0;
    int mainDataBegin = 0;
};
bool ReadLayer3Frame(const std::uint8_t* data, int size, Layer3Frame& frame);

// Writes into the main data areas of `tail` (frames in stream order) the last `count` bytes of
// the main data areas of `source`, ending where each ends. False, with nothing written, when
// either has fewer such bytes or a packet is no Layer III frame.
bool CarryReservoir(const std::vector<AVPacket*>& tail, const std::vector<const AVPacket*>& source,
                    int count);

// FLAC frames of a fixed block size are numbered: gives the frame `number`, its header's CRC-8
// and its CRC-16 made anew. False, with the packet as it was, for anything else.
bool RenumberFlacFrame(AVPacket& packet, std::int64_t number);

// How the frames of a codec join: MP3 frames with their bit reservoir carried; FLAC frames
// (independent, numbered) renumbered; PCM as they are; whole packets of a codec whose frames
// overlap or carry state but need nothing of the packets before them (Opus, WMA) at the first
// packet of the cut, the encoder settled by its pre-roll; Vorbis packets (of a length of their
// own, placed by where they start) where the packet before the join and the joining one have
// the same blocks and window flags in both encodes.
enum class SegmentCodec { Mp3, Flac, Pcm, Packets, Vorbis };

// Where the segments of a sound lie: frames of `frameSize` samples at the encoder's rate.
struct SegmentLayout final {
    SegmentCodec codec = SegmentCodec::Mp3;
    int frameSize = 1152;
    int rate = 44100;
    std::vector<std::int64_t> cuts;      // first frame of each segment (cuts[0] == 0)
    std::vector<std::int64_t> readFrom;  // first frame each segment encodes
    // The segments read from where the task reads and count their way to where they begin
    // (the source's timestamps cannot place a seek to the sample).
    bool readThrough = false;
};

// The layout for `segments` segments of a sound of `seconds` (at least a minute each, else
// fewer; one: none worth cutting) whose encoder takes frames of `frameSize` samples at `rate`,
// from a source at `sourceRate`: every cut and every pre-roll lies on a sample of both rates.
SegmentLayout LayOutSegments(SegmentCodec codec, double seconds, int segments, int frameSize,
                             int rate, int sourceRate);
// The frame grid a PCM encoder is given for segments: about 4096 samples, whole samples of
// both rates.
int PcmSegmentFrame(int rate, int sourceRate);

class SegmentJoin final {
public:
    // `spillFolder`: where frames made long before they are written wait (a file without a
    // name, gone when closed; the system's temporary folder when the folder takes none).
    SegmentJoin(SegmentLayout layout, std::string spillFolder);
    SegmentJoin(const SegmentJoin&) = delete;
    SegmentJoin& operator=(const SegmentJoin&) = delete;

    const SegmentLayout& Layout() const { return m_layout; }
    int Segments() const { return static_cast<int>(m_layout.cuts.size()); }
    // Where segment k's encoding starts, in seconds after the sound's start.
    double ReadFromSeconds(int k) const;

    // Segment k's encoder made its next packet (timestamps in samples from where the segment
    // starts reading). Segment 0 writes what is settled to `output` (its own thread is the
    // task's). Returns 0 or a write error.
    int Take(int k, AVPacket& packet, OutputMedia* output);
    // Segment k has made all it adds (it reached the next segment's join) or was given up.
    bool Done(int k) const;
    // How a segment's encoder ended.
    struct Ending final {
        bool complete = false;     // it reached the end of the sound (or where a damaged
                                   // source's readable sound ends) and flushed
        std::int64_t samples = 0;  // samples it took
        std::string failure;       // why it failed (empty: it stopped, or did not fail)
        std::string damage;        // where a damaged source's readable sound ends
        int packetsSkipped = 0;    // sound packets that did not decode
        std::string remark;        // what the task's status should say of it (one each)
    };
    void End(int k, Ending ending);
    // Gives up every segment after the first (the task ends early: a failure or a stop).
    void GiveUpHelpers();

    // Writes, on the task's thread, once segment 0 has ended: what segment 0 still holds, then
    // every later segment's frames in order as they come, until the sound's end or a stop
    // (each segment ends itself at a stop). `progress` is called now and then while it waits.
    // Returns 0, or a negative write error (`failure` then says why when a segment failed after its
    // join).
    // `report` gets the failure, the damage of the last segment written and the packets
    // skipped in all.
    // `stopped` is asked between batches of what a later segment made long before: a stop
    // there ends the writing where it is.
    int WriteRest(OutputMedia& output, const std::function<void(double)>& progress,
                  const std::function<bool()>& stopped, Ending& report);

    // Seconds of sound encoded so far by all segments together (for progress).
    double Seconds() const;
    // Samples of the whole sound, once it is written to its end; else about those written.
    std::int64_t TotalSamples() const;
    // Segments that took part in the output (at least 1).
    int Joined() const;

    // The gain every segment applies (measured once for the whole sound).
    struct Gain {
        bool on = false;
        double gain = 1.0;
        double ceiling = 1.0;
        bool limit = false;
    };
    void SetGain(Gain gain) { m_gain = gain; }
    Gain GainToApply() const { return m_gain; }

private:
    enum class State { Running, Joined, GaveUp };
    struct Held final {
        std::int64_t frame = 0;
        int mainDataBegin = 0;
        PacketPtr packet;
    };
    // Frames made long before they are written, first in first out, in a file.
    class Spill final {
    public:
        Spill() = default;
        Spill(const Spill&) = delete;
        Spill& operator=(const Spill&) = delete;
        ~Spill();
        bool Empty() const { return m_count == 0; }
        int Put(const Held& held, const std::string& folder);
        int Get(Held& held);

    private:
        std::FILE* m_file = nullptr;
        long m_readAt = 0;
        std::size_t m_count = 0;
    };
    struct Segment final {
        State state = State::Running;
        std::int64_t made = 0;     // packets made
        std::int64_t reached = 0;  // the frame after the start of the last packet made
        std::int64_t join = -1;    // the frame from which it is written (after its joining)
        bool done = false;
        bool ended = false;
        Ending ending;
        Spill spill;            // made, kept, not yet written: the oldest
        std::deque<Held> held;  // then these, in memory
        std::size_t heldBytes = 0;
        std::vector<Held> window;  // a later segment's frames about its cut, until it is joined
    };

    // The first segment after k not given up; -1 for none.
    int NextLiving(int k) const;
    // Gives up segments k (at least 1) and after: the segment before them carries on.
    void GiveUpFrom(int k);
    // Writes what segment k holds, all of it or what no join can touch any more; with
    // `batchOnly` a few megabytes of its spill at most, returning 1 when more is left.
    int WriteSettled(int k, OutputMedia& output, bool all, bool batchOnly = false);
    // Writes `ready` in order on the task's thread (`total`: the stream's samples, for the last
    // packet of a FLAC stream; negative while unknown).
    int WritePackets(std::vector<PacketPtr>& ready, std::int64_t total, OutputMedia& output);
    // Keeps a frame segment k made; the oldest go to its spill file past a size.
    int Keep(Segment& segment, Held held);
    // Whether the frame `frame` of `after` may follow the frames of `before`'s stream (whose
    // own frame there is `own`); carries what it needs into them.
    bool JoinsHere(Segment& before, const Held& own, const Segment& after, std::int64_t frame);
    // The last packet of a FLAC stream states the whole stream's length and the MD5 of its
    // sound (`md5`, null: unknown).
    void FixStreamInfo(AVPacket& packet, std::int64_t samples, const std::uint8_t* md5) const;
    // Adds the sound of a FLAC frame about to be written to the stream's MD5, as FLAC sums it
    // (each sample little-endian in whole bytes of its bit depth, channels interleaved).
    int SumFlacFrame(const AVPacket& packet, const AVCodecParameters& stream);

    // The MD5 of a joined FLAC stream's sound, summed as its frames are written: written by the
    // thread that writes the output (the task's own converter) only.
    struct FlacSum final {
        CodecContextPtr decoder;
        FramePtr frame;
        std::unique_ptr<AVMD5, void (*)(void*)> md5{nullptr, &av_free};
        std::vector<std::uint8_t> bytes;
    };
    FlacSum m_flacSum;

    const SegmentLayout m_layout;
    const std::string m_spillFolder;
    Gain m_gain;  // set before the helpers start
    mutable std::mutex m_mutex;
    std::condition_variable m_changed;
    std::vector<Segment> m_segments;  // guarded by m_mutex
    int m_joined = 1;                 // segments written into the output
    std::int64_t m_total = 0;         // samples of the whole sound, once written to its end
    std::int64_t m_written = 0;       // frames written
};

}  // namespace tolvane
