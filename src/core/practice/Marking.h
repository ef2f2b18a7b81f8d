#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

/// The marking rules: how one answer is compared with its key, by the slot's
/// answer kind, and how the verdicts add up to a score.
///
/// Answer slots are numbered 1..N across a paper; the lists passed here are
/// indexed from 0, so slot i is element i - 1. Every rule compares texts with
/// their leading and trailing spaces removed, and "any letter case" means the
/// ASCII letters A-Z and a-z are taken as equal (the bank is ASCII).
namespace orbisk::practice {

/// The verdicts a slot can have: right, wrong, or none (not marked yet, or a
/// kind without a rule).
inline constexpr std::string_view kRight = "Y";
inline constexpr std::string_view kWrong = "N";
inline constexpr std::string_view kNoVerdict = "";

/// A first attempt that scored above this percentage needs no second try:
/// it is not offered again, and its review explains every answer.
inline constexpr double kSecondTryLimit = 99;

/// One slot against its key, by kind:
/// - Q, T, L: equal after trimming, in any letter case.
/// - N: "N" unless the answer is a valid number (IsValidNumber); then "Y" when
///   it equals the key read as a number.
/// - R, F, X: the spacing rule. Every space of the trimmed answer is dropped
///   except one standing at the position of the key's first space; the result
///   must equal the trimmed key exactly (letter case matters). So "ab  cd"
///   matches "ab cd" but "a bcd" and "abcd" do not.
/// - any other kind (G and M included, see MarkGroupedAnswer): "" (no verdict;
///   the slot earns nothing and does not count as wrong).
/// @returns kRight, kWrong or kNoVerdict.
std::string MarkAnswer(std::string_view answer, std::string_view key, std::string_view kind);

/// One slot of kind G or M, whose acceptable answers a group of slots share.
///
/// A group is a key slot whose key lists the alternatives, each introduced by
/// ";" (";red;blue;green"), followed by slots whose key is one space " ". The
/// key slot is right when its answer equals any alternative. A later slot is
/// right when its answer is not empty and equals an alternative that no earlier
/// slot of the group has given: each alternative counts once per group, in any
/// order (blue, red, blue gives Y, Y, N). An empty alternative never matches.
/// @param slot 1..answers.size(); @p answers and @p keys have the same length.
/// @returns kRight or kWrong.
std::string MarkGroupedAnswer(const std::vector<std::string>& answers, const std::vector<std::string>& keys,
                              int slot);

/// The acceptable answer shown in the key box of a slot of kind G after a
/// second attempt is marked (the box is shown only where the slot is wrong).
///
/// The wrong slots of a group, in order, show the alternatives nobody in the
/// group has given, in key order: with red, blue and green over three slots
/// answered blue, red and "", the third shows green. A wrong answer that
/// repeats an alternative already used counts as wrong here too, so two wrong
/// slots never show the same alternative. "" only when no alternative is left
/// (a group with more slots than alternatives).
/// @param slot 1..answers.size()
std::string ShowGroupedKey(const std::vector<std::string>& answers, const std::vector<std::string>& keys,
                           int slot);

/// What the key box of a kind M slot shows: the key's first alternative, or
/// the whole key when it lists none.
std::string FirstAlternative(std::string_view key);

/// True when the whole answer, without its surrounding spaces, is a decimal
/// number as the C locale writes it: an optional sign, digits with an optional
/// "." and fraction, an optional exponent ("12.0", "-3", "1e2", ".5"). Not
/// "12,0", "twelve", "", "0x10", "inf" or "nan".
bool IsValidNumber(std::string_view answer);

/// The number IsValidNumber accepts, or empty.
std::optional<double> ParseDecimalNumber(std::string_view text);

/// The raw score: the weights of the slots whose verdict is "Y", added in slot
/// order with the sum rounded to a whole number after each addition, halves to
/// even (weights::AddRounded). A weight that is not a number adds nothing.
/// @p verdicts and @p weights are indexed by slot; the shorter one bounds the sum.
long long RawScore(const std::vector<std::string>& verdicts, const std::vector<std::string>& weights);

/// The percentage as stored and shown: raw / total x 100, exact, one decimal,
/// halves to even, shortest text with a "." point (26 of 30 gives "86.7").
/// @throws std::invalid_argument when @p totalMarks is not positive; a paper
/// worth no marks does not open (OpenPaper refuses it).
std::string ScorePercentage(long long raw, long long totalMarks);

} // namespace orbisk::practice
