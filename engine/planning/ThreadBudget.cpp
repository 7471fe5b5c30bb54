#include "ThreadBudget.h"

#include <algorithm>
#include <thread>

#include "PlanTypes.h"

namespace tolvane {

namespace {

constexpr int kMostSoundReaders = 8;

int Cores() {
    return std::max(1, static_cast<int>(std::thread::hardware_concurrency()));
}

}  // namespace

int TasksAtOnceForCores() {
    return std::min(Cores(), JobLimits::kMaxParallelTasks);
}

int SoundReadersForCores() {
    return std::min(Cores(), kMostSoundReaders);
}

int SoundReadersBesidePlayer() {
    return std::clamp(Cores() - 1, 1, kMostSoundReaders - 1);
}

int FileChecksAtOnce() {
    return std::min(Cores(), 2);
}

}  // namespace tolvane
