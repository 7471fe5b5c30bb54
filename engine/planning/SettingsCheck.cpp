#include "SettingsCheck.h"

extern "C" {
#include <libavutil/channel_layout.h>
}

#include "AudioEncoder.h"
#include "EncodeSettings.h"
#include "FFmpegHandles.h"
#include "JobSettings.h"
#include "OutputSettings.h"

namespace tolvane {

namespace {

struct DynamicBufferDeleter {
    void operator()(AVIOContext* io) const {
        std::uint8_t* data = nullptr;
        avio_close_dyn_buf(io, &data);
        av_free(data);
    }
};

std::string Describe(const char* encoder, const AVOutputFormat* format) {
    return std::string(encoder) + " into " + (format != nullptr ? format->name : "?");
}

}  // namespace

std::string AudioSettingsRefusal(const AudioSettings& audio, const std::string& outputName) {
    const AVOutputFormat* format = av_guess_format(nullptr, outputName.c_str(), nullptr);
    if (format == nullptr) {
        return "no container is known for the name " + outputName;
    }
    const auto id = static_cast<AVCodecID>(audio.codecId);
    const AVCodec* codec = FindAudioEncoder(audio.codecId);
    if (codec == nullptr) {
        return std::string("this FFmpeg has no encoder for ") + avcodec_get_name(id);
    }
    const std::string pair = Describe(codec->name, format);
    if (audio.channels <= 0 || audio.sampleRate <= 0) {
        return pair + ": no channel count or sample rate";
    }
    if (id == AV_CODEC_ID_OPUS && audio.sampleRate != kOpusSampleRate) {
        return pair + ": Opus is encoded at " + std::to_string(kOpusSampleRate) + " Hz, not " +
               std::to_string(audio.sampleRate) + " Hz";
    }
    if (id == AV_CODEC_ID_OPUS &&
        (audio.bitRate < kOpusMinBitRate || audio.bitRate > kOpusMaxBitRate)) {
        return pair + ": Opus takes " + std::to_string(kOpusMinBitRate / 1000) + " to " +
               std::to_string(kOpusMaxBitRate / 1000) + " kbps, not " +
               std::to_string(audio.bitRate) + " bits per second";
    }
    // The run gives the encoder the source's sample format where it takes it, else its first:
    // every format it takes must open.
    CodecContextPtr encoder;
    const AVSampleFormat* formats = codec->sample_fmts;
    const AVSampleFormat fallback[] = {AV_SAMPLE_FMT_S16, AV_SAMPLE_FMT_NONE};
    for (const AVSampleFormat* f = formats != nullptr ? formats : fallback;
         *f != AV_SAMPLE_FMT_NONE; ++f) {
        const int ret = OpenAudioEncoderContext(*codec, audio, *f, *format, encoder);
        if (ret < 0) {
            return pair + ": the encoder refuses " + std::to_string(audio.sampleRate) + " Hz, " +
                   std::to_string(audio.channels) + " channels (" + AvErrorText(ret) + ")";
        }
    }
    // A header written into memory: the container takes the stream or says why not.
    AVFormatContext* raw = nullptr;
    int ret = avformat_alloc_output_context2(&raw, format, nullptr, outputName.c_str());
    OutputContextPtr output(raw);
    AVIOContext* io = nullptr;
    if (ret >= 0) {
        ret = avio_open_dyn_buf(&io);
    }
    std::unique_ptr<AVIOContext, DynamicBufferDeleter> buffer(io);
    AVStream* stream = ret >= 0 ? avformat_new_stream(output.get(), nullptr) : nullptr;
    if (stream == nullptr) {
        return pair + ": out of memory";
    }
    ret = avcodec_parameters_from_context(stream->codecpar, encoder.get());
    if (ret < 0) {
        return pair + ": " + AvErrorText(ret);
    }
    stream->time_base = encoder->time_base;
    output->pb = buffer.get();
    ret = avformat_write_header(output.get(), nullptr);
    output->pb = nullptr;
    if (ret < 0) {
        return pair + ": the container cannot hold it (" + AvErrorText(ret) + ")";
    }
    return {};
}

std::string ProfileRefusal(const OutputSettings& settings, const std::string& entryText) {
    if (IsOriginalAudioEntry(entryText)) {
        return {};  // nothing is encoded
    }
    EncodeSettings encode;
    CopySettingsToJob(settings, encode);
    return AudioSettingsRefusal(encode.Audio(), "output" + ExtensionFromEntryText(entryText));
}

}  // namespace tolvane
