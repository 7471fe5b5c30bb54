#pragma once

// The eleven texts that describe the selected task's file, filled from its probe.

#include <string>

#include "MediaProbeResult.h"

struct FileInfoValues final {
    std::string infoPath;
    std::string infoLength;     // the row's end time text
    std::string infoFrameRate;  // "%5.2f fps"
    std::string infoWidth;
    std::string infoHeight;
    std::string infoVideoBitRate;
    std::string infoVideoCodec;
    std::string infoSampleRate;
    std::string infoChannels;
    std::string infoAudioBitRate;
    std::string infoAudioCodec;
};

FileInfoValues MakeFileInfoValues(const MediaProbeResult& probe, const std::string& path,
                                  const std::string& lengthText);
