#pragma once

#include <chrono>

/// The progress animation a marking plays once the learner confirms: the panel
/// `fmeMark` shows, then the bars `imgBar01` .. `imgBar15` one every 0.2 s, the
/// first 0.2 s after the panel; after 3 s the panel hides. The window drives it
/// from a timer (never a busy loop) and takes no input meanwhile; these
/// functions tell it what to show from the time elapsed since the panel showed,
/// measured on a monotonic clock, so midnight or a change of the system time
/// cannot stretch or cut it.
namespace orbisk::practice {

inline constexpr int kProgressBars = 15;
inline constexpr std::chrono::milliseconds kProgressStep{200};
inline constexpr std::chrono::milliseconds kProgressLength = kProgressStep * kProgressBars;

/// How many bars show @p elapsed after the panel showed: 0 before 0.2 s, bar n
/// from n x 0.2 s on, all 15 from 3 s on.
int ProgressBarsShown(std::chrono::steady_clock::duration elapsed);

/// True once the animation is over (3 s): hide the panel and mark.
bool ProgressOver(std::chrono::steady_clock::duration elapsed);

/// How long until the next bar shows (or the animation ends): the interval for
/// the window's next single-shot timer. Zero once it is over.
std::chrono::steady_clock::duration UntilNextProgressStep(std::chrono::steady_clock::duration elapsed);

} // namespace orbisk::practice
