#include "core/report/ReportDescriptions.h"

namespace orbisk::report {

namespace {

std::string papers(int count) {
    return std::to_string(count) + (count == 1 ? " paper" : " papers");
}

std::string describeMean(std::string_view attempts, const ScoreMean& mean) {
    if (mean.empty()) {
        return "no " + std::string(attempts) + " yet";
    }
    return std::string(attempts) + " average " + mean.Text() + "% over " + papers(mean.count());
}

} // namespace

std::string DescribeTopicRow(const TopicFigures& topic) {
    const std::string name = topic.name.empty() ? "Topic " + std::to_string(topic.topic) : topic.name;
    if (topic.first.empty() && topic.second.empty()) {
        return name + ": no papers taken yet.";
    }
    return name + ": " + describeMean("first attempts", topic.first) + "; " +
           describeMean("second attempts", topic.second) + ".";
}

std::string DescribeTrend(const std::vector<TrendPoint>& trend) {
    if (trend.empty()) {
        return "No first-attempt scores yet.";
    }
    std::string text = trend.size() == 1 ? "Most recent first-attempt score: "
                                         : "Recent first-attempt scores, oldest first: ";
    for (std::size_t i = 0; i < trend.size(); ++i) {
        text += (i == 0 ? "" : ", ") + trend[i].text + "%";
    }
    return text + ".";
}

} // namespace orbisk::report
