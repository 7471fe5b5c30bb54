// Finds the pauses of a file's sound as the command line does and prints how long it took:
//   tolvane-silences FILE [THREADS]
// Prints "SECONDS SOUND_SECONDS PAUSES" on standard output; exits with 1 when the sound could not
// be read.

#include <chrono>
#include <cstdio>
#include <string>

#include "SilenceFinder.h"

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: tolvane-silences FILE [THREADS]\n");
        return 2;
    }
    const int threads = argc > 2 ? std::stoi(argv[2]) : 1;
    const auto start = std::chrono::steady_clock::now();
    // The span's length only places the parts: an hour lets every thread have one.
    const tolvane::LevelsRead read =
        tolvane::ReadSoundLevels({argv[1], 0, 0.0, 0.0, true, 3600.0}, threads);
    const double seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    if (!read.read) {
        std::fprintf(stderr, "%s\n", read.failure.c_str());
        return 1;
    }
    std::printf("%.3f %.1f %zu\n", seconds, read.levels.End(),
                FindSilences(read.levels, {}).size());
    return 0;
}
