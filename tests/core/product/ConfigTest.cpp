#include "core/product/Config.h"

#include "core/Errors.h"

#include <gtest/gtest.h>

namespace orbisk::config {
namespace {

records::RecordText text(const std::string& content) {
    return {"resource 30000", content};
}

const std::string kHead =
    "...\r\n#NME#>Orbisk English Practice\r\n#COD#>ENG\r\n-------------------------------\r\n";

TEST(Config, ReadsTheProductAndItsExistingSections) {
    const ProductConfig config = ReadProductConfig(
        text(kHead + "#LBH#>Practice\r\n#TT2#>2\r\n#TP2#>10\r\n#TN2#>Grammar (1)>Grammar (2)\r\n...\r\n"));
    EXPECT_EQ(config.name, "Orbisk English Practice");
    EXPECT_EQ(config.code, "ENG");
    EXPECT_EQ(config.ExistingSections(), std::vector<int>{2});
    EXPECT_EQ(config.FirstSection(), 2);
    EXPECT_FALSE(config.Section(1).exists());
    EXPECT_EQ(config.Section(2).topicCount, 2);
    EXPECT_EQ(config.Section(2).paperCount, 10);
    EXPECT_EQ(config.Section(2).topicNames, (std::vector<std::string>{"Grammar (1)", "Grammar (2)"}));
}

struct BadConfig {
    const char* name;
    std::string sections;
    const char* key;
};

class Refused : public ::testing::TestWithParam<BadConfig> {};

TEST_P(Refused, WithADataErrorNamingTheKey) {
    try {
        ReadProductConfig(text(kHead + GetParam().sections));
        FAIL() << "no error";
    } catch (const DataError& error) {
        EXPECT_EQ(error.key(), GetParam().key);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Config, Refused,
    ::testing::Values(
        BadConfig{"count_not_a_number", "#LBH#>P\r\n#TT2#>ten\r\n#TP2#>50\r\n#TN2#>a\r\n", "TT2"},
        BadConfig{"too_many_topics", "#LBH#>P\r\n#TT2#>11\r\n#TP2#>50\r\n#TN2#>a\r\n", "TT2"},
        BadConfig{"too_many_papers", "#LBH#>P\r\n#TT2#>10\r\n#TP2#>55\r\n#TN2#>a\r\n", "TP2"},
        BadConfig{"papers_beyond_topics", "#LBH#>P\r\n#TT2#>1\r\n#TP2#>10\r\n#TN2#>a\r\n", "TP2"},
        BadConfig{"count_missing", "#LBH#>P\r\n#TP2#>5\r\n#TN2#>a\r\n", "TT2"},
        BadConfig{"too_few_names", "#LBH#>P\r\n#TT2#>3\r\n#TP2#>15\r\n#TN2#>a>b\r\n", "TN2"}),
    [](const auto& test) { return std::string(test.param.name); });

TEST(Config, ACodeThatCannotBePartOfAFileNameIsRefused) {
    const std::string sections = "#LBH#>P\r\n#TT2#>1\r\n#TP2#>5\r\n#TN2#>a\r\n";
    for (const char* code : {"../EN", "eng", "ENG2", "ABCDEFGHI", "EN G", ""}) {
        EXPECT_THROW(ReadProductConfig(text("#NME#>x\r\n#COD#>" + std::string(code) + "\r\n" + sections)),
                     DataError)
            << code;
    }
    EXPECT_THROW(ReadProductConfig(text("#NME#>x\r\n" + sections)), DataError);
    EXPECT_NO_THROW(ReadProductConfig(text("#NME#>x\r\n#COD#>ABCDEFGH\r\n" + sections)));
}

ProductConfig twoSections() {
    ProductConfig config;
    config.name = "Orbisk English Practice";
    config.code = "ENG";
    for (int s = 1; s <= 3; ++s) {
        config.Section(s).number = s;
    }
    config.Section(1) = {1, "Warm-up", 1, 5, {"Starters"}};
    config.Section(3) = {3, "Extra", 3, 12, {"One", "Two (2)", "Three, with a comma"}};
    return config;
}

TEST(Config, WhatIsWrittenReadsBackTheSame) {
    const ProductConfig config = twoSections();
    EXPECT_EQ(ReadProductConfig(text(WriteConfiguration(config))), config);
}

TEST(Config, IsWrittenAsFramedKeyedRecords) {
    ProductConfig config;
    config.name = "Orbisk English Practice";
    config.code = "ENG";
    config.Section(2) = {2, "Practice", 2, 10, {"Grammar (1)", "Grammar (2)", "not yet shown"}};
    EXPECT_EQ(WriteConfiguration(config), kHead + "#LBH#>Practice\r\n#TT2#>2\r\n#TP2#>10\r\n"
                                                  "#TN2#>Grammar (1)>Grammar (2)\r\n...\r\n");
}

TEST(Config, ANameTheRecordsCannotHoldIsNotWritten) {
    ProductConfig config = twoSections();
    config.Section(3).topicNames[1] = "Two > one";
    EXPECT_THROW(WriteConfiguration(config), DataError);
}

} // namespace
} // namespace orbisk::config
