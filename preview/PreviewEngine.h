#pragma once

/* The preview player: one media player for the whole process, driven through plain C
 * functions. A negative result means failure (-1 unless said otherwise).
 *
 * Pictures come out as 3-byte blue-green-red pixels, bottom row first, at the size
 * PreviewEngine_GetFrameSize reports, kept in time with the sound (files without sound with the
 * wall clock). The end notification runs on the player's own thread when playback reaches the
 * end; it may block until the window's thread has handled it, and that handler may stop and
 * close the player without deadlock. */

#include <wchar.h>

#ifdef __cplusplus
extern "C" {
#endif

typedef void (*PreviewEngineEndNotification)(void);
typedef void (*PreviewEngineNotification)(int value);

int PreviewEngine_Initialize(PreviewEngineEndNotification onEnd, PreviewEngineNotification onOther);
int PreviewEngine_SetFileName(const wchar_t* path);
int PreviewEngine_Open(void);
int PreviewEngine_GetMediaType(int* hasPictures, int* hasSound);
int PreviewEngine_GetFrameSize(int* width, int* height);
int PreviewEngine_GetFrame(unsigned char* buffer, int width, int height);
int PreviewEngine_Start(void);
int PreviewEngine_Pause(void);
int PreviewEngine_Stop(void);
int PreviewEngine_Close(void);
int PreviewEngine_GetPos(float* fraction);
int PreviewEngine_SetPos(float fraction);
int PreviewEngine_GetDuration(double* seconds);
int PreviewEngine_SetVolume(int volume);
int PreviewEngine_GetVolume(int* volume);

#ifdef __cplusplus
}
#endif
