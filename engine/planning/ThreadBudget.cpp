#include "ThreadBudget.h"

#include <algorithm>
#include <thread>

#include "PlanTypes.h"

namespace tolvane {

int TasksAtOnceForCores() {
    return std::clamp(static_cast<int>(std::thread::hardware_concurrency()), 1,
                      JobLimits::kMaxParallelTasks);
}

}  // namespace tolvane
