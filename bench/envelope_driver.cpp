// Reads the sound envelope of a file as the clip dialog does and prints how long it took:
//   tolvane-envelope FILE [COLUMNS]
// Prints "SECONDS COLUMNS_READ" on standard output; exits with 1 when the file gave nothing.

#include <chrono>
#include <cstdio>
#include <string>
#include <thread>

#include "SoundEnvelope.h"

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: tolvane-envelope FILE [COLUMNS]\n");
        return 2;
    }
    const int columns = argc > 2 ? std::stoi(argv[2]) : 419;
    const auto start = std::chrono::steady_clock::now();
    tolvane::SoundEnvelope envelope(argv[1], columns);
    while (!envelope.Done()) {
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    const double seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    int read = 0;
    for (const float peak : envelope.Peaks()) {
        read += peak >= 0.0f ? 1 : 0;
    }
    std::printf("%.3f %d\n", seconds, read);
    return read > 0 ? 0 : 1;
}
