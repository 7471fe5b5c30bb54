#include "MediaProbe.h"

#include <algorithm>
#include <climits>

#include "FFmpegHandles.h"
#include "StreamMeasures.h"

namespace tolvane {

namespace {

// The channels of a layout by FFmpeg's names, as the conversion takes the layout.
std::vector<std::string> ChannelNames(const AVChannelLayout& stated) {
    std::vector<std::string> names;
    if (stated.nb_channels <= 0) {
        return names;  // not known before decoding
    }
    AVChannelLayout layout{};
    UsualLayout(stated, layout);
    for (int i = 0; i < layout.nb_channels; ++i) {
        char name[32] = {};
        const AVChannel channel =
            av_channel_layout_channel_from_index(&layout, static_cast<unsigned>(i));
        if (channel == AV_CHAN_NONE || av_channel_name(name, sizeof name, channel) < 0) {
            names.push_back(std::to_string(i + 1));
        } else {
            names.emplace_back(name);
        }
    }
    av_channel_layout_uninit(&layout);
    return names;
}

// Fills in the frame rate and the bit rates the headers get wrong or leave out.
void MeasureWhatHeadersLack(SourceMedia& source, MediaProbeResult& probe) {
    // A frame rate the headers disagree on (a QuickTime time scale of 600, a Matroska average
    // of 1000) is counted from the frames; a bit rate a stream does not state (Matroska, WebM,
    // MPEG-TS) is measured from its packets.
    AVFormatContext* input = source.input.get();
    const AVStream* video = source.videoIndex >= 0 ? input->streams[source.videoIndex] : nullptr;
    const bool still = video != nullptr && (video->disposition & AV_DISPOSITION_ATTACHED_PIC) != 0;
    const int rateStream =
        video != nullptr && !still && !FrameRatesAgree(*video) ? source.videoIndex : -1;
    const int videoBits =
        video != nullptr && !still && probe.srcVideoBitRate <= 0 ? source.videoIndex : -1;
    const int audioBits =
        source.audioIndex >= 0 && probe.srcAudioBitRate <= 0 ? source.audioIndex : -1;
    const StreamMeasures measured = MeasureStreams(input, rateStream, videoBits, audioBits);
    if (measured.frameRate.num > 0 && measured.frameRate.den > 0) {
        probe.srcFrameRateNum = measured.frameRate.num;
        probe.srcFrameRateDen = measured.frameRate.den;
        probe.srcFrameRate = static_cast<double>(measured.frameRate.num / measured.frameRate.den);
    }
    const auto clamp = [](std::int64_t rate) {
        return static_cast<std::int32_t>(std::min<std::int64_t>(rate, INT32_MAX));
    };
    if (measured.videoBitRate > 0) {
        probe.srcVideoBitRate = clamp(measured.videoBitRate);
    }
    if (measured.audioBitRate > 0) {
        probe.srcAudioBitRate = clamp(measured.audioBitRate);
    }
}

}  // namespace

std::vector<ChapterMark> ChaptersOf(const AVFormatContext& input) {
    std::vector<ChapterMark> chapters;
    const double origin = input.start_time != AV_NOPTS_VALUE
                              ? static_cast<double>(input.start_time) / AV_TIME_BASE
                              : 0.0;
    for (unsigned i = 0; i < input.nb_chapters; ++i) {
        const AVChapter& chapter = *input.chapters[i];
        const double base = av_q2d(chapter.time_base);
        const AVDictionaryEntry* title = av_dict_get(chapter.metadata, "title", nullptr, 0);
        chapters.push_back({std::max(0.0, static_cast<double>(chapter.start) * base - origin),
                            std::max(0.0, static_cast<double>(chapter.end) * base - origin),
                            title != nullptr ? title->value : ""});
    }
    return chapters;
}

SoundTrackFacts SoundTrackFactsOf(const AVCodecParameters& par, std::string language,
                                  std::string title) {
    // A FLAC header also holds the file's length, checksum and frame sizes: only its sample
    // size matters to packets that follow another file's.
    std::string key = std::to_string(par.format) + "/" + std::to_string(par.profile) + "/" +
                      std::to_string(par.bits_per_coded_sample) + "/" +
                      std::to_string(par.bits_per_raw_sample) + "/" +
                      std::to_string(par.block_align);
    if (par.codec_id != AV_CODEC_ID_FLAC && par.extradata != nullptr && par.extradata_size > 0) {
        key += "/";
        key.append(reinterpret_cast<const char*>(par.extradata),
                   static_cast<std::size_t>(par.extradata_size));
    }
    return {std::move(language),
            avcodec_get_name(par.codec_id),
            par.ch_layout.nb_channels,
            par.sample_rate,
            std::move(title),
            static_cast<int>(par.bit_rate),
            par.codec_id,
            ChannelNames(par.ch_layout),
            std::move(key)};
}

int ProbeMedia(const std::string& path, MediaProbeResult& probe) {
    SourceMedia source;
    // The window and the command line say themselves why a file is refused.
    const int opened = OpenSourceFile(path, source, nullptr, true);
    if (opened < 0) {
        return opened;
    }
    PickLastStreams(source);
    const AVFormatContext* input = source.input.get();
    if (source.videoIndex >= 0) {
        const int ret = OpenStreamDecoder(path, input, source.videoIndex, source.videoDecoder, 1);
        if (ret < 0) {
            return ret;
        }
    }
    if (source.audioIndex >= 0) {
        // An audio decoder that is missing or does not open is not an error here.
        OpenStreamDecoder(path, input, source.audioIndex, source.audioDecoder, 1);
    }

    if (source.videoIndex >= 0) {
        const AVCodecContext* video = source.videoDecoder.get();
        probe.srcWidth = video->width;
        probe.srcHeight = video->height;
        probe.srcVideoCodecId = video->codec_id;
        probe.srcVideoBitRate = static_cast<std::int32_t>(video->bit_rate);
        AVRational rate = input->streams[source.videoIndex]->r_frame_rate;
        if (rate.den != 0 && rate.num / rate.den > 1000) {
            rate.den = 1001;
        }
        probe.srcFrameRateNum = rate.num;
        probe.srcFrameRateDen = rate.den;
        probe.srcFrameRate = rate.den != 0 ? static_cast<double>(rate.num / rate.den) : 0.0;
    } else {
        probe.srcVideoCodecId = 0;
        probe.srcVideoBitRate = 0;
        probe.srcWidth = 0;
        probe.srcHeight = 0;
    }

    const AVStream* audioStream =
        source.audioIndex >= 0 ? input->streams[source.audioIndex] : nullptr;
    const AVCodecContext* audio = source.audioDecoder.get();
    if (audioStream != nullptr) {
        // Facts from the decoder when it opened, else from the stream's own parameters.
        const AVCodecParameters* par = audioStream->codecpar;
        probe.srcAudioCodecId = par->codec_id;
        probe.srcChannels = audio ? audio->ch_layout.nb_channels : par->ch_layout.nb_channels;
        probe.srcSampleRate = audio ? audio->sample_rate : par->sample_rate;
        probe.srcAudioBitRate = static_cast<std::int32_t>(audio ? audio->bit_rate : par->bit_rate);
    } else {
        probe.srcAudioCodecId = 0;
        probe.srcChannels = 0;
        probe.srcSampleRate = 0;
        probe.srcAudioBitRate = 0;
    }

    MeasureWhatHeadersLack(source, probe);

    probe.soundTracks.clear();
    for (unsigned i = 0; i < input->nb_streams; ++i) {
        const AVStream* stream = input->streams[i];
        if (stream->codecpar->codec_type != AVMEDIA_TYPE_AUDIO) {
            continue;
        }
        const auto tag = [stream](const char* key) {
            const AVDictionaryEntry* e = av_dict_get(stream->metadata, key, nullptr, 0);
            return e != nullptr ? std::string(e->value) : std::string();
        };
        std::string language = tag("language");
        if (language == "und") {
            language.clear();  // "undetermined" says nothing
        }
        const AVCodecParameters& par = *stream->codecpar;
        probe.soundTracks.push_back(SoundTrackFactsOf(par, std::move(language), tag("title")));
    }
    probe.chapters = ChaptersOf(*input);
    const AVDictionaryEntry* title = av_dict_get(input->metadata, "title", nullptr, 0);
    probe.title = title != nullptr ? title->value : "";
    probe.durationMicros = input->duration;
    probe.durationSeconds = input->duration / 1000000;
    return 0;
}

}  // namespace tolvane
