// The preview player library driven through its C functions on generated media, with SDL's
// dummy sound driver.

#include <gtest/gtest.h>

#include <unistd.h>

#include <atomic>
#include <chrono>
#include <csignal>
#include <cstdlib>
#include <future>
#include <string>
#include <thread>
#include <vector>

#include "PreviewEngine.h"
#include "TestSupport.h"

namespace tolvane::test {
namespace {

using namespace std::chrono_literals;

std::atomic<int> g_ends{0};
void CountEnd() {
    ++g_ends;
}

std::wstring Wide(const std::string& text) {
    return std::wstring(text.begin(), text.end());
}

class Player : public ::testing::Test {
protected:
    void SetUp() override {
        ::setenv("SDL_AUDIODRIVER", "dummy", 1);
        g_ends = 0;
        PreviewEngine_Initialize(&CountEnd, nullptr);
    }
    void TearDown() override {
        PreviewEngine_Stop();
        PreviewEngine_Close();
    }
    static int Open(const std::string& name) {
        const std::wstring path = Wide(Media(name).string());
        PreviewEngine_SetFileName(path.c_str());
        return PreviewEngine_Open();
    }
    static float Pos() {
        float f = -1;
        PreviewEngine_GetPos(&f);
        return f;
    }
    static bool WaitFor(const std::function<bool()>& done, std::chrono::milliseconds limit) {
        const auto end = std::chrono::steady_clock::now() + limit;
        while (std::chrono::steady_clock::now() < end) {
            if (done()) {
                return true;
            }
            std::this_thread::sleep_for(5ms);
        }
        return done();
    }
};

TEST_F(Player, CallsWithoutAFileAreSafe) {
    EXPECT_EQ(PreviewEngine_Stop(), 0);
    EXPECT_EQ(PreviewEngine_Close(), 0);
    EXPECT_EQ(PreviewEngine_Start(), -1);
    EXPECT_EQ(PreviewEngine_Pause(), -1);
    unsigned char buffer[12];
    EXPECT_EQ(PreviewEngine_GetFrame(buffer, 2, 2), -1);
    EXPECT_EQ(Pos(), 0.0f);
    EXPECT_EQ(PreviewEngine_Close(), 0);
    EXPECT_EQ(Open("not_media.mp4"), -1);
    EXPECT_EQ(Open("no_such_file.mp4"), -1);
    EXPECT_EQ(PreviewEngine_Start(), -1);
}

TEST_F(Player, ReportsTheFileAndPlaysPausesAndResumes) {
    ASSERT_EQ(Open("h264_aac.mp4"), 0);
    int pictures = 0;
    int sound = 0;
    PreviewEngine_GetMediaType(&pictures, &sound);
    EXPECT_EQ(pictures, 1);
    EXPECT_EQ(sound, 1);
    int width = 0;
    int height = 0;
    PreviewEngine_GetFrameSize(&width, &height);
    EXPECT_EQ(width, 320);
    EXPECT_EQ(height, 240);
    double duration = 0;
    PreviewEngine_GetDuration(&duration);
    EXPECT_NEAR(duration, 5.0, 0.1);

    ASSERT_EQ(PreviewEngine_Start(), 0);
    EXPECT_TRUE(WaitFor([] { return Pos() > 0.06f; }, 3000ms)) << "the position advances";
    PreviewEngine_Pause();
    const float paused = Pos();
    std::this_thread::sleep_for(300ms);
    EXPECT_NEAR(Pos(), paused, 0.01f) << "a pause holds the position";
    PreviewEngine_Start();
    EXPECT_TRUE(WaitFor([&] { return Pos() > paused + 0.03f; }, 3000ms)) << "and resumes from it";

    // Pictures have the reported size and show something.
    std::vector<unsigned char> picture(static_cast<std::size_t>(width * height * 3));
    ASSERT_TRUE(WaitFor([&] { return PreviewEngine_GetFrame(picture.data(), width, height) == 0; },
                        2000ms));
    int distinct = 0;
    for (std::size_t i = 3; i < picture.size(); i += 997) {
        distinct += picture[i] != picture[i - 3] ? 1 : 0;
    }
    EXPECT_GT(distinct, 20) << "not a blank picture";
    EXPECT_EQ(PreviewEngine_GetFrame(picture.data(), width + 1, height), -1) << "wrong size";

    int volume = 0;
    PreviewEngine_SetVolume(70000);
    PreviewEngine_GetVolume(&volume);
    EXPECT_EQ(volume, 65535);
}

TEST_F(Player, SeekLandsOnTheTargetAndPlaysOn) {
    ASSERT_EQ(Open("h264_aac.mp4"), 0);
    PreviewEngine_Start();
    PreviewEngine_Pause();
    PreviewEngine_SetPos(0.6f);
    EXPECT_NEAR(Pos(), 0.6f, 0.01f);
    PreviewEngine_Start();
    std::this_thread::sleep_for(100ms);
    EXPECT_NEAR(Pos(), 0.6f, 0.06f) << "within a few frames of the target";
    EXPECT_TRUE(WaitFor([] { return Pos() > 0.65f; }, 3000ms));
}

TEST_F(Player, EndNotificationArrivesOnceAtTheEnd) {
    for (const char* name : {"short_1s.mp4", "short_video_1s.mp4"}) {
        g_ends = 0;
        ASSERT_EQ(Open(name), 0) << name;
        int width = 0;
        int height = 0;
        PreviewEngine_GetFrameSize(&width, &height);
        if (std::string(name) == "short_video_1s.mp4") {
            EXPECT_EQ(width, 318) << "an odd row size";
        }
        const auto started = std::chrono::steady_clock::now();
        PreviewEngine_Start();
        ASSERT_TRUE(WaitFor([] { return g_ends.load() > 0; }, 5000ms)) << name;
        const auto played = std::chrono::steady_clock::now() - started;
        EXPECT_GT(played, 700ms) << "not before the file has played";
        std::this_thread::sleep_for(200ms);
        EXPECT_EQ(g_ends.load(), 1) << name;
        EXPECT_NEAR(Pos(), 1.0f, 0.1f);
        PreviewEngine_Stop();
        PreviewEngine_Close();
    }
}

std::promise<void>* g_reached = nullptr;
std::future<void>* g_release = nullptr;
std::atomic<bool> g_returned{false};
void BlockingEnd() {
    // As the windows do: hand the end to the window's thread and wait for it.
    g_returned = false;
    g_reached->set_value();
    g_release->wait();
    g_returned = true;
}

// Plays a short file whose end notification blocks until Release(), as a window's would while
// the window's thread is busy.
class BlockedEnd final {
public:
    BlockedEnd() : m_released(m_release.get_future()) {
        g_reached = &m_reached;
        g_release = &m_released;
        PreviewEngine_Initialize(&BlockingEnd, nullptr);
    }
    // Opens and plays; true once the notification is waiting.
    bool PlayToTheEnd() {
        const std::wstring path = Wide(Media("short_1s.mp4").string());
        PreviewEngine_SetFileName(path.c_str());
        return PreviewEngine_Open() == 0 && PreviewEngine_Start() == 0 &&
               m_reached.get_future().wait_for(5s) == std::future_status::ready;
    }
    // Lets the handler return, and waits for it: it reads this object until then.
    bool Release() {
        m_release.set_value();
        const auto end = std::chrono::steady_clock::now() + 5s;
        while (!g_returned && std::chrono::steady_clock::now() < end) {
            std::this_thread::sleep_for(5ms);
        }
        return g_returned;
    }

private:
    std::promise<void> m_reached;
    std::promise<void> m_release;
    std::future<void> m_released;
};

TEST_F(Player, HandlerThatStopsAndClosesFromTheNotificationDoesNotDeadlock) {
    BlockedEnd blocked;
    ASSERT_TRUE(blocked.PlayToTheEnd());
    // The window's thread, while the notification waits for it.
    EXPECT_EQ(PreviewEngine_Stop(), 0);
    EXPECT_EQ(PreviewEngine_Close(), 0);
    EXPECT_TRUE(blocked.Release());
    // The player works on afterwards.
    PreviewEngine_Initialize(&CountEnd, nullptr);
    ASSERT_EQ(Open("short_1s.mp4"), 0);
    PreviewEngine_Start();
    EXPECT_TRUE(WaitFor([] { return g_ends.load() > 0; }, 5000ms));
}

TEST_F(Player, SoundOnlyAndPicturesOnlyFilesPlay) {
    ASSERT_EQ(Open("audio_only.m4a"), 0);
    int pictures = 1;
    PreviewEngine_GetMediaType(&pictures, nullptr);
    EXPECT_EQ(pictures, 0);
    PreviewEngine_Start();
    EXPECT_TRUE(WaitFor([] { return Pos() > 0.03f; }, 3000ms));
    ASSERT_EQ(Open("video_only.mp4"), 0) << "opening again replaces the file";
    PreviewEngine_Start();
    EXPECT_TRUE(WaitFor([] { return Pos() > 0.03f; }, 3000ms)) << "on the wall clock";
}

// Whichever track is longer, the end comes once, after it.
TEST_F(Player, EndsAfterTheLongerTrack) {
    struct Case {
        const char* name;
        double seconds;  // the longer track
    };
    for (const Case& c : {Case{"picture_longer.mp4", 2.0}, Case{"sound_longer.mp4", 2.0},
                          Case{"short_video_1s.mp4", 1.0}, Case{"short_audio_1s.m4a", 1.0}}) {
        g_ends = 0;
        ASSERT_EQ(Open(c.name), 0) << c.name;
        const auto started = std::chrono::steady_clock::now();
        PreviewEngine_Start();
        ASSERT_TRUE(WaitFor([] { return g_ends.load() > 0; }, 8000ms)) << c.name << " never ends";
        const double played =
            std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();
        EXPECT_GT(played, c.seconds - 0.3) << c.name;
        std::this_thread::sleep_for(100ms);
        EXPECT_EQ(g_ends.load(), 1) << c.name;
        PreviewEngine_Stop();
    }
}

TEST_F(Player, SeekBackwardMovesBack) {
    ASSERT_EQ(Open("h264_aac.mp4"), 0);
    PreviewEngine_Start();
    ASSERT_TRUE(WaitFor([] { return Pos() > 0.25f; }, 5000ms));
    PreviewEngine_SetPos(0.05f);
    std::this_thread::sleep_for(150ms);
    EXPECT_LT(Pos(), 0.15f) << "back near the target, not where it was";
    EXPECT_TRUE(WaitFor([] { return Pos() > 0.08f; }, 3000ms)) << "and plays on from there";
}

TEST_F(Player, PicturesComeBottomRowFirstInBlueGreenRedOrder) {
    ASSERT_EQ(Open("red_over_blue.mp4"), 0);
    int width = 0;
    int height = 0;
    PreviewEngine_GetFrameSize(&width, &height);
    ASSERT_EQ(width, 64);
    ASSERT_EQ(height, 64);
    PreviewEngine_Start();
    std::vector<unsigned char> picture(static_cast<std::size_t>(width * height * 3));
    ASSERT_TRUE(WaitFor([&] { return PreviewEngine_GetFrame(picture.data(), width, height) == 0; },
                        3000ms));
    const auto pixel = [&](int row, int column) {
        return &picture[static_cast<std::size_t>((row * width + column) * 3)];
    };
    // The first row in the buffer is the picture's bottom row: blue.
    EXPECT_GT(pixel(2, 32)[0], 180);
    EXPECT_LT(pixel(2, 32)[2], 80);
    // The last row is the picture's top row: red.
    EXPECT_LT(pixel(height - 3, 32)[0], 80);
    EXPECT_GT(pixel(height - 3, 32)[2], 180);
}

TEST_F(Player, StartWhileTheEndNotificationWaitsDoesNotDeadlock) {
    BlockedEnd blocked;
    ASSERT_TRUE(blocked.PlayToTheEnd());
    // The window's thread, before it takes the notification: Stop, then Play again.
    auto restarted = std::async(std::launch::async, [] {
        PreviewEngine_Stop();
        return PreviewEngine_Start();
    });
    const bool returned = restarted.wait_for(3s) == std::future_status::ready;
    EXPECT_TRUE(blocked.Release());
    EXPECT_TRUE(returned) << "Start waited for the notification it was to answer";
    EXPECT_EQ(restarted.get(), 0);
}

// Plays a minute of sound; run in a child process by the next test.
TEST_F(Player, DISABLED_PlaysUntilTheProcessEnds) {
    ASSERT_EQ(Open("long_60.m4a"), 0);
    PreviewEngine_Start();
    std::this_thread::sleep_for(10s);
}

TEST(PlayerSignals, TerminationReachesAProcessThatPlays) {
    int status = 0;
    RunCommand("timeout --preserve-status -s TERM 2 /proc/" + std::to_string(::getpid()) +
                   "/exe --gtest_also_run_disabled_tests "
                   "--gtest_filter=Player.DISABLED_PlaysUntilTheProcessEnds",
               &status);
    EXPECT_EQ(status, 128 + SIGTERM) << "the player's sound library kept the signal";
}

}  // namespace
}  // namespace tolvane::test
