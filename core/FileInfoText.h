#pragma once

// What the file information dialog shows for a file's information values.

#include <string>

#include "FileInfoValues.h"

struct FileInfoTexts final {
    std::string fileName;
    std::string length;
    std::string resolution;
    std::string frameRate;
    std::string videoBitRate;
    std::string audioBitRate;
    std::string samples;
    std::string channel;
};

// "128000" → "128 Kbps", "127999" → "127 Kbps"; "" stays "".
std::string BitRateText(const std::string& bitsPerSecond);

FileInfoTexts MakeFileInfoTexts(const FileInfoValues& values);
