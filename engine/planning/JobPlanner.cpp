#include "JobPlanner.h"

#include <QtGlobal>  // QT_TRANSLATE_NOOP: the window translates these

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <map>
#include <optional>
#include <set>

#include "CopyContainers.h"
#include "JobSettings.h"
#include "OutputFile.h"
#include "Paths.h"
#include "SettingsCheck.h"
#include "ThreadBudget.h"

namespace tolvane {

namespace {

namespace fs = std::filesystem;

// "out/film.mp3" for track 2 in English: "out/film.2.eng.mp3" (only letters, digits, "-" and "_"
// of the language are kept).
std::string TrackOutputPath(const std::string& output, int number, const std::string& language) {
    std::string tag = "." + std::to_string(number);
    std::string lang;
    for (const char c : language) {
        if (std::isalnum(static_cast<unsigned char>(c)) != 0 || c == '-' || c == '_') {
            lang += c;
        }
    }
    if (!lang.empty()) {
        tag += "." + lang;
    }
    std::string path = output;
    path.insert(ExtensionStart(path), tag);
    return path;
}

// `name` numbered ("name(0).ext", ...) until neither a file nor an earlier row of the run has it.
std::string FreeUnplannedName(const std::string& name,
                              const std::map<std::string, std::size_t>& planned) {
    std::string candidate = name;
    for (int counter = 0; counter < 1000000; ++counter) {
        std::error_code ignored;
        if (planned.count(candidate) == 0 &&
            fs::symlink_status(candidate, ignored).type() == fs::file_type::not_found) {
            return candidate;
        }
        candidate = NumberedName(name, counter);
    }
    return name;  // the worker numbers it when it creates it
}

// The folder every source is in, at some depth (for keepFolders).
fs::path CommonFolder(const std::vector<JobRow>& rows) {
    std::optional<fs::path> common;
    for (const JobRow& row : rows) {
        std::error_code ignored;
        const fs::path folder = fs::absolute(row.source, ignored).lexically_normal().parent_path();
        if (!common) {
            common = folder;
            continue;
        }
        fs::path shared;
        for (auto a = common->begin(), b = folder.begin(); a != common->end() && b != folder.end();
             ++a, ++b) {
            if (*a != *b) {
                break;
            }
            shared /= *a;
        }
        common = shared;
    }
    return common.value_or(fs::path("."));
}

// The output folder of `source`: the run's, or with keepFolders the source's folder relative to
// `common` under it.
std::string OutputFolderFor(const JobSettings& settings, const fs::path& common,
                            const std::string& source) {
    if (!settings.keepFolders) {
        return settings.outputFolder;
    }
    std::error_code error;
    const fs::path folder = fs::absolute(source, error).lexically_normal().parent_path();
    const fs::path target = fs::path(settings.outputFolder) / folder.lexically_relative(common);
    return target.lexically_normal().string();
}

// The tags of a part: its title (or "Part N"), "n/N" and its recording.
TaskTags PartTags(const JobRowPart& part) {
    if (!part.IsPart()) {
        return {};
    }
    return {part.title.empty() ? "Part " + std::to_string(part.number) : part.title,
            std::to_string(part.number) + "/" + std::to_string(part.count), part.album};
}

// The name a row's output asks for, before numbering; empty with `refusal` set when it has none.
std::string RequestedName(const JobSettings& settings, const std::string& folder, const JobRow& row,
                          const SoundTrackFacts& track, std::string& refusal) {
    const auto output = OutputPathForTask(row.source, folder, settings.formatEntry);
    if (!output) {
        refusal = kNoExtensionRefusal;
        return {};
    }
    // A copied sound goes into a container of its codec's own.
    std::string name =
        settings.copySound
            ? WithExtension(*output, CopyContainerForCodecName(track.codec).extension)
            : *output;
    if (row.part.IsPart()) {
        const fs::path whole(name);
        const std::string extension = whole.extension().string();
        name = (whole.parent_path() / (PartFileStem(whole.stem().string(), row.part.number,
                                                    row.part.count, row.part.title, extension) +
                                       extension))
                   .string();
    }
    if (row.trackInName) {
        name = TrackOutputPath(name, row.soundTrack, track.language);
    }
    if (row.channelInName && row.channel > 0 &&
        static_cast<std::size_t>(row.channel) <= track.channelNames.size()) {
        // "talk.FL.flac": the channel's name before the extension.
        const fs::path path(name);
        name =
            (path.parent_path() / (path.stem().string() + "." +
                                   track.channelNames[static_cast<std::size_t>(row.channel) - 1] +
                                   path.extension().string()))
                .string();
    }
    return name;
}

bool SameFile(const std::string& a, const std::string& b) {
    std::error_code ignored;
    return fs::equivalent(a, b, ignored);
}

}  // namespace

std::string AlbumOf(const std::string& source, const MediaProbeResult& probe) {
    return !probe.title.empty() ? probe.title : fs::path(source).stem().string();
}

std::vector<JobRow> PartRows(const JobRow& whole, const std::vector<SplitPart>& parts,
                             const std::string& album) {
    std::vector<JobRow> rows;
    const int count = static_cast<int>(parts.size());
    for (int i = 0; i < count; ++i) {
        const SplitPart& part = parts[static_cast<std::size_t>(i)];
        JobRow row = whole;
        row.checked = true;
        row.startMs = RowMillis(part.start);
        row.endMs = RowMillis(part.end);
        row.toEnd = part.toEnd;
        row.part = {i + 1, count, part.title, album};
        row.state = JobRowState::Ready;
        row.status.clear();
        row.output.clear();
        rows.push_back(std::move(row));
    }
    return rows;
}

std::vector<JobRow> ChannelRows(const JobRow& row, int channelCount) {
    std::vector<JobRow> rows;
    for (int n = 1; n <= channelCount; ++n) {
        JobRow channel = row;
        channel.channel = n;
        channel.channelInName = true;
        // Each a new row to convert.
        channel.checked = true;
        channel.state = JobRowState::Ready;
        channel.status.clear();
        channel.output.clear();
        rows.push_back(std::move(channel));
    }
    return rows;
}

std::vector<JobRow> TrackRows(const JobRow& row, int trackCount) {
    std::vector<JobRow> rows;
    for (int n = 1; n <= std::max(trackCount, 1); ++n) {
        JobRow track = row;
        track.soundTrack = n;
        track.trackInName = true;
        rows.push_back(std::move(track));
    }
    return rows;
}

JobRow WholeRow(const std::string& source, double length, double start, const double* end) {
    JobRow row;
    row.source = source;
    row.startMs = RowMillis(std::max(0.0, start));
    row.toEnd = end == nullptr;
    row.endMs = RowMillis(end != nullptr ? *end : std::max(length, start));
    return row;
}

namespace {

// The sound track a planned row's task reads, as its probe found it; none for a row that does
// not run or whose file has no such track.
const SoundTrackFacts* TaskTrack(const JobRow& row, const SourceFacts& facts, const RowPlan& plan) {
    const auto& tracks = facts.probe.soundTracks;
    const int number = row.soundTrack > 0 ? row.soundTrack : static_cast<int>(tracks.size());
    if (plan.task < 0 || number < 1 || number > static_cast<int>(tracks.size())) {
        return nullptr;
    }
    return &tracks[static_cast<std::size_t>(number) - 1];
}

std::string TooManyRowsText() {
    return "a run holds at most " + std::to_string(JobLimits::kMaxTasks) + " files";
}

}  // namespace

RunRefusal RefuseRun(const RunChoices& choices, const JobSettings& settings) {
    using Kind = RunRefusalKind;
    if (choices.listed == 0) {
        return {Kind::NoRows, QT_TRANSLATE_NOOP("Messages", "no file to convert")};
    }
    if (choices.merge && choices.rows >= 0 && choices.rows < 2) {
        return {Kind::MergeOfOne, QT_TRANSLATE_NOOP("Messages", "a merge needs two or more files")};
    }
    if (choices.rows == 0) {
        return {Kind::NothingChosen, QT_TRANSLATE_NOOP("Messages", "no row is chosen to convert")};
    }
    if (choices.listed > JobLimits::kMaxTasks) {
        return {Kind::TooManyRows, TooManyRowsText()};
    }
    if (std::string refusal = ProfileRefusal(settings.profile, settings.formatEntry);
        !refusal.empty()) {
        return {Kind::Settings, std::move(refusal)};
    }
    if (std::string refusal = ChoicesRefusal(choices); !refusal.empty()) {
        return {Kind::Choices, std::move(refusal)};
    }
    return {};
}

RunChoices ChoicesOf(const JobDocument& job) {
    RunChoices choices;
    choices.copy = job.settings.copySound;
    choices.merge = job.settings.merge;
    choices.normalize = job.settings.normalize;
    choices.replayGain = static_cast<ReplayGainKind>(job.settings.replayGain);
    choices.skipExisting = job.settings.skipExisting;
    // A crossfade is a merge's: a list converted file by file has none to refuse.
    choices.listen = job.settings.profile.listen;
    choices.listen.crossfade = job.settings.merge ? choices.listen.crossfade : 0.0;
    choices.video = !job.settings.copySound && !job.settings.profile.audioOnly;
    choices.opus = job.settings.profile.audioEncoderName == "OPUS";
    choices.listed = static_cast<int>(job.rows.size());
    choices.rows = 0;
    for (const JobRow& row : job.rows) {
        choices.rows += row.checked ? 1 : 0;
        choices.split = choices.split || row.part.IsPart();
        choices.allTracks = choices.allTracks || row.trackInName;
        choices.channels = choices.channels || row.channel > 0;
        choices.mix = choices.mix || row.mix.Any();
    }
    return choices;
}

void ApplySettings(const JobSettings& settings, JobPlan& plan) {
    plan.merge = settings.merge;
    plan.parallelTasks = settings.filesAtOnce > 0 ? settings.filesAtOnce : TasksAtOnceForCores();
    plan.coverFromVideo = settings.coverFromVideo;
    plan.coverFromVideoSeconds = settings.coverFromVideoSeconds;
    plan.normalize = settings.normalize;
    plan.loudnessTarget = settings.loudnessTarget;
    plan.truePeakCeiling = settings.truePeakCeiling;
    plan.replayGain = static_cast<ReplayGainKind>(settings.replayGain);
    plan.listen = settings.copySound ? ListenShape{} : settings.profile.listen;
    CopySettingsToJob(settings.profile, plan.settings);
}

PlannedRun PlanJob(const JobDocument& job, const std::vector<SourceFacts>& facts, JobSlice slice) {
    PlannedRun run;
    ApplySettings(job.settings, run.plan);
    run.rows.resize(job.rows.size());
    RunChoices choices = ChoicesOf(job);
    if (job.rows.empty()) {
        // Nothing to plan is no fault here: a front end with a list of its own asks first.
        choices.listed = -1;
        choices.rows = -1;
    }
    if (const RunRefusal refusal = RefuseRun(choices, job.settings)) {
        run.refusal = refusal.text;
        run.refusalKind = refusal.kind;
        return run;
    }
    const JobSettings& settings = job.settings;
    const fs::path common = settings.keepFolders ? CommonFolder(job.rows) : fs::path();
    std::map<std::string, std::size_t> planned;  // output name → the row that has it
    std::vector<std::string> collisions;
    for (std::size_t i = 0; i < job.rows.size(); ++i) {
        const JobRow& row = job.rows[i];
        RowPlan& outcome = run.rows[i];
        const bool taken = slice.Takes(i);
        const SourceFacts& source = facts[i];
        if (!row.checked || !source.read) {
            continue;
        }
        if (!source.refusal.empty()) {
            outcome.refusal = source.refusal;
            continue;
        }
        const auto& tracks = source.probe.soundTracks;
        const auto trackCount = static_cast<int>(tracks.size());
        if (std::string missing = MixTracksMissing(row.mix, trackCount); !missing.empty()) {
            outcome.refusal = std::move(missing);
            continue;
        }
        if (row.soundTrack > trackCount) {
            outcome.refusal = "no sound track " + std::to_string(row.soundTrack) + " (it has " +
                              std::to_string(trackCount) + ")";
            continue;
        }
        const double length = source.Length();
        const double start = row.StartSeconds();
        // An end at or past the file's length is no end: the task runs to the end of the sound,
        // however long that really is.
        const bool toEnd = row.toEnd || row.EndSeconds() >= length;
        const double end = toEnd ? std::max(length, start) : row.EndSeconds();
        if (!settings.merge && (toEnd ? start > 0 && start >= length : start >= end)) {
            outcome.refusal = QT_TRANSLATE_NOOP("Messages", "shorter than the clip start");
            continue;
        }
        const std::string folder = OutputFolderFor(settings, common, row.source);
        const SoundTrackFacts none;  // a file without sound fails in the run
        const SoundTrackFacts& track =
            trackCount == 0 ? none
                            : tracks[static_cast<std::size_t>(
                                  (row.soundTrack > 0 ? row.soundTrack : trackCount) - 1)];
        if (row.channel > 0 && (trackCount == 0 || static_cast<std::size_t>(row.channel) >
                                                       track.channelNames.size())) {
            outcome.refusal = "no channel " + std::to_string(row.channel) + " (it has " +
                              std::to_string(track.channelNames.size()) + ")";
            continue;
        }
        if (settings.copySound && settings.normalize && track.codecId != AV_CODEC_ID_OPUS) {
            outcome.refusal = kCopyLoudnessRefusal;
            continue;
        }
        std::string name = RequestedName(settings, folder, row, track, outcome.refusal);
        if (name.empty()) {
            continue;
        }
        if (const auto earlier = planned.find(name);
            earlier != planned.end() && settings.skipExisting) {
            collisions.push_back(job.rows[earlier->second].source + " and " + row.source +
                                 " would both write " + name);
            continue;
        }
        if (!taken) {
            // Another slice's row: its name is its own, as in one run.
            planned.emplace(name, i);
            continue;
        }
        std::error_code ignored;
        const bool exists = fs::symlink_status(name, ignored).type() != fs::file_type::not_found;
        // What a stopped run left of this row holds only a part of it: no reason to skip it.
        const bool cutShort = exists && row.state != JobRowState::Converted &&
                              !row.output.empty() && SameFile(name, row.output);
        if (!settings.skipExisting || cutShort) {
            name = FreeUnplannedName(name, planned);
        }
        planned.emplace(name, i);
        if (settings.skipExisting && SameFile(name, row.source)) {
            // The source itself is no output: converting it would write "name(0)", which the
            // next run would not find.
            outcome.refusal = QT_TRANSLATE_NOOP(
                "Messages", "its output would be the source itself; choose another output folder");
        } else if (settings.skipExisting && exists && !cutShort) {
            outcome.existing = name;
        } else if (run.plan.tasks.size() >= static_cast<std::size_t>(JobLimits::kMaxTasks)) {
            run.refusal = TooManyRowsText();
            run.refusalKind = RunRefusalKind::TooManyRows;
            return run;
        } else {
            outcome.task = static_cast<int>(run.plan.tasks.size());
            run.plan.tasks.push_back({row.source, name, start, end, toEnd, row.soundTrack,
                                      settings.copySound ? TaskKind::Copy : TaskKind::Convert,
                                      PartTags(row.part), row.channel, row.mix});
            if (row.mix.Any()) {
                run.plan.tasks.back().soundTrack = row.mix.tracks.front();
            }
        }
    }
    // Copied packets join only when every file has the same kind of sound (as its probe found
    // it: nothing is read here).
    if (settings.merge && settings.copySound) {
        const SoundTrackFacts* first = nullptr;
        for (std::size_t i = 0; i < run.rows.size() && run.unlikeRow < 0; ++i) {
            const SoundTrackFacts* track = TaskTrack(job.rows[i], facts[i], run.rows[i]);
            if (track == nullptr) {
                continue;  // not in the run, or fails on its own in it
            }
            if (first == nullptr) {
                first = track;
                continue;
            }
            if (const std::string mismatch = CopyMismatch(*first, *track); !mismatch.empty()) {
                run.unlikeRow = static_cast<int>(i);
                run.unlike = SoundTrackSound(*track) + " (" + mismatch + "), unlike " +
                             SoundTrackSound(*first);
                run.refusal = "the sound tracks cannot be merged without re-encoding: " +
                              std::string(FileNameOfPath(job.rows[i].source)) + " has " +
                              run.unlike;
                run.refusalKind = RunRefusalKind::Files;
            }
        }
    }
    for (const std::string& collision : collisions) {
        run.refusal += (run.refusal.empty() ? "" : "\n") + collision +
                       "; with --skip-existing each input needs a name of its own "
                       "(--keep-folders keeps their folders apart)";
        run.refusalKind = RunRefusalKind::Files;
    }
    return run;
}

}  // namespace tolvane
