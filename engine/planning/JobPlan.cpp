#include "JobPlan.h"

#include <QtGlobal>  // QT_TRANSLATE_NOOP: the window and the command line translate these

#include <algorithm>

namespace tolvane {

double JobPlan::TotalSeconds() const {
    double seconds = 0.0;
    for (int i = 0; i < TaskCount(); ++i) {
        seconds += Task(i).TakesPart() ? Task(i).ClipLength() : 0.0;
    }
    return seconds;
}

std::string ChoicesRefusal(const RunChoices& c) {
    if (c.splitKinds > 1) {
        return QT_TRANSLATE_NOOP("Messages",
                                 "split at the chapters, at a list of times, at the pauses or "
                                 "every so many minutes: one of them");
    }
    if (c.trimSilence && c.split) {
        return QT_TRANSLATE_NOOP(
            "Messages", "the parts of a split are back to back: --trim-silence trims whole files");
    }
    if (c.trimSilence && c.clipped) {
        return QT_TRANSLATE_NOOP(
            "Messages", "--trim-silence finds the clip itself; -s and -t do not go with it");
    }
    if (c.opusApplication && !c.opus) {
        return QT_TRANSLATE_NOOP("Messages", "--opus-application goes with Opus (-f opus)");
    }
    if (c.merge && c.slices > 1) {
        return QT_TRANSLATE_NOOP("Messages", "a merge makes one file: it cannot be run in slices");
    }
    if (c.copy && c.encoderNumbers) {
        return QT_TRANSLATE_NOOP(
            "Messages", "-f copy keeps the original sound; -e, -b, -r and -c do not go with it");
    }
    if (c.copy && c.normalize && c.merge) {
        return QT_TRANSLATE_NOOP(
            "Messages",
            "a merged copy keeps each file's sound as it is: it cannot be brought to one "
            "loudness (choose a format to convert to)");
    }
    if (c.normalize && c.replayGain != ReplayGainKind::Off) {
        return QT_TRANSLATE_NOOP(
            "Messages", "normalising changes the sound, ReplayGain tags it: one or the other");
    }
    if (c.merge && c.replayGain != ReplayGainKind::Off) {
        return QT_TRANSLATE_NOOP("Messages",
                                 "ReplayGain tags files one by one; it does not go with a merge");
    }
    if (c.merge && c.split) {
        return QT_TRANSLATE_NOOP("Messages",
                                 "a split makes a file of each part; it does not go with a merge");
    }
    if (c.merge && c.clipped) {
        return QT_TRANSLATE_NOOP(
            "Messages", "a merge takes every file whole; a clip start or end does not go with it");
    }
    if (c.merge && c.allTracks) {
        return QT_TRANSLATE_NOOP(
            "Messages", "-a all writes a file per sound track; it does not go with --merge");
    }
    if (c.merge && c.skipExisting) {
        return QT_TRANSLATE_NOOP("Messages",
                                 "--skip-existing works file by file; it does not go with --merge");
    }
    if (const std::string refusal = ListenShapeRefusal(c.listen); !refusal.empty()) {
        return refusal;
    }
    if (c.copy && c.mix) {
        return QT_TRANSLATE_NOOP("Messages",
                                 "a mix of sound tracks is an encode: a copy keeps one track as "
                                 "it is (choose a format to convert to)");
    }
    if (c.copy && c.channels) {
        return QT_TRANSLATE_NOOP("Messages",
                                 "a channel alone is an encode: a copy keeps every channel "
                                 "(choose a format to convert to)");
    }
    if (c.merge && c.channels) {
        return QT_TRANSLATE_NOOP("Messages",
                                 "a channel alone writes a file of its own; it does not go with a "
                                 "merge");
    }
    if (c.copy && c.listen.Any()) {
        return QT_TRANSLATE_NOOP("Messages",
                                 "tempo, night mode and fades change the sound: a copy keeps it "
                                 "as it is (choose a format to convert to)");
    }
    if (c.video && c.listen.Tempo()) {
        return QT_TRANSLATE_NOOP("Messages",
                                 "the tempo changes the sound alone: the pictures of a video "
                                 "output would no longer match it");
    }
    if (!c.merge && c.listen.crossfade > 0.0) {
        return QT_TRANSLATE_NOOP("Messages",
                                 "a crossfade joins the files of a merge: it needs a merge");
    }
    if (c.split && c.clipped) {
        return QT_TRANSLATE_NOOP("Messages",
                                 "a split makes a file of each part; it does not go with -s or -t");
    }
    return {};
}

}  // namespace tolvane
