#include "CliOptions.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <cstring>

#include <getopt.h>

#include "AVConvert.h"
#include "AudioEncoder.h"
#include "FormatPresets.h"
#include "JobPlanner.h"
#include "Messages.h"
#include "NumberRules.h"

namespace {

// A number and nothing else ("-16", "-23.5"), read the same in every locale.
std::optional<double> WholeNumber(const std::string& text) {
    double value = 0.0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size() || !std::isfinite(value)) {
        return std::nullopt;
    }
    return value;
}

std::string Lower(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return text;
}

using tolvane::kLargestNumber;

std::optional<double> ParseNumber(const std::string& text) {
    double value = 0.0;
    const auto result = std::from_chars(text.data(), text.data() + text.size(), value);
    // NaN and infinity are no numbers of ours, and none past a billion: every number goes into
    // an int or a time, and the conversions are undefined past their range.
    if (text.empty() || result.ec != std::errc() || result.ptr != text.data() + text.size() ||
        !std::isfinite(value) || value < 0 || value > kLargestNumber) {
        return std::nullopt;
    }
    return value;
}

std::optional<int> ParseWhole(const std::string& text) {
    const auto value = ParseNumber(text);
    if (!value || *value != static_cast<int>(*value)) {
        return std::nullopt;
    }
    return static_cast<int>(*value);
}

std::string ApplyValue(CliOptions& options, const std::string& name, const std::string& value) {
    if (name == "-o") {
        if (value.empty()) {
            return "the output folder is empty";
        }
        options.outputFolder = value;
        options.outputFolderGiven = true;
    } else if (name == "-f") {
        options.format = value;
    } else if (name == "-e") {
        options.encoder = value;
    } else if (name == "-a" && value == "all") {
        options.allSoundTracks = true;
    } else if (name == "-a" && value.find('+') != std::string::npos) {
        // "1+2": the tracks mixed, each at 0 dB until --track-gain says.
        std::vector<int> tracks;
        std::size_t at = 0;
        while (at <= value.size()) {
            const std::size_t plus = std::min(value.find('+', at), value.size());
            const std::optional<int> track = ParseWhole(value.substr(at, plus - at));
            if (!track || *track < 1 || *track > tolvane::kMaxSoundTrack) {
                return "bad sound tracks to mix '" + value + "' (as 1+2, as --info lists them)";
            }
            tracks.push_back(*track);
            at = plus + 1;
        }
        options.mix.tracks = tracks;
    } else if (name == "-a") {
        options.soundTrack = ParseWhole(value);
        if (!options.soundTrack || *options.soundTrack < 1 ||
            *options.soundTrack > tolvane::kMaxSoundTrack) {
            return "bad sound track '" + value + "' (1 for the first, as --info lists them)";
        }
    } else if (name == "-j") {
        options.jobs = ParseWhole(value);
        if (!options.jobs || *options.jobs < 1 || *options.jobs > tolvane::kMaxFilesAtOnce) {
            return "bad number of files at once '" + value + "' (1 to " +
                   std::to_string(tolvane::kMaxFilesAtOnce) + ")";
        }
    } else if (name == "-b") {
        options.bitRate = ParseCliBitRate(value);
        if (!options.bitRate || !tolvane::kBitRateRange.Holds(*options.bitRate)) {
            return "bad bit rate '" + value + "'";
        }
    } else if (name == "-r") {
        options.sampleRate = ParseWhole(value);
        if (!options.sampleRate || !tolvane::kSampleRateRange.Holds(*options.sampleRate)) {
            return "bad sample rate '" + value + "'";
        }
    } else if (name == "-c") {
        options.channels = ParseWhole(value);
        if (!options.channels || !tolvane::IsChannelCount(*options.channels)) {
            return "channels must be 1, 2 or 6";
        }
    } else if (name == "-s" || name == "-t") {
        const auto seconds = ParseCliTime(value);
        if (!seconds) {
            return "bad time '" + value + "' (HH:MM:SS or seconds)";
        }
        (name == "-s" ? options.start : options.end) = seconds;
    }
    return {};
}

}  // namespace

std::optional<double> ParseCliTime(const std::string& text) {
    double total = 0;
    std::size_t begin = 0;
    int parts = 0;
    for (;;) {
        const std::size_t colon = text.find(':', begin);
        const std::string part =
            text.substr(begin, colon == std::string::npos ? colon : colon - begin);
        const bool last = colon == std::string::npos;
        std::optional<double> value = ParseNumber(part);
        if (!last && value && *value != static_cast<int>(*value)) {
            value.reset();  // only the seconds may have a fraction
        }
        if (!value || ++parts > 3) {
            return std::nullopt;
        }
        total = total * 60 + *value;
        if (total > kLargestNumber) {
            return std::nullopt;
        }
        if (last) {
            return total;
        }
        begin = colon + 1;
    }
}

std::optional<int> ParseCliBitRate(const std::string& text) {
    if (!text.empty() && (text.back() == 'k' || text.back() == 'K')) {
        const auto kilo = ParseNumber(text.substr(0, text.size() - 1));
        if (!kilo || *kilo <= 0 || *kilo * 1000 > kLargestNumber) {
            return std::nullopt;
        }
        // Checked once rounded: "0.0001k" is no bit rate.
        const auto bits = static_cast<int>(*kilo * 1000 + 1e-6);
        return bits > 0 ? std::optional<int>(bits) : std::nullopt;
    }
    const auto bits = ParseWhole(text);
    return bits && *bits > 0 ? bits : std::nullopt;
}

