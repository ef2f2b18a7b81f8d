#include "core/report/ReportDescriptions.h"

namespace orbisk::report {

namespace {

std::string papers(int count) {
    return std::to_string(count) + (count == 1 ? " paper" : " papers");
}

// @p mark: the mean as the row shows it ("85.2%").
std::string describeMean(std::string_view attempts, const ScoreMean& mean, const std::string& mark) {
    if (mean.empty()) {
        return "no " + std::string(attempts) + " yet";
    }
    return std::string(attempts) + " average " + mark + " over " + papers(mean.count());
}

} // namespace

std::string DescribeTopicRow(const TopicFigures& topic) {
    const std::string name = topic.name.empty() ? "Topic " + std::to_string(topic.topic) : topic.name;
    if (topic.first.empty() && topic.second.empty()) {
        return name + ": no papers taken yet.";
    }
    return name + ": " + describeMean("first attempts", topic.first, topic.firstMark) + "; " +
           describeMean("second attempts", topic.second, topic.secondMark) + ".";
}

std::string DescribeTrend(const std::vector<TrendPoint>& trend, std::string_view point) {
    if (trend.empty()) {
        return "No first-attempt scores yet.";
    }
    std::string text = trend.size() == 1 ? "Most recent first-attempt score: "
                                         : "Recent first-attempt scores, oldest first: ";
    for (std::size_t i = 0; i < trend.size(); ++i) {
        text += (i == 0 ? "" : ", ") + WithDecimalPoint(trend[i].text, point) + "%";
    }
    return text + ".";
}

std::string DescribeUnreadableScores(const ReportFigures& figures) {
    std::string papers;
    for (const UnreadableScore& score : figures.unreadable) {
        const int paper = bank::PaperOfSlot(score.slot);
        const int topic = bank::TopicOfPaper(paper);
        const auto index = static_cast<std::size_t>(topic - 1);
        const std::string name = index < figures.topics.size() && !figures.topics[index].name.empty()
                                     ? figures.topics[index].name
                                     : "Topic " + std::to_string(topic);
        papers += (papers.empty() ? "" : "; ") + name + " paper " +
                  std::to_string(bank::PaperInTopic(paper)) +
                  (score.attempt == 1 ? " (first attempt)" : " (second attempt)");
    }
    return papers.empty() ? std::string()
                          : "Not counted here, because the stored score is not a number: " + papers + ".";
}

} // namespace orbisk::report
