#include "core/report/ScoreMean.h"

#include "core/text/TextForms.h"

namespace orbisk::report {

namespace {

constexpr int kMaxWholeDigits = 6;
constexpr int kExactDecimals = 6;

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

} // namespace

std::optional<long long> ParseExactScore(std::string_view text) {
    text = text::TrimSpaces(text);
    const std::size_t point = text.find('.');
    const std::string_view whole = text.substr(0, point);
    const std::string_view fraction =
        point == std::string_view::npos ? std::string_view{} : text.substr(point + 1);
    if (whole.empty() && fraction.empty()) {
        return std::nullopt;
    }
    long long micros = 0;
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
        micros = micros * 10 + (c - '0');
    }
    micros *= kMicrosPerPoint;
    long long place = kMicrosPerPoint;
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
        micros += (c - '0') * place;
    }
    return micros;
}

bool ScoreMean::Add(std::string_view text) {
    const std::optional<long long> micros = ParseExactScore(text);
    if (!micros) {
        return false;
    }
    AddMicros(*micros);
    return true;
}

void ScoreMean::AddMicros(long long micros) {
    m_sumMicros += micros;
    ++m_count;
}

void ScoreMean::Merge(const ScoreMean& other) {
    m_sumMicros += other.m_sumMicros;
    m_count += other.m_count;
}

double ScoreMean::value() const {
    if (m_count == 0) {
        return 0;
    }
    return static_cast<double>(m_sumMicros) / static_cast<double>(kMicrosPerPoint) / m_count;
}

std::string ScoreMean::Text() const {
    if (m_count == 0) {
        return {};
    }
    // The mean in points is sum / (count * 10^6), which is the percentage
    // sum / (count * 10^8) x 100: the same exact half-to-even rounding the
    // marking uses for a paper's score.
    return text::FormatPercentage(m_sumMicros, static_cast<long long>(m_count) * 100 * kMicrosPerPoint);
}

std::strong_ordering ScoreMean::CompareMean(const ScoreMean& other) const {
    // a / m <=> b / n, with m and n positive, is a n <=> b m; an empty mean is 0 / 1.
    const long long m = m_count == 0 ? 1 : m_count;
    const long long n = other.m_count == 0 ? 1 : other.m_count;
    return m_sumMicros * n <=> other.m_sumMicros * m;
}

} // namespace orbisk::report