std::string SliceFromEnvironment(std::optional<int> givenCount,
                                 const std::function<const char*(const char*)>& get, int& number,
                                 int& count) {
    const auto whole = [&get](const char* name) -> std::optional<int> {
        const char* text = get(name);
        if (text == nullptr) {
            return std::nullopt;
        }
        const std::string value = text;
        int parsed = 0;
        const auto [end, error] =
            std::from_chars(value.data(), value.data() + value.size(), parsed);
        if (error != std::errc() || end != value.data() + value.size() || parsed < 0) {
            return std::nullopt;
        }
        return parsed;
    };
    const auto within = [&](int k, int n, const char* where) -> std::string {
        if (givenCount && *givenCount != n) {
            return std::string(where) + " has " + std::to_string(n) + " tasks, not " +
                   std::to_string(*givenCount);
        }
        if (k < 1 || k > n) {
            return std::string(where) + " names task " + std::to_string(k) + " of " +
                   std::to_string(n);
        }
        number = k;
        count = n;
        return {};
    };
    if (const auto id = whole("SLURM_ARRAY_TASK_ID")) {
        // An array of --array=MIN-MAX[:STEP]; its tasks counted from 1 in that order.
        const int low = whole("SLURM_ARRAY_TASK_MIN").value_or(1);
        const int step = std::max(1, whole("SLURM_ARRAY_TASK_STEP").value_or(1));
        std::optional<int> tasks = whole("SLURM_ARRAY_TASK_COUNT");
        if (const auto high = whole("SLURM_ARRAY_TASK_MAX"); !tasks && high) {
            tasks = (*high - low) / step + 1;
        }
        if (!tasks || (*id - low) % step != 0) {
            return "the Slurm array does not say how many tasks it has (SLURM_ARRAY_TASK_COUNT)";
        }
        return within((*id - low) / step + 1, *tasks, "the Slurm array");
    }
    if (const auto index = whole("JOB_COMPLETION_INDEX")) {
        if (!givenCount) {
            return "a Kubernetes indexed Job does not say its number of completions: give it as "
                   "--slice auto/N";
        }
        return within(*index + 1, *givenCount, "the Kubernetes Job");
    }
    if (const auto sequence = whole("PARALLEL_SEQ")) {
        if (!givenCount) {
            return "GNU parallel does not say how many jobs it runs: give it as --slice auto/N";
        }
        return within(*sequence, *givenCount, "GNU parallel");
    }
    return "--slice auto runs under a scheduler: a Slurm array job, a Kubernetes indexed Job or "
           "GNU parallel, none of which started this run (or give --slice K/N)";
}

