#pragma once

// The output container of one task, or of a whole merge, and the writing of encoded packets.

#include <cstdint>
#include <functional>
#include <memory>
#include <string>

#include "FFmpegHandles.h"
#include "OutputFile.h"
#include "OutputTags.h"
#include "PacketLoudness.h"

namespace tolvane {

// One output stream and the timestamps written to it. Encoders of later merge entries start
// their timestamps from zero again; the first packet of each entry fixes a shift that carries
// them on from where the stream stands, so timestamps rise across the whole file.
struct StreamTrack final {
    AVStream* stream = nullptr;
    std::int64_t endDts = AV_NOPTS_VALUE;   // stream time base: end of the last packet written
    std::int64_t lastDts = AV_NOPTS_VALUE;  // stream time base: the last packet's own
    std::int64_t shift = 0;
    bool shiftKnown = false;
};

class OutputMedia final {
public:
    OutputMedia() = default;
    OutputMedia(const OutputMedia&) = delete;
    OutputMedia& operator=(const OutputMedia&) = delete;
    // A file that was started but never finished (a header without its trailer) is removed:
    // only Finish keeps a file.
    ~OutputMedia();

    // Allocates the container for `format` with the file name `path`. Returns 0 or an AVERROR.
    int Allocate(const AVOutputFormat* format, const std::string& path);
    bool Allocated() const { return m_context != nullptr; }
    AVFormatContext* Context() const { return m_context.get(); }

    // Creates the file (never replacing one: see ExclusiveOutputFile) and writes the header.
    // Returns 0 or an AVERROR; on failure nothing of ours is left on disk.
    int CreateFileAndWriteHeader(const std::string& requestedPath);
    bool HeaderWritten() const { return m_headerWritten; }
    const std::string& WrittenPath() const { return m_file.Path(); }

    // Adds a stream carrying the encoder's parameters. Returns null on failure.
    AVStream* AddStream(const AVCodecContext& encoder);

    // Adds the cover picture's stream; its one packet is written with the header. Only before
    // the header, and only for formats that carry a cover. Returns 0 or an AVERROR.
    int AddCover(CoverPicture cover);
    // Whether a cover may still be added: the format carries one, there is none yet, and no
    // video stream (a video output keeps its own pictures).
    bool TakesCover() const;

    // Writes a packet (timestamps in the stream's time base) with the entry's shift, so that
    // timestamps rise across entries and across jumps back. The muxer takes its reference.
    int WritePacket(AVPacket* packet, StreamTrack& track);

    // Starts a new entry: its encoders' timestamps get a fresh shift.
    void BeginEntry();

    // Hands the audio encoder's packets (in the encoder's time base) to `sink` instead of the
    // file: a segment of a longer sound, joined elsewhere. The sink may take the packet's data.
    void SendAudioTo(std::function<int(AVPacket& packet)> sink) { m_audioSink = std::move(sink); }
    // Writes an encoded packet to `track`: its timestamps from the encoder's `timeBase` into the
    // stream's, then as WritePacket.
    int WriteEncoded(AVPacket* packet, AVRational timeBase, StreamTrack& track);

    // Sends `frame` (null: flush) to `encoder` and writes every packet it gives to `track`.
    // Returns 0, or the negative encode or write error.
    int EncodeAndWrite(AVCodecContext* encoder, const AVFrame* frame, StreamTrack& track);

    // Writes the trailer and closes the file. Returns 0 or the first error; `failure` gets
    // the before-close step's reason when that failed.
    int Finish(std::string* failure = nullptr);
    // Measures the loudness of the sound as it is written (see PacketLoudness), for the
    // before-close step. Before the first packet.
    void MeasureWrittenSound() { m_measure = true; }
    // What was written, as the before-close step sees it.
    struct Written final {
        double soundSeconds = 0.0;
        const LoudnessFacts* loudness = nullptr;  // null: not measured while written
    };
    // Runs once the trailer is written and before the file gets its name: it may read the part
    // file and overwrite bytes in it (see ExclusiveOutputFile::Overwrite). A negative result
    // (AVERROR_EXIT: stopped) keeps the file from its name; `failure` says why.
    using BeforeClose =
        std::function<int(ExclusiveOutputFile& file, const Written& written, std::string& failure)>;
    void SetBeforeClose(BeforeClose beforeClose) { m_beforeClose = std::move(beforeClose); }
    // Closes the file without a trailer and removes it: the task failed or wrote nothing.
    void Discard();

    // Seconds of sound written to the audio stream so far (the end of its last packet).
    double AudioSecondsWritten() const;

    StreamTrack audio;
    StreamTrack video;
    std::vector<ChapterMark> chapters;  // the chapters the header was written with
    std::int64_t videoPts = 0;          // timestamp counter of encoded video, across entries
    double videoEndSeconds = 0.0;       // end of the last frame handed to a video encoder

private:
    int WriteCover();

    BeforeClose m_beforeClose;
    bool m_measure = false;
    std::unique_ptr<PacketLoudness> m_meter;  // made at the first packet of sound
    std::function<int(AVPacket&)> m_audioSink;
    LogSubject m_log;  // outlives m_context, whose lines it names
    OutputContextPtr m_context;
    ExclusiveOutputFile m_file;
    PacketPtr m_packet;
    CoverPicture m_cover;
    int m_coverIndex = -1;
    bool m_coverAdded = false;  // as a stream, or as an Ogg comment
    bool m_headerWritten = false;
};

}  // namespace tolvane
