#include "JobFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cmath>
#include <cstring>
#include <filesystem>
#include <initializer_list>
#include <limits>
#include <unordered_set>

#include "Json.h"
#include "NumberRules.h"
#include "Numbers.h"
#include "Paths.h"

namespace {

constexpr std::size_t kMaxJobFileBytes = 64u << 20;

// A path that is not UTF-8 goes out as "<key>Bytes": the hex digits of its bytes.
void SetPath(JsonValue& object, std::string_view key, const std::string& path) {
    if (IsValidUtf8(path)) {
        object.Set(key, path);
        return;
    }
    static constexpr char kHex[] = "0123456789abcdef";
    std::string hex;
    for (const char c : path) {
        const auto u = static_cast<unsigned char>(c);
        hex += kHex[u >> 4];
        hex += kHex[u & 0xF];
    }
    object.Set(std::string(key) + "Bytes", hex);
}

class Reader final {
public:
    explicit Reader(std::string where) : m_where(std::move(where)) {}
    const std::string& Error() const { return m_error; }

    void Fail(std::string_view key, std::string_view what) {
        if (m_error.empty()) {
            m_error = m_where + std::string(key) + " " + std::string(what);
        }
    }

    void Bool(const JsonValue& object, std::string_view key, bool& out) {
        if (const JsonValue* v = object.Find(key)) {
            if (const auto b = v->AsBool()) {
                out = *b;
            } else {
                Fail(key, "is not true or false");
            }
        }
    }
    void Number(const JsonValue& object, std::string_view key, double& out) {
        if (const JsonValue* v = object.Find(key)) {
            if (const auto n = v->AsNumber()) {
                out = *n;
            } else {
                Fail(key, "is not a number");
            }
        }
    }
    // A number within `range` (the same the command line takes), refused with the range.
    void Number(const JsonValue& object, std::string_view key, double& out,
                tolvane::NumberRange range) {
        double value = out;
        Number(object, key, value);
        if (object.Find(key) != nullptr && m_error.empty()) {
            Within(key, value, range);
            out = value;
        }
    }
    template <typename Int>
    void Integer(const JsonValue& object, std::string_view key, Int& out,
                 tolvane::NumberRange range) {
        Int value = out;
        Integer(object, key, value);
        if (object.Find(key) != nullptr && m_error.empty()) {
            Within(key, static_cast<double>(value), range);
            out = value;
        }
    }
    void Within(std::string_view key, double value, tolvane::NumberRange range) {
        if (!range.Holds(value)) {
            Fail(key, "is outside " + FormatShort(range.low) + " to " + FormatShort(range.high));
        }
    }
    template <typename Int>
    void Integer(const JsonValue& object, std::string_view key, Int& out) {
        if (const JsonValue* v = object.Find(key)) {
            const auto n = v->AsInteger();
            if (n && *n >= std::numeric_limits<Int>::min() &&
                *n <= std::numeric_limits<Int>::max()) {
                out = static_cast<Int>(*n);
            } else {
                Fail(key, "is not a whole number in range");
            }
        }
    }
    void Text(const JsonValue& object, std::string_view key, std::string& out) {
        if (const JsonValue* v = object.Find(key)) {
            if (const std::string* s = v->AsString()) {
                out = *s;
            } else {
                Fail(key, "is not a text");
            }
        }
    }
    // A path as SetPath writes it; false when there is none.
    bool Path(const JsonValue& object, std::string_view key, std::string& out) {
        if (object.Find(key) != nullptr) {
            Text(object, key, out);
            return true;
        }
        const std::string bytesKey = std::string(key) + "Bytes";
        const JsonValue* v = object.Find(bytesKey);
        if (v == nullptr) {
            return false;
        }
        const std::string* hex = v->AsString();
        if (hex == nullptr || hex->size() % 2 != 0) {
            Fail(bytesKey, "is not hex digits");
            return true;
        }
        auto digit = [](char c) {
            return c >= '0' && c <= '9'   ? c - '0'
                   : c >= 'a' && c <= 'f' ? c - 'a' + 10
                   : c >= 'A' && c <= 'F' ? c - 'A' + 10
                                          : -1;
        };
        out.clear();
        for (std::size_t i = 0; i < hex->size(); i += 2) {
            const int high = digit((*hex)[i]);
            const int low = digit((*hex)[i + 1]);
            if (high < 0 || low < 0) {
                Fail(bytesKey, "is not hex digits");
                return true;
            }
            out += static_cast<char>(high * 16 + low);
        }
        return true;
    }

private:
    std::string m_where;
    std::string m_error;
};

// The members of `object` whose names are none of `known` (nor a known path's "...Bytes").
JsonValue::Object UnknownMembers(const JsonValue& object,
                                 std::initializer_list<std::string_view> known) {
    JsonValue::Object unknown;
    for (const auto& [name, value] : object.Members()) {
        bool isKnown = false;
        for (const std::string_view key : known) {
            isKnown = isKnown || name == key || name == std::string(key) + "Bytes";
        }
        if (!isKnown) {
            unknown.emplace_back(name, value);
        }
    }
    return unknown;
}

// Adds the `members` that `object` does not have (in linear time: a newer program may have
// written many).
void AddMembers(JsonValue& object, const JsonValue::Object& members) {
    std::unordered_set<std::string_view> present;
    for (const auto& [name, value] : object.Members()) {
        present.insert(name);
    }
    std::vector<std::pair<std::string, const JsonValue*>> added;
    for (const auto& [name, value] : members) {
        if (present.insert(name).second) {
            added.emplace_back(name, &value);
        }
    }
    for (auto& [name, value] : added) {
        object.AppendMember(std::move(name), *value);
    }
}

constexpr const char* kStateNames[] = {"ready", "converted", "failed"};
constexpr const char* kGainNames[] = {"off", "track", "album"};

template <typename Enum, std::size_t N>
bool NamedValue(const JsonValue& object, std::string_view key, const char* const (&names)[N],
                Enum& out, Reader& reader) {
    std::string name;
    reader.Text(object, key, name);
    if (object.Find(key) == nullptr) {
        return true;
    }
    for (std::size_t i = 0; i < N; ++i) {
        if (name == names[i]) {
            out = static_cast<Enum>(i);
            return true;
        }
    }
    reader.Fail(key, "has an unknown value");
    return false;
}

JsonValue SettingsValue(const JobSettings& s) {
    JsonValue v = JsonValue::MakeObject();
    v.Set("formatEntry", s.formatEntry);
    v.Set("copySound", s.copySound);
    SetPath(v, "outputFolder", s.outputFolder);
    const OutputSettings& p = s.profile;
    v.Set("presetId", p.presetId);
    v.Set("audioOnly", p.audioOnly);
    v.Set("thumbnail", p.pspPreset);
    v.Set("audioEncoder", p.audioEncoderName);
    v.Set("audioBitRate", p.audioBitRate);
    v.Set("sampleRate", p.sampleRate);
    v.Set("channels", p.channels);
    v.Set("videoEncoder", p.videoEncoderName);
    v.Set("videoBitRate", p.videoBitRate);
    v.Set("frameWidth", p.frameWidth);
    v.Set("frameHeight", p.frameHeight);
    v.Set("frameRate", p.frameRateText);
    if (!p.opusApplication.empty()) {
        v.Set("opusApplication", p.opusApplication);
    }
    v.Set("merge", s.merge);
    v.Set("filesAtOnce", s.filesAtOnce);
    v.Set("normalize", s.normalize);
    v.Set("loudnessTarget", s.loudnessTarget);
    v.Set("truePeakCeiling", s.truePeakCeiling);
    v.Set("replayGain", kGainNames[static_cast<int>(s.replayGain)]);
    v.Set("coverFromVideo", s.coverFromVideo);
    v.Set("coverFromVideoMs", RowMillis(s.coverFromVideoSeconds));
    v.Set("skipExisting", s.skipExisting);
    v.Set("keepFolders", s.keepFolders);
    // Only what was chosen: a job without them reads as before in older programs.
    if (p.centerMixDb != tolvane::kDefaultCenterMix) {
        v.Set("centerMixDb", p.centerMixDb);
    }
    const tolvane::ListenShape& listen = p.listen;
    if (listen.Tempo()) {
        v.Set("tempo", listen.tempo);
    }
    if (listen.night) {
        v.Set("night", true);
    }
    if (listen.fadeIn > 0.0) {
        v.Set("fadeInMs", RowMillis(listen.fadeIn));
    }
    if (listen.fadeOut > 0.0) {
        v.Set("fadeOutMs", RowMillis(listen.fadeOut));
    }
    if (listen.crossfade > 0.0) {
        v.Set("crossfadeMs", RowMillis(listen.crossfade));
    }
    AddMembers(v, s.unknown);
    return v;
}

void ReadSettings(const JsonValue& v, JobSettings& s, Reader& r) {
    r.Text(v, "formatEntry", s.formatEntry);
    r.Bool(v, "copySound", s.copySound);
    r.Path(v, "outputFolder", s.outputFolder);
    OutputSettings& p = s.profile;
    r.Integer(v, "presetId", p.presetId);
    r.Bool(v, "audioOnly", p.audioOnly);
    r.Bool(v, "thumbnail", p.pspPreset);
    r.Text(v, "audioEncoder", p.audioEncoderName);
    r.Integer(v, "audioBitRate", p.audioBitRate);
    r.Integer(v, "sampleRate", p.sampleRate);
    r.Integer(v, "channels", p.channels);
    // 0: none given (a copy's, or a job written by hand), as the members' defaults say.
    if (p.audioBitRate != 0) {
        r.Within("audioBitRate", p.audioBitRate, tolvane::kBitRateRange);
    }
    if (p.sampleRate != 0) {
        r.Within("sampleRate", p.sampleRate, tolvane::kSampleRateRange);
    }
    if (p.channels != 0 && !tolvane::IsChannelCount(p.channels)) {
        r.Fail("channels", "is not 1, 2 or 6");
    }
    r.Text(v, "videoEncoder", p.videoEncoderName);
    r.Integer(v, "videoBitRate", p.videoBitRate);
    r.Integer(v, "frameWidth", p.frameWidth);
    r.Integer(v, "frameHeight", p.frameHeight);
    r.Text(v, "frameRate", p.frameRateText);
    r.Text(v, "opusApplication", p.opusApplication);
    r.Bool(v, "merge", s.merge);
    r.Integer(v, "filesAtOnce", s.filesAtOnce, {0.0, tolvane::kMaxFilesAtOnce});
    r.Bool(v, "normalize", s.normalize);
    r.Number(v, "loudnessTarget", s.loudnessTarget, tolvane::kLoudnessRange);
    r.Number(v, "truePeakCeiling", s.truePeakCeiling, tolvane::kTruePeakRange);
    NamedValue(v, "replayGain", kGainNames, s.replayGain, r);
    r.Bool(v, "coverFromVideo", s.coverFromVideo);
    std::int64_t coverMs = RowMillis(s.coverFromVideoSeconds);
    // Negative: at a tenth of the video.
    r.Integer(v, "coverFromVideoMs", coverMs, {-1e15, tolvane::kSecondsRange.high * 1000.0});
    s.coverFromVideoSeconds = static_cast<double>(coverMs) / 1000.0;
    r.Bool(v, "skipExisting", s.skipExisting);
    r.Bool(v, "keepFolders", s.keepFolders);
    r.Number(v, "centerMixDb", p.centerMixDb, tolvane::kCenterMixRange);
    tolvane::ListenShape& listen = p.listen;
    r.Number(v, "tempo", listen.tempo, tolvane::kTempoRange);
    r.Bool(v, "night", listen.night);
    const auto seconds = [&](std::string_view key, double& out, tolvane::NumberRange range) {
        std::int64_t ms = RowMillis(out);
        r.Integer(v, key, ms, {range.low * 1000.0, range.high * 1000.0});
        out = static_cast<double>(ms) / 1000.0;
    };
    seconds("fadeInMs", listen.fadeIn, tolvane::kFadeRange);
    seconds("fadeOutMs", listen.fadeOut, tolvane::kFadeRange);
    seconds("crossfadeMs", listen.crossfade, tolvane::kCrossfadeRange);
    p.loudnessTarget = s.normalize ? s.loudnessTarget : 0.0;
    s.unknown =
        UnknownMembers(v, {"formatEntry",     "copySound",   "outputFolder",   "presetId",
                           "audioOnly",       "thumbnail",   "audioEncoder",   "audioBitRate",
                           "sampleRate",      "channels",    "videoEncoder",   "videoBitRate",
                           "frameWidth",      "frameHeight", "frameRate",      "opusApplication",
                           "merge",           "filesAtOnce", "normalize",      "loudnessTarget",
                           "truePeakCeiling", "replayGain",  "coverFromVideo", "coverFromVideoMs",
                           "skipExisting",    "keepFolders", "centerMixDb",    "tempo",
                           "night",           "fadeInMs",    "fadeOutMs",      "crossfadeMs"});
}

JsonValue RowValue(const JobRow& row) {
    JsonValue v = JsonValue::MakeObject();
    SetPath(v, "source", row.source);
    v.Set("checked", row.checked);
    v.Set("startMs", row.startMs);
    v.Set("endMs", row.endMs);
    v.Set("toEnd", row.toEnd);
    v.Set("soundTrack", row.soundTrack);
    if (row.trackInName) {
        v.Set("trackInName", true);
    }
    if (row.channel > 0) {
        v.Set("channel", row.channel);
    }
    if (row.channelInName) {
        v.Set("channelInName", true);
    }
    if (row.mix.Any()) {
        JsonValue mix = JsonValue::MakeObject();
        JsonValue tracks = JsonValue::MakeArray();
        JsonValue gains = JsonValue::MakeArray();
        for (std::size_t i = 0; i < row.mix.tracks.size(); ++i) {
            tracks.Append(JsonValue(static_cast<std::int64_t>(row.mix.tracks[i])));
            gains.Append(JsonValue(i < row.mix.gainsDb.size() ? row.mix.gainsDb[i] : 0.0));
        }
        mix.Set("tracks", std::move(tracks));
        mix.Set("gainsDb", std::move(gains));
        mix.Set("voice", row.mix.voice);
        mix.Set("voiceLu", row.mix.voiceLu);
        mix.Set("duckDb", row.mix.duckDb);
        v.Set("mix", std::move(mix));
    }
    if (row.part.IsPart()) {
        JsonValue part = JsonValue::MakeObject();
        part.Set("number", row.part.number);
        part.Set("count", row.part.count);
        part.Set("title", row.part.title);
        part.Set("album", row.part.album);
        v.Set("part", std::move(part));
    }
    if (row.state != JobRowState::Ready || !row.status.empty()) {
        v.Set("state", kStateNames[static_cast<int>(row.state)]);
        v.Set("status", row.status);
    }
    if (!row.output.empty()) {
        SetPath(v, "output", row.output);
    }
    AddMembers(v, row.unknown);
    return v;
}

void ReadRow(const JsonValue& v, JobRow& row, Reader& r) {
    if (!v.IsObject()) {
        r.Fail("", "is not an object");
        return;
    }
    if (!r.Path(v, "source", row.source) || row.source.empty()) {
        r.Fail("source", "is missing");
    }
    r.Bool(v, "checked", row.checked);
    const tolvane::NumberRange millis{0.0, tolvane::kSecondsRange.high * 1000.0};
    r.Integer(v, "startMs", row.startMs, millis);
    r.Integer(v, "endMs", row.endMs, millis);
    r.Bool(v, "toEnd", row.toEnd);
    r.Integer(v, "soundTrack", row.soundTrack, {0.0, tolvane::kMaxSoundTrack});
    r.Bool(v, "trackInName", row.trackInName);
    r.Integer(v, "channel", row.channel, {0.0, tolvane::kMaxChannel});
    r.Bool(v, "channelInName", row.channelInName);
    if (const JsonValue* part = v.Find("part")) {
        if (!part->IsObject()) {
            r.Fail("part", "is not an object");
        } else {
            r.Integer(*part, "number", row.part.number);
            r.Integer(*part, "count", row.part.count);
            r.Text(*part, "title", row.part.title);
            r.Text(*part, "album", row.part.album);
            if (row.part.count < 1 || row.part.number < 1 || row.part.number > row.part.count) {
                r.Fail("part", "has a number outside 1 to its count");
            }
        }
    }
    if (const JsonValue* mix = v.Find("mix")) {
        const JsonValue* tracks = mix->IsObject() ? mix->Find("tracks") : nullptr;
        const JsonValue* gains = mix->IsObject() ? mix->Find("gainsDb") : nullptr;
        if (tracks == nullptr || !tracks->IsArray() || (gains != nullptr && !gains->IsArray())) {
            r.Fail("mix", "is not an object with a list of tracks");
        } else {
            for (std::size_t i = 0; i < tracks->Items().size(); ++i) {
                const auto track = tracks->Items()[i].AsInteger();
                const std::optional<double> gain = gains != nullptr && i < gains->Items().size()
                                                       ? gains->Items()[i].AsNumber()
                                                       : std::optional<double>(0.0);
                if (!track || *track < 1 || *track > tolvane::kMaxSoundTrack || !gain) {
                    r.Fail("mix", "has a track that is no number of a sound track");
                    break;
                }
                row.mix.tracks.push_back(static_cast<int>(*track));
                row.mix.gainsDb.push_back(*gain);
            }
            r.Integer(*mix, "voice", row.mix.voice, {0.0, tolvane::kMaxSoundTrack});
            r.Number(*mix, "voiceLu", row.mix.voiceLu);
            r.Number(*mix, "duckDb", row.mix.duckDb);
            if (const std::string why = tolvane::TrackMixRefusal(row.mix); !why.empty()) {
                r.Fail("mix", "is no mix: " + why);
            }
        }
    }
    NamedValue(v, "state", kStateNames, row.state, r);
    r.Text(v, "status", row.status);
    r.Path(v, "output", row.output);
    row.unknown = UnknownMembers(
        v, {"source", "checked", "startMs", "endMs", "toEnd", "soundTrack", "trackInName",
            "channel", "channelInName", "mix", "part", "state", "status", "output"});
}

}  // namespace

