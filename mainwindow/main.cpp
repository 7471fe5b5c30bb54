// Tolvane: extracts the sound track of video files into audio files.

#include "CBrenvixApp.h"

int main(int argc, char** argv) {
    CBrenvixApp app(argc, argv);
    return app.Run();
}
