// The PreviewEngine functions: the one player of the process behind a plain C interface.

#include "PreviewEngine.h"

#include <string>

#include "Player.h"

namespace {

tolvane::Player& ThePlayer() {
    static tolvane::Player player;
    return player;
}

// wchar_t holds UTF-32 here; the library takes UTF-8 paths.
std::string Utf8FromWide(const wchar_t* text) {
    std::string out;
    for (; text != nullptr && *text != 0; ++text) {
        const auto c = static_cast<char32_t>(*text);
        if (c < 0x80) {
            out += static_cast<char>(c);
        } else if (c < 0x800) {
            out += static_cast<char>(0xC0 | (c >> 6));
            out += static_cast<char>(0x80 | (c & 0x3F));
        } else if (c < 0x10000) {
            out += static_cast<char>(0xE0 | (c >> 12));
            out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (c & 0x3F));
        } else {
            out += static_cast<char>(0xF0 | (c >> 18));
            out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
            out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (c & 0x3F));
        }
    }
    return out;
}

}  // namespace

extern "C" {

int PreviewEngine_Initialize(PreviewEngineEndNotification onEnd,
                             PreviewEngineNotification onOther) {
    ThePlayer().Initialize(onEnd, onOther);
    return 0;
}

int PreviewEngine_SetFileName(const wchar_t* path) {
    if (path == nullptr) {
        return -1;
    }
    ThePlayer().SetFileName(Utf8FromWide(path));
    return 0;
}

int PreviewEngine_Open(void) {
    return ThePlayer().Open();
}
int PreviewEngine_GetMediaType(int* hasPictures, int* hasSound) {
    return ThePlayer().GetMediaType(hasPictures, hasSound);
}
int PreviewEngine_GetFrameSize(int* width, int* height) {
    return ThePlayer().GetFrameSize(width, height);
}
int PreviewEngine_GetFrame(unsigned char* buffer, int width, int height) {
    return ThePlayer().GetFrame(buffer, width, height);
}
int PreviewEngine_Start(void) {
    return ThePlayer().Start();
}
int PreviewEngine_Pause(void) {
    return ThePlayer().Pause();
}
int PreviewEngine_Stop(void) {
    return ThePlayer().Stop();
}
int PreviewEngine_Close(void) {
    return ThePlayer().Close();
}
int PreviewEngine_GetPos(float* fraction) {
    return ThePlayer().GetPos(fraction);
}
int PreviewEngine_SetPos(float fraction) {
    return ThePlayer().SetPos(fraction);
}
int PreviewEngine_GetDuration(double* seconds) {
    return ThePlayer().GetDuration(seconds);
}
int PreviewEngine_SetVolume(int volume) {
    return ThePlayer().SetVolume(volume);
}
int PreviewEngine_GetVolume(int* volume) {
    return ThePlayer().GetVolume(volume);
}

}  // extern "C"
