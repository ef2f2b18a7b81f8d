#include "core/report/Trend.h"

#include "TempFolder.h"
#include "core/report/ReportDescriptions.h"

#include <filesystem>
#include <gtest/gtest.h>

namespace orbisk::report {
namespace {

using orbisk::testing::TempFolder;
using orbisk::testing::WriteBytes;

std::string recordOf(int first, int last) {
    std::string record = "#TRD#";
    for (int v = first; v <= last; ++v) {
        record += ">" + std::to_string(v);
    }
    return record;
}

std::vector<std::string> numbers(int first, int last) {
    std::vector<std::string> texts;
    for (int v = first; v <= last; ++v) {
        texts.push_back(std::to_string(v));
    }
    return texts;
}

struct TrendCase {
    const char* name;
    std::string record;
    std::vector<std::string> texts;
};

class TrendRecord : public ::testing::TestWithParam<TrendCase> {};

TEST_P(TrendRecord, KeepsTheLastTwentyReadableScoresOldestFirst) {
    std::vector<std::string> texts;
    for (const TrendPoint& point : TrendFromRecord(GetParam().record)) {
        texts.push_back(point.text);
        EXPECT_DOUBLE_EQ(point.score, std::stod(point.text));
    }
    EXPECT_EQ(texts, GetParam().texts);
}

INSTANTIATE_TEST_SUITE_P(
    Trend, TrendRecord,
    ::testing::Values(TrendCase{"template", "#TRD#", {}}, TrendCase{"no_record", "", {}},
                      TrendCase{"other_key", "#FSE#>80>90", {}},
                      TrendCase{"three", "#TRD#>80>92.5>100", {"80", "92.5", "100"}},
                      TrendCase{"twenty", recordOf(1, 20), numbers(1, 20)},
                      TrendCase{"twenty_five", recordOf(1, 25), numbers(6, 25)},
                      // More than the section's 50 papers: still its last scores.
                      TrendCase{"past_fifty", recordOf(1, 60), numbers(41, 60)},
                      TrendCase{"key_in_any_case", "#trd#>70", {"70"}},
                      TrendCase{"trailing_separator", "#TRD#>70>", {"70"}},
                      TrendCase{"unreadable_values_left_out", "#TRD#>70>>abc>8,5> 90 ", {"70", "90"}},
                      TrendCase{"unreadable_value_does_not_take_a_place", recordOf(1, 20) + ">x",
                                numbers(1, 20)},
                      TrendCase{"key_after_other_text", "junk #TRD#>65", {"65"}}),
    [](const auto& test) { return std::string(test.param.name); });

TEST(Trend, AMissingOrUnreadableFileGivesAnEmptyTrend) {
    TempFolder folder;
    EXPECT_TRUE(ReadTrend(folder / "trend2ENG.txt").empty());
    std::filesystem::create_directory(folder / "folder.txt");
    EXPECT_TRUE(ReadTrend(folder / "folder.txt").empty());
    WriteBytes(folder / "other.txt", "#ABC#>1\r\n");
    EXPECT_TRUE(ReadTrend(folder / "other.txt").empty());
    WriteBytes(folder / "trend2ENG.txt", "...\r\n#TRD#>55>60.5\r\n");
    EXPECT_EQ(TrendScores(ReadTrend(folder / "trend2ENG.txt")), (std::vector<double>{55, 60.5}));
}

struct TrendWordsCase {
    const char* name;
    std::string record;
    const char* text;
};

class TrendWords : public ::testing::TestWithParam<TrendWordsCase> {};

TEST_P(TrendWords, ListThePlottedScores) {
    EXPECT_EQ(DescribeTrend(TrendFromRecord(GetParam().record)), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(
    Trend, TrendWords,
    ::testing::Values(TrendWordsCase{"none", "#TRD#", "No first-attempt scores yet."},
                      TrendWordsCase{"one", "#TRD#>86.7", "Most recent first-attempt score: 86.7%."},
                      TrendWordsCase{"several", "#TRD#>80>92.5>100",
                                     "Recent first-attempt scores, oldest first: 80%, 92.5%, 100%."},
                      TrendWordsCase{
                          "only_the_plotted", recordOf(1, 22),
                          "Recent first-attempt scores, oldest first: 3%, 4%, 5%, 6%, 7%, 8%, 9%, 10%, "
                          "11%, 12%, 13%, 14%, 15%, 16%, 17%, 18%, 19%, 20%, 21%, 22%."}),
    [](const auto& test) { return std::string(test.param.name); });

} // namespace
} // namespace orbisk::report
