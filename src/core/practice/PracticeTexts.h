#pragma once

#include <string_view>

/// The texts the practice windows show, word for word, in one place so both
/// attempts' windows say the same. The marking pop-up's texts are in
/// OpenPaper.h, the toolbar's in Toolbar.h, the sheet handle's in
/// layout/PracticeLayout.h.
namespace orbisk::practice::texts {

// Pop-ups.
inline constexpr std::string_view kSavedTitle = "Orbisk";
inline constexpr std::string_view kSavedMessage = "Paper saved";
inline constexpr std::string_view kCloseTitle = "Close Practice";
inline constexpr std::string_view kCloseQuestion = "Confirm?";
/// What the question view says to a copy or a right-click (a plain message box).
inline constexpr std::string_view kGuardTitle = "Error";
inline constexpr std::string_view kGuardMessage = "Invalid operation";

// The answer sheet and the status bar.
inline constexpr std::string_view kAnswerBoxTooltip = "Enter your answer";
inline constexpr std::string_view kAnsweredTooltip = "Number of questions answered";
inline constexpr std::string_view kTotalTooltip = "Total number of questions";
inline constexpr std::string_view kClockTooltip = "Clock";
inline constexpr std::string_view kTimeTakenTooltip = "Time taken";
inline constexpr std::string_view kDateTooltip = "Date";
inline constexpr std::string_view kDateCompletedTooltip = "Date completed";
inline constexpr std::string_view kScoreTooltip = "Your score";
inline constexpr std::string_view kRemainingCaption = "Qns left:";
inline constexpr std::string_view kRemainingTooltip = "Select a remaining question";
/// The second attempt's window shows this where the first shows its clock.
inline constexpr std::string_view kSecondAttemptLabel = "Second Attempt";

// The short hints an answer box gives when it refuses what was typed or pasted
// (the answer file could not hold it).
inline constexpr std::string_view kRefusedCharacterHint = "An answer cannot hold > or #.";
inline constexpr std::string_view kLineBreakHint = "An answer is one line: it cannot hold a line break.";

} // namespace orbisk::practice::texts
