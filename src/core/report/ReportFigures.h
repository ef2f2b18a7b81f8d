#pragma once

#include "core/product/BankNumbers.h"
#include "core/product/Config.h"
#include "core/report/ScoreMean.h"
#include "core/report/Trend.h"
#include "core/results/ResultsStore.h"

#include <array>
#include <filesystem>
#include <string>
#include <vector>

/// The figures of the results report: everything the report page shows, worked
/// out from a section's marks, its topics and its trend file.
///
/// How the page uses them (controls named as on the page):
/// - overall panel: OScore1, OScore2, PCNum, WT and ST are shown as they are;
/// - topical panel: row k shows topics[k - 1] (see TopicFigures); a row whose
///   `shown` is false is hidden, name box and both tracks;
/// - trend panel: `trend` goes to PlotTrend (core/layout/TrendPlot.h).
/// Every mean is exact (see ScoreMean): the texts are rounded from the exact
/// value, the bars use the unrounded value, and ties between topics are real ties.
namespace orbisk::report {

/// The name that is never strongest or weakest: a mock examination spans every topic.
inline constexpr std::string_view kMockExamination = "Mock Examination";
/// What a figure shows when there is nothing to show.
inline constexpr std::string_view kNoFigure = "-";

/// One topic's row of the topical panel and its part in the overall figures.
struct TopicFigures {
    int topic = 0;      ///< 1..10
    std::string name;   ///< TopLab<k>; "" for a topic the section does not have
    bool shown = false; ///< the row is visible: topic <= topic count
    ScoreMean first;    ///< the topic's first-attempt scores (CountA, SumA)
    ScoreMean second;   ///< the topic's second-attempt scores (CountB, SumB)
    /// TMark<k>A: the first-attempt mean rounded, with "%" ("85%"); "" when
    /// the topic has no first attempt. The bar width uses first.value().
    std::string firstMark;
    /// TMark<k>B: the same for second attempts.
    std::string secondMark;

    /// A topic is attempted when it has a first attempt; only attempted
    /// topics are ever named strongest or weakest.
    bool attempted() const { return !first.empty(); }
    /// The topic score that ranks the topic: the mean of all its first and
    /// second attempts together (just the first attempts when it has no second);
    /// 0 for a topic not attempted.
    ScoreMean TopicScore() const;
};

/// A stored score that is neither empty nor a number: the report leaves it
/// out (as if not taken) and the page can say which paper it was.
struct UnreadableScore {
    int slot = 0;    ///< the paper slot, 1..50 (paper 100 + slot)
    int attempt = 0; ///< 1 (FSE) or 2 (SSE)
    std::string text;
};

/// Everything the report page shows.
struct ReportFigures {
    std::array<TopicFigures, bank::kMaxTopics> topics;
    ScoreMean overallFirst;                  ///< every first attempt of the section
    ScoreMean overallSecond;                 ///< every second attempt of the section
    std::string OScore1;                     ///< first-attempt average, "85.2%", or "-" when none
    std::string OScore2;                     ///< second-attempt average, or "-"
    int papersCompleted = 0;                 ///< NA: papers with a first attempt
    int paperCount = 0;                      ///< TP
    std::string PCNum;                       ///< "NA / TP", e.g. "12 / 50"
    int weakestTopic = 0;                    ///< 1..10, or 0 when WT shows "-"
    int strongestTopic = 0;                  ///< 1..10, or 0 when ST shows "-"
    std::string WT;                          ///< the weakest topic's name followed by one space, or "-"
    std::string ST;                          ///< the strongest topic's name followed by one space, or "-"
    std::vector<UnreadableScore> unreadable; ///< scores left out, in slot order
    std::vector<TrendPoint> trend;           ///< the plotted scores, oldest first
};

/// Works out the report of a section from its marks (FSE and SSE, one value
/// per paper slot; missing values count as not taken) and its topic count,
/// paper count and topic names. The trend is left empty; see BuildReport.
///
/// Strongest and weakest: when fewer than two topics are attempted both are
/// "-". Otherwise, among the attempted topics not named "Mock Examination", in
/// topic order, the weakest is the lowest topic score and the strongest the
/// highest, a later topic winning a tie, so ties go to the higher-numbered
/// topic in both. No candidate at all gives "-".
/// The averages and marks are written with @p point as their decimal point
/// (the learner's, "85,2%" on a desktop that writes decimal commas).
ReportFigures ComputeReport(const results::Marks& marks, const config::SectionConfig& section,
                            std::string_view point = ".");

/// ComputeReport plus the trend read from the section's trend file
/// (ReadTrend: a missing or unreadable file gives an empty trend).
ReportFigures BuildReport(const results::Marks& marks, const config::SectionConfig& section,
                          const std::filesystem::path& trendFile, std::string_view point = ".");

} // namespace orbisk::report