namespace {

// Long options without a short name: values above any character.
enum LongOnly : int {
    kSplitChapters = 1000,
    kSplitAt,
    kSplitSilence,
    kSplitEvery,
    kTrimSilence,
    kJson,
    kCoverFromVideo,
    kSkipExisting,
    kKeepFolders,
    kInfo,
    kLoudness,
    kReplayGain,
    kNormalize,
    kTruePeak,
    kVersion,
    kWriteJob,
    kJob,
    kSlice,
    kOpusApplication,
    kCheck,
    kTempo,
    kNight,
    kFadeIn,
    kFadeOut,
    kCrossfade,
    kPickChannel,
    kSplitChannels,
    kCenterMix,
    kTrackGain,
    kVoice,
    kDuck,
};

constexpr const char* kShortOptions = "-:o:f:e:b:r:c:s:t:j:a:mqh";

constexpr option kLongOptions[] = {
    {"output", required_argument, nullptr, 'o'},
    {"format", required_argument, nullptr, 'f'},
    {"encoder", required_argument, nullptr, 'e'},
    {"bitrate", required_argument, nullptr, 'b'},
    {"rate", required_argument, nullptr, 'r'},
    {"channels", required_argument, nullptr, 'c'},
    {"start", required_argument, nullptr, 's'},
    {"end", required_argument, nullptr, 't'},
    {"jobs", required_argument, nullptr, 'j'},
    {"audio-track", required_argument, nullptr, 'a'},
    {"merge", no_argument, nullptr, 'm'},
    {"quiet", no_argument, nullptr, 'q'},
    {"help", no_argument, nullptr, 'h'},
    {"split-chapters", no_argument, nullptr, kSplitChapters},
    {"split-at", required_argument, nullptr, kSplitAt},
    {"split-silence", optional_argument, nullptr, kSplitSilence},
    {"split-every", required_argument, nullptr, kSplitEvery},
    {"trim-silence", optional_argument, nullptr, kTrimSilence},
    {"json", no_argument, nullptr, kJson},
    {"cover-from-video", optional_argument, nullptr, kCoverFromVideo},
    {"skip-existing", no_argument, nullptr, kSkipExisting},
    {"keep-folders", no_argument, nullptr, kKeepFolders},
    {"info", no_argument, nullptr, kInfo},
    {"loudness", no_argument, nullptr, kLoudness},
    {"replaygain", optional_argument, nullptr, kReplayGain},
    {"normalize", optional_argument, nullptr, kNormalize},
    {"true-peak", required_argument, nullptr, kTruePeak},
    {"version", no_argument, nullptr, kVersion},
    {"write-job", required_argument, nullptr, kWriteJob},
    {"job", required_argument, nullptr, kJob},
    {"slice", required_argument, nullptr, kSlice},
    {"opus-application", required_argument, nullptr, kOpusApplication},
    {"check", no_argument, nullptr, kCheck},
    {"tempo", required_argument, nullptr, kTempo},
    {"night", no_argument, nullptr, kNight},
    {"fade-in", required_argument, nullptr, kFadeIn},
    {"fade-out", required_argument, nullptr, kFadeOut},
    {"crossfade", required_argument, nullptr, kCrossfade},
    {"pick-channel", required_argument, nullptr, kPickChannel},
    {"split-channels", no_argument, nullptr, kSplitChannels},
    {"center-mix", required_argument, nullptr, kCenterMix},
    {"track-gain", required_argument, nullptr, kTrackGain},
    {"voice", required_argument, nullptr, kVoice},
    {"duck", optional_argument, nullptr, kDuck},
    {nullptr, 0, nullptr, 0},
};

// The option a getopt code stands for, as a person typed it: "-o" or "--true-peak".
std::string OptionName(int code, const option* longOptions) {
    if (code > 0 && code < 256) {
        return std::string("-") + static_cast<char>(code);
    }
    for (const option* o = longOptions; o->name != nullptr; ++o) {
        if (o->val == code) {
            return std::string("--") + o->name;
        }
    }
    return "?";
}

// --normalize[=LUFS], --true-peak DB: numbers the same in every locale.
std::string ApplyLevel(CliOptions& options, bool peak, const char* text) {
    const std::string value = text != nullptr ? text : "";
    const std::optional<double> number =
        text == nullptr ? std::optional<double>(-16.0) : WholeNumber(value);
    if (!number || !(peak ? tolvane::kTruePeakRange : tolvane::kLoudnessRange).Holds(*number)) {
        return peak ? "bad true-peak ceiling '" + value + "' (-9 to 0 dBTP)"
                    : "bad loudness '" + value + "' (-70 to -5 LUFS)";
    }
    (peak ? options.truePeak : options.normalize.emplace()) = *number;
    options.truePeakGiven = options.truePeakGiven || peak;
    return {};
}

// --tempo X, --fade-in/--fade-out/--crossfade SECONDS: a number within its range.
std::string ApplyListenNumber(CliOptions& options, int code, const std::string& value) {
    const std::optional<double> number = WholeNumber(value);
    switch (code) {
        case kTempo:
            if (!number || !tolvane::kTempoRange.Holds(*number)) {
                return "bad --tempo '" + value + "' (0.5 to 4 times the speed, as 1.25, 1.5 or 2)";
            }
            options.tempo = *number;
            return {};
        case kCrossfade:
            if (!number || !tolvane::kCrossfadeRange.Holds(*number)) {
                return "bad --crossfade '" + value + "' (0 to 30 seconds)";
            }
            options.crossfade = *number;
            return {};
        default:
            if (!number || !tolvane::kFadeRange.Holds(*number)) {
                return "bad " + std::string(code == kFadeIn ? "--fade-in" : "--fade-out") + " '" +
                       value + "' (0 to 60 seconds)";
            }
            (code == kFadeIn ? options.fadeIn : options.fadeOut) = *number;
            return {};
    }
}

// --split-silence[=DB,SECONDS]: the level under which, and how long, sound counts as a pause.
std::string ApplySilenceRule(CliOptions& options, const char* text) {
    SilenceRule rule;
    if (text != nullptr) {
        const std::string value = text;
        const std::size_t comma = value.find(',');
        const auto level = WholeNumber(value.substr(0, comma));
        const auto seconds = comma == std::string::npos ? std::optional<double>(rule.seconds)
                                                        : WholeNumber(value.substr(comma + 1));
        if (!level || !seconds || *level < -90.0 || *level > -10.0 || *seconds < 0.1 ||
            *seconds > 60.0) {
            return "bad --split-silence '" + value +
                   "' (DB,SECONDS: a level from -90 to -10 dBFS and a pause of 0.1 to 60 s, "
                   "as -50,1.5)";
        }
        rule = {*level, *seconds};
    }
    options.splitSilence = rule;
    return {};
}

}  // namespace

tolvane::RunChoices CliChoices(const CliOptions& options) {
    tolvane::RunChoices choices;
    const std::string format = Lower(options.format.value_or(""));
    choices.copy = format == "copy" || format == "original";
    choices.encoderNumbers = options.encoder || options.bitRate || options.sampleRate ||
                             options.channels || options.opusApplication;
    choices.merge = options.merge;
    choices.splitKinds = int{options.splitChapters} + int{options.splitAt.has_value()} +
                         int{options.splitSilence.has_value()} +
                         int{options.splitEvery.has_value()};
    choices.split = choices.splitKinds > 0;
    choices.trimSilence = options.trimSilence.has_value();
    choices.opusApplication = options.opusApplication.has_value();
    choices.slices = options.sliceAuto ? 2 : options.sliceCount;
    choices.clipped = options.start.has_value() || options.end.has_value();
    choices.allTracks = options.allSoundTracks;
    choices.skipExisting = options.skipExisting;
    choices.normalize = options.normalize.has_value();
    choices.replayGain = options.replayGain;
    choices.listen = ListenOf(options);
    choices.channels = options.pickChannel.has_value() || options.splitChannels;
    choices.mix = options.mix.Any();
    return choices;
}

