#include "core/product/Weights.h"

#include "core/text/TextForms.h"

#include <limits>

namespace orbisk::weights {

namespace {

constexpr long long kSaturated = std::numeric_limits<long long>::max();

long long powerOfTen(int exponent) {
    long long value = 1;
    for (int i = 0; i < exponent; ++i) {
        value *= 10;
    }
    return value;
}

} // namespace

std::optional<Decimal> ParseWeight(std::string_view text) {
    text = text::TrimSpaces(text);
    Decimal weight;
    bool point = false;
    int digits = 0;
    for (const char c : text) {
        if (c == '.' && !point) {
            point = true;
            continue;
        }
        if (c < '0' || c > '9') {
            return std::nullopt;
        }
        if (++digits > kMaxDigits || (point && weight.scale == kMaxFractionDigits)) {
            return std::nullopt;
        }
        weight.units = weight.units * 10 + (c - '0');
        if (point) {
            ++weight.scale;
        }
    }
    if (digits == 0) {
        return std::nullopt;
    }
    return weight;
}

long long AddRounded(long long total, const Decimal& weight) {
    const long long unit = powerOfTen(weight.scale);
    // Far past any total the program can hold: stay there rather than overflow.
    if (total >= kSaturated || total > (kSaturated - weight.units) / unit) {
        return kSaturated;
    }
    const long long sum = total * unit + weight.units;
    long long whole = sum / unit;
    const long long twiceRest = 2 * (sum % unit);
    if (twiceRest > unit || (twiceRest == unit && whole % 2 != 0)) {
        ++whole;
    }
    return whole;
}

long long TotalMarks(const std::vector<std::string>& weights) {
    long long total = 0;
    for (const std::string& text : weights) {
        if (const auto weight = ParseWeight(text)) {
            total = AddRounded(total, *weight);
        }
    }
    return total;
}

} // namespace orbisk::weights