std::int64_t RowMillis(double seconds) {
    if (!std::isfinite(seconds)) {
        return 0;
    }
    return static_cast<std::int64_t>(std::llround(std::clamp(seconds, -9.0e12, 9.0e12) * 1000.0));
}

std::string WriteJobText(const JobDocument& job) {
    JsonValue document = JsonValue::MakeObject();
    document.Set("format", std::string(kJobFormatName));
    document.Set("version", kJobFormatVersion);
    document.Set("settings", SettingsValue(job.settings));
    JsonValue rows = JsonValue::MakeArray();
    for (const JobRow& row : job.rows) {
        rows.Append(RowValue(row));
    }
    document.Set("rows", std::move(rows));
    AddMembers(document, job.unknown);
    return WriteJson(document);
}

JobRead ReadJobText(std::string_view text) {
    JobRead result;
    const JsonParse parsed = ParseJson(text);
    if (!parsed.value) {
        result.error = "it is not a whole job file (" + parsed.error + ")";
        return result;
    }
    const JsonValue& document = *parsed.value;
    const JsonValue* format = document.Find("format");
    if (format == nullptr || format->AsString() == nullptr ||
        *format->AsString() != kJobFormatName) {
        result.error = "it is not a Tolvane job file";
        return result;
    }
    const JsonValue* version = document.Find("version");
    const auto number = version != nullptr ? version->AsInteger() : std::nullopt;
    if (!number || *number < 1) {
        result.error = "it has no version number";
        return result;
    }
    if (*number > kJobFormatVersion) {
        result.error = "it is of version " + std::to_string(*number) +
                       ", written by a newer Tolvane; this one reads versions up to " +
                       std::to_string(kJobFormatVersion);
        return result;
    }
    result.version = static_cast<int>(*number);
    JobDocument job;
    Reader settingsReader("settings: ");
    if (const JsonValue* settings = document.Find("settings")) {
        if (settings->IsObject()) {
            ReadSettings(*settings, job.settings, settingsReader);
        } else {
            settingsReader.Fail("", "is not an object");
        }
    }
    if (!settingsReader.Error().empty()) {
        result.error = settingsReader.Error();
        return result;
    }
    const JsonValue* rows = document.Find("rows");
    if (rows == nullptr || !rows->IsArray()) {
        result.error = "it has no list of rows";
        return result;
    }
    for (std::size_t i = 0; i < rows->Items().size(); ++i) {
        Reader rowReader("row " + std::to_string(i + 1) + ": ");
        JobRow row;
        ReadRow(rows->Items()[i], row, rowReader);
        if (!rowReader.Error().empty()) {
            result.error = rowReader.Error();
            return result;
        }
        job.rows.push_back(std::move(row));
    }
    job.unknown = UnknownMembers(document, {"format", "version", "settings", "rows"});
    result.job = std::move(job);
    return result;
}

