#include "core/practice/MarkingProgress.h"

#include <algorithm>

namespace orbisk::practice {

int ProgressBarsShown(std::chrono::steady_clock::duration elapsed) {
    if (elapsed <= std::chrono::steady_clock::duration::zero()) {
        return 0;
    }
    const auto steps = elapsed / kProgressStep;
    return static_cast<int>(std::min<decltype(steps)>(steps, kProgressBars));
}

bool ProgressOver(std::chrono::steady_clock::duration elapsed) {
    return elapsed >= kProgressLength;
}

std::chrono::steady_clock::duration UntilNextProgressStep(std::chrono::steady_clock::duration elapsed) {
    if (ProgressOver(elapsed)) {
        return std::chrono::steady_clock::duration::zero();
    }
    const int shown = ProgressBarsShown(elapsed);
    return std::chrono::duration_cast<std::chrono::steady_clock::duration>(kProgressStep * (shown + 1)) -
           elapsed;
}

} // namespace orbisk::practice
