#pragma once

#include <array>
#include <filesystem>
#include <string_view>

/// The text size of the practice windows: the question page and the answer
/// boxes grow and shrink together, in steps, and the size the learner chose
/// is kept in a file of its own in the application folder for the next paper
/// and the next start.
namespace orbisk::practice {

/// The sizes, in percent of the page as written, from the smallest to the largest.
inline constexpr std::array<int, 8> kTextSizes{80, 90, 100, 110, 125, 150, 175, 200};
inline constexpr int kDefaultTextSize = 100;

/// The next size up from @p percent (Ctrl+Plus), or the largest.
int LargerTextSize(int percent);
/// The next size down from @p percent (Ctrl+Minus), or the smallest.
int SmallerTextSize(int percent);

/// The point size of the question page's body text as the bank's pages write it.
inline constexpr double kPageBodyPoints = 12;
/// The answer boxes' point size at @p percent: the page's body text at that
/// size, so an answer is never smaller than the text it answers.
double AnswerPoints(int percent);

/// The file that keeps the chosen size: one record "#TXS#>125". It is no
/// results file: erasing the results leaves it.
inline constexpr std::string_view kTextSizeFileName = "textsize.txt";
inline constexpr std::string_view kTextSizeKey = "TXS";

/// The size kept in @p appFolder; kDefaultTextSize when the file is missing,
/// cannot be read or does not hold one of kTextSizes.
int ReadTextSize(const std::filesystem::path& appFolder);
/// Keeps @p percent in @p appFolder, replacing the file atomically (not
/// waited onto the disk: a size lost to a power cut is harmless).
/// @throws WriteError when the file cannot be written.
void WriteTextSize(const std::filesystem::path& appFolder, int percent);

} // namespace orbisk::practice
