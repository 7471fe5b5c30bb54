#pragma once

// RAII owners for the FFmpeg objects the engine holds, and the error text helper.

#include <chrono>
#include <cstdint>
#include <memory>
#include <mutex>
#include <set>
#include <string>
#include <vector>

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavformat/avformat.h>
#include <libavutil/audio_fifo.h>
#include <libavutil/frame.h>
#include <libswresample/swresample.h>
#include <libswscale/swscale.h>
}

namespace tolvane {

struct InputContextDeleter {
    void operator()(AVFormatContext* c) const { avformat_close_input(&c); }
};
struct OutputContextDeleter {
    void operator()(AVFormatContext* c) const { avformat_free_context(c); }
};
struct CodecContextDeleter {
    void operator()(AVCodecContext* c) const { avcodec_free_context(&c); }
};
struct FrameDeleter {
    void operator()(AVFrame* f) const { av_frame_free(&f); }
};
struct PacketDeleter {
    void operator()(AVPacket* p) const { av_packet_free(&p); }
};
struct SwrDeleter {
    void operator()(SwrContext* s) const { swr_free(&s); }
};
struct SwsDeleter {
    void operator()(SwsContext* s) const { sws_freeContext(s); }
};
struct AudioFifoDeleter {
    void operator()(AVAudioFifo* f) const { av_audio_fifo_free(f); }
};

using InputContextPtr = std::unique_ptr<AVFormatContext, InputContextDeleter>;
using OutputContextPtr = std::unique_ptr<AVFormatContext, OutputContextDeleter>;
using CodecContextPtr = std::unique_ptr<AVCodecContext, CodecContextDeleter>;
using FramePtr = std::unique_ptr<AVFrame, FrameDeleter>;
using PacketPtr = std::unique_ptr<AVPacket, PacketDeleter>;
using SwrPtr = std::unique_ptr<SwrContext, SwrDeleter>;
using SwsPtr = std::unique_ptr<SwsContext, SwsDeleter>;
using AudioFifoPtr = std::unique_ptr<AVAudioFifo, AudioFifoDeleter>;

// `seconds` in a stream's time base.
std::int64_t SecondsInTimeBase(double seconds, AVRational timeBase);

// The library's text for an error code.
std::string AvErrorText(int error);

// Logs a failure that fails a task: file, what failed, and the library's text for `error`.
void LogFailure(const std::string& path, const char* what, int error);
// Logs a failure that has no library error code.
void LogFailure(const std::string& path, const char* what);
// Logs what a person may want to know of a file that did not fail (where a damaged source's
// sound ends); quiet logging leaves it out (the status says it).
void LogNote(const std::string& path, const char* what);

// The library's log goes through the program: each line once per file it concerns, prefixed
// with that file ("tolvane: FILE: ..."), warnings and errors only; `quiet` leaves out the
// library's lines and the notes altogether (the program's own failures still show). For the
// whole process; the command line's -q sets it before any work.
void SetQuietLog(bool quiet);

// The file a library context's log lines concern, and the lines already said of it. A
// context's `opaque` points at one (see OpenSourceFile); the contexts of one file may log from
// several threads (frame-threaded decoders).
struct LogSubject {
    std::string path;
    bool quiet = false;  // the caller says what matters: nothing of this file is printed
    std::mutex mutex;
    std::set<std::string> said;  // guarded by `mutex`
};
// Points the log lines of `context` (an AVFormatContext or AVCodecContext) at `subject`.
void SetLogSubject(AVFormatContext* context, LogSubject* subject);
void SetLogSubject(AVCodecContext* context, LogSubject* subject);

// What the library said through its log about one opened source while it was read: its
// demuxer's errors (a file that ends early, a broken structure); and the bounds of opening it.
// Used on the reading thread only.
struct SourceReports final : LogSubject {
    int demuxerErrors = 0;
    // While the file is opened and its streams found: a file that is not media (a download
    // preallocated with zeros) is given up on after this long and this many bytes.
    bool opening = false;
    std::chrono::steady_clock::time_point openDeadline;
    std::int64_t openByteCap = 0;
    bool openGivenUp = false;  // the bounds ended the opening
};
// How long and how far opening a source may read before it is taken for no media.
inline constexpr std::chrono::milliseconds kOpenTimeLimit{1500};
inline constexpr std::int64_t kOpenByteLimit = 64 * 1024 * 1024;

// The opened source of one task: container, the last stream of each kind and their decoders.
struct SourceMedia final {
    std::unique_ptr<SourceReports> reports;  // outlives `input`, whose log it counts
    InputContextPtr input;
    int videoIndex = -1;
    int audioIndex = -1;
    CodecContextPtr videoDecoder;
    CodecContextPtr audioDecoder;
    // An MP4's sound delayed by an empty edit lasts as its edits say, not to the end of its
    // last packet (see Mp4Edits.h): for each stream, the seconds of sound from its start; -1
    // (or no entry) where the demuxer's end holds.
    std::vector<double> delayedSoundSeconds;

    double DelayedSoundSeconds(int stream) const {
        return stream >= 0 && static_cast<std::size_t>(stream) < delayedSoundSeconds.size()
                   ? delayedSoundSeconds[static_cast<std::size_t>(stream)]
                   : -1.0;
    }
};

// The channel layout a decoder's sound really has: the stated one, or for a layout that names
// no channels (only a count) the usual one for its count (at least mono).
void UsualLayout(const AVChannelLayout& stated, AVChannelLayout& layout);

// The stream index of the file's `number`-th sound track (from 1, in file order), -1 when the
// file has fewer.
int SoundTrackStream(const AVFormatContext* input, int number);

// Opens `path` with format detection (-1 on failure) and reads its stream information (-2).
// A failure is logged, and its text goes to `failure` when given.
// `quiet`: the caller says why itself (a probe), so nothing is logged.
int OpenSourceFile(const std::string& path, SourceMedia& source, std::string* failure = nullptr,
                   bool quiet = false);

// Walks all streams in order; the last video and the last audio stream win.
void PickLastStreams(SourceMedia& source);

// PickLastStreams, then the sound track chosen by its number (from 1; 0 keeps the last one).
// False when the file has no such sound track.
bool PickStreams(SourceMedia& source, int soundTrack);

// Finds and opens the decoder of stream `index` into `decoder`. Returns 0, -4 when the library
// has no decoder for it, -5 when the decoder does not open. `threads` 0 lets the library choose.
int OpenStreamDecoder(const std::string& path, const AVFormatContext* input, int index,
                      CodecContextPtr& decoder, int threads);

}  // namespace tolvane
