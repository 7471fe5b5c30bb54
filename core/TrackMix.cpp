#include "TrackMix.h"

#include <QtGlobal>  // QT_TRANSLATE_NOOP

#include <algorithm>
#include <set>

namespace tolvane {

double TrackMix::GainOf(int track) const {
    for (std::size_t i = 0; i < tracks.size() && i < gainsDb.size(); ++i) {
        if (tracks[i] == track) {
            return gainsDb[i];
        }
    }
    return 0.0;
}

std::string TrackMixRefusal(const TrackMix& mix) {
    if (mix.tracks.empty()) {
        return {};
    }
    const std::set<int> distinct(mix.tracks.begin(), mix.tracks.end());
    if (mix.tracks.size() < 2 || distinct.size() != mix.tracks.size() || *distinct.begin() < 1) {
        return QT_TRANSLATE_NOOP("Messages",
                                 "a mix takes two sound tracks or more, each once, as 1+2");
    }
    if (mix.gainsDb.size() != mix.tracks.size() ||
        std::any_of(mix.gainsDb.begin(), mix.gainsDb.end(),
                    [](double gain) { return !kTrackGainRange.Holds(gain); })) {
        return QT_TRANSLATE_NOOP("Messages", "a track's gain is from -40 to +20 dB");
    }
    if (mix.voice != 0 && distinct.count(mix.voice) == 0) {
        return QT_TRANSLATE_NOOP("Messages", "the voice is one of the mixed sound tracks");
    }
    if (!kVoiceLuRange.Holds(mix.voiceLu) || !kDuckRange.Holds(mix.duckDb)) {
        return QT_TRANSLATE_NOOP("Messages",
                                 "the voice's lead and the ducking are from 0 to 40 dB");
    }
    if (mix.duckDb > 0.0 && mix.voice == 0) {
        return QT_TRANSLATE_NOOP("Messages",
                                 "ducking lowers the others while the voice "
                                 "speaks: it needs a voice");
    }
    return {};
}

std::string MixTracksMissing(const TrackMix& mix, int trackCount) {
    const auto beyond = std::find_if(mix.tracks.begin(), mix.tracks.end(),
                                     [trackCount](int n) { return n > trackCount; });
    if (beyond == mix.tracks.end()) {
        return {};
    }
    return "no sound track " + std::to_string(*beyond) + " to mix (it has " +
           std::to_string(trackCount) + ")";
}

std::string TrackMixText(const TrackMix& mix) {
    std::string text = "Tracks ";
    for (std::size_t i = 0; i < mix.tracks.size(); ++i) {
        text += (i > 0 ? "+" : "") + std::to_string(mix.tracks[i]);
    }
    return text;
}

}  // namespace tolvane
