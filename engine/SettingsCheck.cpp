#include "SettingsCheck.h"

extern "C" {
#include <libavutil/channel_layout.h>
}

#include "AVConvert.h"
#include "AudioEncoder.h"
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

std::string AudioSettingsRefusal(const AVConvert& job, const std::string& outputName) {
    const AVOutputFormat* format = av_guess_format(nullptr, outputName.c_str(), nullptr);
    if (format == nullptr) {
        return "no container is known for the name " + outputName;
    }
    const auto id = static_cast<AVCodecID>(job.audioCodecId);
    const AVCodec* codec = HasAudioEncoder(job.audioCodecId) ? avcodec_find_encoder(id) : nullptr;
    if (codec == nullptr) {
        return std::string("this FFmpeg has no encoder for ") + avcodec_get_name(id);
    }
    const std::string pair = Describe(codec->name, format);
    if (job.audioChannels <= 0 || job.audioSampleRate <= 0) {
        return pair + ": no channel count or sample rate";
    }
    CodecContextPtr encoder(avcodec_alloc_context3(codec));
    if (!encoder) {
        return pair + ": out of memory";
    }
    encoder->bit_rate = job.audioBitRate;
    encoder->sample_rate = job.audioSampleRate;
    av_channel_layout_default(&encoder->ch_layout, job.audioChannels);
    encoder->sample_fmt = codec->sample_fmts != nullptr ? codec->sample_fmts[0] : AV_SAMPLE_FMT_S16;
    encoder->time_base = AVRational{1, job.audioSampleRate};
    if (format->flags & AVFMT_GLOBALHEADER) {
        encoder->flags |= AV_CODEC_FLAG_GLOBAL_HEADER;
    }
    int ret = avcodec_open2(encoder.get(), codec, nullptr);
    if (ret < 0) {
        return pair + ": the encoder refuses " + std::to_string(job.audioSampleRate) + " Hz, " +
               std::to_string(job.audioChannels) + " channels (" + AvErrorText(ret) + ")";
    }
    // A header written into memory: the container takes the stream or says why not.
    AVFormatContext* raw = nullptr;
    ret = avformat_alloc_output_context2(&raw, format, nullptr, outputName.c_str());
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
    avcodec_parameters_from_context(stream->codecpar, encoder.get());
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
    const auto job = std::make_unique<AVConvert>();  // large: not on the stack
    CopySettingsToJob(settings, *job);
    return AudioSettingsRefusal(*job, "output" + ExtensionFromEntryText(entryText));
}

}  // namespace tolvane
