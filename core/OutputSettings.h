#pragma once

// The output profile: the chosen format preset and the encoder parameters of every run, the
// four entries of the format box, and the tables that translate the profile into job fields.
// Free of widgets, so that the command-line front end uses the same rules as the window.

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "ListenShape.h"

// One record for the whole process; empty texts and zero numbers until the window's set-up
// (ApplyStartupValues) fills it.
struct OutputSettings final {
    std::int32_t presetId = 0;
    std::int32_t savedPresetId = 0;  // written only by the settings dialog
    bool audioOnly = false;
    bool pspPreset = false;         // the job's thumbnail switch
    std::int32_t audioBitRate = 0;  // bits per second
    std::int32_t sampleRate = 0;    // Hz
    std::int32_t channels = 0;      // 1, 2 or 6
    std::int32_t videoBitRate = 0;
    std::int32_t frameWidth = 0;
    std::int32_t frameHeight = 0;
    std::string frameRateText;     // "29.97 fps"
    std::string videoEncoderName;  // "MPEG4"
    std::string audioEncoderName;  // "MP3", "PCM_S16LE"
    std::string savedAudioBitRateText;
    std::string savedSampleRateText;
    std::string savedChannelText;
    std::string savedVideoBitRateText;
    std::string savedFrameSizeText;
    std::string savedFrameRateText;
    std::string savedVideoEncoderText;
    std::string savedAudioEncoderText;
    // The loudness every converted file is brought to (LUFS), 0 for as recorded; chosen in the
    // settings dialog, remembered in the settings file.
    double loudnessTarget = 0.0;
    // What libopus tunes an Opus output for: "voip" (speech) or "audio"; empty: its default.
    std::string opusApplication;
    // Tempo, night mode and fades (the settings dialog's; none by default).
    tolvane::ListenShape listen;
    // The centre channel's level (dB) where a track is folded down to fewer channels.
    double centerMixDb = tolvane::kDefaultCenterMix;
};

// The loudness choices the settings dialog offers: the target (0: as recorded) and its text.
struct LoudnessChoice final {
    double target;
    const char* text;
};
inline constexpr LoudnessChoice kLoudnessChoices[] = {
    {0.0, "As recorded"},
    {-14.0, "-14 LUFS (music streaming)"},
    {-16.0, "-16 LUFS (spoken word, podcasts)"},
    {-18.0, "-18 LUFS"},
    {-23.0, "-23 LUFS (EBU broadcast)"},
};

// The values of the record after the window's set-up (MP3 at 192 kbps and 48000 Hz).
void ApplyStartupValues(OutputSettings& settings);

struct FormatEntry {
    const char* text;  // the format box's entry and the task list's format column
    std::int32_t presetId;
    const char* audioEncoderName;
    const char* extension;
    std::int32_t sampleRate = 44100;  // what choosing the entry sets
};

// The format box's entries: the four formats, then Opus (a choice beyond them; Opus takes only
// 48000 Hz).
inline constexpr std::array<FormatEntry, 5> kFormatEntries = {{
    {"MP3-MPEG Layer-3 Audio(*.mp3)", 90106, "MP3", ".mp3"},
    {"WAV-Waveform Audio(*.wav)", 90109, "PCM_S16LE", ".wav"},
    {"WMA-Windows Media Audio(*.wma)", 90110, "WMA8", ".wma"},
    {"OGG-OGG Vorbis Audio(*.ogg)", 90107, "VORBIS", ".ogg"},
    {"OPUS-Opus Audio(*.opus)", 91700, "OPUS", ".opus", 48000},
}};

// Opus: the one sample rate it is encoded at, its bit rates, and the bit rate a channel count
// gets when none is chosen (64 kbps mono, 128 kbps stereo, 256 kbps 5.1).
inline constexpr std::int32_t kOpusSampleRate = 48000;
inline constexpr std::int32_t kOpusMinBitRate = 6000;
inline constexpr std::int32_t kOpusMaxBitRate = 510000;
std::int32_t DefaultOpusBitRate(std::int32_t channels);

// The format box's fifth entry: the original sound track, copied without re-encoding. The
// settings are not used; the task list's format column shows kOriginalAudioColumn, and each
// output's extension follows its sound's codec (".mka" until the worker knows it).
inline constexpr const char* kOriginalAudioEntry = "Original audio (no re-encode)";
inline constexpr const char* kOriginalAudioColumn = "Original audio";
inline constexpr const char* kOriginalAudioExtension = ".mka";
bool IsOriginalAudioEntry(std::string_view entryText);

// The format box's selection change: the entry's preset and encoder, audio only, 128 kbps,
// 2 channels, the entry's sample rate (44100 Hz but for Opus). The remembered texts and the
// video fields are left as they are. Returns false, changing nothing, for an index outside the
// entries.
bool ApplyFormatChoice(OutputSettings& settings, int index);

// Table look-ups; exact and case-sensitive. No match: no value.
std::optional<double> FrameRateForText(std::string_view text);
std::optional<std::int32_t> VideoCodecForName(std::string_view name);
std::optional<std::int32_t> AudioCodecForName(std::string_view name);
// Every name of the audio encoder table, in its order.
std::vector<std::string_view> AudioEncoderNames();

// What the task list's narrow format column shows of a format text: the format's short name
// ("MP3" of "MP3-MPEG Layer-3 Audio(*.mp3)", "FLAC" of a preset's "(*.flac)"), the original-audio
// column text as it is, and an empty text empty.
std::string FormatShortName(std::string_view columnText);

// The extension in a format entry's text: what follows the last "*", cut before the next ")";
// kOriginalAudioExtension for the original-audio entry.
std::string ExtensionFromEntryText(std::string_view entryText);

// The output path of a task: run folder, "/", the source's file name up to its last ".", and
// the entry's extension. No value when the file name has no "." (the run does not start).
std::optional<std::string> OutputPathForTask(std::string_view sourcePath,
                                             std::string_view runFolder,
                                             std::string_view entryText);
