// The product's question bank as the program reads it: every written topic has
// the shape of the shipped-topics table, and the configuration lists exactly
// the topics whose five papers are written.
#include "CompiledPack.h"
#include "core/formats/Records.h"
#include "core/product/BankNumbers.h"
#include "core/product/Config.h"
#include "core/product/Explanations.h"
#include "core/product/ResourceIds.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <map>
#include <numeric>

namespace orbisk {
namespace {

using tables::PaperTables;
using testing::load;

/// The topics written so far: the bank grows topic by topic.
constexpr int kWrittenTopics = 10;

struct TopicShape {
    int topic;
    const char* name;
    int questions;                         ///< per paper
    std::array<int, 5> answersPerQuestion; ///< for papers 1..5 of the topic
    const char* kind;
};

constexpr std::array<TopicShape, 10> kShippedTopics{{
    {1, "Grammar (1)", 30, {1, 1, 1, 1, 1}, "Q"},
    {2, "Grammar (2)", 40, {1, 1, 1, 1, 1}, "Q"},
    {3, "Vocabulary (1)", 30, {1, 1, 1, 1, 1}, "Q"},
    {4, "Vocabulary (2)", 40, {1, 1, 1, 1, 1}, "Q"},
    {5, "Grammar Cloze (1)", 4, {5, 5, 5, 5, 5}, "T"},
    {6, "Grammar Cloze (2)", 5, {5, 5, 10, 10, 10}, "T"},
    {7, "Vocabulary Cloze (1)", 4, {5, 5, 5, 5, 5}, "T"},
    {8, "Vocabulary Cloze (2)", 5, {5, 5, 10, 10, 10}, "T"},
    {9, "Word Order", 40, {1, 1, 1, 1, 1}, "L"},
    {10, "Comprehension MCQ", 3, {5, 5, 5, 5, 5}, "Q"},
}};

struct PaperShape {
    int paper;
    TopicShape topic;
};

std::vector<PaperShape> writtenPapers() {
    std::vector<PaperShape> papers;
    for (int t = 0; t < kWrittenTopics; ++t) {
        for (int k = 1; k <= bank::kPapersPerTopic; ++k) {
            papers.push_back({bank::PaperNumber(t + 1, k), kShippedTopics[static_cast<std::size_t>(t)]});
        }
    }
    return papers;
}

bool isWord(const std::string& key) {
    return !key.empty() && std::all_of(key.begin(), key.end(), [](char c) {
        return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
    });
}

class ProductPaper : public ::testing::TestWithParam<PaperShape> {};

TEST_P(ProductPaper, HasTheShapeOfItsTopic) {
    const TopicShape& topic = GetParam().topic;
    const PaperTables paper = load(orbisk::testing::ProductBank(), 2, GetParam().paper);
    const int answers =
        topic.answersPerQuestion[static_cast<std::size_t>(bank::PaperInTopic(GetParam().paper) - 1)];
    EXPECT_EQ(paper.questionIds.size(), static_cast<std::size_t>(topic.questions));
    EXPECT_EQ(paper.answerCounts, std::vector<int>(static_cast<std::size_t>(topic.questions), answers));
    EXPECT_EQ(paper.kinds, std::vector<std::string>(paper.keys.size(), topic.kind));
    EXPECT_EQ(paper.totalMarks, static_cast<long long>(topic.questions * answers)) << "every weight is 1";
    for (const std::string& key : paper.keys) {
        if (std::string_view(topic.kind) == "Q") {
            EXPECT_TRUE(key == "1" || key == "2" || key == "3" || key == "4") << key;
        } else if (std::string_view(topic.kind) == "T") {
            EXPECT_TRUE(isWord(key)) << "a typed gap is one word of letters: \"" << key << "\"";
        } else {
            EXPECT_TRUE(!key.empty() && std::string_view(".?!").find(key.back()) != std::string_view::npos)
                << key;
        }
    }
}

// Every answer can say why it is right, in a sentence or two a learner reads at a glance.
TEST_P(ProductPaper, ExplainsEveryAnswerSlotBriefly) {
    const PaperTables paper = load(orbisk::testing::ProductBank(), 2, GetParam().paper);
    std::string unexplained, long_;
    for (std::size_t q = 0; q < paper.questionIds.size(); ++q) {
        const auto texts = explain::ReadExplanations(orbisk::testing::ProductBank().pack(),
                                                     std::stoi(paper.questionIds[q]), paper.answerCounts[q]);
        for (std::size_t slot = 0; slot < texts.size(); ++slot) {
            const std::string where = " " + paper.questionIds[q] + "/" + std::to_string(slot + 1);
            if (texts[slot].empty()) {
                unexplained += where;
            }
            if (std::count(texts[slot].begin(), texts[slot].end(), ' ') >= 40) {
                long_ += where;
            }
        }
    }
    EXPECT_EQ(unexplained, "") << "question/answer slots without an explanation";
    EXPECT_EQ(long_, "") << "explanations of 40 words or more";
}

INSTANTIATE_TEST_SUITE_P(ProductBank, ProductPaper, ::testing::ValuesIn(writtenPapers()),
                         [](const auto& test) { return "p" + std::to_string(test.param.paper); });

TEST(ProductBank, ConfigurationListsTheWrittenTopics) {
    const config::ProductConfig product =
        config::ReadProductConfig(orbisk::testing::ProductBank().Text(ids::kConfiguration));
    EXPECT_EQ(product.name, "Orbisk English Practice");
    EXPECT_EQ(product.code, "ENG");
    EXPECT_EQ(product.ExistingSections(), std::vector<int>{2});
    const config::SectionConfig& section = product.Section(2);
    EXPECT_EQ(section.label, "Practice");
    EXPECT_EQ(section.topicCount, kWrittenTopics);
    EXPECT_EQ(section.paperCount, bank::kPapersPerTopic * kWrittenTopics);
    for (int t = 0; t < kWrittenTopics; ++t) {
        EXPECT_EQ(section.topicNames[static_cast<std::size_t>(t)],
                  kShippedTopics[static_cast<std::size_t>(t)].name);
    }
}

TEST(ProductBank, TheWholeBankHasItsShippedSize) {
    int questions = 0;
    std::map<std::string, int> kinds;
    for (const PaperShape& shape : writtenPapers()) {
        const PaperTables paper = load(orbisk::testing::ProductBank(), 2, shape.paper);
        questions += static_cast<int>(paper.questionIds.size());
        for (const std::string& kind : paper.kinds) {
            ++kinds[kind];
        }
    }
    EXPECT_EQ(writtenPapers().size(), 50U);
    EXPECT_EQ(questions, 1005);
    EXPECT_EQ(kinds, (std::map<std::string, int>{{"L", 200}, {"Q", 775}, {"T", 600}}));
}

TEST(ProductBank, EveryComprehensionPassageHasFiveItems) {
    for (int k = 1; k <= bank::kPapersPerTopic; ++k) {
        const PaperTables paper = load(orbisk::testing::ProductBank(), 2, bank::PaperNumber(10, k));
        EXPECT_EQ(paper.answerCounts, std::vector<int>(3, 5)) << "paper " << bank::PaperNumber(10, k);
    }
}

TEST(ProductBank, PapersBeyondTheWrittenTopicsAreNotShipped) {
    const auto papers = orbisk::testing::ProductBank().Text(ids::TableId(2, ids::Table::Papers));
    EXPECT_TRUE(
        records::ReadRecordLine(papers, std::to_string(bank::PaperNumber(kWrittenTopics + 1, 1))).empty());
}

} // namespace
} // namespace orbisk
