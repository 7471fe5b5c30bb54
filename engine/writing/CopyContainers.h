#pragma once

// The container a copied sound track goes into, chosen by its codec: for the planner that names
// a copy's output and the copier that writes it.

#include <string>

extern "C" {
#include <libavcodec/codec_id.h>
}

namespace tolvane {

struct CopyContainer final {
    const char* extension;  // ".m4a"
    const char* muxer;      // "ipod"
};

// AAC and ALAC → .m4a, MP3 → .mp3, MP2 → .mp2, Vorbis → .ogg, Opus → .opus, FLAC → .flac,
// AC-3 → .ac3, E-AC-3 → .eac3, DTS → .dts, AMR-NB → .amr, WMA → .wma, PCM → .wav; anything else,
// or what the chosen container cannot hold (big-endian PCM), → .mka.
CopyContainer CopyContainerFor(AVCodecID codec);
// The same for FFmpeg's short codec name ("ac3"), as the probe lists sound tracks.
CopyContainer CopyContainerForCodecName(const std::string& name);

}  // namespace tolvane