tolvane::RunChoices RunChoicesOf(const CliOptions& options, const JobDocument& job, int slices) {
    const tolvane::RunChoices asked = CliChoices(options);
    tolvane::RunChoices choices = options.job ? tolvane::ChoicesOf(job) : asked;
    choices.encoderNumbers = asked.encoderNumbers;
    choices.opusApplication = asked.opusApplication;
    choices.opus = job.settings.profile.audioEncoderName == "OPUS";
    choices.slices = slices;
    if (options.crossfade) {
        choices.listen.crossfade = *options.crossfade;  // asked for: it needs a merge
    }
    return choices;
}

tolvane::ListenShape ListenOf(const CliOptions& options, tolvane::ListenShape base) {
    base.tempo = options.tempo.value_or(base.tempo);
    base.night = base.night || options.night;
    base.fadeIn = options.fadeIn.value_or(base.fadeIn);
    base.fadeOut = options.fadeOut.value_or(base.fadeOut);
    base.crossfade = options.crossfade.value_or(base.crossfade);
    return base;
}

// --track-gain N=DB (repeatable), --voice N[=LU], --duck[=DB]: numbers the same in every locale.
std::string ApplyMixOption(CliOptions& options, int code, const char* text) {
    const std::string value = text != nullptr ? text : "";
    const std::size_t equals = value.find('=');
    tolvane::TrackMix& mix = options.mix;
    if (code == kDuck) {
        const std::optional<double> db =
            text == nullptr ? std::optional<double>(9.0) : WholeNumber(value);
        if (!db || !tolvane::kDuckRange.Holds(*db) || *db == 0.0) {
            return "bad --duck '" + value + "' (1 to 40 dB)";
        }
        mix.duckDb = *db;
        return {};
    }
    const std::optional<int> track = ParseWhole(value.substr(0, equals));
    if (code == kVoice) {
        const std::optional<double> lu = equals == std::string::npos
                                             ? std::optional<double>(10.0)
                                             : WholeNumber(value.substr(equals + 1));
        if (!track || *track < 1 || !lu || !tolvane::kVoiceLuRange.Holds(*lu)) {
            return "bad --voice '" + value + "' (N or N=LU: a mixed track and 0 to 40 LU)";
        }
        mix.voice = *track;
        mix.voiceLu = *lu;
        return {};
    }
    // "+6" as "6".
    std::string number = equals == std::string::npos ? std::string() : value.substr(equals + 1);
    if (!number.empty() && number.front() == '+') {
        number.erase(0, 1);
    }
    const double db = WholeNumber(number).value_or(HUGE_VAL);
    if (!track || *track < 1 || !tolvane::kTrackGainRange.Holds(db)) {
        return "bad --track-gain '" + value + "' (N=DB: a track and -40 to +20 dB, as 2=+6)";
    }
    options.trackGains[*track] = db;
    return {};
}

// The mix the options give (each mixed track's gain), or why it cannot be.
std::string ComposeMix(CliOptions& options) {
    tolvane::TrackMix& mix = options.mix;
    if (mix.tracks.empty()) {
        if (!options.trackGains.empty() || mix.voice != 0 || mix.duckDb > 0.0) {
            return "--track-gain, --voice and --duck set the tracks of a mix: name them with -a, "
                   "as -a 1+2";
        }
        return {};
    }
    if (options.job) {
        return "--job keeps the rows of its job: a mix is given when it is written";
    }
    mix.gainsDb.assign(mix.tracks.size(), 0.0);
    for (const auto& [track, db] : options.trackGains) {
        const auto at = std::find(mix.tracks.begin(), mix.tracks.end(), track);
        if (at == mix.tracks.end()) {
            return "--track-gain " + std::to_string(track) + ": sound track " +
                   std::to_string(track) + " is not in the mix";
        }
        mix.gainsDb[static_cast<std::size_t>(at - mix.tracks.begin())] = db;
    }
    return tolvane::TrackMixRefusal(mix);
}

// Why the channel options cannot be as given, empty when they can.
std::string ChannelOptionsRefusal(const CliOptions& options) {
    if (options.pickChannel && options.splitChannels) {
        return "--pick-channel writes one channel, --split-channels every one: one or the other";
    }
    if ((options.pickChannel || options.splitChannels) && options.channels) {
        return "a channel alone is written as mono: -c does not go with --pick-channel or "
               "--split-channels";
    }
    return {};
}

