// The live preview: drawn into a real native window when there is one, and simply off, with
// the conversion going on, when SDL cannot start.

#include <gtest/gtest.h>

#include <SDL.h>
#include <SDL_syswm.h>

#include <cstdlib>
#include <cstring>
#include <string>

extern "C" {
#include <libavcodec/codec_id.h>
}

#include "AVConvert.h"
#include "PreviewSurface.h"
#include "TestSupport.h"
#include "Thumbnail.h"
#include "WindowPixels.h"

namespace tolvane::test {
namespace {

// Sets an environment variable for the length of a test.
class ScopedEnv final {
public:
    ScopedEnv(const char* name, const std::string& value) : m_name(name) {
        if (const char* old = std::getenv(name)) {
            m_old = old;
            m_had = true;
        }
        ::setenv(name, value.c_str(), 1);
    }
    ~ScopedEnv() {
        if (m_had) {
            ::setenv(m_name, m_old.c_str(), 1);
        } else {
            ::unsetenv(m_name);
        }
    }
    ScopedEnv(const ScopedEnv&) = delete;
    ScopedEnv& operator=(const ScopedEnv&) = delete;

private:
    const char* m_name;
    std::string m_old;
    bool m_had = false;
};

AVConvert& FillVideoJob(AVConvert& job, const ScratchDir& out) {
    FillJob(job, {{Media("h264_aac.mp4").string(), out.File("movie.mp4")}}, {AV_CODEC_ID_AAC});
    IncludeVideo(job, {AV_CODEC_ID_MPEG4});
    return job;
}

TEST(PreviewSurface, NoWindowMeansNoPreview) {
    ScopedEnv none("SDL_WINDOWID", "");
    PreviewSurface surface;
    EXPECT_FALSE(surface.Start());
    EXPECT_FALSE(surface.Active());
    surface.Stop();
    surface.Stop();
}

TEST(PreviewSurface, SdlThatCannotStartLeavesTheConversionGoing) {
    // A window id on a display that is not there: SDL cannot start its video.
    ScopedEnv display("DISPLAY", ":97");
    ScopedEnv driver("SDL_VIDEODRIVER", "x11");
    ScopedEnv window("SDL_WINDOWID", "4242");
    ScratchDir out;
    AVConvert job;
    RunBatch(FillVideoJob(job, out));
    EXPECT_EQ(job.taskStatus[0], AVConvert::kTaskConverted);
    EXPECT_TRUE(Ffprobe(out.File("movie.mp4"), "v").found);
}

// Needs a display: run under xvfb-run (the test suite does); skipped without one.
TEST(PreviewSurface, DrawsIntoTheNativeWindowNamedByTheEnvironment) {
    if (std::getenv("DISPLAY") == nullptr || SDL_InitSubSystem(SDL_INIT_VIDEO) != 0) {
        GTEST_SKIP() << "no display";
    }
    SDL_Window* host = SDL_CreateWindow("preview host", 0, 0, 160, 120, SDL_WINDOW_SHOWN);
    ASSERT_NE(host, nullptr) << SDL_GetError();
    SDL_SysWMinfo info;
    SDL_VERSION(&info.version);
    ASSERT_TRUE(SDL_GetWindowWMInfo(host, &info));
    ASSERT_EQ(info.subsystem, SDL_SYSWM_X11);
    ScopedEnv window("SDL_WINDOWID", std::to_string(info.info.x11.window));
    {
        PreviewSurface surface;
        ASSERT_TRUE(surface.Start());
        EXPECT_TRUE(surface.Active());
        // Red, then blue at another size: the picture follows both.
        FramePtr red = SolidPicture(320, 240, 81, 90, 240);
        FramePtr blue = SolidPicture(176, 144, 41, 240, 110);
        ASSERT_TRUE(red && blue);
        SDL_PumpEvents();
        for (int i = 0; i < 3; ++i) {
            surface.Draw(*red);
        }
        const Rgb first = MiddlePixel(info.info.x11.window, 160, 120);
        EXPECT_GT(first.r, 180);
        EXPECT_LT(first.b, 80);
        for (int i = 0; i < 3; ++i) {
            surface.Draw(*blue);
        }
        const Rgb second = MiddlePixel(info.info.x11.window, 160, 120);
        EXPECT_LT(second.r, 80);
        EXPECT_GT(second.b, 180);
        surface.Stop();
        EXPECT_FALSE(surface.Active());
    }
    // A whole job with the preview on, drawn from the worker's thread.
    ScratchDir out;
    AVConvert job;
    RunBatch(FillVideoJob(job, out));
    EXPECT_EQ(job.taskStatus[0], AVConvert::kTaskConverted);
    SDL_DestroyWindow(host);
    // SDL's video stays up to the end of the process, as in the program, where the player
    // shares it: the X libraries it loads stay loaded.
}

}  // namespace
}  // namespace tolvane::test
