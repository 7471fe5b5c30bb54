#pragma once

// The format presets the settings dialog offers: for each preset its title and, for each of the
// eight lists (four audio, four video), the items in order and the default item.

#include <cstdint>
#include <span>
#include <string_view>

using PresetList = std::span<const std::string_view>;

struct PresetRow {
    std::int32_t presetId;
    std::string_view title;
    PresetList audioEncoders;
    std::string_view audioEncoder;
    PresetList audioBitRates;
    std::string_view audioBitRate;
    PresetList sampleRates;
    std::string_view sampleRate;
    PresetList channels;
    std::string_view channel;
    PresetList videoEncoders;
    std::string_view videoEncoder;
    PresetList frameSizes;
    std::string_view frameSize;
    PresetList frameRates;
    std::string_view frameRate;
    PresetList videoBitRates;
    std::string_view videoBitRate;
    bool audioOnly = false;
    bool portablePlayer = false;
};

// The lists the settings dialog's encoder rule gives: the usual bit rates and sample rates, and
// the AMR-NB bit rates.
PresetList RuleBitRates();
PresetList RuleSampleRates();
PresetList AmrBitRates();
// What Opus takes: its bit rates and channel counts (its one sample rate: kOpusSampleRate).
PresetList OpusBitRates();
PresetList OpusChannels();

// Every preset, in id order.
std::span<const PresetRow> AllPresets();

// The row of `presetId`, or null.
const PresetRow* FindPreset(std::int32_t presetId);

// The number in a list text: "128 kbps" → 128000 (decimal kbps × 1000, truncated),
// "44100 Hz" → 44100; anything else → 0.
std::int32_t NumberOfText(std::string_view text);

// The channel count of a channel text: 1, 2 or 6; 0 for any other text.
std::int32_t ChannelsOfText(std::string_view text);
