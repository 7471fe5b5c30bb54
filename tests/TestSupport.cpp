#include "TestSupport.h"

#include <gtest/gtest.h>

#include <sys/resource.h>
#include <sys/wait.h>

#include <algorithm>
#include <array>
#include <charconv>
#include <chrono>
#include <cmath>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <random>
#include <sstream>
#include <stdexcept>
#include <thread>

extern "C" {
#include <libavcodec/codec_id.h>
}

#include "MediaProbe.h"
#include "Numbers.h"
#include "Workers.h"

namespace tolvane::test {

namespace fs = std::filesystem;

fs::path Media(const std::string& name) {
    const char* dir = std::getenv("TOLVANE_TEST_MEDIA");
    if (dir == nullptr) {
        throw std::runtime_error("TOLVANE_TEST_MEDIA is not set");
    }
    return fs::path(dir) / name;
}

ScratchDir::ScratchDir() {
    std::random_device random;
    m_path = fs::temp_directory_path() / ("tolvane-test-" + std::to_string(random()));
    fs::create_directories(m_path);
}

ScratchDir::~ScratchDir() {
    std::error_code ignored;
    // Give back write permission first, so that nothing a test locked stays behind.
    for (const auto& entry : fs::recursive_directory_iterator(m_path, ignored)) {
        fs::permissions(entry.path(), fs::perms::owner_all, fs::perm_options::add, ignored);
    }
    fs::remove_all(m_path, ignored);
}

JobPlan TestPlan(const std::vector<TaskSpec>& tasks, const AudioSettings& audio) {
    JobPlan plan;
    MediaProbeResult probe;
    for (const TaskSpec& wanted : tasks) {
        double end = wanted.end;
        if (end < 0 && !wanted.source.empty()) {
            end = tolvane::ProbeMedia(wanted.source, probe) == 0
                      ? static_cast<double>(probe.durationSeconds)
                      : 0.0;
        }
        // An end below 0 is an untrimmed row.
        plan.tasks.push_back({wanted.source,
                              wanted.output,
                              wanted.start,
                              end,
                              wanted.end < 0,
                              wanted.soundTrack,
                              TaskKind::Convert,
                              {}});
    }
    plan.settings.audioBitRate = audio.bitRate;
    plan.settings.audioChannels = audio.channels;
    plan.settings.audioSampleRate = audio.sampleRate;
    plan.settings.audioCodecId = audio.codecId;
    return plan;
}

void FillJob(AVConvert& job, const std::vector<TaskSpec>& tasks, const AudioSettings& audio,
             const std::function<void(JobPlan&)>& adjust) {
    JobPlan plan = TestPlan(tasks, audio);
    if (adjust) {
        adjust(plan);
    }
    ApplyPlan(plan, job);
}

void FillCopyJob(AVConvert& job, const std::vector<TaskSpec>& tasks,
                 const std::function<void(JobPlan&)>& adjust) {
    // The settings stay the window's start-up ones, and are not used.
    JobPlan plan = TestPlan(tasks, {AV_CODEC_ID_MP3});
    for (PlannedTask& task : plan.tasks) {
        task.kind = TaskKind::Copy;
    }
    if (adjust) {
        adjust(plan);
    }
    ApplyPlan(plan, job);
}

void IncludeVideo(JobPlan& plan, const VideoSettings& video) {
    plan.settings.includeVideo = true;
    plan.settings.videoCodecId = video.codecId;
    plan.settings.videoBitRate = video.bitRate;
    plan.settings.videoWidth = video.width;
    plan.settings.videoHeight = video.height;
    plan.settings.videoFrameRate = video.frameRate;
}

void RunAndStopAt(AVConvert& job, bool merge, int percent) {
    ConversionThread worker;
    worker.Start(job, merge ? WorkerKind::Merge : WorkerKind::Batch);
    while (worker.Running() && job.fileProgress.load() < percent) {
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    job.stopRequested = true;
    worker.Join();
}

void RunBatch(AVConvert& job) {
    ConversionThread worker;
    worker.Start(job, WorkerKind::Batch);
    worker.Join();
}

void RunMerge(AVConvert& job) {
    ConversionThread worker;
    worker.Start(job, WorkerKind::Merge);
    worker.Join();
}

std::string RunCommand(const std::string& command, int* exitCode) {
    std::string output;
    FILE* pipe = ::popen((command + " 2>&1").c_str(), "r");
    if (pipe == nullptr) {
        throw std::runtime_error("cannot run " + command);
    }
    std::array<char, 4096> buffer{};
    while (std::fgets(buffer.data(), buffer.size(), pipe) != nullptr) {
        output += buffer.data();
    }
    const int status = ::pclose(pipe);
    if (exitCode != nullptr) {
        *exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    }
    return output;
}

namespace {

std::string Quote(const std::string& text) {
    std::string quoted = "'";
    for (char c : text) {
        quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
    }
    return quoted + "'";
}

}  // namespace

ProbedStream Ffprobe(const std::string& path, const char* kind) {
    ProbedStream result;
    int code = 0;
    const std::string text = RunCommand(
        std::string("ffprobe -v error -select_streams ") + kind +
            ":0 -show_entries stream=codec_name,sample_rate,channels,width,height:format=duration "
            "-of default=noprint_wrappers=1 " +
            Quote(path),
        &code);
    if (code != 0) {
        return result;
    }
    std::istringstream lines(text);
    std::string line;
    while (std::getline(lines, line)) {
        const auto eq = line.find('=');
        if (eq == std::string::npos) {
            continue;
        }
        const std::string key = line.substr(0, eq);
        const std::string value = line.substr(eq + 1);
        if (key == "codec_name") {
            result.found = true;
            result.codec = value;
        } else if (key == "sample_rate") {
            result.sampleRate = std::atoi(value.c_str());
        } else if (key == "channels") {
            result.channels = std::atoi(value.c_str());
        } else if (key == "width") {
            result.width = std::atoi(value.c_str());
        } else if (key == "height") {
            result.height = std::atoi(value.c_str());
        } else if (key == "duration" && value != "N/A") {
            result.duration = std::atof(value.c_str());
        }
    }
    return result;
}

std::vector<ProbedPacket> ProbedPackets(const std::string& path, const std::string& stream) {
    const std::string text =
        RunCommand("ffprobe -v error -select_streams " + stream +
                   " -show_data_hash MD5 -show_entries packet=pts_time,duration_time,data_hash "
                   "-of csv=p=0 " +
                   Quote(path));
    std::vector<ProbedPacket> packets;
    std::istringstream lines(text);
    std::string line;
    while (std::getline(lines, line)) {
        ProbedPacket packet;
        const std::size_t hash = line.find("MD5:");
        const int fields = std::sscanf(line.c_str(), "%lf,%lf", &packet.pts, &packet.duration);
        if (fields == 1) {
            packet.duration = -1.0;  // "N/A": until the next packet
        }
        if (fields >= 1) {
            packets.push_back(packet);
        }
        // A packet with side data gets its hash on a line of its own.
        if (hash != std::string::npos && !packets.empty() && packets.back().hash.empty()) {
            packets.back().hash = line.substr(hash + 4, 32);
        }
    }
    for (std::size_t i = 0; i < packets.size(); ++i) {
        if (packets[i].duration < 0.0) {
            packets[i].duration = i + 1 < packets.size() ? packets[i + 1].pts - packets[i].pts
                                  : i > 0                ? packets[i - 1].duration
                                                         : 0.0;
        }
    }
    return packets;
}

double AudioPacketsEnd(const std::string& path) {
    double end = -1.0;
    for (const ProbedPacket& packet : ProbedPackets(path)) {
        end = std::max(end, packet.pts + packet.duration);
    }
    return end;
}

std::pair<double, double> FfmpegLoudness(const std::string& path, double from, double length) {
    // Numbers written and read the same whatever locale a test runs in.
    const auto number = [](double value) {
        char text[32];
        return std::string(text, std::to_chars(text, text + sizeof text, value).ptr);
    };
    std::string range = " -ss " + number(from);
    if (length > 0.0) {
        range += " -t " + number(length);
    }
    const std::string text = RunCommand("ffmpeg -nostdin -v info" + range + " -i '" + path +
                                        "' -map 0:a -af ebur128=peak=true -f null - 2>&1");
    const auto value = [&text](const std::string& key) {
        double read = 1000.0;
        std::size_t at = text.rfind(key);
        if (at != std::string::npos) {
            at = text.find_first_not_of(' ', at + key.size());
            if (at != std::string::npos) {
                std::from_chars(text.data() + at, text.data() + text.size(), read);
            }
        }
        return read;
    };
    return {value("I:"), value("Peak:")};
}

double MaxVolumeDb(const std::string& path, double seconds) {
    const std::string text = RunCommand("ffmpeg -nostdin -v info -t " + std::to_string(seconds) +
                                        " -i " + Quote(path) + " -af volumedetect -f null -");
    const auto at = text.find("max_volume:");
    if (at == std::string::npos) {
        return 0.0;
    }
    return std::atof(text.c_str() + at + 11);
}

std::string ReadFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

}  // namespace tolvane::test

namespace tolvane::test {

std::vector<std::int16_t> DecodedSamples(const std::string& path, int rate) {
    const std::string command = "ffmpeg -nostdin -v error -i " + Quote(path) +
                                " -map 0:a:0 -ac 1 -ar " + std::to_string(rate) + " -f s16le -";
    std::vector<std::int16_t> samples;
    FILE* pipe = ::popen(command.c_str(), "r");
    if (pipe == nullptr) {
        throw std::runtime_error("cannot run " + command);
    }
    std::array<std::int16_t, 4096> buffer{};
    std::size_t n = 0;
    while ((n = std::fread(buffer.data(), sizeof(std::int16_t), buffer.size(), pipe)) > 0) {
        samples.insert(samples.end(), buffer.begin(), buffer.begin() + static_cast<long>(n));
    }
    ::pclose(pipe);
    return samples;
}

namespace {

std::uint32_t Big32(const std::string& bytes, std::size_t at) {
    std::uint32_t value = 0;
    for (std::size_t i = 0; i < 4; ++i) {
        value = (value << 8) | static_cast<unsigned char>(bytes[at + i]);
    }
    return value;
}

void PutBig32(std::string& bytes, std::size_t at, std::uint32_t value) {
    for (std::size_t i = 0; i < 4; ++i) {
        bytes[at + i] = static_cast<char>((value >> (8 * (3 - i))) & 0xff);
    }
}

// The offset of the first box of `type` among the boxes from `begin` to `end` (npos: none).
std::size_t FindBox(const std::string& bytes, std::size_t begin, std::size_t end,
                    const char* type) {
    for (std::size_t at = begin; at + 8 <= end;) {
        const std::uint32_t size = Big32(bytes, at);
        if (size < 8 || at + size > end) {
            return std::string::npos;
        }
        if (bytes.compare(at + 4, 4, type) == 0) {
            return at;
        }
        at += size;
    }
    return std::string::npos;
}

}  // namespace

void WriteDelayedMp4(const std::string& path, const std::string& encoder, double seconds,
                     int delayMs, bool shortened) {
    const std::string plain = path + ".plain.mp4";
    int code = 0;
    const std::string said = RunCommand(
        "ffmpeg -nostdin -v error -y -f lavfi -i sine=frequency=440:sample_rate=44100:"
        "duration=" +
            FormatFixed(seconds, 3) + " -c:a " + encoder + " '" + plain + "'",
        &code);
    ASSERT_EQ(code, 0) << said;
    std::string bytes = ReadFile(plain);
    fs::remove(plain);
    // moov (after mdat, as ffmpeg writes it: no chunk offset moves) > trak > edts > elst.
    const std::size_t moov = FindBox(bytes, 0, bytes.size(), "moov");
    ASSERT_NE(moov, std::string::npos);
    ASSERT_LT(FindBox(bytes, 0, bytes.size(), "mdat"), moov);
    const std::size_t trak = FindBox(bytes, moov + 8, moov + Big32(bytes, moov), "trak");
    ASSERT_NE(trak, std::string::npos);
    const std::size_t edts = FindBox(bytes, trak + 8, trak + Big32(bytes, trak), "edts");
    ASSERT_NE(edts, std::string::npos);
    const std::size_t elst = FindBox(bytes, edts + 8, edts + Big32(bytes, edts), "elst");
    ASSERT_NE(elst, std::string::npos);
    ASSERT_EQ(bytes[elst + 8], 0) << "a version 0 edit list";
    ASSERT_EQ(Big32(bytes, elst + 12), 1U) << "one edit";
    const std::size_t mvhd = FindBox(bytes, moov + 8, moov + Big32(bytes, moov), "mvhd");
    ASSERT_NE(mvhd, std::string::npos);
    const std::uint32_t scale = Big32(bytes, mvhd + 8 + 12);  // version 0
    const auto delay =
        static_cast<std::uint32_t>(static_cast<std::uint64_t>(delayMs) * scale / 1000);
    if (shortened) {
        PutBig32(bytes, elst + 16, Big32(bytes, elst + 16) - delay);
    }
    std::string empty(12, '\0');
    PutBig32(empty, 0, delay);
    PutBig32(empty, 4, 0xffffffffU);  // media time -1: nothing plays
    PutBig32(empty, 8, 0x00010000U);  // at rate 1
    bytes.insert(elst + 16, empty);
    PutBig32(bytes, elst + 12, 2);
    for (const std::size_t box : {elst, edts, trak, moov}) {
        PutBig32(bytes, box, Big32(bytes, box) + 12);
    }
    std::ofstream(path, std::ios::binary | std::ios::trunc) << bytes;
}

// Between the first and the last rising zero crossing.
double Frequency(const std::vector<std::int16_t>& samples, int rate) {
    double first = -1.0;
    double last = -1.0;
    int crossings = 0;
    for (std::size_t i = 1; i < samples.size(); ++i) {
        if (samples[i - 1] < 0 && samples[i] >= 0) {
            const double at = static_cast<double>(i - 1) +
                              static_cast<double>(-samples[i - 1]) / (samples[i] - samples[i - 1]);
            if (first < 0.0) {
                first = at;
            } else {
                ++crossings;
            }
            last = at;
        }
    }
    return crossings > 0 ? crossings * rate / (last - first) : 0.0;
}

double DecodedSeconds(const std::string& path) {
    return static_cast<double>(DecodedSamples(path, 48000).size()) / 48000.0;
}

std::vector<std::string> MakeMergeSources(const fs::path& folder) {
    const std::string a = (folder / "a.mp4").string();
    const std::string b = (folder / "b.m4a").string();
    const std::string c = (folder / "c.wav").string();
    const std::string ff = "ffmpeg -nostdin -v error -y ";
    RunCommand(ff +
               "-f lavfi -i testsrc2=size=64x48:rate=25:duration=3.52 -f lavfi -i "
               "sine=frequency=440:sample_rate=44100:duration=2.6 -c:v libx264 -preset "
               "ultrafast -c:a aac '" +
               a + "'");
    RunCommand(ff + "-f lavfi -i sine=frequency=660:sample_rate=44100:duration=3.3 -c:a aac '" + b +
               "'");
    RunCommand(ff + "-f lavfi -i sine=frequency=880:sample_rate=44100:duration=4.1 '" + c + "'");
    return {a, b, c};
}

void WriteSpeechLikeWav(const std::string& path,
                        const std::vector<std::pair<bool, double>>& stretches, int rate) {
    std::uint32_t seed = 12345;
    const auto random = [&seed] {  // 0 to 1
        seed = seed * 1664525U + 1013904223U;
        return static_cast<double>(seed >> 8) / static_cast<double>(1U << 24);
    };
    std::vector<std::int16_t> samples;
    const auto floor = [&](std::size_t count) {
        for (std::size_t i = 0; i < count; ++i) {
            samples.push_back(static_cast<std::int16_t>((random() - 0.5) * 32768 * 0.002));
        }
    };
    for (const auto& [sound, seconds] : stretches) {
        const auto end = samples.size() + static_cast<std::size_t>(std::llround(seconds * rate));
        while (sound && samples.size() < end) {
            const auto length = std::min(static_cast<std::size_t>((0.1 + 0.2 * random()) * rate),
                                         end - samples.size());
            const double pitch = 150 + 200 * random();
            const double level = 0.25 + 0.25 * random();
            const bool noisy = random() < 0.3;
            for (std::size_t i = 0; i < length; ++i) {
                const double envelope = std::sin(M_PI * static_cast<double>(i) / length);
                const double t = static_cast<double>(i) / rate;
                const double x = noisy ? random() * 2 - 1 : std::sin(2 * M_PI * pitch * t);
                samples.push_back(static_cast<std::int16_t>(level * envelope * x * 32767));
            }
            floor(std::min(static_cast<std::size_t>((0.05 + 0.1 * random()) * rate),
                           end - samples.size()));
        }
        floor(end - samples.size());
    }
    const auto put = [](std::ofstream& out, std::uint32_t value, int bytes) {
        for (int i = 0; i < bytes; ++i) {
            out.put(static_cast<char>((value >> (8 * i)) & 0xFF));
        }
    };
    const auto dataBytes = static_cast<std::uint32_t>(samples.size() * 2);
    std::ofstream out(path, std::ios::binary);
    out.write("RIFF", 4);
    put(out, 36 + dataBytes, 4);
    out.write("WAVEfmt ", 8);
    put(out, 16, 4);
    put(out, 1, 2);  // PCM
    put(out, 1, 2);  // mono
    put(out, static_cast<std::uint32_t>(rate), 4);
    put(out, static_cast<std::uint32_t>(rate) * 2, 4);
    put(out, 2, 2);
    put(out, 16, 2);
    out.write("data", 4);
    put(out, dataBytes, 4);
    out.write(reinterpret_cast<const char*>(samples.data()), dataBytes);
}

int LongestQuietRun(const std::vector<std::int16_t>& samples, int threshold, std::size_t margin) {
    int longest = 0;
    int run = 0;
    for (std::size_t i = margin; i + margin < samples.size(); ++i) {
        run = std::abs(samples[i]) < threshold ? run + 1 : 0;
        longest = std::max(longest, run);
    }
    return longest;
}

double SoundSeconds(const std::string& path) {
    const std::string extension = fs::path(path).extension().string();
    if (extension == ".mp4" || extension == ".m4a" || extension == ".mov") {
        const std::string stated = RunCommand(
            "ffprobe -v error -select_streams a:0 -show_entries stream=duration -of "
            "csv=p=0 '" +
            path + "'");
        double seconds = 0.0;
        const auto [end, error] =
            std::from_chars(stated.data(), stated.data() + stated.size(), seconds);
        if (error == std::errc() && seconds > 0.0) {
            return seconds;
        }
    }
    return DecodedSeconds(path);
}

FileSizeLimit::FileSizeLimit(std::uint64_t bytes) {
    rlimit limit{};
    ::getrlimit(RLIMIT_FSIZE, &limit);
    m_previous = limit.rlim_cur;
    limit.rlim_cur = bytes;
    ::setrlimit(RLIMIT_FSIZE, &limit);
    m_previousHandler = std::signal(SIGXFSZ, SIG_IGN);
}

FileSizeLimit::~FileSizeLimit() {
    rlimit limit{};
    ::getrlimit(RLIMIT_FSIZE, &limit);
    limit.rlim_cur = m_previous;
    ::setrlimit(RLIMIT_FSIZE, &limit);
    std::signal(SIGXFSZ, m_previousHandler);
}

}  // namespace tolvane::test
