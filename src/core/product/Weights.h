#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

/// Answer weights: the marks each answer slot is worth, written as decimal
/// text ("1", "0.5", "2.25"). Weights are added exactly, as decimals, never as
/// binary fractions, so a half is a true half when it is rounded.
namespace orbisk::weights {

/// A weight read exactly: units / 10^scale (2.25 is 225 and 2).
struct Decimal {
    long long units = 0;
    int scale = 0;
    bool operator==(const Decimal&) const = default;
};

/// The most digits a weight may have after the point, and in all.
inline constexpr int kMaxFractionDigits = 9;
inline constexpr int kMaxDigits = 15;

/// A weight as the bank writes it: digits with an optional "." and fraction
/// ("1", "0.5", ".5", "2.25"), spaces around it allowed. Empty for anything
/// else (a sign, an exponent, a comma, too many digits).
std::optional<Decimal> ParseWeight(std::string_view text);

/// total + weight rounded to the nearest whole number, halves to the even one.
/// This is the running sum the program keeps both for a paper's total marks and
/// for the raw score of a marking: 0 + 1.5 gives 2, then + 1.5 gives 4. A sum
/// too large for a long long stays at its largest value.
long long AddRounded(long long total, const Decimal& weight);

/// A paper's total marks: the running rounded sum of its weights in order. A
/// weight that is not a number adds nothing (the bank compiler refuses such a
/// weight, so the shipped bank has none).
long long TotalMarks(const std::vector<std::string>& weights);

/// The most total marks a paper may have: the program keeps them in 16 bits.
inline constexpr long long kMaxTotalMarks = 32767;

} // namespace orbisk::weights
