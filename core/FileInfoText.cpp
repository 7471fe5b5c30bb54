#include "FileInfoText.h"

#include <cstdlib>

#include "Numbers.h"
#include "Paths.h"

std::string BitRateText(const std::string& bitsPerSecond) {
    if (bitsPerSecond.empty()) {
        return {};
    }
    const std::string formatted =
        FormatFixed(ParseLeadingNumber(bitsPerSecond).value_or(0.0) / 1000.0, 6);
    const std::size_t dot = formatted.find('.', 1);
    return dot == std::string::npos ? formatted : formatted.substr(0, dot) + " Kbps";
}

FileInfoTexts MakeFileInfoTexts(const FileInfoValues& values) {
    FileInfoTexts texts;
    texts.fileName = FileNameOfPath(values.infoPath);
    texts.length = values.infoLength;
    texts.frameRate = values.infoFrameRate;
    texts.videoBitRate = BitRateText(values.infoVideoBitRate);
    if (!values.infoWidth.empty() && !values.infoHeight.empty()) {
        texts.resolution = values.infoWidth + "*" + values.infoHeight;
    }
    if (std::atoi(values.infoVideoCodec.c_str()) < 1) {
        texts.videoBitRate.clear();
        texts.frameRate.clear();
        texts.resolution.clear();
    }
    if (!values.infoSampleRate.empty()) {
        texts.samples = values.infoSampleRate + " Hz";
    }
    if (values.infoChannels == "1") {
        texts.channel = "1 Channel Mono";
    } else if (values.infoChannels == "2") {
        texts.channel = "2 Channel stereo";
    } else if (values.infoChannels == "6") {
        texts.channel = "6 Channel stereo";
    } else {
        texts.channel = values.infoChannels;
    }
    texts.audioBitRate = BitRateText(values.infoAudioBitRate);
    if (std::atoi(values.infoAudioCodec.c_str()) < 1) {
        texts.audioBitRate.clear();
        texts.channel.clear();
        texts.samples.clear();
    }
    return texts;
}
