// Probes every file named on the command line once, as adding files to the list does, and
// prints one line per file: the result code, the length in seconds and the path.

#include <cstdio>

#include "AVConvert.h"

int main(int argc, char** argv) {
    AVConvert job;
    int failures = 0;
    for (int i = 1; i < argc; ++i) {
        job.probePath = argv[i];
        const int result = job.ProbeMedia();
        failures += result == 0 ? 0 : 1;
        std::printf("%d\t%lld\t%s\n", result, static_cast<long long>(job.probe.durationSeconds),
                    argv[i]);
    }
    return failures == 0 ? 0 : 1;
}