CliParse ParseCliArguments(const std::vector<std::string>& arguments) {
    CliParse parse;
    CliOptions& options = parse.options;
    // getopt_long as GNU tools use it: "-qj1", "-oDIR", "--opt=value" and "--opt value", "--"
    // ending the options; options and files in any order. Its state is reset for each parse.
    std::vector<std::string> copies(arguments.size() + 1);
    std::vector<char*> argv;
    copies[0] = "tolvane-cli";
    argv.push_back(copies[0].data());
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        copies[i + 1] = arguments[i];
        argv.push_back(copies[i + 1].data());
    }
    argv.push_back(nullptr);
    const int argc = static_cast<int>(argv.size()) - 1;
    optind = 0;  // GNU: start afresh
    opterr = 0;
    std::string error;
    // "-": files come back in their places (code 1) whatever POSIXLY_CORRECT says; ":": a missing
    // value is told apart from an unknown option.
    while (error.empty()) {
        const int code = getopt_long(argc, argv.data(), kShortOptions, kLongOptions, nullptr);
        if (code == -1) {
            // Past "--": files, whatever they look like.
            for (int i = optind; i < argc; ++i) {
                options.files.emplace_back(argv[static_cast<std::size_t>(i)]);
            }
            break;
        }
        if (code == 1) {
            options.files.emplace_back(optarg);
            continue;
        }
        const std::string value = optarg != nullptr ? optarg : "";
        switch (code) {
            case '?':
                error = optopt != 0
                            ? std::string("unknown option '-") + static_cast<char>(optopt) + "'"
                            : "unknown option '" +
                                  std::string(argv[static_cast<std::size_t>(optind) - 1]) + "'";
                break;
            case ':':
                error = "option '" + OptionName(optopt, kLongOptions) + "' needs a value";
                if (optopt == kSplitAt) {
                    error = "--split-at needs a file of times (- for standard input)";
                } else if (optopt == kTruePeak) {
                    error = "--true-peak needs a level in dBTP";
                }
                break;
            case 'm':
                options.merge = true;
                break;
            case 'q':
                options.quiet = true;
                break;
            case 'h':
                options.help = true;
                break;
            case kVersion:
                options.version = true;
                break;
            case kSplitChapters:
                options.splitChapters = true;
                break;
            case kSplitAt:
                options.splitAt = value;
                break;
            case kSplitSilence:
                error = ApplySilenceRule(options, optarg);
                break;
            case kSplitEvery: {
                const auto seconds = ParseCliTime(value);
                if (!seconds || *seconds < 10.0) {
                    error = "bad --split-every '" + value +
                            "' (a duration of 10 s or more, "
                            "as 30:00 or 1800)";
                } else {
                    options.splitEvery = *seconds;
                }
                break;
            }
            case kTrimSilence: {
                const std::optional<double> margin =
                    optarg == nullptr ? std::optional<double>(kTrimMargin) : WholeNumber(value);
                if (!margin || *margin < 0.0 || *margin > 10.0) {
                    error = "bad --trim-silence margin '" + value + "' (0 to 10 seconds)";
                } else {
                    options.trimSilence = *margin;
                }
                break;
            }
            case kJson:
                options.json = true;
                break;
            case kSkipExisting:
                options.skipExisting = true;
                break;
            case kKeepFolders:
                options.keepFolders = true;
                break;
            case kInfo:
                options.info = true;
                break;
            case kLoudness:
                options.loudness = true;
                break;
            case kCoverFromVideo:
                options.coverFromVideo = true;
                if (optarg != nullptr) {
                    const auto seconds = ParseCliTime(value);
                    if (!seconds) {
                        error = "bad time '" + value + "' for --cover-from-video";
                    } else {
                        options.coverFromVideoSeconds = *seconds;
                    }
                }
                break;
            case kReplayGain:
                if (optarg == nullptr || value == "track") {
                    options.replayGain = JobInput::ReplayGain::Track;
                } else if (value == "album") {
                    options.replayGain = JobInput::ReplayGain::Album;
                } else {
                    error = "bad --replaygain '" + value + "' (track or album)";
                }
                break;
            case kWriteJob:
                options.writeJob = value;
                break;
            case kOpusApplication:
                if (value != "voip" && value != "audio") {
                    error = "bad --opus-application '" + value + "' (voip or audio)";
                } else {
                    options.opusApplication = value;
                }
                break;
            case kJob:
                options.job = value;
                break;
            case kSlice: {
                const std::size_t slash = value.find('/');
                if (value.substr(0, slash) == "auto") {
                    options.sliceAuto = true;
                    if (slash != std::string::npos) {
                        options.sliceAutoCount = ParseWhole(value.substr(slash + 1));
                        if (!options.sliceAutoCount || *options.sliceAutoCount < 1) {
                            error = "bad --slice '" + value + "' (auto, or auto/N for N slices)";
                        }
                    }
                    break;
                }
                const auto number = ParseWhole(value.substr(0, slash));
                const auto count =
                    slash == std::string::npos ? std::nullopt : ParseWhole(value.substr(slash + 1));
                if (!number || !count || *count < 1 || *number < 1 || *number > *count) {
                    error = "bad --slice '" + value + "' (K/N, K from 1 to N, or auto)";
                } else {
                    options.sliceNumber = *number;
                    options.sliceCount = *count;
                }
                break;
            }
            case kCheck:
                options.check = true;
                break;
            case kNight:
                options.night = true;
                break;
            case kPickChannel:
                if (value.empty()) {
                    error = "--pick-channel needs a channel (FL, FR, FC, LFE... or its number)";
                } else {
                    options.pickChannel = value;
                }
                break;
            case kSplitChannels:
                options.splitChannels = true;
                break;
            case kTrackGain:
            case kVoice:
            case kDuck:
                error = ApplyMixOption(options, code, optarg);
                break;
            case kCenterMix: {
                const std::optional<double> level = WholeNumber(value);
                if (!level || !tolvane::kCenterMixRange.Holds(*level)) {
                    error = "bad --center-mix '" + value + "' (-12 to +6 dB)";
                } else {
                    options.centerMix = *level;
                }
                break;
            }
            case kTempo:
            case kFadeIn:
            case kFadeOut:
            case kCrossfade:
                error = ApplyListenNumber(options, code, value);
                break;
            case kNormalize:
            case kTruePeak:
                error = ApplyLevel(options, code == kTruePeak, optarg);
                break;
            default:
                error = ApplyValue(options, OptionName(code, kLongOptions), value);
                break;
        }
    }
    parse.error = error;
    if (!parse.error.empty()) {
        return parse;
    }
    if (options.job && !options.files.empty()) {
        parse.error = "--job runs the files its job names; name no files beside it";
    } else if (options.job && (options.start || options.end || options.splitChapters ||
                               options.splitAt || options.soundTrack || options.allSoundTracks)) {
        parse.error =
            "--job keeps the rows of its job: clips, splits and sound tracks are "
            "given when it is written";
    } else if (options.check && !options.job) {
        parse.error = "--check goes with --job: it says which rows of the job are made";
    } else if (options.check && options.json) {
        parse.error = "--check prints lines of its own, not --json";
    } else if (options.job && options.info) {
        parse.error = "--info reads the files named beside it, not a job";
    } else if (options.job && options.writeJob) {
        parse.error = "--job runs a job and --write-job writes one: one or the other";
    } else if (!options.help && !options.version && !options.job && options.files.empty()) {
        parse.error = "no input files";
    } else if (options.start && options.end && *options.end <= *options.start) {
        parse.error = "the end time must come after the start time";
    } else if (options.loudness && !options.info) {
        parse.error = "--loudness goes with --info";
    } else if (options.job && (options.splitSilence || options.splitEvery || options.trimSilence)) {
        parse.error =
            "--job keeps the rows of its job: splits and trims are given when it is written";
    } else if (options.job && (options.pickChannel || options.splitChannels)) {
        parse.error = "--job keeps the rows of its job: channels are given when it is written";
    } else if (const std::string channels = ChannelOptionsRefusal(options); !channels.empty()) {
        parse.error = channels;
    } else if (const std::string mix = ComposeMix(options); !mix.empty()) {
        parse.error = mix;
    }
    return parse;
}

