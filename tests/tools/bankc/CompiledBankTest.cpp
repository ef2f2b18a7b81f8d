// The compiled test bank read back with the program's own record readers; it
// has every shape and kind the program handles.
#include "CompiledPack.h"
#include "core/formats/PictureHeader.h"
#include "core/formats/Records.h"
#include "core/formats/ResourcePack.h"
#include "core/formats/mht/Mht.h"
#include "core/io/FileIO.h"
#include "core/product/BankNumbers.h"
#include "core/product/Explanations.h"
#include "core/product/ResourceIds.h"
#include "core/results/ResultsStore.h"

#include <algorithm>
#include <cstdio>
#include <gtest/gtest.h>
#include <map>
#include <numeric>
#include <set>

namespace orbisk {
namespace {

using records::RecordText;
using tables::PaperTables;
using testing::load;

struct Shape {
    int section;
    int paper;
    std::size_t questions;
    std::size_t answers;
    const char* kinds; // the kind of every slot, or "" when mixed
    long long totalMarks;
};

class TestBankPaper : public ::testing::TestWithParam<Shape> {};

TEST_P(TestBankPaper, ReadsBackInItsShape) {
    const Shape& s = GetParam();
    const PaperTables paper = load(orbisk::testing::TestBank(), s.section, s.paper);
    EXPECT_EQ(paper.questionIds.size(), s.questions);
    EXPECT_EQ(paper.keys.size(), s.answers);
    EXPECT_EQ(paper.kinds.size(), s.answers);
    EXPECT_EQ(paper.weights.size(), s.answers);
    EXPECT_EQ(std::accumulate(paper.answerCounts.begin(), paper.answerCounts.end(), std::size_t{0}),
              s.answers);
    if (*s.kinds) {
        EXPECT_EQ(std::count(paper.kinds.begin(), paper.kinds.end(), s.kinds), static_cast<long>(s.answers));
    }
    EXPECT_EQ(paper.totalMarks, s.totalMarks);
    EXPECT_EQ(paper.questionIds.front(), std::to_string(bank::QuestionId(s.section, s.paper, 1)));
}

INSTANTIATE_TEST_SUITE_P(CompiledBank, TestBankPaper,
                         ::testing::Values(Shape{2, 101, 30, 30, "Q", 30}, Shape{2, 110, 40, 40, "Q", 40},
                                           Shape{2, 112, 30, 30, "Q", 30}, Shape{2, 121, 4, 20, "T", 20},
                                           Shape{2, 126, 5, 25, "T", 25}, Shape{2, 128, 5, 50, "T", 50},
                                           Shape{2, 140, 5, 50, "T", 50}, Shape{2, 143, 40, 40, "L", 40},
                                           Shape{2, 146, 3, 15, "Q", 15}, Shape{3, 101, 3, 37, "", 37},
                                           Shape{3, 102, 5, 8, "", 8}, Shape{3, 103, 3, 6, "", 6},
                                           Shape{3, 104, 2, 6, "Q", 11}, Shape{3, 105, 4, 80, "T", 80}),
                         [](const auto& test) {
                             return "s" + std::to_string(test.param.section) + "_p" +
                                    std::to_string(test.param.paper);
                         });

TEST(CompiledBank, AFiveAnswerQuestionGivesFiveConsecutiveSlots) {
    const PaperTables paper = load(orbisk::testing::TestBank(), 2, 121);
    EXPECT_EQ(paper.answerCounts, (std::vector<int>{5, 5, 5, 5}));
    EXPECT_EQ(
        std::vector<std::string>(paper.keys.begin() + 5, paper.keys.begin() + 10),
        (std::vector<std::string>{"apple121x2", "river121x2", "cloud121x2", "stone121x2", "garden121x2"}));
}

TEST(CompiledBank, RareKindsKeepTheirKeys) {
    const PaperTables numbers = load(orbisk::testing::TestBank(), 3, 102);
    EXPECT_EQ(numbers.kinds, (std::vector<std::string>{"N", "N", "N", "R", "R", "F", "X", "L"}));
    EXPECT_EQ(numbers.keys[1], "1.5");
    const PaperTables groups = load(orbisk::testing::TestBank(), 3, 103);
    EXPECT_EQ(groups.kinds, (std::vector<std::string>{"G", "G", "G", "M", "M", "G"}));
    EXPECT_EQ(groups.keys,
              (std::vector<std::string>{";red;blue;green", " ", " ", ";cat;dog;rabbit", " ", ";Mars;Venus"}));
}

TEST(CompiledBank, ConfigurationNamesTheSectionsAndCompleteTopics) {
    const RecordText config = orbisk::testing::TestBank().Text(ids::kConfiguration);
    EXPECT_EQ(records::ReadRecordValue(config, "NME"), "Orbisk Test Practice");
    EXPECT_EQ(records::ReadRecordValue(config, "COD"), "TST");
    EXPECT_EQ(records::ReadRecordValue(config, "LAH"), "");
    EXPECT_EQ(records::ReadRecordValue(config, "LBH"), "Practice");
    EXPECT_EQ(records::ReadRecordValue(config, "LCH"), "Extra");
    EXPECT_EQ(records::ReadRecordValue(config, "TT2"), "10");
    EXPECT_EQ(records::ReadRecordValue(config, "TP2"), "50");
    EXPECT_EQ(records::ReadRecordValues(config, "TN2", 10, records::kTopicNamesCapacity).back(),
              "Comprehension MCQ");
    EXPECT_EQ(records::ReadRecordValues(config, "TN3", 1, records::kTopicNamesCapacity),
              std::vector<std::string>{"Rare Kinds"});
    EXPECT_EQ(std::count(config.lines().begin(), config.lines().end(), std::string_view("...")), 2);
    EXPECT_EQ(
        std::count(config.lines().begin(), config.lines().end(), std::string_view(std::string(31, '-'))), 1);
}

TEST(CompiledBank, ResultsTemplatesHoldEmptyValuesPerPaperAndSlot) {
    const RecordText marks =
        orbisk::testing::TestBank().Text(results::TemplateId(results::ResultsFile::Marks, 2));
    EXPECT_EQ(records::ReadRecordValues(marks, "FSE", 50), std::vector<std::string>(50, ""));
    EXPECT_EQ(records::ReadRecordValues(marks, "SST", 50), std::vector<std::string>(50, "0"));
    const RecordText answers =
        orbisk::testing::TestBank().Text(results::TemplateId(results::ResultsFile::First, 2));
    const auto lines = records::ReadPaperRecords(answers, 50);
    EXPECT_EQ(lines[27], "#128#" + std::string(50, '>'));
    EXPECT_EQ(lines[45], "#146#" + std::string(15, '>'));
    EXPECT_EQ(*orbisk::testing::TestBank().pack().Find(results::TemplateId(results::ResultsFile::Trend, 3)),
              "#TRD#");
}

TEST(CompiledBank, EveryPageIsAnArchiveWithItsPictures) {
    int pages = 0;
    int twins = 0;
    // The test bank's pictures have twins of twice the pixels, carried beside them.
    auto expectTwin = [&](const mht::Archive& archive, const std::string& reference) {
        const mht::Part* twin = archive.Resolve(mht::TwinReference(reference));
        ASSERT_NE(twin, nullptr) << reference;
        const auto size = skin::ReadPageImageSize(archive.Resolve(reference)->body);
        const auto twinSize = skin::ReadPageImageSize(twin->body);
        ASSERT_TRUE(size && twinSize) << reference;
        EXPECT_EQ(*twinSize, (skin::PixelSize{2 * size->width, 2 * size->height})) << reference;
        ++twins;
    };
    for (const int id : orbisk::testing::TestBank().pack().Ids()) {
        if (id < 10000 || id >= 30000) {
            continue;
        }
        ++pages;
        const mht::Archive archive = mht::Read(*orbisk::testing::TestBank().pack().Find(id));
        const std::string html = archive.RootText();
        ASSERT_EQ(archive.Root().contentType, "text/html") << id;
        EXPECT_EQ(html.find("<script"), std::string::npos);
        EXPECT_EQ(html.find("http"), std::string::npos) << id;
        ASSERT_NE(archive.Resolve("test-logo.png"), nullptr) << id;
        EXPECT_EQ(archive.Resolve("test-logo.png")->body.substr(1, 3), "PNG");
        expectTwin(archive, "test-logo.png");
        if (const auto cid = html.find("src=\"cid:"); cid != std::string::npos) {
            const auto end = html.find('"', cid + 5);
            ASSERT_NE(archive.Resolve(html.substr(cid + 5, end - cid - 5)), nullptr) << id;
            expectTwin(archive, html.substr(cid + 5, end - cid - 5));
        }
    }
    EXPECT_EQ(pages, 1022);
    EXPECT_EQ(twins, pages + 1) << "the logo's on every page, the question picture's on its page";
    const std::string withPicture =
        mht::Read(*orbisk::testing::TestBank().pack().Find(bank::QuestionId(3, 104, 2))).RootText();
    EXPECT_NE(withPicture.find("src=\"cid:picture20302@orbisk.example\""), std::string::npos);
}

TEST(CompiledBank, AWordOrderPageShowsItsWordsAndTheMarkToEndWith) {
    const std::string html =
        mht::Read(*orbisk::testing::TestBank().pack().Find(bank::QuestionId(3, 102, 5))).RootText();
    EXPECT_NE(html.find("<span class=\"word\">&nbsp;watermelon&nbsp;</span>"), std::string::npos);
    EXPECT_NE(html.find("End your sentence with a full stop: <b>.</b>"), std::string::npos) << html;
    EXPECT_EQ(html.find("Jane cut the watermelon"), std::string::npos)
        << "the page must not give the key away";
}

// The options a page links for each of its answers ("answer:K:N"): for K, the
// numbers N of its links.
std::map<int, std::set<int>> linkedOptions(const std::string& html) {
    std::map<int, std::set<int>> linked;
    const std::string mark = "href=\"answer:";
    for (auto at = html.find(mark); at != std::string::npos; at = html.find(mark, at + 1)) {
        int answer = 0;
        int option = 0;
        EXPECT_EQ(std::sscanf(html.c_str() + at + mark.size(), "%d:%d", &answer, &option), 2);
        linked[answer].insert(option);
    }
    return linked;
}

TEST(CompiledBank, EveryChoiceLinksTheOptionsItsCountSaysAndNothingElseLinks) {
    int choices = 0;
    for (const auto& [section, papers] : {std::pair{2, 50}, std::pair{3, 5}}) {
        for (int paper = 101; paper <= 100 + papers; ++paper) {
            const PaperTables tables = load(orbisk::testing::TestBank(), section, paper);
            std::size_t slot = 0;
            for (std::size_t q = 0; q < tables.questionIds.size(); ++q) {
                const std::string html =
                    mht::Read(*orbisk::testing::TestBank().pack().Find(std::stoi(tables.questionIds[q])))
                        .RootText();
                std::map<int, std::set<int>> linked = linkedOptions(html);
                for (int k = 1; k <= tables.answerCounts[q]; ++k, ++slot) {
                    const int count = tables.optionCounts[slot];
                    EXPECT_EQ(count > 0, tables.kinds[slot] == "Q") << tables.questionIds[q] << " slot " << k;
                    std::set<int> expected;
                    for (int n = 1; n <= count; ++n) {
                        expected.insert(n);
                    }
                    EXPECT_EQ(linked[k], expected) << tables.questionIds[q] << " answer " << k;
                    linked.erase(k);
                    choices += count > 0 ? 1 : 0;
                }
                EXPECT_TRUE(linked.empty()) << tables.questionIds[q] << " links an answer it does not have";
            }
        }
    }
    EXPECT_GT(choices, 0);
}

TEST(CompiledBank, ExplanationsBelongToAQuestionWhosePageDoesNotShowThem) {
    const ResourcePack& pack = orbisk::testing::TestBank().pack();
    int explained = 0;
    for (const int id : pack.Ids()) {
        if (id < ids::ExplanationId(10000) || id > ids::ExplanationId(24999)) {
            continue;
        }
        ++explained;
        const int question = id - ids::ExplanationId(0);
        ASSERT_TRUE(pack.Find(question)) << id << " explains no question";
        const std::string page = mht::Read(*pack.Find(question)).RootText();
        for (const std::string& text :
             explain::ParseExplanations(*pack.Find(id), bank::kMaxAnswersPerQuestion)) {
            EXPECT_TRUE(text.empty() || page.find(text) == std::string::npos)
                << question << " shows " << text;
        }
    }
    EXPECT_GT(explained, 0) << "the test bank explains some of its questions";
}

TEST(CompiledBank, EveryPackedPictureIsASkinPicture) {
    const auto ids = orbisk::testing::TestBank().pack().Ids();
    EXPECT_EQ(std::count_if(ids.begin(), ids.end(), [](int id) { return id >= 1 && id <= 92; }), 89);
}

} // namespace
} // namespace orbisk
