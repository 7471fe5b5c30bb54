// A small driver of the engine: fills a job from its arguments and runs one worker, the way the
// main window does. Used by the benchmarks and for trying the engine by hand.
//
//   tolvane-convert [-f mp3|wav|wma|ogg] [-b BPS] [-r HZ] [-c N] [-s START] [-t END] [-m]
//                   -o DIR FILE...

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

extern "C" {
#include <libavcodec/codec_id.h>
}

#include "AVConvert.h"
#include "Workers.h"

namespace {

struct Format {
    const char* name;
    AVCodecID codec;
    const char* extension;
};

constexpr Format kFormats[] = {
    {"mp3", AV_CODEC_ID_MP3, ".mp3"},
    {"wav", AV_CODEC_ID_PCM_S16LE, ".wav"},
    {"wma", AV_CODEC_ID_WMAV2, ".wma"},
    {"ogg", AV_CODEC_ID_VORBIS, ".ogg"},
};

int Usage() {
    std::fprintf(stderr,
                 "usage: tolvane-convert [-f mp3|wav|wma|ogg] [-b BPS] [-r HZ] [-c N] "
                 "[-s START] [-t END] [-m] -o DIR FILE...\n");
    return 2;
}

}  // namespace

int main(int argc, char** argv) {
    const Format* format = &kFormats[0];
    int bitRate = 128000, sampleRate = 44100, channels = 2;
    double start = 0.0, end = -1.0;
    bool merge = false;
    std::string folder;
    std::vector<std::string> files;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        const bool hasValue = i + 1 < argc;
        if (arg == "-m") {
            merge = true;
        } else if (arg == "-f" && hasValue) {
            const std::string name = argv[++i];
            format = nullptr;
            for (const Format& f : kFormats) {
                if (name == f.name) {
                    format = &f;
                }
            }
            if (format == nullptr) {
                return Usage();
            }
        } else if (arg == "-b" && hasValue) {
            bitRate = std::atoi(argv[++i]);
        } else if (arg == "-r" && hasValue) {
            sampleRate = std::atoi(argv[++i]);
        } else if (arg == "-c" && hasValue) {
            channels = std::atoi(argv[++i]);
        } else if (arg == "-s" && hasValue) {
            start = std::atof(argv[++i]);
        } else if (arg == "-t" && hasValue) {
            end = std::atof(argv[++i]);
        } else if (arg == "-o" && hasValue) {
            folder = argv[++i];
        } else if (!arg.empty() && arg[0] == '-') {
            return Usage();
        } else {
            files.push_back(arg);
        }
    }
    if (folder.empty() || files.empty()) {
        return Usage();
    }

    AVConvert job;
    job.ResetTasks(static_cast<int>(files.size()));
    for (std::size_t i = 0; i < files.size(); ++i) {
        job.probePath = files[i];
        const double length =
            job.ProbeMedia() == 0 ? static_cast<double>(job.probe.durationMicros) / 1e6 : 0.0;
        job.sourcePaths[i] = files[i];
        job.outputPaths[i] =
            (std::filesystem::path(folder) / std::filesystem::path(files[i]).stem()).string() +
            format->extension;
        job.clipStart[i] = start;
        job.clipEnd[i] = end >= 0 ? end : length;
        job.clipLength[i] = job.clipEnd[i] - start;
        job.mergeTotalSeconds += static_cast<int>(length);
    }
    job.audioCodecId = format->codec;
    job.audioBitRate = bitRate;
    job.audioSampleRate = sampleRate;
    job.audioChannels = channels;
    job.stopRequested = false;
    job.fileProgress = 0;

    tolvane::ConversionThread worker;
    worker.Start(job, merge ? tolvane::WorkerKind::Merge : tolvane::WorkerKind::Batch);
    worker.Join();

    int failures = 0;
    const std::size_t shown = merge ? 1 : files.size();
    for (std::size_t i = 0; i < files.size(); ++i) {
        const bool ok = job.taskStatus[i] == AVConvert::kTaskConverted;
        failures += ok ? 0 : 1;
        std::printf("%s\t%s\t%s\n", ok ? "Completed" : "Failure", files[i].c_str(),
                    i < shown ? job.outputPaths[i].c_str() : job.outputPaths[0].c_str());
    }
    return failures == 0 ? 0 : 1;
}