namespace {

// The regular file at `path` whole, at most kMaxJobFileBytes, never through a symlink's
// replacement or a device; empty on success, else why not.
std::string ReadWholeFile(const std::string& path, std::string& text) {
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0) {
        return SystemErrorText(errno);
    }
    struct stat st {};
    std::string error;
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        error = "it is not a regular file";
    } else if (static_cast<std::uintmax_t>(st.st_size) > kMaxJobFileBytes) {
        error = "it is too large for a job file";
    } else {
        char buffer[65536];
        ssize_t got = 0;
        while ((got = ::read(fd, buffer, sizeof buffer)) > 0 && text.size() <= kMaxJobFileBytes) {
            text.append(buffer, static_cast<std::size_t>(got));
        }
        if (got < 0) {
            error = SystemErrorText(errno);
        }
    }
    ::close(fd);
    return error;
}

namespace fs = std::filesystem;

// Applies `change` to every path of `job`: each row's source and output, the output folder.
template <typename Change>
void ChangePaths(JobDocument& job, Change change) {
    change(job.settings.outputFolder);
    for (JobRow& row : job.rows) {
        change(row.source);
        change(row.output);
    }
}

// The folder of the job file at `path`, absolute.
fs::path JobFolder(const std::string& path) {
    std::error_code ignored;
    return fs::absolute(path, ignored).lexically_normal().parent_path();
}

}  // namespace

