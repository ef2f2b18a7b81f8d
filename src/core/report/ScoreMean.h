#pragma once

#include <compare>
#include <optional>
#include <string>
#include <string_view>

/// Exact arithmetic on stored scores.
///
/// Scores are kept as decimal texts ("86.7", "100", "0"). Summing them as
/// binary doubles would make a mean such as 72.25 come out a hair below or
/// above its true value and round the wrong way, and would make two equal
/// topic scores compare unequal. So a score is read as a whole number of
/// millionths and a mean is kept as a sum and a count until it is shown.
namespace orbisk::report {

/// Millionths in one percentage point: "86.7" is 86 700 000 millionths.
inline constexpr long long kMicrosPerPoint = 1'000'000;

/// The score held by a stored text, in millionths of a percentage point
/// (text::ParseScoreMillionths, the reading every window shares).
std::optional<long long> ParseExactScore(std::string_view text);

/// The mean of a number of scores, held exactly as their sum and count. Sized
/// for a section's scores: thousands of scores of up to six whole digits stay exact.
class ScoreMean final {
public:
    /// Adds the score of a stored text. Returns false, and adds nothing, when
    /// ParseExactScore cannot read the text.
    bool Add(std::string_view text);
    /// Adds a score given in millionths (not negative).
    void AddMicros(long long micros);
    /// Adds all scores of @p other.
    void Merge(const ScoreMean& other);

    int count() const { return m_count; }
    bool empty() const { return m_count == 0; }
    /// The sum of the scores, in millionths.
    long long sumMicros() const { return m_sumMicros; }

    /// The mean in percentage points, unrounded (for bar widths); 0 when empty.
    double value() const;

    /// The mean rounded to one decimal with halves to the even digit, decided on
    /// the exact value, as its shortest text with @p point as its decimal point:
    /// "85", "85.5", "72.2" (for 72.25), "72.8" (for 72.75). "" when empty.
    std::string Text(std::string_view point = ".") const;

    /// Compares the exact means; an empty mean counts as 0.
    std::strong_ordering CompareMean(const ScoreMean& other) const;

private:
    long long m_sumMicros = 0;
    int m_count = 0;
};

/// @p number (digits with at most one ".") written with @p point as its decimal point.
std::string WithDecimalPoint(std::string number, std::string_view point);

} // namespace orbisk::report
