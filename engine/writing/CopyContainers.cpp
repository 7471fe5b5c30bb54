#include "CopyContainers.h"

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavformat/avformat.h>
}

namespace tolvane {

namespace {

constexpr CopyContainer kMatroskaAudio{".mka", "matroska"};

struct CodecContainer {
    AVCodecID codec;
    CopyContainer container;
};

constexpr CodecContainer kContainers[] = {
    {AV_CODEC_ID_AAC, {".m4a", "ipod"}},     {AV_CODEC_ID_ALAC, {".m4a", "ipod"}},
    {AV_CODEC_ID_MP3, {".mp3", "mp3"}},      {AV_CODEC_ID_MP2, {".mp2", "mp2"}},
    {AV_CODEC_ID_VORBIS, {".ogg", "ogg"}},   {AV_CODEC_ID_OPUS, {".opus", "opus"}},
    {AV_CODEC_ID_FLAC, {".flac", "flac"}},   {AV_CODEC_ID_AC3, {".ac3", "ac3"}},
    {AV_CODEC_ID_EAC3, {".eac3", "eac3"}},   {AV_CODEC_ID_DTS, {".dts", "dts"}},
    {AV_CODEC_ID_AMR_NB, {".amr", "amr"}},   {AV_CODEC_ID_WMAV1, {".wma", "asf"}},
    {AV_CODEC_ID_WMAV2, {".wma", "asf"}},    {AV_CODEC_ID_WMAPRO, {".wma", "asf"}},
    {AV_CODEC_ID_WMAVOICE, {".wma", "asf"}}, {AV_CODEC_ID_WMALOSSLESS, {".wma", "asf"}},
};

bool IsPcm(AVCodecID codec) {
    // The PCM codecs fill the first block of audio identifiers, before ADPCM.
    return codec >= AV_CODEC_ID_FIRST_AUDIO && codec < AV_CODEC_ID_ADPCM_IMA_QT;
}

}  // namespace

CopyContainer CopyContainerFor(AVCodecID codec) {
    CopyContainer chosen = kMatroskaAudio;
    for (const CodecContainer& entry : kContainers) {
        if (entry.codec == codec) {
            chosen = entry.container;
        }
    }
    if (IsPcm(codec)) {
        chosen = {".wav", "wav"};
    }
    const AVOutputFormat* format = av_guess_format(chosen.muxer, nullptr, nullptr);
    if (format == nullptr || avformat_query_codec(format, codec, FF_COMPLIANCE_NORMAL) == 0) {
        return kMatroskaAudio;  // the container cannot hold this variant
    }
    return chosen;
}

CopyContainer CopyContainerForCodecName(const std::string& name) {
    const AVCodecDescriptor* descriptor = avcodec_descriptor_get_by_name(name.c_str());
    return CopyContainerFor(descriptor ? descriptor->id : AV_CODEC_ID_NONE);
}

}  // namespace tolvane