JobRead ReadJobFile(const std::string& path) {
    JobRead result;
    std::string text;
    result.error = ReadWholeFile(path, text);
    if (!result.error.empty()) {
        return result;
    }
    result = ReadJobText(text);
    if (result.job && result.version >= 2) {
        const fs::path folder = JobFolder(path);
        ChangePaths(*result.job, [&folder](std::string& stored) {
            if (!stored.empty() && stored.front() != '/') {
                stored = (folder / stored).lexically_normal().string();
            }
        });
    }
    return result;
}

JobDocument JobWithPathsFor(const std::string& path, JobDocument job) {
    const fs::path folder = JobFolder(path);
    ChangePaths(job, [&folder](std::string& given) {
        if (given.empty()) {
            return;
        }
        std::error_code ignored;
        const fs::path absolute = fs::absolute(given, ignored).lexically_normal();
        const fs::path relative = absolute.lexically_relative(folder);
        const bool below = !relative.empty() && *relative.begin() != "..";
        given = below ? relative.string() : absolute.string();
        if (given.size() > 1 && given.back() == '/') {
            given.pop_back();  // "out/" and "out" are one folder
        }
    });
    return job;
}

std::string JobFileTargetRefusal(const std::string& path) {
    struct stat st {};
    if (::lstat(path.c_str(), &st) != 0) {
        return errno == ENOENT ? std::string() : SystemErrorText(errno);
    }
    if (S_ISLNK(st.st_mode)) {
        return "it is a symbolic link; name the file itself";
    }
    if (!S_ISREG(st.st_mode)) {
        return "it is not a regular file";
    }
    // A job file of any version is one whose document names our format.
    std::string text;
    if (const std::string failure = ReadWholeFile(path, text); !failure.empty()) {
        return failure;
    }
    const JsonParse parsed = ParseJson(text);
    const JsonValue* format = parsed.value ? parsed.value->Find("format") : nullptr;
    if (format == nullptr || format->AsString() == nullptr ||
        *format->AsString() != kJobFormatName) {
        return "it exists and is not a job file";
    }
    return {};
}