CliProfile ResolveCliProfile(const CliOptions& options, std::string& error) {
    CliProfile profile;
    ApplyStartupValues(profile.settings);
    profile.entryText = kFormatEntries[0].text;
    if (options.format &&
        (Lower(*options.format) == "copy" || Lower(*options.format) == "original")) {
        profile.copySound = true;
        profile.entryText = kOriginalAudioEntry;
        return profile;
    }
    if (options.format) {
        const std::string wanted = Lower(*options.format);
        bool found = false;
        for (std::size_t i = 0; i < kFormatEntries.size() && !found; ++i) {
            if (wanted == kFormatEntries[i].extension + 1) {
                ApplyFormatChoice(profile.settings, static_cast<int>(i));
                profile.entryText = kFormatEntries[i].text;
                found = true;
            }
        }
        for (const PresetRow& row : AllPresets()) {
            if (found || !row.audioOnly ||
                Lower(ExtensionFromEntryText(row.title)) != "." + wanted) {
                continue;
            }
            OutputSettings& s = profile.settings;
            s.presetId = row.presetId;
            s.audioOnly = true;
            s.audioEncoderName = std::string(row.audioEncoder);
            s.audioBitRate = NumberOfText(row.audioBitRate);
            s.sampleRate = NumberOfText(row.sampleRate);
            s.channels = ChannelsOfText(row.channel);
            profile.entryText = "(*." + wanted + ")";
            found = true;
        }
        if (!found) {
            error = "unknown format '" + *options.format + "'";
            return profile;
        }
    }
    ApplyCliRefinements(options, profile, error);
    return profile;
}

void ApplyCliRefinements(const CliOptions& options, CliProfile& profile, std::string& error) {
    if (options.encoder) {
        if (!AudioCodecForName(*options.encoder)) {
            error = "unknown encoder '" + *options.encoder + "'";
            return;
        }
        profile.settings.audioEncoderName = *options.encoder;
    }
    if (options.bitRate) {
        profile.settings.audioBitRate = *options.bitRate;
    }
    if (options.sampleRate) {
        profile.settings.sampleRate = *options.sampleRate;
    }
    if (options.channels) {
        profile.settings.channels = *options.channels;
    }
    if (profile.settings.audioEncoderName == "OPUS" && !options.bitRate &&
        (options.format || options.encoder || options.channels)) {
        // Opus's bit rate follows the channels unless one is asked for.
        profile.settings.audioBitRate = DefaultOpusBitRate(profile.settings.channels);
    }
    if (options.opusApplication && profile.settings.audioEncoderName == "OPUS") {
        // (Asked of another encoder, the planner refuses the run.)
        profile.settings.opusApplication = *options.opusApplication;
    }
}

