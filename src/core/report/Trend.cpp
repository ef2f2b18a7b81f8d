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
    // Each value follows a ">"; whatever stands before the first ">" is not a
    // value. From there on the line is an ordinary record for the record reader.
    const std::size_t open = recordLine.find('>', at);
    if (open == std::string_view::npos) {
        return points;
    }
    const std::string record =
        "#" + std::string(results::kTrendKey) + "#" + std::string(recordLine.substr(open));
    const std::size_t count = records::CountValues(record, results::kTrendKey.size());
    for (const std::string& written :
         records::SplitRecordValues(record, results::kTrendKey.size(), static_cast<int>(count))) {
        const std::string_view value = text::TrimSpaces(written);
        if (const std::optional<double> score = text::ParseStoredScore(value)) {
            points.push_back({*score, std::string(value)});
        }
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
