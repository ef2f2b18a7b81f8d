#include "core/text/TextForms.h"

#include <clocale>
#include <gtest/gtest.h>
#include <string>

namespace orbisk::text {
namespace {

struct PercentageCase {
    long long score;
    long long total;
    const char* text;
};

class Percentage : public ::testing::TestWithParam<PercentageCase> {};

TEST_P(Percentage, RoundsHalvesToEvenOnTheExactQuotient) {
    const auto& c = GetParam();
    EXPECT_EQ(FormatPercentage(c.score, c.total), c.text) << c.score << "/" << c.total;
}

INSTANTIATE_TEST_SUITE_P(TextForms, Percentage,
                         ::testing::Values(PercentageCase{26, 30, "86.7"}, PercentageCase{39, 40, "97.5"},
                                           PercentageCase{40, 40, "100"}, PercentageCase{0, 30, "0"},
                                           PercentageCase{27, 30, "90"}, PercentageCase{1, 3, "33.3"},
                                           PercentageCase{2, 3, "66.7"},
                                           // exact ties: 6.25 and 18.75 are halves at the second decimal
                                           PercentageCase{1, 16, "6.2"}, PercentageCase{3, 16, "18.8"},
                                           PercentageCase{5, 16, "31.2"}, PercentageCase{7, 16, "43.8"},
                                           // 0.05 rounds to the even 0.0, 0.15 up to 0.2
                                           PercentageCase{1, 2000, "0"}, PercentageCase{3, 2000, "0.2"},
                                           PercentageCase{1999, 2000, "100"},
                                           PercentageCase{1997, 2000, "99.8"}));

TEST(TextForms, APercentageNeedsPositiveTotalMarks) {
    EXPECT_THROW(FormatPercentage(0, 0), std::invalid_argument);
    EXPECT_THROW(FormatPercentage(-1, 10), std::invalid_argument);
}

TEST(TextForms, PercentagesKeepTheirPointUnderACommaLocale) {
    // A desktop set to a comma locale must not change what is stored.
    const char* old = std::setlocale(LC_ALL, nullptr);
    const std::string saved = old ? old : "C";
    if (std::setlocale(LC_ALL, "de_DE.UTF-8") == nullptr) {
        GTEST_SKIP() << "no German locale installed";
    }
    EXPECT_EQ(FormatPercentage(26, 30), "86.7");
    EXPECT_EQ(ParseStoredNumber("86.7"), 86.7);
    std::setlocale(LC_ALL, saved.c_str());
}

struct TimeCase {
    long long seconds;
    const char* text;
};

class TimeTaken : public ::testing::TestWithParam<TimeCase> {};

TEST_P(TimeTaken, HasNoLeadingZerosAndCountsHoursPastADay) {
    EXPECT_EQ(FormatTimeTaken(std::chrono::seconds(GetParam().seconds)), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(TextForms, TimeTaken,
                         ::testing::Values(TimeCase{0, "0:0:0"}, TimeCase{725, "0:12:5"},
                                           TimeCase{425, "0:7:5"}, TimeCase{3600, "1:0:0"},
                                           TimeCase{86399, "23:59:59"}, TimeCase{25 * 3600, "25:0:0"},
                                           TimeCase{-5, "0:0:0"}));

struct NumberCase {
    const char* text;
    std::optional<double> value;
};

class StoredNumber : public ::testing::TestWithParam<NumberCase> {};

TEST_P(StoredNumber, ReadsWithAPoint) {
    EXPECT_EQ(ParseStoredNumber(GetParam().text), GetParam().value);
}

INSTANTIATE_TEST_SUITE_P(TextForms, StoredNumber,
                         ::testing::Values(NumberCase{"86.7", 86.7}, NumberCase{"100", 100.0},
                                           NumberCase{" 0 ", 0.0}, NumberCase{"", std::nullopt},
                                           NumberCase{"86,7", std::nullopt}, NumberCase{"abc", std::nullopt},
                                           NumberCase{"nan", std::nullopt}, NumberCase{"12.0", 12.0}));

class StoredScore : public ::testing::TestWithParam<NumberCase> {};

// Read as the report reads a score, so the home page and the report agree.
TEST_P(StoredScore, IsDigitsWithAtMostOnePoint) {
    EXPECT_EQ(ParseStoredScore(GetParam().text), GetParam().value);
}

INSTANTIATE_TEST_SUITE_P(TextForms, StoredScore,
                         ::testing::Values(NumberCase{" 86.7 ", 86.7}, NumberCase{".5", 0.5},
                                           NumberCase{"-5", std::nullopt}, NumberCase{"+5", std::nullopt},
                                           NumberCase{"5e1", std::nullopt}, NumberCase{"1.2.3", std::nullopt},
                                           NumberCase{".", std::nullopt}, NumberCase{"", std::nullopt},
                                           // Beyond what the report holds exactly.
                                           NumberCase{"1234567", std::nullopt},
                                           NumberCase{"0.0000001", std::nullopt}));

} // namespace
} // namespace orbisk::text
