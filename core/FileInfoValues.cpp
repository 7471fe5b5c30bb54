#include "FileInfoValues.h"

#include "Numbers.h"

FileInfoValues MakeFileInfoValues(const MediaProbeResult& probe, const std::string& path,
                                  const std::string& lengthText, int soundTrack) {
    FileInfoValues values;
    values.infoPath = path;
    values.infoLength = lengthText;
    const double fps = probe.srcFrameRateDen != 0
                           ? static_cast<double>(probe.srcFrameRateNum) / probe.srcFrameRateDen
                           : 0.0;
    values.infoFrameRate = FormatFixed(fps, 2, 5) + " fps";
    values.infoWidth = std::to_string(probe.srcWidth);
    values.infoHeight = std::to_string(probe.srcHeight);
    values.infoVideoCodec = std::to_string(probe.srcVideoCodecId);
    values.infoAudioCodec = std::to_string(probe.srcAudioCodecId);
    values.infoVideoBitRate = std::to_string(probe.srcVideoBitRate);
    values.infoAudioBitRate = std::to_string(probe.srcAudioBitRate);
    values.infoChannels = std::to_string(probe.srcChannels);
    values.infoSampleRate = std::to_string(probe.srcSampleRate);
    const auto tracks = static_cast<int>(probe.soundTracks.size());
    if (tracks >= 2) {
        const int chosen = soundTrack > 0 && soundTrack <= tracks ? soundTrack : tracks;
        const SoundTrackFacts& track = probe.soundTracks[static_cast<std::size_t>(chosen - 1)];
        values.infoSoundTrack = SoundTrackLabel(chosen, track);
        if (chosen != tracks) {  // the last one is the probed one
            values.infoAudioCodec = std::to_string(track.codecId);
            values.infoAudioBitRate = std::to_string(track.bitRate);
            values.infoChannels = std::to_string(track.channels);
            values.infoSampleRate = std::to_string(track.sampleRate);
        }
    }
    values.infoChapters = ChapterLines(probe.chapters);
    values.chapterCount = static_cast<int>(probe.chapters.size());
    values.soundTrackNumber = soundTrack;
    return values;
}
