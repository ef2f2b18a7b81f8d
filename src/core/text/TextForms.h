#pragma once

#include <chrono>
#include <optional>
#include <string>
#include <string_view>

/// The text forms of the numbers the results files store and the windows show.
namespace orbisk::text {

/// The percentage @p score / @p totalMarks x 100, rounded to one decimal with
/// halves to the even digit on the exact quotient, as its shortest text with a
/// "." point: 26 of 30 gives "86.7", 40 of 40 "100", 0 of 30 "0".
/// @throws std::invalid_argument when totalMarks is not positive or score is negative.
std::string FormatPercentage(long long score, long long totalMarks);

/// Hours, minutes and seconds without leading zeros, joined by ":" (0:12:5).
/// Hours count on past 24: 25 hours read 25:0:0. A negative span reads 0:0:0.
std::string FormatTimeTaken(std::chrono::seconds elapsed);

/// A stored number such as a percentage, read with "." as the decimal point
/// whatever the desktop's locale; empty for empty or malformed text.
std::optional<double> ParseStoredNumber(std::string_view text);

/// A stored score (a percentage) in millionths of a point: digits with at most
/// one "." point ("86.7", "100", ".5", "5."), spaces around them allowed, as
/// the program writes a score. Empty for anything else: empty or blank text,
/// a sign, an exponent, a comma, more than six digits before the point, or a
/// seventh or later decimal that is not zero (such a score cannot be held
/// exactly). The one reading of a stored score, for every window and the report.
std::optional<long long> ParseScoreMillionths(std::string_view text);
/// The same score as a number of points.
std::optional<double> ParseStoredScore(std::string_view text);

/// A whole number in decimal text (surrounding spaces allowed), or empty.
std::optional<long long> ParseWholeNumber(std::string_view text);

/// @p c in lower case when it is an ASCII capital letter, else unchanged.
constexpr char LowerAscii(char c) {
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

/// @p text without leading and trailing spaces.
std::string_view TrimSpaces(std::string_view text);

} // namespace orbisk::text
