#pragma once

// Whether the job's audio settings can be written into a container at all, found before any
// file is touched: an encoder this FFmpeg lacks, a rate or channel count the encoder refuses,
// a container that cannot hold the codec.

#include <string>

struct AudioSettings;
struct OutputSettings;

namespace tolvane {

// Empty when the audio codec, rate and channels can be written into the container that
// `outputName`'s extension chooses, whatever sample format the source gives the encoder;
// otherwise why not, naming the pair.
std::string AudioSettingsRefusal(const AudioSettings& audio, const std::string& outputName);

// The same for a profile and a format entry's text, as a run would translate them.
std::string ProfileRefusal(const OutputSettings& settings, const std::string& entryText);

}  // namespace tolvane
