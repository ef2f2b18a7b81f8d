// The product's question bank as the program reads it.
#include "CompiledPack.h"
#include "core/formats/Records.h"
#include "core/product/BankNumbers.h"
#include "core/product/ResourceIds.h"

#include <algorithm>
#include <gtest/gtest.h>

namespace orbisk {
namespace {

using records::RecordText;
using tables::PaperTables;
using testing::load;

struct ProductShape {
    int paper;
    std::size_t questions;
};

class ProductPaper : public ::testing::TestWithParam<ProductShape> {};

TEST_P(ProductPaper, HasOneMultipleChoiceAnswerPerQuestion) {
    const PaperTables paper = load(orbisk::testing::ProductBank(), 2, GetParam().paper);
    EXPECT_EQ(paper.questionIds.size(), GetParam().questions);
    EXPECT_EQ(paper.keys.size(), GetParam().questions);
    EXPECT_EQ(std::count(paper.kinds.begin(), paper.kinds.end(), "Q"),
              static_cast<long>(GetParam().questions));
    EXPECT_EQ(paper.totalMarks, static_cast<long long>(GetParam().questions));
    for (const std::string& key : paper.keys) {
        EXPECT_TRUE(key == "1" || key == "2" || key == "3" || key == "4") << key;
    }
}

INSTANTIATE_TEST_SUITE_P(ProductBank, ProductPaper,
                         ::testing::Values(ProductShape{101, 30}, ProductShape{102, 30},
                                           ProductShape{103, 30}, ProductShape{104, 30},
                                           ProductShape{105, 30}, ProductShape{106, 40},
                                           ProductShape{107, 40}, ProductShape{108, 40},
                                           ProductShape{109, 40}, ProductShape{110, 40}),
                         [](const auto& info) { return "p" + std::to_string(info.param.paper); });

TEST(ProductBank, ConfigurationListsTheWrittenTopics) {
    const RecordText config = orbisk::testing::ProductBank().Text(ids::kConfiguration);
    EXPECT_EQ(records::ReadRecordValue(config, "NME"), "Orbisk English Practice");
    EXPECT_EQ(records::ReadRecordValue(config, "COD"), "ENG");
    EXPECT_EQ(records::ReadRecordValue(config, "LBH"), "Practice");
    const int topics = std::stoi(records::ReadRecordValue(config, "TT2"));
    EXPECT_GE(topics, 2);
    EXPECT_EQ(std::stoi(records::ReadRecordValue(config, "TP2")), 5 * topics);
    const auto names = records::ReadRecordValues(config, "TN2", topics, records::kTopicNamesCapacity);
    EXPECT_EQ(names[0], "Grammar (1)");
    EXPECT_EQ(names[1], "Grammar (2)");
}

} // namespace
} // namespace orbisk
