#include "core/practice/Marking.h"

#include "core/product/AnswerKinds.h"
#include "core/product/BankNumbers.h"
#include "core/product/Weights.h"
#include "core/text/TextForms.h"

#include <charconv>
#include <cmath>
#include <stdexcept>

namespace orbisk::practice {

namespace {

/// A group looks at most this many slots back and ahead: a question's most answer slots.
constexpr int kGroupReach = bank::kMaxAnswersPerQuestion;

std::string comparable(std::string_view text) {
    const std::string_view trimmed = text::TrimSpaces(text);
    std::string lowered;
    lowered.reserve(trimmed.size());
    for (const char c : trimmed) {
        lowered += text::LowerAscii(c);
    }
    return lowered;
}

std::size_t checkedIndex(std::size_t size, int slot) {
    if (slot < 1 || static_cast<std::size_t>(slot) > size) {
        throw std::out_of_range("answer slot " + std::to_string(slot) + " lies outside 1.." +
                                std::to_string(size));
    }
    return static_cast<std::size_t>(slot - 1);
}

bool continuesGroup(const std::string& key) {
    return key == kinds::kGroupContinuation;
}

/// The index of the key slot of the group holding @p i, or -1 when the slots
/// before it hold no key (a continuation with nothing to continue).
long groupStart(const std::vector<std::string>& keys, std::size_t i) {
    if (!continuesGroup(keys[i])) {
        return static_cast<long>(i);
    }
    long j = static_cast<long>(i) - 1;
    int back = 0;
    while (j >= 0 && back < kGroupReach && continuesGroup(keys[static_cast<std::size_t>(j)])) {
        --j;
        ++back;
    }
    return j;
}

std::string spacingRule(std::string_view answer, std::string_view key) {
    const std::string_view trimmed = text::TrimSpaces(answer);
    const std::size_t keptSpace = key.find(' ');
    std::string tidied;
    tidied.reserve(trimmed.size());
    for (std::size_t k = 0; k < trimmed.size(); ++k) {
        if (k == keptSpace || trimmed[k] != ' ') {
            tidied += trimmed[k];
        }
    }
    return std::string(tidied == text::TrimSpaces(key) ? kRight : kWrong);
}

std::string numericRule(std::string_view answer, std::string_view key) {
    const auto given = ParseDecimalNumber(answer);
    if (!given) {
        return std::string(kWrong);
    }
    const auto expected = ParseDecimalNumber(key);
    return std::string(expected && *given == *expected ? kRight : kWrong);
}

} // namespace

std::optional<double> ParseDecimalNumber(std::string_view text) {
    text = text::TrimSpaces(text);
    bool negative = false;
    if (!text.empty() && (text.front() == '+' || text.front() == '-')) {
        negative = text.front() == '-';
        text.remove_prefix(1);
    }
    // A digit or a point must come first: from_chars would also take "inf" and "nan".
    if (text.empty() || !((text.front() >= '0' && text.front() <= '9') || text.front() == '.')) {
        return std::nullopt;
    }
    double value = 0;
    const auto [end, error] =
        std::from_chars(text.data(), text.data() + text.size(), value, std::chars_format::general);
    if (error != std::errc() || end != text.data() + text.size() || !std::isfinite(value)) {
        return std::nullopt;
    }
    return negative ? -value : value;
}

bool IsValidNumber(std::string_view answer) {
    return ParseDecimalNumber(answer).has_value();
}

std::string MarkAnswer(std::string_view answer, std::string_view key, std::string_view kind) {
    if (kinds::ComparedAsText(kind)) {
        return std::string(comparable(answer) == comparable(key) ? kRight : kWrong);
    }
    if (kinds::IsNumeric(kind)) {
        return numericRule(answer, key);
    }
    if (kinds::UsesSpacingRule(kind)) {
        return spacingRule(answer, key);
    }
    return std::string(kNoVerdict);
}

std::string FirstAlternative(std::string_view key) {
    const std::vector<std::string> alternatives = kinds::SplitAlternatives(key);
    return alternatives.empty() ? std::string(key) : alternatives.front();
}

std::string MarkGroupedAnswer(const std::vector<std::string>& answers, const std::vector<std::string>& keys,
                              int slot) {
    const std::size_t i = checkedIndex(std::min(answers.size(), keys.size()), slot);
    const long g = groupStart(keys, i);
    const std::string given = comparable(answers[i]);
    if (g < 0 || given.empty()) {
        return std::string(kWrong);
    }
    std::vector<std::string> left;
    for (const std::string& alternative : kinds::SplitAlternatives(keys[static_cast<std::size_t>(g)])) {
        left.push_back(comparable(alternative));
    }
    // Each acceptable answer counts once per group: the earlier slots use theirs up.
    for (std::size_t j = static_cast<std::size_t>(g); j < i; ++j) {
        const std::string earlier = comparable(answers[j]);
        for (std::string& alternative : left) {
            if (alternative == earlier) {
                alternative.clear();
            }
        }
    }
    for (const std::string& alternative : left) {
        if (!alternative.empty() && alternative == given) {
            return std::string(kRight);
        }
    }
    return std::string(kWrong);
}

std::string ShowGroupedKey(const std::vector<std::string>& answers, const std::vector<std::string>& keys,
                           int slot) {
    const std::size_t count = std::min(answers.size(), keys.size());
    const std::size_t i = checkedIndex(count, slot);
    const long start = groupStart(keys, i);
    if (start < 0) {
        return {};
    }
    const auto g = static_cast<std::size_t>(start);
    std::size_t end = g + 1; // one past the group's last slot
    while (end < count && end - g <= static_cast<std::size_t>(kGroupReach) && continuesGroup(keys[end])) {
        ++end;
    }
    std::vector<std::string> unused;
    for (const std::string& alternative : kinds::SplitAlternatives(keys[g])) {
        const std::string wanted = comparable(alternative);
        bool given = wanted.empty();
        for (std::size_t j = g; j < end && !given; ++j) {
            given = comparable(answers[j]) == wanted;
        }
        if (!given) {
            unused.emplace_back(text::TrimSpaces(alternative));
        }
    }
    std::size_t wrongBefore = 0;
    for (std::size_t j = g; j < i; ++j) {
        if (MarkGroupedAnswer(answers, keys, static_cast<int>(j + 1)) == kWrong) {
            ++wrongBefore;
        }
    }
    return wrongBefore < unused.size() ? unused[wrongBefore] : std::string();
}

long long RawScore(const std::vector<std::string>& verdicts, const std::vector<std::string>& weights) {
    long long raw = 0;
    const std::size_t count = std::min(verdicts.size(), weights.size());
    for (std::size_t i = 0; i < count; ++i) {
        if (verdicts[i] == kRight) {
            if (const auto weight = weights::ParseWeight(weights[i])) {
                raw = weights::AddRounded(raw, *weight);
            }
        }
    }
    return raw;
}

std::string ScorePercentage(long long raw, long long totalMarks) {
    return text::FormatPercentage(raw, totalMarks);
}

} // namespace orbisk::practice
