#pragma once

// The edit lists of an MP4 or QuickTime file, read from its boxes, for a sound delayed by an
// empty edit: [empty edit, sound edit]. The demuxer leaves the encoder's priming out but, after
// an empty edit, not its padding at the end (the last packet keeps its whole length); and some
// recorders shorten the sound's edit by the delay, so that the edits end before the sound does
// (played by the edits, the sound would lose its last stretch, as long as the delay). The sound
// is its media from the sound edit's start, as long as the edit says, or where the edit was
// shortened, to the end of the media's sound.

#include <string>
#include <vector>

namespace tolvane {

struct SoundEdit final {
    double seconds = -1.0;   // the sound's length; -1: not a delayed sound
    bool shortened = false;  // its edit ends before its media does: read the media, not the edits
};

// For each track of the file, in file order (the demuxer's stream order). Empty when the file is
// no MP4 whose boxes can be read, or has no delayed sound.
std::vector<SoundEdit> DelayedSoundEdits(const std::string& path);

}  // namespace tolvane
