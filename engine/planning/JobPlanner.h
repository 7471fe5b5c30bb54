#pragma once

// The one planner of a run: the rows of a job (JobFile.h) and its settings become the tasks of
// a plan: every output name, every tag of a part and every rule of what goes together is made
// here, for the window and the command line alike.

#include <string>
#include <vector>

#include "JobFile.h"
#include "JobPlan.h"
#include "MediaProbeResult.h"
#include "SplitParts.h"

namespace tolvane {

// What the planner knows of a row's source: why it cannot be used, or its probe.
struct SourceFacts final {
    std::string refusal;  // empty: usable
    MediaProbeResult probe;
    bool read = true;  // false: not looked at (a row of another slice)

    double Length() const { return static_cast<double>(probe.durationMicros) / 1e6; }
};

// The album of the parts of a recording: its title tag, else its file name without extension.
std::string AlbumOf(const std::string& source, const MediaProbeResult& probe);

// The rows of `whole` split into `parts`, each checked, of the same sound track, tagged with
// its number of the count and with `album`.
std::vector<JobRow> PartRows(const JobRow& whole, const std::vector<SplitPart>& parts,
                             const std::string& album);

// The rows of a file every one of whose `trackCount` sound tracks has an output of its own.
std::vector<JobRow> TrackRows(const JobRow& row, int trackCount);
// A row for each of the `channelCount` channels of the row's sound track, each output named
// after its channel ("talk.FL.flac").
std::vector<JobRow> ChannelRows(const JobRow& row, int channelCount);

// The row of a whole file (or of a clip from `start`, to `end` when given) of `length` seconds.
JobRow WholeRow(const std::string& source, double length, double start = 0.0,
                const double* end = nullptr);

// Why a row whose file name has no extension to replace has no output.
inline constexpr const char* kNoExtensionRefusal = "no extension to replace";

// What became of a row in planning.
struct RowPlan final {
    int task = -1;         // its task in the plan; -1 when it does not run
    std::string refusal;   // why it cannot run (a failure), for people
    std::string existing;  // with skipExisting: the output that is already there (not a failure)
};

// Why a run cannot start, by kind: each front end words some kinds in its own way.
enum class RunRefusalKind {
    None,
    NoRows,         // the list is empty
    NothingChosen,  // no row is chosen
    MergeOfOne,     // a merge of fewer than two rows
    TooManyRows,    // more rows than a run holds
    Settings,       // no file could be written with the settings (the profile)
    Choices,        // choices that do not go together
    Files,          // what the files are (a copy-merge of unlike sound, names that collide)
};
struct RunRefusal final {
    RunRefusalKind kind = RunRefusalKind::None;
    std::string text;  // for people (a message of "Messages", or pieces of them)
    explicit operator bool() const { return kind != RunRefusalKind::None; }
};

// Every rule of what a run may be that needs no file read: the rows chosen (where `choices`
// knows them), the profile of `settings`, and what goes together.
RunRefusal RefuseRun(const RunChoices& choices, const JobSettings& settings);

struct PlannedRun final {
    JobPlan plan;
    std::vector<RowPlan> rows;  // one per row of the job
    // Why the run cannot start at all, for people (empty: it can), and its kind.
    std::string refusal;
    RunRefusalKind refusalKind = RunRefusalKind::None;
    // A merge by copying of sounds that differ: the row whose sound is unlike the first's
    // (-1: none), and what differs ("AC-3, 5.1(side), 48000 Hz (another codec), unlike ...").
    int unlikeRow = -1;
    std::string unlike;
};

// The rows a run of `job` takes: the checked ones, and with `slice` (K of N, from 1) only those
// whose index modulo N is K-1.
struct JobSlice final {
    int number = 1;
    int count = 1;
    bool Takes(std::size_t index) const {
        return count <= 1 ||
               static_cast<int>(index % static_cast<std::size_t>(count)) == number - 1;
    }
};

// Plans a run of `job`; `facts` has one entry per row (rows that are not taken may have ones
// not read). Names are given in row order over every checked row, the rows of other slices
// included where their facts were read, so that every slice names its rows as one run would:
// a name an earlier row has is never another's (a later one gets the next free numbered name);
// with skipExisting, two rows that would write one name refuse the run, and a row is skipped
// only when a whole output of it is there (not the file a stopped run left of it). Nothing is
// made here: MakeOutputFolders (AVConvert.h) makes the folders the tasks need.
PlannedRun PlanJob(const JobDocument& job, const std::vector<SourceFacts>& facts,
                   JobSlice slice = {});

// The run's choices as the rules of what goes together see them.
RunChoices ChoicesOf(const JobDocument& job);

// The job's settings as a plan's (no tasks).
void ApplySettings(const JobSettings& settings, JobPlan& plan);

}  // namespace tolvane
