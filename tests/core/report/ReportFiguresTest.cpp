#include "core/report/ReportFigures.h"

#include "TempFolder.h"
#include "core/report/ReportDescriptions.h"

#include <gtest/gtest.h>
#include <map>

namespace orbisk::report {
namespace {

using orbisk::testing::TempFolder;
using orbisk::testing::WriteBytes;

// ---------------------------------------------------------------- exact scores

struct ParseCase {
    const char* name;
    const char* text;
    std::optional<long long> micros;
};

class ExactScore : public ::testing::TestWithParam<ParseCase> {};

TEST_P(ExactScore, ReadsPlainDecimalsExactly) {
    EXPECT_EQ(ParseExactScore(GetParam().text), GetParam().micros);
}

INSTANTIATE_TEST_SUITE_P(
    ScoreMean, ExactScore,
    ::testing::Values(
        ParseCase{"one_decimal", "86.7", 86'700'000}, ParseCase{"whole", "100", 100'000'000},
        ParseCase{"zero", "0", 0}, ParseCase{"spaces_around", " 90 ", 90'000'000},
        ParseCase{"no_whole_part", ".5", 500'000}, ParseCase{"no_decimals", "5.", 5'000'000},
        ParseCase{"six_decimals", "0.000001", 1}, ParseCase{"zeros_past_six", "1.50000000", 1'500'000},
        ParseCase{"leading_zeros", "0000072.25", 72'250'000},
        ParseCase{"seventh_decimal", "1.0000001", std::nullopt}, ParseCase{"empty", "", std::nullopt},
        ParseCase{"blank", "   ", std::nullopt}, ParseCase{"point_alone", ".", std::nullopt},
        ParseCase{"negative", "-5", std::nullopt}, ParseCase{"exponent", "1e2", std::nullopt},
        ParseCase{"comma_point", "86,7", std::nullopt}, ParseCase{"two_points", "1.2.3", std::nullopt},
        ParseCase{"words", "abc", std::nullopt}, ParseCase{"too_large", "1234567", std::nullopt}),
    [](const auto& test) { return std::string(test.param.name); });

struct MeanCase {
    const char* name;
    std::vector<const char*> scores;
    const char* text;
    double value;
};

class MeanText : public ::testing::TestWithParam<MeanCase> {};

TEST_P(MeanText, RoundsTheExactMeanHalvesToEven) {
    ScoreMean mean;
    for (const char* score : GetParam().scores) {
        ASSERT_TRUE(mean.Add(score)) << score;
    }
    EXPECT_EQ(mean.Text(), GetParam().text);
    EXPECT_DOUBLE_EQ(mean.value(), GetParam().value);
}

// Binary doubles put 72.35, 78.65 and 78.55 a hair off their true value and
// round them the wrong way; the exact mean does not.
INSTANTIATE_TEST_SUITE_P(ScoreMean, MeanText,
                         ::testing::Values(MeanCase{"half_down_to_even", {"72", "72.5"}, "72.2", 72.25},
                                           MeanCase{"half_down_to_even_85", {"85", "85.5"}, "85.2", 85.25},
                                           MeanCase{"half_up_to_even", {"72.5", "73"}, "72.8", 72.75},
                                           MeanCase{"binary_below_half", {"72.2", "72.5"}, "72.4", 72.35},
                                           MeanCase{"binary_above_half", {"72.2", "85.1"}, "78.6", 78.65},
                                           MeanCase{"binary_below_half_2", {"72.1", "85"}, "78.6", 78.55},
                                           MeanCase{"whole_mean", {"80", "90"}, "85", 85},
                                           MeanCase{"thirds", {"100", "100", "0"}, "66.7", 200.0 / 3},
                                           MeanCase{"empty", {}, "", 0}),
                         [](const auto& test) { return std::string(test.param.name); });

TEST(ScoreMean, EqualMeansCompareEqualExactly) {
    ScoreMean a;
    ScoreMean b;
    for (const char* s : {"33.3", "33.4"}) {
        a.Add(s);
    }
    b.Add("33.35");
    EXPECT_EQ(a.CompareMean(b), std::strong_ordering::equal);
    b.Add("33.36");
    EXPECT_EQ(a.CompareMean(b), std::strong_ordering::less);
    EXPECT_EQ(ScoreMean().CompareMean(a), std::strong_ordering::less);
    EXPECT_FALSE(a.Add("n/a"));
    EXPECT_EQ(a.count(), 2);
}

// ------------------------------------------------------------ report figures

const std::vector<std::string> kNames{
    "Grammar (1)", "Grammar (2)",          "Vocabulary (1)", "Vocabulary (2)", "Cloze (1)",
    "Cloze (2)",   "Vocabulary Cloze (1)", "Word Order",     "Reading",        "Mock Examination"};

struct FigureCase {
    const char* name;
    int topicCount;
    std::map<int, const char*> first;  // slot -> FSE
    std::map<int, const char*> second; // slot -> SSE
    const char* OScore1;
    const char* OScore2;
    const char* PCNum;
    const char* WT;
    const char* ST;
    std::vector<std::string> names = kNames;
};

results::Marks marksOf(const std::map<int, const char*>& first, const std::map<int, const char*>& second) {
    results::Marks marks;
    marks.FSE.assign(50, "");
    marks.SSE.assign(50, "");
    for (const auto& [slot, score] : first) {
        marks.FSE[static_cast<std::size_t>(slot - 1)] = score;
    }
    for (const auto& [slot, score] : second) {
        marks.SSE[static_cast<std::size_t>(slot - 1)] = score;
    }
    return marks;
}

config::SectionConfig sectionOf(int topicCount, std::vector<std::string> names) {
    return {2, "Practice", topicCount, 5 * topicCount, std::move(names)};
}

class Figures : public ::testing::TestWithParam<FigureCase> {};

TEST_P(Figures, OverallPanel) {
    const FigureCase& c = GetParam();
    const ReportFigures f = ComputeReport(marksOf(c.first, c.second), sectionOf(c.topicCount, c.names));
    EXPECT_EQ(f.OScore1, c.OScore1);
    EXPECT_EQ(f.OScore2, c.OScore2);
    EXPECT_EQ(f.PCNum, c.PCNum);
    EXPECT_EQ(f.WT, c.WT);
    EXPECT_EQ(f.ST, c.ST);
    for (const TopicFigures& topic : f.topics) {
        EXPECT_EQ(topic.shown, topic.topic <= c.topicCount) << topic.topic;
    }
}

// Slots: topic t owns 5(t-1)+1 .. 5t. Topic 10 is "Mock Examination".
INSTANTIATE_TEST_SUITE_P(
    Report, Figures,
    ::testing::Values(
        FigureCase{"fresh_section", 10, {}, {}, "-", "-", "0 / 50", "-", "-"},
        FigureCase{"one_attempted_topic",
                   10,
                   {{1, "80"}, {2, "90"}},
                   {{1, "100"}},
                   "85%",
                   "100%",
                   "2 / 50",
                   "-",
                   "-"},
        FigureCase{"mean_over_papers_not_topics",
                   10,
                   {{1, "100"}, {6, "50"}, {7, "60"}, {8, "70"}},
                   {},
                   "70%",
                   "-",
                   "4 / 50",
                   "Grammar (2) ",
                   "Grammar (1) "},
        FigureCase{"mean_of_72_25", 10, {{1, "72"}, {2, "72.5"}}, {}, "72.2%", "-", "2 / 50", "-", "-"},
        FigureCase{"equal_scores_go_to_the_higher_topic",
                   10,
                   {{6, "70"}, {21, "70"}},
                   {},
                   "70%",
                   "-",
                   "2 / 50",
                   "Cloze (1) ",
                   "Cloze (1) "},
        // Topic 1 scores (80 + 90 + 100) / 3 = 90, the same as topic 2's 90.
        FigureCase{"topic_score_counts_second_attempts",
                   10,
                   {{1, "80"}, {2, "90"}, {6, "90"}},
                   {{1, "100"}},
                   "86.7%",
                   "100%",
                   "3 / 50",
                   "Grammar (2) ",
                   "Grammar (2) "},
        // 33.35 both, which binary sums would make unequal.
        FigureCase{"exact_tie_of_decimals",
                   10,
                   {{1, "33.3"}, {2, "33.4"}, {6, "33.35"}},
                   {},
                   "33.4%",
                   "-",
                   "3 / 50",
                   "Grammar (2) ",
                   "Grammar (2) "},
        FigureCase{"never_attempted_topic_1_is_never_named",
                   10,
                   {{6, "40"}, {11, "60"}},
                   {},
                   "50%",
                   "-",
                   "2 / 50",
                   "Grammar (2) ",
                   "Vocabulary (1) "},
        FigureCase{"second_attempt_alone_is_not_attempted",
                   10,
                   {{6, "40"}, {11, "60"}},
                   {{1, "10"}},
                   "50%",
                   "10%",
                   "2 / 50",
                   "Grammar (2) ",
                   "Vocabulary (1) "},
        FigureCase{"mock_examination_is_left_out",
                   10,
                   {{1, "50"}, {11, "90"}, {46, "10"}, {47, "100"}},
                   {},
                   "62.5%",
                   "-",
                   "4 / 50",
                   "Grammar (1) ",
                   "Vocabulary (1) "},
        FigureCase{"mock_and_one_topic",
                   10,
                   {{1, "50"}, {46, "10"}},
                   {},
                   "30%",
                   "-",
                   "2 / 50",
                   "Grammar (1) ",
                   "Grammar (1) "},
        FigureCase{"only_mock_examinations",
                   2,
                   {{1, "50"}, {6, "10"}},
                   {},
                   "30%",
                   "-",
                   "2 / 10",
                   "-",
                   "-",
                   {"Mock Examination", "Mock Examination"}},
        FigureCase{"topics_above_the_count_are_left_out",
                   3,
                   {{1, "50"}, {11, "70"}, {16, "100"}},
                   {},
                   "60%",
                   "-",
                   "2 / 15",
                   "Grammar (1) ",
                   "Vocabulary (1) "},
        FigureCase{"unreadable_score_is_left_out",
                   10,
                   {{1, "abc"}, {2, "80"}},
                   {{2, "8O"}},
                   "80%",
                   "-",
                   "1 / 50",
                   "-",
                   "-"}),
    [](const auto& test) { return std::string(test.param.name); });

TEST(Report, TopicRowsShowBothMeansAndRankByTopicScore) {
    const ReportFigures f =
        ComputeReport(marksOf({{1, "80"}, {2, "90"}, {6, "95"}}, {{1, "100"}}), sectionOf(10, kNames));
    const TopicFigures& topic1 = f.topics[0];
    EXPECT_EQ(topic1.name, "Grammar (1)");
    EXPECT_EQ(topic1.firstMark, "85%");
    EXPECT_EQ(topic1.secondMark, "100%");
    EXPECT_DOUBLE_EQ(topic1.first.value(), 85);
    EXPECT_EQ(topic1.TopicScore().Text(), "90");
    EXPECT_EQ(f.topics[1].secondMark, "");
    EXPECT_EQ(f.topics[2].firstMark, "");
    EXPECT_EQ(f.topics[2].TopicScore().count(), 0);
    EXPECT_EQ(f.weakestTopic, 1);
    EXPECT_EQ(f.strongestTopic, 2);
}

TEST(Report, UnreadableScoresAreListedInSlotOrder) {
    const ReportFigures f = ComputeReport(marksOf({{7, "x"}, {2, "1,5"}}, {{2, "?"}}), sectionOf(10, kNames));
    ASSERT_EQ(f.unreadable.size(), 3U);
    EXPECT_EQ(f.unreadable[0].slot, 2);
    EXPECT_EQ(f.unreadable[0].attempt, 1);
    EXPECT_EQ(f.unreadable[1].attempt, 2);
    EXPECT_EQ(f.unreadable[2].text, "x");
}

TEST(Report, ShortMarksListsReadAsNotTakenAndMissingNamesAsEmpty) {
    results::Marks marks;
    marks.FSE = {"60"};
    const ReportFigures f = ComputeReport(marks, sectionOf(3, {"Only one name"}));
    EXPECT_EQ(f.OScore1, "60%");
    EXPECT_EQ(f.topics[1].name, "");
    EXPECT_TRUE(f.topics[1].shown);
}

TEST(Report, BuildReportReadsTheTrendAndSurvivesItsAbsence) {
    TempFolder folder;
    const results::Marks marks = marksOf({{1, "80"}}, {});
    EXPECT_TRUE(BuildReport(marks, sectionOf(10, kNames), folder / "trend2ENG.txt").trend.empty());
    WriteBytes(folder / "trend2ENG.txt", "#TRD#>80>92.5\r\n");
    const ReportFigures f = BuildReport(marks, sectionOf(10, kNames), folder / "trend2ENG.txt");
    EXPECT_EQ(f.trend, (std::vector<TrendPoint>{{80, "80"}, {92.5, "92.5"}}));
    EXPECT_EQ(f.OScore1, "80%");
}

// --------------------------------------------------------------- descriptions

struct DescriptionCase {
    const char* name;
    std::map<int, const char*> first;
    std::map<int, const char*> second;
    const char* text;
};

class RowDescription : public ::testing::TestWithParam<DescriptionCase> {};

TEST_P(RowDescription, StatesBothMeans) {
    const ReportFigures f =
        ComputeReport(marksOf(GetParam().first, GetParam().second), sectionOf(10, kNames));
    EXPECT_EQ(DescribeTopicRow(f.topics[0]), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(
    Report, RowDescription,
    ::testing::Values(
        DescriptionCase{
            "both",
            {{1, "80"}, {2, "90"}},
            {{1, "100"}},
            "Grammar (1): first attempts average 85% over 2 papers; second attempts average 100% over 1 "
            "paper."},
        DescriptionCase{"first_only",
                        {{3, "72"}, {4, "72.5"}},
                        {},
                        "Grammar (1): first attempts average 72.2% over 2 papers; no second attempts yet."},
        DescriptionCase{"none", {{6, "50"}}, {}, "Grammar (1): no papers taken yet."}),
    [](const auto& test) { return std::string(test.param.name); });

} // namespace
} // namespace orbisk::report
