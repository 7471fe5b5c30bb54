// Fuzz target: any bytes as a source file, probed and then converted to WAV and to MP3 (with a
// cover picture, from the source or from its video), and its sound copied as it is, as the window
// and the command line would. Built with clang's libFuzzer (see tests/fuzz/run.sh).

#include <unistd.h>

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

extern "C" {
#include <libavcodec/codec_id.h>
#include <libavutil/log.h>
}

#include "AVConvert.h"
#include "JobPlan.h"
#include "MediaProbe.h"
#include "Workers.h"

namespace {

namespace fs = std::filesystem;

// One folder per fuzzing process, in memory where the system has it; made and removed by each
// run.
const fs::path& WorkFolder() {
    static const fs::path folder =
        (fs::exists("/dev/shm") ? fs::path("/dev/shm") : fs::temp_directory_path()) /
        ("tolvane-fuzz-" + std::to_string(::getpid()));
    return folder;
}

enum class Way { Encode, EncodeWithCover, Copy };

void Convert(const std::string& source, const std::string& output, std::int32_t codecId, Way way) {
    tolvane::JobPlan plan;
    // A few seconds at most: a long (or endless) source is cut, as a trimmed row would be.
    plan.tasks.push_back({source, output, 0.0, 3.0, false, 0,
                          way == Way::Copy ? TaskKind::Copy : TaskKind::Convert});
    plan.settings.audioCodecId = codecId;
    plan.settings.audioBitRate = 64000;
    plan.settings.audioSampleRate = 22050;
    plan.settings.audioChannels = 2;
    plan.coverFromVideo = way == Way::EncodeWithCover;
    AVConvert job;
    tolvane::ApplyPlan(plan, job);
    tolvane::RunBatchWorker(job);
    std::error_code ignored;
    fs::remove(job.outputPaths[0], ignored);
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    av_log_set_level(AV_LOG_QUIET);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const fs::path source = WorkFolder() / "input";
    std::error_code ignored;
    fs::create_directories(WorkFolder(), ignored);
    {
        std::ofstream file(source, std::ios::binary | std::ios::trunc);
        file.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
    }
    MediaProbeResult probe;
    if (tolvane::ProbeMedia(source.string(), probe) == 0) {
        Convert(source.string(), (WorkFolder() / "out.wav").string(), AV_CODEC_ID_PCM_S16LE,
                Way::Encode);
        Convert(source.string(), (WorkFolder() / "out.mp3").string(), AV_CODEC_ID_MP3,
                Way::EncodeWithCover);
        // The copy's name gets the extension of the sound's codec.
        Convert(source.string(), (WorkFolder() / "copy.mka").string(), 0, Way::Copy);
    }
    // Nothing of a run stays behind in the shared memory folder.
    fs::remove_all(WorkFolder(), ignored);
    return 0;
}
