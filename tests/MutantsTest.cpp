// Damaged media, made by mutating the test media with fixed seeds (flipped bytes, cuts, zeroed
// and repeated ranges), converted by tolvane-cli: no crash, no hang, exit status 0 or 1, and
// every file reported as converted decodes.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <limits>
#include <random>
#include <sstream>
#include <string>
#include <vector>

extern "C" {
#include <libavcodec/codec_id.h>
}

#include "TestSupport.h"

namespace tolvane::test {
namespace {

namespace fs = std::filesystem;

std::vector<char> Bytes(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return std::vector<char>(std::istreambuf_iterator<char>(in), {});
}

// One mutant of `data`; the kind of damage and its place follow from `random`.
std::vector<char> Mutate(std::vector<char> data, std::mt19937& random) {
    if (data.size() < 64) {
        return data;
    }
    const auto pick = [&](std::size_t limit) {
        return std::uniform_int_distribution<std::size_t>(0, limit - 1)(random);
    };
    switch (pick(4)) {
        case 0:  // flipped bytes
            for (int i = 0; i < 1 + static_cast<int>(pick(20)); ++i) {
                data[pick(data.size())] ^= static_cast<char>(1 + pick(255));
            }
            break;
        case 1:  // cut short
            data.resize(16 + pick(data.size() - 16));
            break;
        case 2: {  // a range zeroed
            const std::size_t at = pick(data.size());
            const std::size_t length = std::min(data.size() - at, 1 + pick(4096));
            std::fill_n(data.begin() + static_cast<long>(at), length, '\0');
            break;
        }
        default: {  // a range repeated
            const std::size_t at = pick(data.size());
            const std::size_t length = std::min(data.size() - at, 1 + pick(4096));
            const std::vector<char> copy(data.begin() + static_cast<long>(at),
                                         data.begin() + static_cast<long>(at + length));
            data.insert(data.begin() + static_cast<long>(pick(data.size())), copy.begin(),
                        copy.end());
            break;
        }
    }
    return data;
}

TEST(Mutants, DamagedMediaNeverCrashesOrHangs) {
    const char* seeds[] = {"h264_aac.mp4",  "mpeg4_mp3.avi", "ac3_51.mkv",   "audio_only.m4a",
                           "odd_0.9.webm",  "odd_0.3.mkv",   "short_1s.mp4", "two_audio.mkv",
                           "odd_44.65.ogg", "odd_5.72.mp4"};
    constexpr int kMutantsPerSeed = 20;
    ScratchDir work;
    for (const char* seed : seeds) {
        const std::vector<char> original = Bytes(Media(seed));
        ASSERT_FALSE(original.empty()) << seed;
        std::mt19937 random(static_cast<unsigned>(std::hash<std::string>()(seed)));
        const fs::path folder = work.Path() / seed;
        fs::create_directories(folder / "out");
        std::string files;
        for (int i = 0; i < kMutantsPerSeed; ++i) {
            const fs::path mutant =
                folder / ("m" + std::to_string(i) + fs::path(seed).extension().string());
            const std::vector<char> bytes = Mutate(original, random);
            std::ofstream(mutant, std::ios::binary)
                .write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
            files += " " + mutant.string();
        }
        // Status lines only, then the exit status (the helper joins the error stream).
        const std::string lines = RunCommand(
            "(timeout -s KILL 300 " + std::string(TOLVANE_CLI_PATH) + " -q -f wav -o " +
            (folder / "out").string() + files +
            " 2>/dev/null; echo \"exit $?\") | grep -E '^(Completed|Failure|Stopped)\t|^exit'");
        EXPECT_TRUE(lines.find("exit 0\n") != std::string::npos ||
                    lines.find("exit 1\n") != std::string::npos)
            << seed << ": " << lines;
        std::istringstream stream(lines);
        std::string line;
        int reported = 0;
        while (std::getline(stream, line)) {
            if (line.rfind("exit", 0) == 0) {
                continue;
            }
            ++reported;
            if (line.rfind("Completed\t", 0) == 0) {
                // Completed, source, output and, for a damaged source, where its sound ends.
                std::istringstream fields(line);
                std::string output;
                for (int field = 0; field < 3; ++field) {
                    std::getline(fields, output, '\t');
                }
                int decoded = 0;
                RunCommand("ffmpeg -nostdin -v error -xerror -i '" + output + "' -f null -",
                           &decoded);
                EXPECT_EQ(decoded, 0) << output;
            }
        }
        EXPECT_EQ(reported, kMutantsPerSeed) << seed << ": one line per input";
    }
}

// How the samples of WriteWildFloatWav are cleaned: not at all (what a damaged stream can decode
// to), as an encoder that takes floats should get them (NaN and infinities as silence), or as one
// that takes integers should (and within full scale).
enum class Cleaned { No, Finite, FullScale };

// A 32-bit float WAV whose samples are NaN, infinities, enormous values and a few in range.
void WriteWildFloatWav(const fs::path& path, int seconds, Cleaned cleaned) {
    constexpr int kRate = 22050;
    constexpr int kChannels = 2;
    const float wild[] = {std::numeric_limits<float>::quiet_NaN(),
                          std::numeric_limits<float>::infinity(),
                          -std::numeric_limits<float>::infinity(),
                          3e38F,
                          -3e38F,
                          1e6F,
                          0.5F,
                          -0.25F};
    std::vector<float> samples(static_cast<std::size_t>(kRate) * kChannels * seconds);
    std::mt19937 random(7);
    for (float& sample : samples) {
        sample = wild[random() % std::size(wild)];
        if (cleaned != Cleaned::No && !std::isfinite(sample)) {
            sample = 0.0F;
        }
        if (cleaned == Cleaned::FullScale) {
            sample = std::clamp(sample, -1.0F, 1.0F);
        }
    }
    const auto put = [](std::ofstream& out, std::uint32_t value, int bytes) {
        for (int i = 0; i < bytes; ++i) {
            out.put(static_cast<char>((value >> (8 * i)) & 0xFF));
        }
    };
    const auto dataBytes = static_cast<std::uint32_t>(samples.size() * sizeof(float));
    std::ofstream out(path, std::ios::binary);
    out.write("RIFF", 4);
    put(out, 36 + dataBytes, 4);
    out.write("WAVEfmt ", 8);
    put(out, 16, 4);
    put(out, 3, 2);  // IEEE float
    put(out, kChannels, 2);
    put(out, kRate, 4);
    put(out, kRate * kChannels * 4, 4);
    put(out, kChannels * 4, 2);
    put(out, 32, 2);
    out.write("data", 4);
    put(out, dataBytes, 4);
    out.write(reinterpret_cast<const char*>(samples.data()), dataBytes);
}

// Non-finite samples are silence for every encoder; an encoder that takes integers gets the rest
// within full scale, one that takes floats (Vorbis) as the source has them.
TEST(Mutants, SamplesOutOfRangeAreEncodedAsTheirEncoderTakesThem) {
    ScratchDir work;
    const fs::path wild = work.Path() / "wild.wav";
    WriteWildFloatWav(wild, 3, Cleaned::No);
    struct Case {
        std::int32_t codecId;
        const char* extension;
        Cleaned cleaned;
    };
    for (const Case& c : {Case{AV_CODEC_ID_MP3, ".mp3", Cleaned::FullScale},
                          Case{AV_CODEC_ID_VORBIS, ".ogg", Cleaned::Finite},
                          Case{AV_CODEC_ID_PCM_S16LE, ".wav", Cleaned::FullScale}}) {
        const fs::path limited = work.Path() / (std::string("limited") + c.extension + ".wav");
        WriteWildFloatWav(limited, 3, c.cleaned);
        const std::string fromWild = work.File(std::string("out_wild") + c.extension);
        const std::string fromLimited = work.File(std::string("out_limited") + c.extension);
        AVConvert job;
        FillJob(job, {{wild.string(), fromWild}, {limited.string(), fromLimited}},
                {c.codecId, 64000, 22050, 2});
        RunBatch(job);
        EXPECT_EQ(job.taskStatus[0].load(), AVConvert::kTaskConverted) << c.extension;
        EXPECT_NEAR(DecodedSeconds(fromWild), 3.0, 0.05) << c.extension;
        // The encoder saw exactly the cleaned samples.
        EXPECT_EQ(DecodedSamples(fromWild, 22050), DecodedSamples(fromLimited, 22050))
            << c.extension;
    }
}

}  // namespace
}  // namespace tolvane::test
