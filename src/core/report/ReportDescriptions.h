#pragma once

#include "core/report/ReportFigures.h"
#include "core/report/Trend.h"

#include <string>
#include <vector>

/// Plain-English descriptions of what the report draws, for screen readers,
/// which cannot read a bar's length or a dot's height. The page sets them as
/// accessible descriptions (the topic row's tracks, the trend plot).
namespace orbisk::report {

/// A topic row in words, both means with how many papers they cover, e.g.
/// "Grammar (1): first attempts average 85% over 2 papers; second attempts
/// average 100% over 1 paper." or "Word Order: no papers taken yet."
std::string DescribeTopicRow(const TopicFigures& topic);

/// The trend plot in words, oldest first, e.g. "Recent first-attempt scores,
/// oldest first: 80%, 92.5%, 100%." or "No first-attempt scores yet."
std::string DescribeTrend(const std::vector<TrendPoint>& trend, std::string_view point = ".");

/// The note under the overall figures naming the stored scores left out
/// because they are not numbers, e.g. "Not counted here, because the stored
/// score is not a number: Grammar (1) paper 3 (first attempt)."; empty when
/// every score was counted.
std::string DescribeUnreadableScores(const ReportFigures& figures);

} // namespace orbisk::report
