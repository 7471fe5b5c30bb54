#include "FFmpegHandles.h"

#include <sys/stat.h>

#include <cmath>
#include <cstdarg>
#include <cstdio>
#include <mutex>

namespace tolvane {

std::string AvErrorText(int error) {
    char text[AV_ERROR_MAX_STRING_SIZE] = {};
    av_strerror(error, text, sizeof text);
    return text;
}

void LogFailure(const std::string& path, const char* what, int error) {
    std::fprintf(stderr, "tolvane: %s: %s: %s\n", path.c_str(), what, AvErrorText(error).c_str());
}

void LogFailure(const std::string& path, const char* what) {
    std::fprintf(stderr, "tolvane: %s: %s\n", path.c_str(), what);
}

namespace {

// Passes every line on to the library's own output, and counts the errors a demuxer reports
// about a source that OpenSourceFile opened (its context's opaque points at its reports).
void CountingLogCallback(void* avcl, int level, const char* format, va_list arguments) {
    if (avcl != nullptr && *static_cast<const AVClass* const*>(avcl) == avformat_get_class()) {
        const auto* context = static_cast<const AVFormatContext*>(avcl);
        auto* reports = static_cast<SourceReports*>(context->opaque);
        if (context->iformat != nullptr && reports != nullptr) {
            if (level <= AV_LOG_ERROR) {
                ++reports->demuxerErrors;
            }
            if (reports->quiet) {
                return;  // its caller says what matters
            }
        }
    }
    av_log_default_callback(avcl, level, format, arguments);
}

// Ends the reading of a source that is being opened once it has taken too long or read too far.
int InterruptOpening(void* opaque) {
    const auto* source = static_cast<const AVFormatContext*>(opaque);
    auto* reports = static_cast<SourceReports*>(source->opaque);
    if (reports == nullptr || !reports->opening) {
        return 0;
    }
    const std::int64_t read = source->pb != nullptr ? source->pb->bytes_read : 0;
    if (std::chrono::steady_clock::now() > reports->openDeadline || read > reports->openByteCap) {
        reports->openGivenUp = true;
    }
    return reports->openGivenUp ? 1 : 0;
}

void RouteLibraryLog() {
    static std::once_flag installed;
    std::call_once(installed, [] { av_log_set_callback(&CountingLogCallback); });
}

}  // namespace

int OpenSourceFile(const std::string& path, SourceMedia& source, std::string* failure, bool quiet) {
    const auto fail = [&](int code, const char* what, int error) {
        if (quiet) {
            // The caller says why.
        } else if (error < 0) {
            LogFailure(path, what, error);
        } else {
            LogFailure(path, what);
        }
        if (failure != nullptr) {
            *failure = error < 0 ? std::string(what) + ": " + AvErrorText(error) : what;
        }
        return code;
    };
    // Only regular files are opened: a pipe without a writer would block the open for ever.
    struct stat st {};
    if (::stat(path.c_str(), &st) == 0 && !S_ISREG(st.st_mode)) {
        return fail(-1, "cannot open as media: not a regular file", 0);
    }
    RouteLibraryLog();
    source.reports = std::make_unique<SourceReports>();
    source.reports->quiet = quiet;
    AVFormatContext* raw = avformat_alloc_context();
    if (raw == nullptr) {
        return fail(-1, "cannot open as media", AVERROR(ENOMEM));
    }
    raw->opaque = source.reports.get();
    raw->interrupt_callback = AVIOInterruptCB{&InterruptOpening, raw};
    source.reports->opening = true;
    source.reports->openDeadline = std::chrono::steady_clock::now() + kOpenTimeLimit;
    source.reports->openByteCap = kOpenByteLimit;
    // On failure the library frees the context and sets `raw` to null.
    int ret = avformat_open_input(&raw, path.c_str(), nullptr, nullptr);
    if (ret < 0) {
        return fail(-1, "cannot open as media", ret == AVERROR_EXIT ? AVERROR_INVALIDDATA : ret);
    }
    source.input.reset(raw);
    ret = avformat_find_stream_info(raw, nullptr);
    source.reports->opening = false;  // reading the file through is another matter
    if (ret >= 0 && source.reports->openGivenUp) {
        ret = AVERROR_EXIT;  // what was found in the time is not to be trusted
    }
    if (ret < 0) {
        return fail(-2, "cannot read stream information",
                    ret == AVERROR_EXIT ? AVERROR_INVALIDDATA : ret);
    }
    return 0;
}

std::int64_t SecondsInTimeBase(double seconds, AVRational timeBase) {
    return av_rescale_q(std::llround(seconds * AV_TIME_BASE), AV_TIME_BASE_Q, timeBase);
}

int SoundTrackStream(const AVFormatContext* input, int number) {
    int seen = 0;
    for (unsigned i = 0; i < input->nb_streams; ++i) {
        if (input->streams[i]->codecpar->codec_type == AVMEDIA_TYPE_AUDIO && ++seen == number) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

void PickLastStreams(SourceMedia& source) {
    source.videoIndex = -1;
    source.audioIndex = -1;
    const AVFormatContext* input = source.input.get();
    for (unsigned i = 0; i < input->nb_streams; ++i) {
        const AVMediaType type = input->streams[i]->codecpar->codec_type;
        // Cover art is a picture, not a video stream.
        if (type == AVMEDIA_TYPE_VIDEO &&
            !(input->streams[i]->disposition & AV_DISPOSITION_ATTACHED_PIC)) {
            source.videoIndex = static_cast<int>(i);
        } else if (type == AVMEDIA_TYPE_AUDIO) {
            source.audioIndex = static_cast<int>(i);
        }
    }
}

bool PickStreams(SourceMedia& source, int soundTrack) {
    PickLastStreams(source);
    if (soundTrack > 0) {
        source.audioIndex = SoundTrackStream(source.input.get(), soundTrack);
        return source.audioIndex >= 0;
    }
    return true;
}

int OpenStreamDecoder(const std::string& path, const AVFormatContext* input, int index,
                      CodecContextPtr& decoder, int threads) {
    const AVStream* stream = input->streams[index];
    const AVCodec* codec = avcodec_find_decoder(stream->codecpar->codec_id);
    if (codec == nullptr) {
        LogFailure(path, "no decoder for stream", AVERROR_DECODER_NOT_FOUND);
        return -4;
    }
    decoder.reset(avcodec_alloc_context3(codec));
    if (!decoder) {
        LogFailure(path, "cannot allocate decoder", AVERROR(ENOMEM));
        return -5;
    }
    int ret = avcodec_parameters_to_context(decoder.get(), stream->codecpar);
    if (ret >= 0) {
        decoder->pkt_timebase = stream->time_base;
        decoder->thread_count = threads;
        ret = avcodec_open2(decoder.get(), codec, nullptr);
    }
    if (ret < 0) {
        LogFailure(path, "cannot open decoder", ret);
        decoder.reset();
        return -5;
    }
    return 0;
}

}  // namespace tolvane
