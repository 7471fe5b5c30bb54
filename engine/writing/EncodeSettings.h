#pragma once

// The numbers an output is encoded with: the sound's, and the picture's for a video preset.

#include <cstdint>
#include <string>

#include "CodecIds.h"

// The audio numbers of a run: codec, bit rate, sample rate and channels.
struct AudioSettings final {
    std::int32_t codecId = 0;  // AVCodecID
    std::int32_t bitRate = 0;
    std::int32_t sampleRate = 0;
    std::int32_t channels = 0;
    std::string opusApplication;  // libopus's "application": "voip", "audio"; empty: its default
    // The centre channel's level (dB) where more channels are folded into fewer.
    double centerMixDb = -3.0;
    int pickChannel = 0;  // from 1: that channel of the source alone; 0: every channel
};

// The output settings of a run as codec identifiers.
struct EncodeSettings {
    std::int32_t audioCodecId = 0;  // AVCodecID
    std::int32_t audioBitRate = 0;
    std::int32_t audioSampleRate = 0;
    std::int32_t audioChannels = 0;
    bool includeVideo = false;
    std::int32_t videoCodecId = 0;  // AVCodecID, or kCodecIdXvid
    std::int32_t videoBitRate = 0;
    std::int32_t videoWidth = 0;
    std::int32_t videoHeight = 0;
    double videoFrameRate = 0.0;       // 0: as the source
    std::int32_t writeThumbnail = -1;  // 1: write a ".THM" thumbnail beside the output
    std::string opusApplication;
    double centerMixDb = -3.0;  // as AudioSettings'

    AudioSettings Audio() const {
        return {audioCodecId,  audioBitRate,    audioSampleRate,
                audioChannels, opusApplication, centerMixDb};
    }
};
