#include "OutputSettings.h"

#include <cctype>

extern "C" {
#include <libavcodec/codec_id.h>
}

#include "CodecIds.h"
#include "Paths.h"

namespace {

template <typename Value>
struct NamedValue {
    std::string_view name;
    Value value;
};

constexpr NamedValue<double> kFrameRates[] = {
    {"10.0 fps", 10.0},   {"12.0 fps", 12.0},     {"14.985 fps", 14.985}, {"15.0 fps", 15.0},
    {"20.0 fps", 20.0},   {"23.975 fps", 23.975}, {"24.0 fps", 24.0},     {"25.0 fps", 25.0},
    {"29.97 fps", 29.97}, {"30.0 fps", 30.0},     {"50.0 fps", 50.0},     {"60.0 fps", 60.0},
};

constexpr NamedValue<std::int32_t> kVideoCodecs[] = {
    {"MPEG4", AV_CODEC_ID_MPEG4},
    {"H.264", AV_CODEC_ID_H264},
    {"H.263", AV_CODEC_ID_H263},
    {"DivX", AV_CODEC_ID_MSMPEG4V3},
    {"FLV", AV_CODEC_ID_FLV1},
    {"WMV1", AV_CODEC_ID_WMV1},
    {"WMV2", AV_CODEC_ID_WMV2},
    {"MPEG1VIDEO", AV_CODEC_ID_MPEG1VIDEO},
    {"MPEG2VIDEO", AV_CODEC_ID_MPEG2VIDEO},
    {"DVVIDEO", AV_CODEC_ID_DVVIDEO},
    {"RV20", AV_CODEC_ID_RV20},
    {"M-JPEG", AV_CODEC_ID_MJPEG},
    {"XVID", kCodecIdXvid},
};

constexpr NamedValue<std::int32_t> kAudioCodecs[] = {
    {"AAC", AV_CODEC_ID_AAC},
    {"AC3", AV_CODEC_ID_AC3},
    {"AMR_NB", AV_CODEC_ID_AMR_NB},
    {"MP3", AV_CODEC_ID_MP3},
    {"MP2", AV_CODEC_ID_MP2},
    {"WMA7", AV_CODEC_ID_WMAV1},
    {"WMA8", AV_CODEC_ID_WMAV2},
    {"VORBIS", AV_CODEC_ID_VORBIS},
    {"FLAC", AV_CODEC_ID_FLAC},
    {"PCM_S16LE", AV_CODEC_ID_PCM_S16LE},
    {"PCM_S16BE", AV_CODEC_ID_PCM_S16BE},
    {"PCM_S8", AV_CODEC_ID_PCM_S8},
    {"PCM_U8", AV_CODEC_ID_PCM_U8},
    {"PCM_MULAW", AV_CODEC_ID_PCM_MULAW},
    {"PCM_ALAW", AV_CODEC_ID_PCM_ALAW},
    {"APE", AV_CODEC_ID_APE},
    {"OPUS", AV_CODEC_ID_OPUS},
};

template <typename Value, std::size_t N>
std::optional<Value> Lookup(const NamedValue<Value> (&table)[N], std::string_view name) {
    for (const auto& entry : table) {
        if (entry.name == name) {
            return entry.value;
        }
    }
    return std::nullopt;
}

}  // namespace

void ApplyStartupValues(OutputSettings& settings) {
    settings = OutputSettings{};
    settings.presetId = kFormatEntries[0].presetId;
    settings.audioOnly = true;
    settings.audioBitRate = 192000;
    settings.sampleRate = 48000;
    settings.channels = 2;
    settings.audioEncoderName = "MP3";
    settings.savedAudioBitRateText = "80 kbps";
    settings.savedSampleRateText = "48000 Hz";
    settings.savedChannelText = "2 Channel stereo";
    settings.savedVideoBitRateText = "512 kbps";
    settings.savedFrameSizeText = "480*320";
    settings.savedFrameRateText = "15.0 fps";
    settings.savedVideoEncoderText = "FLV";
    settings.savedAudioEncoderText = "MP3";
}

bool ApplyFormatChoice(OutputSettings& settings, int index) {
    if (index < 0 || index >= static_cast<int>(kFormatEntries.size())) {
        return false;
    }
    const FormatEntry& entry = kFormatEntries[static_cast<std::size_t>(index)];
    settings.pspPreset = false;
    settings.presetId = entry.presetId;
    settings.audioOnly = true;
    settings.audioBitRate = 128000;
    settings.channels = 2;
    settings.sampleRate = entry.sampleRate;
    settings.audioEncoderName = entry.audioEncoderName;
    return true;
}

std::int32_t DefaultOpusBitRate(std::int32_t channels) {
    return channels <= 1 ? 64000 : channels == 2 ? 128000 : 256000;
}

std::optional<double> FrameRateForText(std::string_view text) {
    return Lookup(kFrameRates, text);
}

std::optional<std::int32_t> VideoCodecForName(std::string_view name) {
    return Lookup(kVideoCodecs, name);
}

std::optional<std::int32_t> AudioCodecForName(std::string_view name) {
    return Lookup(kAudioCodecs, name);
}

std::vector<std::string_view> AudioEncoderNames() {
    std::vector<std::string_view> names;
    for (const auto& entry : kAudioCodecs) {
        names.push_back(entry.name);
    }
    return names;
}

bool IsOriginalAudioEntry(std::string_view entryText) {
    return entryText == kOriginalAudioEntry;
}

std::string ExtensionFromEntryText(std::string_view entryText) {
    if (IsOriginalAudioEntry(entryText)) {
        return kOriginalAudioExtension;
    }
    const std::size_t star = entryText.find_last_of('*');
    if (star == std::string_view::npos) {
        return {};
    }
    std::string_view rest = entryText.substr(star + 1);
    return std::string(rest.substr(0, rest.find(')')));
}

std::optional<std::string> OutputPathForTask(std::string_view sourcePath,
                                             std::string_view runFolder,
                                             std::string_view entryText) {
    const std::string_view fileName = FileNameOfPath(sourcePath);
    const std::size_t dot = fileName.find_last_of('.');
    if (dot == std::string_view::npos) {
        return std::nullopt;
    }
    std::string path(runFolder);
    if (path.empty() || path.back() != '/') {
        path += '/';
    }
    path += fileName.substr(0, dot);
    path += ExtensionFromEntryText(entryText);
    return path;
}

std::string FormatShortName(std::string_view columnText) {
    if (columnText.empty() || columnText == kOriginalAudioColumn) {
        return std::string(columnText);
    }
    const std::size_t dash = columnText.find('-');
    if (dash != std::string_view::npos && dash > 0) {
        return std::string(columnText.substr(0, dash));
    }
    std::string name = ExtensionFromEntryText(columnText);
    if (!name.empty() && name.front() == '.') {
        name.erase(0, 1);
    }
    for (char& c : name) {
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    }
    return name.empty() ? std::string(columnText) : name;
}
