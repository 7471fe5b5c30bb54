// Times the rules that grow with their input, on generated input of a given size:
//   tolvane-rules json MEMBERS    a job file whose settings carry MEMBERS members of a newer
//                                 program: read and written back
//   tolvane-rules pauses PAUSES   a recording of PAUSES pauses: split at them, and every 60 s
// Prints "SECONDS" on standard output.

#include <chrono>
#include <cstdio>
#include <string>
#include <utility>
#include <vector>

#include "JobFile.h"
#include "Silences.h"

namespace {

double TimeJson(int members) {
    std::string text = "{\"format\": \"tolvane-job\", \"version\": 1, \"rows\": [], ";
    for (int i = 0; i < members; ++i) {
        text += "\"m" + std::to_string(i) + "\": " + std::to_string(i) + ", ";
    }
    text += "\"last\": true}";
    const auto start = std::chrono::steady_clock::now();
    const JobRead read = ReadJobText(text);
    const std::string written = read.job ? WriteJobText(*read.job) : std::string();
    const double seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    return written.empty() ? -1.0 : seconds;
}

double TimePauses(int pauses) {
    SoundLevels levels;
    for (int i = 0; i < pauses; ++i) {
        // 2 s of sound (every tenth only 0.5 s: it joins a neighbour), then a pause.
        levels.decibels.insert(levels.decibels.end(), i % 10 == 5 ? 50 : 200, -20.0F);
        levels.decibels.insert(levels.decibels.end(), i % 2 == 0 ? 160 : 180, -70.0F);
    }
    levels.decibels.insert(levels.decibels.end(), 200, -20.0F);
    const auto start = std::chrono::steady_clock::now();
    const SilenceSplit split = SplitAtSilences(levels, {});
    const SilenceSplit every = SplitEvery(levels, 60.0, -50.0);
    const double seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    return split.parts.empty() || every.parts.empty() ? -1.0 : seconds;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 3) {
        std::fprintf(stderr, "usage: tolvane-rules json|pauses COUNT\n");
        return 2;
    }
    const std::string what = argv[1];
    const int count = std::stoi(argv[2]);
    const double seconds = what == "json" ? TimeJson(count) : TimePauses(count);
    if (seconds < 0) {
        return 1;
    }
    std::printf("%.4f\n", seconds);
    return 0;
}
