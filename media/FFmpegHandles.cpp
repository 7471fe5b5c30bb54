#include "FFmpegHandles.h"

#include "Mp4Edits.h"

#include <sys/stat.h>

#include <algorithm>
#include <cmath>
#include <cstdarg>
#include <cstdio>
#include <cstring>
#include <mutex>

namespace tolvane {

std::string AvErrorText(int error) {
    // The system's errors in English whatever the user's language (the library would ask
    // strerror, which follows it): status lines are read by programs too.
    if (error < 0 && error > -4096) {
        if (const char* system = ::strerrordesc_np(-error)) {
            return system;
        }
    }
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

void LogNote(const std::string& path, const char* what) {
    if (av_log_get_level() >= AV_LOG_WARNING) {
        LogFailure(path, what);
    }
}

void SetQuietLog(bool quiet) {
    av_log_set_level(quiet ? AV_LOG_QUIET : AV_LOG_WARNING);
}

void SetLogSubject(AVFormatContext* context, LogSubject* subject) {
    context->opaque = subject;
}

void SetLogSubject(AVCodecContext* context, LogSubject* subject) {
    context->opaque = subject;
}

namespace {

// The file a context's lines concern: what its opaque points at, for the contexts that
// SetLogSubject named; null for the others.
LogSubject* SubjectOf(void* avcl) {
    if (avcl == nullptr) {
        return nullptr;
    }
    const AVClass* type = *static_cast<const AVClass* const*>(avcl);
    if (type == avformat_get_class()) {
        return static_cast<LogSubject*>(static_cast<AVFormatContext*>(avcl)->opaque);
    }
    if (type == avcodec_get_class()) {
        return static_cast<LogSubject*>(static_cast<AVCodecContext*>(avcl)->opaque);
    }
    return nullptr;
}

// Every line of the library: counted when a demuxer reports an error about a source that
// OpenSourceFile opened; printed, when its level is shown, once per file with the file's name
// in front instead of the library's "[matroska,webm @ 0x…]".
void RoutedLogCallback(void* avcl, int level, const char* format, va_list arguments) {
    LogSubject* subject = SubjectOf(avcl);
    const AVClass* type = avcl != nullptr ? *static_cast<const AVClass* const*>(avcl) : nullptr;
    if (subject != nullptr && type == avformat_get_class() &&
        static_cast<AVFormatContext*>(avcl)->iformat != nullptr && level <= AV_LOG_ERROR) {
        ++static_cast<SourceReports*>(subject)->demuxerErrors;
    }
    if (level > av_log_get_level() || (subject != nullptr && subject->quiet)) {
        return;
    }
    char text[1024];
    std::vsnprintf(text, sizeof text, format, arguments);
    std::string line = text;
    while (!line.empty() && (line.back() == '\n' || line.back() == '\r')) {
        line.pop_back();
    }
    if (line.empty()) {
        return;
    }
    if (subject == nullptr) {
        std::fprintf(stderr, "tolvane: %s\n", line.c_str());
        return;
    }
    {
        const std::lock_guard lock(subject->mutex);
        if (!subject->said.insert(line).second) {
            return;  // said already
        }
    }
    std::fprintf(stderr, "tolvane: %s: %s\n", subject->path.c_str(), line.c_str());
}

// Ends the reading of a source that is being opened once it has taken too long or read too far.
int InterruptOpening(void* opaque) {
    const auto* source = static_cast<const AVFormatContext*>(opaque);
    auto* reports = static_cast<SourceReports*>(static_cast<LogSubject*>(source->opaque));
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
    std::call_once(installed, [] {
        // Warnings and errors unless the command line asked for quiet before.
        if (av_log_get_level() > AV_LOG_WARNING) {
            av_log_set_level(AV_LOG_WARNING);
        }
        av_log_set_callback(&RoutedLogCallback);
    });
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
    source.reports->path = path;
    source.reports->quiet = quiet;
    AVFormatContext* raw = avformat_alloc_context();
    if (raw == nullptr) {
        return fail(-1, "cannot open as media", AVERROR(ENOMEM));
    }
    SetLogSubject(raw, source.reports.get());
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
    if (std::string_view(raw->iformat->name).find("mp4") != std::string_view::npos) {
        if (const std::vector<SoundEdit> delayed = DelayedSoundEdits(path); !delayed.empty()) {
            if (std::any_of(delayed.begin(), delayed.end(),
                            [](const SoundEdit& edit) { return edit.shortened; })) {
                // The edits would cut the sound short: opened again to read the media whole
                // (the demuxer still leaves out the encoder's priming and starts at the delay).
                source.input.reset();
                raw = avformat_alloc_context();
                if (raw == nullptr) {
                    return fail(-1, "cannot open as media", AVERROR(ENOMEM));
                }
                SetLogSubject(raw, source.reports.get());
                raw->interrupt_callback = AVIOInterruptCB{&InterruptOpening, raw};
                AVDictionary* options = nullptr;
                av_dict_set(&options, "advanced_editlist", "0", 0);
                ret = avformat_open_input(&raw, path.c_str(), nullptr, &options);
                av_dict_free(&options);
                if (ret < 0) {
                    return fail(-1, "cannot open as media",
                                ret == AVERROR_EXIT ? AVERROR_INVALIDDATA : ret);
                }
                source.input.reset(raw);
            }
            if (delayed.size() == raw->nb_streams) {
                for (const SoundEdit& edit : delayed) {
                    source.delayedSoundSeconds.push_back(edit.seconds);
                }
            }
        }
    }
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

void UsualLayout(const AVChannelLayout& stated, AVChannelLayout& layout) {
    if (stated.order == AV_CHANNEL_ORDER_UNSPEC || av_channel_layout_check(&stated) == 0) {
        av_channel_layout_default(&layout, std::max(stated.nb_channels, 1));
    } else {
        av_channel_layout_copy(&layout, &stated);
    }
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
    // Its lines concern the source, as the container's do.
    SetLogSubject(decoder.get(), static_cast<LogSubject*>(input->opaque));
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
