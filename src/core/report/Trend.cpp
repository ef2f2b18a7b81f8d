#include "core/report/Trend.h"

#include "core/Errors.h"
#include "core/formats/Records.h"
#include "core/results/ResultsStore.h"
#include "core/text/TextForms.h"

namespace orbisk::report {

namespace {

// Where the values of the trend record start: just after "#TRD#", wherever
// the key stands in the line, or npos when the line does not hold it.
std::size_t valuesStart(std::string_view line) {
    const std::string_view key = results::kTrendKey;
    for (std::size_t at = line.find('#'); at != std::string_view::npos; at = line.find('#', at + 1)) {
        if (records::LineHoldsKey(line.substr(at, key.size() + 2), key)) {
            return at + key.size() + 2;
        }
    }
    return std::string_view::npos;
}

} // namespace

std::vector<TrendPoint> TrendFromRecord(std::string_view recordLine) {
    std::vector<TrendPoint> points;
    const std::size_t at = valuesStart(recordLine);
    if (at == std::string_view::npos) {
        return points;
    }
    const std::string_view values = recordLine.substr(at);
    // Each value follows a ">"; whatever stands before the first ">" is not a value.
    for (std::size_t open = values.find('>'); open != std::string_view::npos;) {
        const std::size_t next = values.find('>', open + 1);
        const std::string_view value = text::TrimSpaces(
            values.substr(open + 1, next == std::string_view::npos ? next : next - open - 1));
        if (const std::optional<double> score = text::ParseStoredNumber(value)) {
            points.push_back({*score, std::string(value)});
        }
        open = next;
    }
    if (points.size() > static_cast<std::size_t>(kTrendPoints)) {
        points.erase(points.begin(), points.end() - kTrendPoints);
    }
    return points;
}

std::vector<TrendPoint> ReadTrend(const std::filesystem::path& trendFile) {
    try {
        return TrendFromRecord(records::ReadRecordLine(trendFile, results::kTrendKey));
    } catch (const DataError&) {
        // The trend only illustrates the scores the rest of the report shows;
        // without its file the plot stays empty rather than stop the report.
        return {};
    }
}

std::vector<double> TrendScores(const std::vector<TrendPoint>& trend) {
    std::vector<double> scores;
    scores.reserve(trend.size());
    for (const TrendPoint& point : trend) {
        scores.push_back(point.score);
    }
    return scores;
}

} // namespace orbisk::report
