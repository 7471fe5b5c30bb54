#include "SoundTracks.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <string_view>

#include "Numbers.h"

namespace {

std::string CodecText(const std::string& codec) {
    static constexpr struct {
        std::string_view name;
        std::string_view text;
    } kNames[] = {{"aac", "AAC"},   {"ac3", "AC-3"},  {"eac3", "E-AC-3"},   {"dts", "DTS"},
                  {"mp3", "MP3"},   {"mp2", "MP2"},   {"opus", "Opus"},     {"vorbis", "Vorbis"},
                  {"flac", "FLAC"}, {"alac", "ALAC"}, {"truehd", "TrueHD"}, {"amr_nb", "AMR-NB"},
                  {"wmav2", "WMA"}, {"wmav1", "WMA"}};
    for (const auto& entry : kNames) {
        if (codec == entry.name) {
            return std::string(entry.text);
        }
    }
    if (codec.rfind("pcm_", 0) == 0) {
        return "PCM";
    }
    std::string upper = codec;
    std::transform(upper.begin(), upper.end(), upper.begin(),
                   [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
    return upper;
}

std::string ChannelsText(int channels) {
    switch (channels) {
        case 1:
            return "mono";
        case 2:
            return "stereo";
        case 6:
            return "5.1";
        case 8:
            return "7.1";
        default:
            return std::to_string(channels) + " ch";
    }
}

// Joins the non-empty parts with " · ".
class LabelBuilder final {
public:
    explicit LabelBuilder(std::string start) : m_label(std::move(start)) {}
    void Add(const std::string& part) {
        if (!part.empty()) {
            m_label += (m_label.empty() ? "" : m_separator) + part;
            m_separator = " \u00b7 ";
        }
    }
    void AddSound(const SoundTrackFacts& track) {
        Add(CodecText(track.codec) +
            (track.channels > 0 ? " " + ChannelsText(track.channels) : ""));
        if (track.sampleRate > 0) {
            // 48000 → "48 kHz", 22050 → "22.05 kHz".
            std::string khz = FormatFixed(track.sampleRate / 1000.0, 3);
            khz.erase(khz.find_last_not_of('0') + 1);
            if (!khz.empty() && khz.back() == '.') {
                khz.pop_back();
            }
            Add(khz + " kHz");
        }
    }
    std::string Take() { return std::move(m_label); }

private:
    std::string m_label;
    std::string m_separator = " ";
};

}  // namespace

std::string SoundTrackLabel(int number, const SoundTrackFacts& track) {
    LabelBuilder label(std::to_string(number) + ":");
    label.Add(track.language);
    label.AddSound(track);
    label.Add(track.title);
    return label.Take();
}

std::string SoundTrackSound(const SoundTrackFacts& track) {
    LabelBuilder label("");
    label.AddSound(track);
    return label.Take();
}

int SoundTrackFacts::ChannelNumber(const std::string& name) const {
    int number = 0;
    const auto [end, error] = std::from_chars(name.data(), name.data() + name.size(), number);
    if (error == std::errc() && end == name.data() + name.size()) {
        return number >= 1 && number <= static_cast<int>(channelNames.size()) ? number : 0;
    }
    for (std::size_t i = 0; i < channelNames.size(); ++i) {
        const std::string& known = channelNames[i];
        if (known.size() == name.size() &&
            std::equal(known.begin(), known.end(), name.begin(), [](char a, char b) {
                return std::toupper(static_cast<unsigned char>(a)) ==
                       std::toupper(static_cast<unsigned char>(b));
            })) {
            return static_cast<int>(i) + 1;
        }
    }
    return 0;
}

std::string CopyMismatch(const SoundTrackFacts& first, const SoundTrackFacts& other) {
    if (first.codecId != other.codecId) {
        return "another codec";
    }
    if (first.sampleRate != other.sampleRate) {
        return "another sample rate";
    }
    if (first.channels != other.channels || first.channelNames != other.channelNames) {
        return "another channel layout";
    }
    if (first.copyKey != other.copyKey) {
        return "other codec parameters";
    }
    return {};
}
