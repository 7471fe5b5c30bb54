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
    // The chosen sound track ("2: eng · AC-3 5.1 · 48 kHz"), for a file of several; else empty.
    std::string infoSoundTrack;
    // The file's chapters, a line each ("01  00:00:00.000  Overture"); empty without any.
    std::string infoChapters;
    int chapterCount = 0;
    int soundTrackNumber = 0;  // the sound track the values describe (from 1; 0 the last)
};

// The audio values are those of sound track `soundTrack` (from 1; 0: the last, as probed).
FileInfoValues MakeFileInfoValues(const MediaProbeResult& probe, const std::string& path,
                                  const std::string& lengthText, int soundTrack = 0);
