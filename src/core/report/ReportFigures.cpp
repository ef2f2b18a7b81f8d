#include "core/report/ReportFigures.h"

#include "core/results/ResultsStore.h"
#include "core/text/TextForms.h"

namespace orbisk::report {

namespace {

// The value of slot @p slot (1-based); a list too short for it reads as "not taken".
void addScore(ScoreMean& mean, const std::vector<std::string>& values, int slot, int attempt,
              std::vector<UnreadableScore>& unreadable) {
    const std::string_view value = results::SlotValue(values, slot);
    if (text::TrimSpaces(value).empty()) {
        return;
    }
    if (!mean.Add(value)) {
        unreadable.push_back({slot, attempt, std::string(value)});
    }
}

std::string meanText(const ScoreMean& mean, std::string_view none, std::string_view point) {
    return mean.empty() ? std::string(none) : mean.Text(point) + "%";
}

void chooseStrongestAndWeakest(ReportFigures& figures) {
    int attempted = 0;
    for (const TopicFigures& topic : figures.topics) {
        attempted += topic.shown && topic.attempted() ? 1 : 0;
    }
    if (attempted < 2) {
        return;
    }
    const TopicFigures* weakest = nullptr;
    const TopicFigures* strongest = nullptr;
    ScoreMean lowest;
    ScoreMean highest;
    for (const TopicFigures& topic : figures.topics) {
        if (!topic.shown || !topic.attempted() || topic.name == kMockExamination) {
            continue;
        }
        const ScoreMean score = topic.TopicScore();
        // "or equal": a later topic wins a tie, in both directions.
        if (weakest == nullptr || score.CompareMean(lowest) <= 0) {
            weakest = &topic;
            lowest = score;
        }
        if (strongest == nullptr || score.CompareMean(highest) >= 0) {
            strongest = &topic;
            highest = score;
        }
    }
    if (weakest != nullptr) {
        figures.weakestTopic = weakest->topic;
        figures.WT = weakest->name + " ";
        figures.strongestTopic = strongest->topic;
        figures.ST = strongest->name + " ";
    }
}

} // namespace

ScoreMean TopicFigures::TopicScore() const {
    ScoreMean score;
    if (attempted()) {
        score.Merge(first);
        score.Merge(second);
    }
    return score;
}

ReportFigures ComputeReport(const results::Marks& marks, const config::SectionConfig& section,
                            std::string_view point) {
    ReportFigures figures;
    figures.paperCount = section.paperCount;
    figures.WT = kNoFigure;
    figures.ST = kNoFigure;
    for (int t = 1; t <= bank::kMaxTopics; ++t) {
        TopicFigures& topic = figures.topics[static_cast<std::size_t>(t - 1)];
        topic.topic = t;
        topic.shown = t <= section.topicCount;
        if (!topic.shown) {
            continue;
        }
        const auto nameIndex = static_cast<std::size_t>(t - 1);
        topic.name = nameIndex < section.topicNames.size() ? section.topicNames[nameIndex] : std::string();
        for (int p = 1; p <= bank::kPapersPerTopic; ++p) {
            const int slot = bank::FirstSlotOfTopic(t) + p - 1;
            addScore(topic.first, marks.FSE, slot, 1, figures.unreadable);
            addScore(topic.second, marks.SSE, slot, 2, figures.unreadable);
        }
        topic.firstMark = meanText(topic.first, "", point);
        topic.secondMark = meanText(topic.second, "", point);
        figures.overallFirst.Merge(topic.first);
        figures.overallSecond.Merge(topic.second);
    }
    figures.OScore1 = meanText(figures.overallFirst, kNoFigure, point);
    figures.OScore2 = meanText(figures.overallSecond, kNoFigure, point);
    figures.papersCompleted = figures.overallFirst.count();
    figures.PCNum = std::to_string(figures.papersCompleted) + " / " + std::to_string(figures.paperCount);
    chooseStrongestAndWeakest(figures);
    return figures;
}

ReportFigures BuildReport(const results::Marks& marks, const config::SectionConfig& section,
                          const std::filesystem::path& trendFile, std::string_view point) {
    ReportFigures figures = ComputeReport(marks, section, point);
    figures.trend = ReadTrend(trendFile);
    return figures;
}

} // namespace orbisk::report
