// Plays a file to its end through the preview player, as the windows do, polling the picture
// every 67 ms. Used by bench/player_vs_ffplay.sh.
//
//   tolvane-play FILE

#include <atomic>
#include <chrono>
#include <cstdio>
#include <string>
#include <thread>
#include <vector>

#include "PreviewEngine.h"

namespace {

std::atomic<bool>& Ended() {
    static std::atomic<bool> ended{false};
    return ended;
}

void OnEnd() {
    Ended() = true;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: tolvane-play FILE\n");
        return 2;
    }
    const std::string path = argv[1];
    const std::wstring wide(path.begin(), path.end());
    PreviewEngine_Initialize(&OnEnd, nullptr);
    PreviewEngine_SetFileName(wide.c_str());
    if (PreviewEngine_Open() < 0) {
        std::fprintf(stderr, "tolvane-play: cannot open %s\n", argv[1]);
        return 1;
    }
    int pictures = 0;
    int sound = 0;
    PreviewEngine_GetMediaType(&pictures, &sound);
    int width = 0;
    int height = 0;
    std::vector<unsigned char> frame;
    if (pictures != 0) {
        PreviewEngine_GetFrameSize(&width, &height);
        frame.resize(static_cast<std::size_t>(width) * static_cast<std::size_t>(height) * 3);
    }
    PreviewEngine_Start();
    while (!Ended()) {
        std::this_thread::sleep_for(std::chrono::milliseconds(67));
        if (!frame.empty()) {
            PreviewEngine_GetFrame(frame.data(), width, height);
        }
    }
    PreviewEngine_Stop();
    PreviewEngine_Close();
    return 0;
}
