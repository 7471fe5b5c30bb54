// The live preview: the worker hands its pictures to a relay, which draws them on the thread
// that owns the window into a real native window when there is one, and is simply off, with the
// conversion going on, when SDL cannot start.

#include <gtest/gtest.h>

#include <SDL.h>
#include <SDL_syswm.h>

#include <atomic>
#include <chrono>
#include <cstdlib>
#include <cstring>
#include <string>
#include <thread>

extern "C" {
#include <libavcodec/codec_id.h>
}

#include "AVConvert.h"
#include "Pictures.h"
#include "PreviewRelay.h"
#include "PreviewSurface.h"
#include "TestSupport.h"
#include "WindowPixels.h"
#include "Workers.h"

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

AVConvert& FillVideoJob(AVConvert& job, const ScratchDir& out, PreviewSink* preview) {
    JobPlan plan =
        TestPlan({{Media("h264_aac.mp4").string(), out.File("movie.mp4")}}, {AV_CODEC_ID_AAC});
    plan.preview = preview;
    IncludeVideo(plan, {AV_CODEC_ID_MPEG4});
    ApplyPlan(plan, job);
    return job;
}

// Runs the job's batch with `relay` as its preview, presenting on this thread into `window` as
// a window's event loop would, whenever the worker wakes it. Returns how many presents showed a
// picture.
int RunPresenting(AVConvert& job, PreviewRelay& relay, std::atomic<int>& wakes,
                  std::uintptr_t window) {
    ConversionThread worker;
    worker.Start(job, WorkerKind::Batch);
    int shown = 0;
    int seen = 0;
    while (worker.Running()) {
        if (wakes.load() != seen) {
            seen = wakes.load();
            relay.Present(window);
            shown += relay.Showing() ? 1 : 0;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(2));
    }
    worker.Join();
    relay.Present(window);  // the task has ended: the surface goes
    return shown;
}

TEST(PreviewSurface, NoWindowMeansNoPreview) {
    PreviewSurface surface;
    EXPECT_FALSE(surface.Start(0));
    EXPECT_FALSE(surface.Active());
    surface.Stop();
    surface.Stop();
}

TEST(PreviewSurface, SdlThatCannotStartLeavesTheConversionGoing) {
    // A video driver that does not exist, and no display: SDL cannot start its video, the same
    // way on every machine.
    ScopedEnv driver("SDL_VIDEODRIVER", "tolvane-no-such-driver");
    ScopedEnv display("DISPLAY", "");
    ::unsetenv("DISPLAY");
    std::atomic<int> wakes{0};
    PreviewRelay relay([&wakes] { ++wakes; });
    ScratchDir out;
    AVConvert job;
    EXPECT_EQ(RunPresenting(FillVideoJob(job, out, &relay), relay, wakes, 4242), 0);
    EXPECT_GT(wakes.load(), 0) << "the worker handed pictures over";
    EXPECT_FALSE(relay.Showing());
    EXPECT_EQ(job.taskStatus[0], AVConvert::kTaskConverted);
    EXPECT_TRUE(Ffprobe(out.File("movie.mp4"), "v").found);
}

// Needs a display: run under xvfb-run (the test suite does); skipped without one.
TEST(PreviewSurface, DrawsIntoTheNativeWindowItIsGiven) {
    if (std::getenv("DISPLAY") == nullptr || SDL_InitSubSystem(SDL_INIT_VIDEO) != 0) {
        GTEST_SKIP() << "no display";
    }
    SDL_Window* host = SDL_CreateWindow("preview host", 0, 0, 160, 120, SDL_WINDOW_SHOWN);
    ASSERT_NE(host, nullptr) << SDL_GetError();
    SDL_SysWMinfo info;
    SDL_VERSION(&info.version);
    ASSERT_TRUE(SDL_GetWindowWMInfo(host, &info));
    ASSERT_EQ(info.subsystem, SDL_SYSWM_X11);
    const auto window = static_cast<std::uintptr_t>(info.info.x11.window);
    {
        PreviewSurface surface;
        ASSERT_TRUE(surface.Start(window));
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
    // A whole job with the preview on: the worker's pictures are drawn on this thread.
    std::atomic<int> wakes{0};
    PreviewRelay relay([&wakes] { ++wakes; });
    ScratchDir out;
    AVConvert job;
    EXPECT_GT(RunPresenting(FillVideoJob(job, out, &relay), relay, wakes, window), 0);
    EXPECT_FALSE(relay.Showing()) << "the surface goes with the task";
    EXPECT_EQ(job.taskStatus[0], AVConvert::kTaskConverted);
    SDL_DestroyWindow(host);
    // SDL's video stays up to the end of the process, as in the program, where the player
    // shares it: the X libraries it loads stay loaded.
}

}  // namespace
}  // namespace tolvane::test
