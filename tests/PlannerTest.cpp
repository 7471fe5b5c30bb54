// The planner's rules, from the facts a probe would give: no file is read, none is written.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "AVConvert.h"
#include "JobFile.h"
#include "JobPlanner.h"
#include "OutputSettings.h"

namespace {

using tolvane::RunChoices;
using tolvane::RunRefusalKind;

// A settings record as the window starts with: MP3, into a folder that is not there (so that
// no name is taken by a file on this machine).
JobSettings Mp3Settings() {
    JobSettings settings;
    ApplyStartupValues(settings.profile);
    ApplyFormatChoice(settings.profile, 0);
    settings.formatEntry = kFormatEntries[0].text;
    settings.outputFolder = "/nonexistent-tolvane-planner-test";
    return settings;
}

// A sound track as a probe lists it.
SoundTrackFacts Track(const char* codec, int codecId, int channels, int rate,
                      std::string copyKey = "s16") {
    SoundTrackFacts track;
    track.codec = codec;
    track.codecId = codecId;
    track.channels = channels;
    track.sampleRate = rate;
    track.channelNames = channels == 1 ? std::vector<std::string>{"FC"}
                         : channels == 2
                             ? std::vector<std::string>{"FL", "FR"}
                             : std::vector<std::string>{"FL", "FR", "FC", "LFE", "SL", "SR"};
    track.copyKey = std::move(copyKey);
    return track;
}

constexpr int kAac = 86018;   // AV_CODEC_ID_AAC
constexpr int kAc3 = 86019;   // AV_CODEC_ID_AC3
constexpr int kOpus = 86076;  // AV_CODEC_ID_OPUS

// A file of `seconds` with the given sound tracks.
tolvane::SourceFacts File(double seconds, std::vector<SoundTrackFacts> tracks) {
    tolvane::SourceFacts facts;
    facts.probe.durationMicros = static_cast<std::int64_t>(seconds * 1e6);
    facts.probe.soundTracks = std::move(tracks);
    return facts;
}

JobRow Row(const std::string& source, bool checked = true) {
    JobRow row;
    row.source = source;
    row.checked = checked;
    return row;
}

// Every rule that needs no file: the kind each front end words, and the text people read.
TEST(Planner, RefusesWhatCannotRunBeforeAnyFileIsRead) {
    struct Case {
        const char* name;
        void (*choose)(RunChoices&, JobSettings&);
        RunRefusalKind kind;
        const char* says;  // a piece of the text
    };
    const Case cases[] = {
        {"an empty list", [](RunChoices& c, JobSettings&) { c.listed = 0; }, RunRefusalKind::NoRows,
         "no file"},
        {"a merge of one row",
         [](RunChoices& c, JobSettings& s) {
             c.merge = s.merge = true;
             c.listed = 3;
             c.rows = 1;
         },
         RunRefusalKind::MergeOfOne, "two or more"},
        {"no row chosen",
         [](RunChoices& c, JobSettings&) {
             c.listed = 2;
             c.rows = 0;
         },
         RunRefusalKind::NothingChosen, "no row"},
        {"more rows than a run holds",
         [](RunChoices& c, JobSettings&) { c.listed = c.rows = AVConvert::kMaxTasks + 1; },
         RunRefusalKind::TooManyRows, "9999"},
        {"a rate MP3 cannot be encoded at",
         [](RunChoices&, JobSettings& s) { s.profile.sampleRate = 96000; },
         RunRefusalKind::Settings, "96000"},
        {"two kinds of split",
         [](RunChoices& c, JobSettings&) {
             c.splitKinds = 2;
             c.split = true;
         },
         RunRefusalKind::Choices, "one of them"},
        {"a trim of a split",
         [](RunChoices& c, JobSettings&) {
             c.splitKinds = 1;
             c.split = c.trimSilence = true;
         },
         RunRefusalKind::Choices, "back to back"},
        {"a trim of a clip", [](RunChoices& c, JobSettings&) { c.trimSilence = c.clipped = true; },
         RunRefusalKind::Choices, "finds the clip itself"},
        {"an Opus application for MP3",
         [](RunChoices& c, JobSettings&) { c.opusApplication = true; }, RunRefusalKind::Choices,
         "goes with Opus"},
        {"a merge in slices",
         [](RunChoices& c, JobSettings&) {
             c.merge = true;
             c.slices = 2;
         },
         RunRefusalKind::Choices, "slices"},
        {"a merged clip", [](RunChoices& c, JobSettings&) { c.merge = c.clipped = true; },
         RunRefusalKind::Choices, "whole"},
        {"a copy with a bit rate",
         [](RunChoices& c, JobSettings&) { c.copy = c.encoderNumbers = true; },
         RunRefusalKind::Choices, "-f copy"},
        {"a mix copied", [](RunChoices& c, JobSettings&) { c.copy = c.mix = true; },
         RunRefusalKind::Choices, "mix"},
        // What may run: nothing known of the rows yet, an Opus application for Opus, a merge
        // of two.
        {"rows not yet known", [](RunChoices&, JobSettings&) {}, RunRefusalKind::None, ""},
        {"an Opus application for Opus",
         [](RunChoices& c, JobSettings& s) {
             c.opusApplication = c.opus = true;
             ApplyFormatChoice(s.profile, 4);
             s.formatEntry = kFormatEntries[4].text;
         },
         RunRefusalKind::None, ""},
        {"a merge of two",
         [](RunChoices& c, JobSettings& s) {
             c.merge = s.merge = true;
             c.listed = c.rows = 2;
         },
         RunRefusalKind::None, ""},
    };
    for (const Case& c : cases) {
        RunChoices choices;
        JobSettings settings = Mp3Settings();
        c.choose(choices, settings);
        const tolvane::RunRefusal refusal = tolvane::RefuseRun(choices, settings);
        EXPECT_EQ(refusal.kind, c.kind) << c.name << ": " << refusal.text;
        EXPECT_NE(refusal.text.find(c.says), std::string::npos) << c.name << ": " << refusal.text;
    }
}

// A job's rows planned from their files' facts: each row's refusal in words, the run's own
// refusal with its kind, and the names the tasks get.
TEST(Planner, PlansRowsFromTheirFactsAlone) {
    const SoundTrackFacts stereo = Track("aac", kAac, 2, 48000);
    struct Case {
        const char* name;
        std::vector<JobRow> rows;
        std::vector<tolvane::SourceFacts> facts;
        void (*adjust)(JobSettings&);
        RunRefusalKind kind;
        std::vector<std::string> rowRefusals;  // a piece of each row's ("" none)
        std::vector<std::string> outputs;      // the tasks' output names, in order
    };
    const auto none = [](JobSettings&) {};
    const auto merge = [](JobSettings& s) { s.merge = true; };
    const auto copyMerge = [](JobSettings& s) {
        s.merge = s.copySound = true;
        s.formatEntry = kOriginalAudioEntry;
    };
    JobRow mixed = Row("/v/game.mkv");
    mixed.mix.tracks = {1, 3};
    mixed.mix.gainsDb = {0.0, 0.0};
    JobRow second = Row("/v/film.mkv");
    second.soundTrack = 2;
    JobRow late = Row("/v/short.mp4");
    late.startMs = 20000;
    JobRow channel = Row("/v/talk.mp4");
    channel.channel = 3;
    const std::string folder = "/nonexistent-tolvane-planner-test/";
    const Case cases[] = {
        {"two of one name",
         {Row("/v/talk.mp4"), Row("/w/talk.mkv")},
         {File(10, {stereo}), File(10, {stereo})},
         none,
         RunRefusalKind::None,
         {"", ""},
         {folder + "talk.mp3", folder + "talk(0).mp3"}},
        {"rows not chosen take no name",
         {Row("/v/a.mp4", false), Row("/v/b.mp4")},
         {File(10, {stereo}), File(10, {stereo})},
         none,
         RunRefusalKind::None,
         {"", ""},
         {folder + "b.mp3"}},
        {"what a file does not have",
         {mixed, second, late, channel, Row("/v/ok.mp4")},
         {File(10, {stereo, stereo}), File(10, {stereo}), File(10, {stereo}), File(10, {stereo}),
          File(10, {stereo})},
         none,
         RunRefusalKind::None,
         {"no sound track 3 to mix (it has 2)", "no sound track 2 (it has 1)",
          "shorter than the clip start", "no channel 3 (it has 2)", ""},
         {folder + "ok.mp3"}},
        {"an empty job plans nothing", {}, {}, none, RunRefusalKind::None, {}, {}},
        {"a merge of one chosen row",
         {Row("/v/a.mp4"), Row("/v/b.mp4", false)},
         {File(10, {stereo}), File(10, {stereo})},
         merge,
         RunRefusalKind::MergeOfOne,
         {"", ""},
         {}},
        {"a copy-merge of unlike sound, from the probes alone",
         {Row("/v/a.mkv"), Row("/v/b.mkv"), Row("/v/c.mkv")},
         {File(10, {stereo}), File(10, {stereo}), File(10, {Track("ac3", kAc3, 6, 48000)})},
         copyMerge,
         RunRefusalKind::Files,
         {"", "", ""},
         {}},
        {"a copy-merge of other codec parameters",
         {Row("/v/a.mkv"), Row("/v/b.mkv")},
         {File(10, {stereo}), File(10, {Track("aac", kAac, 2, 48000, "HE-AAC")})},
         copyMerge,
         RunRefusalKind::Files,
         {"", ""},
         {}},
        {"a copy brought to a loudness: Opus only",
         {Row("/v/a.mkv"), Row("/v/b.mkv")},
         {File(10, {stereo}), File(10, {Track("opus", kOpus, 2, 48000)})},
         [](JobSettings& s) {
             s.copySound = s.normalize = true;
             s.formatEntry = kOriginalAudioEntry;
         },
         RunRefusalKind::None,
         {"only an Opus track", ""},
         {folder + "b.opus"}},
    };
    for (const Case& c : cases) {
        JobDocument job;
        job.settings = Mp3Settings();
        c.adjust(job.settings);
        job.rows = c.rows;
        const tolvane::PlannedRun run = tolvane::PlanJob(job, c.facts);
        EXPECT_EQ(run.refusalKind, c.kind) << c.name << ": " << run.refusal;
        if (c.kind != RunRefusalKind::None) {
            continue;
        }
        ASSERT_EQ(run.rows.size(), c.rowRefusals.size()) << c.name;
        for (std::size_t i = 0; i < run.rows.size(); ++i) {
            EXPECT_NE(run.rows[i].refusal.find(c.rowRefusals[i]), std::string::npos)
                << c.name << ", row " << i << ": " << run.rows[i].refusal;
            EXPECT_EQ(run.rows[i].refusal.empty(), c.rowRefusals[i].empty()) << c.name << i;
        }
        std::vector<std::string> outputs;
        for (const tolvane::PlannedTask& task : run.plan.tasks) {
            outputs.push_back(task.output);
        }
        EXPECT_EQ(outputs, c.outputs) << c.name;
    }
}

// The copy-merge's refusal names the odd row and what differs, as the window shows it.
TEST(Planner, ACopyMergeOfUnlikeSoundNamesTheRowAndWhatDiffers) {
    JobDocument job;
    job.settings = Mp3Settings();
    job.settings.merge = job.settings.copySound = true;
    job.settings.formatEntry = kOriginalAudioEntry;
    job.rows = {Row("/v/a.mkv", false), Row("/v/b.mkv"), Row("/v/c.mkv"), Row("/v/d.mkv")};
    const SoundTrackFacts stereo = Track("aac", kAac, 2, 48000);
    const tolvane::PlannedRun run =
        tolvane::PlanJob(job, {File(10, {Track("ac3", kAc3, 6, 48000)}), File(10, {stereo}),
                               File(10, {stereo}), File(10, {Track("aac", kAac, 2, 44100)})});
    EXPECT_EQ(run.unlikeRow, 3) << "the row not chosen is no measure";
    EXPECT_NE(run.unlike.find("another sample rate"), std::string::npos) << run.unlike;
    EXPECT_NE(run.refusal.find("d.mkv"), std::string::npos) << run.refusal;
}

}  // namespace
