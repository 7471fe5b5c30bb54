#include "FormatPresets.h"

#include <algorithm>
#include <cstdlib>
#include <string>

namespace {

using SV = std::string_view;

// ---- Item lists ----

constexpr SV kB8[] = {"32 kbps", "48 kbps",  "64 kbps",  "80 kbps",
                      "96 kbps", "128 kbps", "160 kbps", "192 kbps"};
constexpr SV kB10[] = {"32 kbps",  "48 kbps",  "64 kbps",  "80 kbps",  "96 kbps",
                       "128 kbps", "160 kbps", "192 kbps", "256 kbps", "320 kbps"};
constexpr SV kB12[] = {"32 kbps",  "48 kbps",  "64 kbps",  "80 kbps",  "96 kbps",  "128 kbps",
                       "160 kbps", "192 kbps", "256 kbps", "448 kbps", "512 kbps", "640 kbps"};
constexpr SV kR4[] = {"24000 Hz", "32000 Hz", "44100 Hz", "48000 Hz"};
constexpr SV kR5[] = {"22050 Hz", "24000 Hz", "32000 Hz", "44100 Hz", "48000 Hz"};
constexpr SV kR7[] = {"22050 Hz", "24000 Hz", "32000 Hz", "44100 Hz",
                      "48000 Hz", "72000 Hz", "96000 Hz"};
constexpr SV kMonoStereo[] = {"1 Channel Mono", "2 Channel Stereo"};
constexpr SV kStereoOnly[] = {"2 Channel Stereo"};

constexpr SV kAac[] = {"AAC"};
constexpr SV kAc3[] = {"AC3"};
constexpr SV kMp2[] = {"MP2"};
constexpr SV kMp3[] = {"MP3"};
constexpr SV kVorbis[] = {"VORBIS"};
constexpr SV kFlac[] = {"FLAC"};
constexpr SV kPcmS16be[] = {"PCM_S16BE"};
constexpr SV kPcmS16le[] = {"PCM_S16LE"};
constexpr SV kAuEncoders[] = {"PCM_S16BE", "PCM_ALAW", "PCM_MULAW"};
constexpr SV kWavEncoders[] = {"PCM_S16LE", "PCM_ALAW", "PCM_MULAW"};
constexpr SV kWmaEncoders[] = {"WMA7", "WMA8"};

constexpr SV kStereo = "2 Channel Stereo";

// An audio preset: the four video lists are empty.
constexpr PresetRow Audio(std::int32_t id, SV title, PresetList encoders, SV encoder,
                          PresetList bitRates, SV bitRate, PresetList rates, SV rate,
                          PresetList channels) {
    return PresetRow{id,   title,    encoders, encoder, bitRates, bitRate, rates,
                     rate, channels, kStereo,  {},      {},       {},      {},
                     {},   {},       {},       {},      true,     false};
}

// ---- The table, in id order ----

constexpr PresetRow kPresets[] = {
    Audio(90100, "AAC -Advanced Audio Codec(*.aac)", kAac, "AAC", kB12, "192 kbps", kR5, "48000 Hz",
          kMonoStereo),
    Audio(90101, "AC3 -Dolby Digital AC-3(*.ac3)", kAc3, "AC3", kB12, "192 kbps", kR5, "48000 Hz",
          kMonoStereo),
    Audio(90102, "AIFF - Audio Interchange File Format(*.aiff)", kPcmS16be, "PCM_S16BE", kB12,
          "128 kbps", kR7, "44100 Hz", kMonoStereo),
    Audio(90103, "AU - SUN AU Format(*.au)", kAuEncoders, "PCM_S16BE", kB12, "128 kbps", kR7,
          "44100 Hz", kMonoStereo),
    Audio(90104, "M4A - MPEG-4 Audio(*.m4a)", kAac, "AAC", kB12, "192 kbps", kR5, "48000 Hz",
          kMonoStereo),
    Audio(90105, "MP2 - MPEG Layer-2 Audio(*.MP2)", kMp2, "MP2", kB10, "128 kbps", kR5, "44100 Hz",
          kMonoStereo),
    Audio(90106, "MP3 - MPEG Layer-3 Audio(*.MP3)", kMp3, "MP3", kB10, "128 kbps", kR5, "44100 Hz",
          kMonoStereo),
    Audio(90107, "OGG -Ogg Vorbis Audio(*.ogg)", kVorbis, "VORBIS", kB10, "128 kbps", kR5,
          "44100 Hz", kStereoOnly),
    Audio(90108, "RA -Real Audio(*.ra)", kAc3, "AC3", kB10, "128 kbps", kR7, "44100 Hz",
          kMonoStereo),
    Audio(90109, "WAV -Waveform Audio(*.wav)", kWavEncoders, "PCM_S16LE", kB10, "128 kbps", kR7,
          "44100 Hz", kMonoStereo),
    Audio(90110, "WMA -Windows Media Audio(*.wma)", kWmaEncoders, "WMA8", kB10, "128 kbps", kR4,
          "44100 Hz", kMonoStereo),
    Audio(90700, "OGG - Ogg Vorbis Audio(*.ogg)", kVorbis, "VORBIS", kB8, "128 kbps", kR5,
          "44100 Hz", kStereoOnly),
    Audio(90701, "FLAC -Free Lossless Audio Codec(*.flac)", kFlac, "FLAC", kB8, "128 kbps", kR7,
          "44100 Hz", kMonoStereo),
    Audio(90702, "WAV -Waveform Audio(*.wav)", kPcmS16le, "PCM_S16LE", kB8, "128 kbps", kR7,
          "44100 Hz", kMonoStereo),
    Audio(90703, "WMA -Windows Media Audio(*.wma)", kWmaEncoders, "WMA8", kB8, "128 kbps", kR4,
          "44100 Hz", kMonoStereo),
    Audio(90805, "WMA -Windows Media Audio(*.wma)", kWmaEncoders, "WMA8", kB8, "128 kbps", kR4,
          "44100 Hz", kMonoStereo),
};

}  // namespace

std::span<const PresetRow> AllPresets() {
    return kPresets;
}

const PresetRow* FindPreset(std::int32_t presetId) {
    const auto* row =
        std::find_if(std::begin(kPresets), std::end(kPresets),
                     [presetId](const PresetRow& r) { return r.presetId == presetId; });
    return row == std::end(kPresets) ? nullptr : row;
}

std::int32_t NumberOfText(std::string_view text) {
    const std::size_t kbps = text.find(" kbps");
    if (kbps != std::string_view::npos) {
        const std::string number(text.substr(0, kbps));
        // Truncated toward zero; the small allowance keeps "5.15 kbps" from becoming 5149.
        const double kilo = std::strtod(number.c_str(), nullptr) * 1000.0;
        return static_cast<std::int32_t>(kilo + (kilo >= 0 ? 1e-6 : -1e-6));
    }
    const std::size_t hz = text.find(" Hz");
    if (hz != std::string_view::npos) {
        const std::string number(text.substr(0, hz));
        return static_cast<std::int32_t>(std::strtol(number.c_str(), nullptr, 10));
    }
    return 0;
}

std::int32_t ChannelsOfText(std::string_view text) {
    if (text == "1 Channel Mono") {
        return 1;
    }
    if (text == "2 Channel Stereo") {
        return 2;
    }
    if (text == "5.1 Channel") {
        return 6;
    }
    return 0;
}
