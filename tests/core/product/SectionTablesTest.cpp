#include "core/product/SectionTables.h"

#include "core/Errors.h"

#include <gtest/gtest.h>

namespace orbisk::tables {
namespace {

std::vector<PaperEntry> twoPapers() {
    return {
        {101,
         {{15001, {"2"}, {"Q"}, {"1"}, {4}},
          {15002, {"went", "shone", "swam"}, {"T", "T", "T"}, {"1", "1", "0.5"}, {}}}},
        {102, {{15101, {"Jane cut the cake.", ";red;blue", " "}, {"L", "G", "G"}, {"1", "2", "2"}, {}}}},
    };
}

records::RecordText read(std::string text, const char* name) {
    return {name, std::move(text)};
}

TEST(SectionTables, WhatIsWrittenReadsBackPaperByPaper) {
    const SectionTablesText text = WriteSectionTables(twoPapers());
    const auto papers = read(text.papers, "papers"), keys = read(text.keys, "keys"),
               kinds = read(text.kinds, "kinds"), weights = read(text.weights, "weights"),
               options = read(text.options, "options");

    const PaperTables first = ReadPaperTables(papers, keys, kinds, weights, options, 101);
    EXPECT_EQ(first.questionIds, (std::vector<std::string>{"15001", "15002"}));
    EXPECT_EQ(first.answerCounts, (std::vector<int>{1, 3}));
    EXPECT_EQ(first.keys, (std::vector<std::string>{"2", "went", "shone", "swam"}));
    EXPECT_EQ(first.kinds, (std::vector<std::string>{"Q", "T", "T", "T"}));
    EXPECT_EQ(first.optionCounts, (std::vector<int>{4, 0, 0, 0})) << "a slot given none shows none";
    EXPECT_EQ(first.AnswerSlots(), 4);
    EXPECT_EQ(first.totalMarks, 4) << "1 + 1 + 1 + 0.5 = 3.5 rounds to 4";

    const PaperTables second = ReadPaperTables(papers, keys, kinds, weights, options, 102);
    EXPECT_EQ(second.keys, (std::vector<std::string>{"Jane cut the cake.", ";red;blue", " "}));
    EXPECT_EQ(second.totalMarks, 5);
}

TEST(SectionTables, AreFramedAndListQuestionsInPaperOrder) {
    const SectionTablesText text = WriteSectionTables(twoPapers());
    EXPECT_EQ(text.papers, "...\r\n#101#>15001>15002\r\n#102#>15101\r\n...\r\n");
    EXPECT_EQ(text.kinds, "...\r\n#15001#>Q\r\n#15002#>T>T>T\r\n#15101#>L>G>G\r\n...\r\n");
}

TEST(SectionTables, APaperWithoutARecordIsADataError) {
    const SectionTablesText text = WriteSectionTables(twoPapers());
    EXPECT_THROW(ReadQuestionIds(read(text.papers, "papers"), 103), DataError);
}

class DamagedOptionCount : public ::testing::TestWithParam<const char*> {};

TEST_P(DamagedOptionCount, IsADataErrorNamingItsTable) {
    const auto options = read(std::string("...\r\n#15001#>") + GetParam() + "\r\n...\r\n", "options");
    try {
        ReadOptionCounts(options, {"15001"});
        FAIL() << "read " << GetParam();
    } catch (const DataError& error) {
        EXPECT_EQ(error.file(), "options");
    }
}

INSTANTIATE_TEST_SUITE_P(SectionTables, DamagedOptionCount, ::testing::Values("four", "-1", "10", ""));

TEST(SectionTables, AKeyTheRecordsCannotHoldIsNotWritten) {
    auto papers = twoPapers();
    papers[0].questions[1].keys[0] = "a>b";
    EXPECT_THROW(WriteSectionTables(papers), DataError);
}

} // namespace
} // namespace orbisk::tables
