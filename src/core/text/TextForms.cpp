#include "core/text/TextForms.h"

#include <charconv>
#include <cmath>
#include <stdexcept>

namespace orbisk::text {

std::string FormatPercentage(long long score, long long totalMarks) {
    if (totalMarks <= 0) {
        throw std::invalid_argument("a percentage needs positive total marks");
    }
    if (score < 0) {
        throw std::invalid_argument("a score cannot be negative");
    }
    // Tenths of a percent: 1000 * score / total, rounded half to even on the exact quotient.
    const long long numerator = 1000 * score;
    long long tenths = numerator / totalMarks;
    const long long twiceRemainder = 2 * (numerator % totalMarks);
    if (twiceRemainder > totalMarks || (twiceRemainder == totalMarks && tenths % 2 != 0)) {
        ++tenths;
    }
    std::string result = std::to_string(tenths / 10);
    if (tenths % 10 != 0) {
        result += '.';
        result += static_cast<char>('0' + tenths % 10);
    }
    return result;
}

std::string FormatTimeTaken(std::chrono::seconds elapsed) {
    long long total = elapsed.count();
    if (total < 0) {
        total = 0;
    }
    return std::to_string(total / 3600) + ":" + std::to_string(total / 60 % 60) + ":" +
           std::to_string(total % 60);
}

std::string_view TrimSpaces(std::string_view text) {
    const std::size_t first = text.find_first_not_of(' ');
    if (first == std::string_view::npos) {
        return {};
    }
    const std::size_t last = text.find_last_not_of(' ');
    return text.substr(first, last - first + 1);
}

std::optional<double> ParseStoredNumber(std::string_view text) {
    text = TrimSpaces(text);
    if (text.empty()) {
        return std::nullopt;
    }
    if (text.front() == '+') {
        text.remove_prefix(1);
    }
    double value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size() || !std::isfinite(value)) {
        return std::nullopt;
    }
    return value;
}

std::optional<long long> ParseScoreMillionths(std::string_view text) {
    constexpr int kMaxWholeDigits = 6;
    constexpr int kExactDecimals = 6;
    constexpr long long kPerPoint = 1'000'000;
    const auto isDigit = [](char c) { return c >= '0' && c <= '9'; };
    text = TrimSpaces(text);
    const std::size_t point = text.find('.');
    const std::string_view whole = text.substr(0, point);
    const std::string_view fraction =
        point == std::string_view::npos ? std::string_view{} : text.substr(point + 1);
    if (whole.empty() && fraction.empty()) {
        return std::nullopt;
    }
    long long millionths = 0;
    int wholeDigits = 0;
    for (const char c : whole) {
        if (!isDigit(c)) {
            return std::nullopt;
        }
        // Leading zeros do not count towards the limit.
        if (wholeDigits > 0 || c != '0') {
            ++wholeDigits;
        }
        if (wholeDigits > kMaxWholeDigits) {
            return std::nullopt;
        }
        millionths = millionths * 10 + (c - '0');
    }
    millionths *= kPerPoint;
    long long place = kPerPoint;
    int decimals = 0;
    for (const char c : fraction) {
        if (!isDigit(c)) {
            return std::nullopt;
        }
        ++decimals;
        if (decimals > kExactDecimals) {
            if (c != '0') {
                return std::nullopt;
            }
            continue;
        }
        place /= 10;
        millionths += (c - '0') * place;
    }
    return millionths;
}

std::optional<double> ParseStoredScore(std::string_view text) {
    const std::optional<long long> millionths = ParseScoreMillionths(text);
    if (!millionths) {
        return std::nullopt;
    }
    return static_cast<double>(*millionths) / 1'000'000.0;
}

std::optional<long long> ParseWholeNumber(std::string_view text) {
    text = TrimSpaces(text);
    if (text.empty()) {
        return std::nullopt;
    }
    long long value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size()) {
        return std::nullopt;
    }
    return value;
}

} // namespace orbisk::text