std::string WriteJobFile(const std::string& path, const JobDocument& job) {
    const std::string text = WriteJobText(JobWithPathsFor(path, job));
    const std::size_t slash = path.rfind('/');
    const std::string folder = slash == std::string::npos ? "." : path.substr(0, slash + 1);
    const std::string name = slash == std::string::npos ? path : path.substr(slash + 1);
    std::string temporary = folder + (folder.back() == '/' ? "" : "/") + "." + name + ".XXXXXX";
    const int fd = ::mkostemp(temporary.data(), O_CLOEXEC);
    if (fd < 0) {
        return SystemErrorText(errno);
    }
    std::size_t written = 0;
    int error = 0;
    while (written < text.size()) {
        const ssize_t n = ::write(fd, text.data() + written, text.size() - written);
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n <= 0) {
            error = n < 0 ? errno : ENOSPC;
            break;
        }
        written += static_cast<std::size_t>(n);
    }
    if (error == 0 && ::fsync(fd) != 0) {
        error = errno;
    }
    if (::close(fd) != 0 && error == 0) {
        error = errno;
    }
    if (error == 0 && ::rename(temporary.c_str(), path.c_str()) != 0) {
        error = errno;
    }
    if (error != 0) {
        ::unlink(temporary.c_str());
        return SystemErrorText(error);
    }
    // The rename itself reaches the disk with its folder.
    const int dir = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dir >= 0) {
        ::fsync(dir);
        ::close(dir);
    }
    return {};
}
