#pragma once

// The sound tracks of a file as a person picks among them: "2: eng · AC-3 5.1 · 48 kHz ·
// Commentary".

#include <string>
#include <vector>

struct SoundTrackFacts final {
    std::string language;  // as the file tags it ("eng"), or empty
    std::string codec;     // FFmpeg's short codec name ("ac3")
    int channels = 0;
    int sampleRate = 0;
    std::string title;  // or empty
    int bitRate = 0;    // bits per second, as the container says (0: not said)
    int codecId = 0;    // AVCodecID
    // Its channels as FFmpeg names them ("FL", "FR", "FC", "LFE"...), in the track's order (a
    // layout the file does not state: the usual one for the count).
    std::vector<std::string> channelNames{};
    // What packets copied from it depend on beyond its codec, rate and channels (the sample
    // format, profile, sample sizes, block size and the codec's header), as one text: a merge by
    // copying joins only tracks alike in all of it.
    std::string copyKey{};

    // The channel `name` ("FC", any case) or number ("3", from 1) names, from 1; 0 when the
    // track has no such channel.
    int ChannelNumber(const std::string& name) const;
};

// `number` counts the file's sound tracks from 1, in file order.
std::string SoundTrackLabel(int number, const SoundTrackFacts& track);

// The sound alone: "AC-3 5.1 · 48 kHz".
std::string SoundTrackSound(const SoundTrackFacts& track);

// Empty when packets of `other` can follow packets of `first` in one stream (copied, not
// encoded): the same codec, sample rate, channel layout and codec parameters; else what differs
// ("another codec").
std::string CopyMismatch(const SoundTrackFacts& first, const SoundTrackFacts& other);