namespace {

// The encoder names this FFmpeg can encode, wrapped as the help text is.
std::string AvailableEncoderNames() {
    std::string list;
    std::size_t lineLength = 52;  // after "  -e, --encoder NAME    audio encoder of this build:"
    for (const std::string_view name : AudioEncoderNames()) {
        const auto id = AudioCodecForName(name);
        if (!id || !tolvane::HasAudioEncoder(*id)) {
            continue;
        }
        if (!list.empty()) {
            list += ",";
            ++lineLength;
            if (lineLength + name.size() + 1 > 95) {
                list += "\n                       ";
                lineLength = 23;
            }
        }
        list += " ";
        list += name;
        lineLength += name.size() + 1;
    }
    return list;
}

}  // namespace

// clang-format off
std::vector<std::string> CliOptionNames() {
    std::vector<std::string> names;
    for (const option* o = kLongOptions; o->name != nullptr; ++o) {
        names.emplace_back(o->name);
    }
    return names;
}

std::string CliUsage() {
    // In blocks, each a text of its own for translators; the lines stay within 95 columns.
    return tolvane::Say(QT_TRANSLATE_NOOP("Messages",
        "Usage: tolvane-cli [options] FILE...\n"
        "       tolvane-cli [options] --job FILE\n"
        "Extracts the sound track of video files into audio files.\n"
        "\n"
        "  -o, --output DIR      output folder (default: the current folder; created when missing)\n"
        "  -f, --format NAME     mp3 | wav | wma | ogg | opus, or the extension of an audio preset\n"
        "                        (aac, ac3, aiff, au, m4a, mp2, ra, flac); default mp3;\n"
        "                        \"copy\" (or \"original\"): the sound track as it is, without\n"
        "                        re-encoding, in a file named by its codec (.m4a, .mp3, .ac3,\n"
        "                        .ogg, .opus, .flac, .wav, ... .mka); clips at packet precision\n"
        "  -e, --encoder NAME    audio encoder of this build:%1\n"
        "  -b, --bitrate RATE    bits per second; \"128k\" and \"128000\" both work\n"
        "  -r, --rate HZ         sample rate\n"
        "  -c, --channels N      1, 2 or 6\n"
        "      --opus-application voip|audio\n"
        "                        what Opus is tuned for: speech or music (default: libopus's, music);\n"
        "                        Opus is encoded at 48000 Hz, 6 to 510 kbps (default 64 kbps mono,\n"
        "                        128 kbps stereo, 256 kbps 5.1)\n"), {AvailableEncoderNames()})
        + tolvane::Say(QT_TRANSLATE_NOOP("Messages",
        "  -s, --start TIME      clip start for every file (HH:MM:SS or seconds)\n"
        "  -t, --end TIME        clip end for every file (default: each file's length)\n"
        "  -a, --audio-track N   the N-th sound track of every file, as --info lists them\n"
        "                        (default: the last); \"all\": one file per track, \"name.N.ext\"\n"
        "                        (\"name.N.LANG.ext\" when the track has a language)\n"
        "      --cover-from-video[=TIME]\n"
        "                        a source without a cover picture gives MP3, M4A and FLAC\n"
        "                        outputs a picture of its video (default: at 10 % of its length)\n"
        "  -m, --merge           merge all files, in order, into one output named after the first;\n"
        "                        each file becomes a chapter of it\n"
        "      --split-chapters  a file per chapter: \"NAME - 01 - Title.mp3\", tagged with the\n"
        "                        chapter's title, its number and the recording as the album\n"
        "      --split-silence[=DB,SECONDS]\n"
        "                        a file per stretch of sound: cut in the middle of each pause of at\n"
        "                        least SECONDS under DB dBFS (default -50,1.5); bits of less than a\n"
        "                        second of sound join their neighbour\n"
        "      --split-every DURATION\n"
        "                        a file of about DURATION each (30:00, 1800): each cut in the pause\n"
        "                        nearest to the time within 15 %, at the time itself without one\n"
        "      --trim-silence[=SECONDS]\n"
        "                        leave out the silence (under -50 dBFS) at both ends of each file,\n"
        "                        keeping SECONDS (default 0.3) outside the first and last sound\n"
        "      --split-at FILE   a file per part that FILE names (- for standard input): a line\n"
        "                        \"[H:]MM:SS[.mmm] Title\", \"Title - MM:SS\" or \"MM:SS - Title\" each,\n"
        "                        or a CUE sheet; a part runs to the next one, the last to the end\n"))
        + tolvane::Say(QT_TRANSLATE_NOOP("Messages",
        "  -j, --jobs N          convert N files at once (default: one per core; a merge is one file);\n"
        "                        spare lanes encode one long sound in segments: MP3, WAV, WMA, Opus,\n"
        "                        OGG Vorbis, FLAC and the PCM presets\n"
        "      --skip-existing   leave out a file whose output name already exists, so that a run\n"
        "                        started again does only what is missing; inputs that would write\n"
        "                        one name are refused (see --keep-folders)\n"
        "      --keep-folders    mirror the inputs' folders, relative to the folder they have in\n"
        "                        common, under the output folder\n"
        "      --json            one JSON object per finished file on standard output, instead of\n"
        "                        the status lines\n"
        "      --info            print each file's media information and sound tracks and exit\n"
        "      --normalize[=LUFS]\n"
        "                        measure each file (each merged file) first and bring it to this\n"
        "                        loudness (default -16 LUFS; -14, -18, -23 are common), with one gain,\n"
        "                        peaks above the true-peak ceiling limited; with -f copy, Opus tracks\n"
        "                        only, through the header's gain (no packet changes)\n"
        "      --true-peak DB    the ceiling of --normalize (default -1 dBTP)\n"
        "      --replaygain[=track|album]\n"
        "                        leave the sound as it is and tag each output with its ReplayGain\n"
        "                        2.0 gain and peak (MP3, OGG, FLAC, WMA, M4A; also copies; Opus gets\n"
        "                        its R128 gains, relative to -23 LUFS); album: the gain of all the\n"
        "                        run's outputs together as well\n"
        "      --loudness        with --info: the loudness of the chosen sound track (-a; all of them\n"
        "                        with -a all) by EBU R128: LUFS, loudness range and true peak\n"
        "      --write-job FILE  write the job these options and files describe to FILE (a\n"
        "                        \".tolvane-job\", as the window's Save list writes) and convert nothing\n"
        ))
        + tolvane::Say(QT_TRANSLATE_NOOP("Messages",
        "  -a N+M...             mix those sound tracks into one output, sample-aligned (a track that\n"
        "                        ends early is silence after it); where the sum would clip, a limiter\n"
        "                        brings it down and the status says so\n"
        "      --track-gain N=DB a mixed track's gain (-40 to +20 dB, as 2=+6); repeatable\n"
        "      --voice N[=LU]    track N is the voice: the others sit LU (default 10) under its\n"
        "                        loudness, both measured by EBU R128\n"
        "      --duck[=DB]       lower the others by DB (default 9) while the voice speaks\n"
        ))
        + tolvane::Say(QT_TRANSLATE_NOOP("Messages",
        "      --pick-channel NAME\n"
        "                        one channel of the sound track alone, as a mono file: FL, FR, FC,\n"
        "                        LFE, BL, BR, SL, SR... as --info's layout names them, or its number\n"
        "      --split-channels  every channel of the sound track to a mono file of its own, named\n"
        "                        \"NAME.FL.ext\", \"NAME.FR.ext\"...\n"
        "      --center-mix DB   the centre channel's level where a track is folded down to fewer\n"
        "                        channels (-c 2 or -c 1 of 5.1): -12 to +6 dB (default -3)\n"
        ))
        + tolvane::Say(QT_TRANSLATE_NOOP("Messages",
        "      --tempo X         X times as fast (0.5 to 4; 1.25, 1.5, 2), the voices at their own\n"
        "                        pitch; chapters follow the new time line, -s, -t and splits stay in\n"
        "                        the source's time\n"
        "      --night           night mode: loud passages quieter and quiet ones louder (the loudness\n"
        "                        range at least halved), no peak above -1 dBTP; with --normalize the\n"
        "                        loudness is measured after it\n"
        "      --fade-in S, --fade-out S\n"
        "                        each output (each clip, each part; a merge at its ends) fades in from\n"
        "                        or out to silence over S seconds (0 to 60)\n"
        "      --crossfade S     with --merge: each file joins the one before with a crossfade of S\n"
        "                        seconds (0 to 30), its chapter starting in the middle of it\n"
        ))
        + tolvane::Say(QT_TRANSLATE_NOOP("Messages",
        "      --job FILE        run the job in FILE; every option of the run given beside it applies\n"
        "                        over its own (-e, -b, -r, -c refine its format)\n"
        "      --slice K/N       only the job's rows whose index modulo N is K-1: N machines with\n"
        "                        one job and one shared output folder make every file once\n"
        "      --slice auto[/N]  K and N from the scheduler: a Slurm array job, a Kubernetes indexed\n"
        "                        Job or GNU parallel (these two with N given)\n"
        "      --check           with --job: each row the slice takes as Made, Missing or Failed;\n"
        "                        exit 1 while any is missing or failed\n"
        ))
        + tolvane::Say(QT_TRANSLATE_NOOP("Messages",
        "  -q, --quiet           no progress display, and nothing from the media libraries: only\n"
        "                        the status lines and failures\n"
        "  -h, --help            this help\n"
        "      --version         the version\n"
        "\n"))
        + tolvane::Say(QT_TRANSLATE_NOOP("Messages",
        "An existing file is never overwritten: \"name(0).ext\", \"name(1).ext\"... are used instead.\n"
        "Status lines come as files finish: \"Completed\", \"Failure\", \"Stopped\" or \"Skipped\", the file\n"
        "and what was written; a failure adds the reason. Outputs are written as hidden\n"
        "\".NAME.*.tolvane-part\" files and get their names only when whole, so a killed run leaves no file\n"
        "that looks finished (the next run into the folder removes what it left, and nothing else). With --skip-existing, a file cut short by\n"
        "an interrupt is removed, so that the next run makes it whole.\n"
        "Exit status: 0 every file converted (or skipped), 1 a file failed or the run was interrupted,\n"
        "2 bad usage.\n"));
}
// clang-format on
