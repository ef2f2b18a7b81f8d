#include "core/report/ScoreMean.h"

#include "core/text/TextForms.h"

namespace orbisk::report {

std::optional<long long> ParseExactScore(std::string_view text) {
    return text::ParseScoreMillionths(text);
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

std::string ScoreMean::Text(std::string_view point) const {
    if (m_count == 0) {
        return {};
    }
    // The mean in points is sum / (count * 10^6), which is the percentage
    // sum / (count * 10^8) x 100: the same exact half-to-even rounding the
    // marking uses for a paper's score.
    return WithDecimalPoint(
        text::FormatPercentage(m_sumMicros, static_cast<long long>(m_count) * 100 * kMicrosPerPoint), point);
}

std::string WithDecimalPoint(std::string number, std::string_view point) {
    if (const std::size_t at = number.find('.'); at != std::string::npos) {
        number.replace(at, 1, point);
    }
    return number;
}

std::strong_ordering ScoreMean::CompareMean(const ScoreMean& other) const {
    // a / m <=> b / n, with m and n positive, is a n <=> b m; an empty mean is 0 / 1.
    const long long m = m_count == 0 ? 1 : m_count;
    const long long n = other.m_count == 0 ? 1 : other.m_count;
    return m_sumMicros * n <=> other.m_sumMicros * m;
}

} // namespace orbisk::report
