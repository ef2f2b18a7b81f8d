#include "core/report/ResultsCard.h"

#include <gtest/gtest.h>

namespace orbisk::report {
namespace {

// --------------------------------------------------------------- print zones

struct ZoneCase {
    const char* name;
    std::vector<std::string> items;
    std::vector<int> zones;
};

class Zones : public ::testing::TestWithParam<ZoneCase> {};

TEST_P(Zones, NextItemGoesToTheFollowingFreeZone) {
    const auto placed = PlaceInZones(GetParam().items);
    std::vector<int> zones;
    for (const ZonedItem& item : placed) {
        zones.push_back(item.zone);
    }
    EXPECT_EQ(zones, GetParam().zones);
}

INSTANTIATE_TEST_SUITE_P(
    PrintZones, Zones,
    ::testing::Values(
        ZoneCase{"headings",
                 {" ", "Papers", " ", "First take", "Time taken", "Date", " ", "Second take"},
                 {1, 2, 3, 4, 5, 6, 7, 8}},
        ZoneCase{"long_topic_name_pushes_one_zone", {" ", "Vocabulary Cloze (2)", "next"}, {1, 2, 4}},
        ZoneCase{"thirteen_columns_fit", {"abcdefghijklm", "next"}, {1, 2}},
        ZoneCase{"fourteen_columns_fill_the_zone", {"abcdefghijklmn", "next"}, {1, 3}},
        ZoneCase{"empty_items_keep_their_zone", {"", "", "x"}, {1, 2, 3}},
        ZoneCase{"rule_spans_nine_zones", {" ", std::string(128, '-'), "x"}, {1, 2, 12}},
        // Characters, not bytes: "é" is two bytes.
        ZoneCase{"accented_thirteen_fit", {"Café au lait!", "x"}, {1, 2}},
        ZoneCase{"accented_fourteen_fill", {"Café au lait!!", "x"}, {1, 3}}),
    [](const auto& test) { return std::string(test.param.name); });

TEST(PrintZones, APrinterFontMeasuresTheItems) {
    // A font whose characters are 1.5 average columns wide pushes "Papers" (9 columns)
    // no further, but a ten-character item (15 columns) one zone on.
    const auto wide = [](std::string_view text) { return 1.5 * CountColumns(text); };
    const auto placed = PlaceInZones({" ", "Papers", "First take", "x"}, wide);
    EXPECT_EQ(placed[2].zone, 3);
    EXPECT_EQ(placed[3].zone, 5);
}

TEST(PrintZones, RenderedLinePutsEachItemAtItsZone) {
    // Items at columns 0, 14, 28, 42, 56, 70, 84 and 98.
    EXPECT_EQ(RenderZonedLine(PlaceInZones({" ", "Paper 3", " ", "86.7%", "0:12:5", "30/12/2005", " ", "%"})),
              std::string(14, ' ') + "Paper 3" + std::string(21, ' ') + "86.7%" + std::string(9, ' ') +
                  "0:12:5" + std::string(8, ' ') + "30/12/2005" + std::string(18, ' ') + "%");
}

// --------------------------------------------------------------- the card

const std::vector<std::string> kNames{
    "Grammar (1)", "Grammar (2)",          "Vocabulary (1)", "Vocabulary (2)",        "Cloze (1)",
    "Cloze (2)",   "Vocabulary Cloze (1)", "Word Order",     "Comprehension MCQ (1)", "Vocabulary Cloze (2)"};

results::Marks emptyMarks() {
    results::Marks marks;
    for (auto* list : {&marks.FSE, &marks.SSE, &marks.LTM, &marks.CDD}) {
        list->assign(50, "");
    }
    return marks;
}

const CardLine kHeadings{" ", "Papers", " ", "First take", "Time taken", "Date", " ", "Second take"};
const CardLine kScoreLine{" ", " ", " ", "score", " ", " ", " ", "score"};

class CardBlocks : public ::testing::TestWithParam<int> {};

TEST_P(CardBlocks, TitleBlockThenOneBlockOfFivePapersPerTopic) {
    const int topics = GetParam();
    results::Marks marks = emptyMarks();
    marks.FSE[12] = "86.7";
    marks.LTM[12] = "0:12:5";
    marks.CDD[12] = "30/12/2005";
    const auto card =
        ComposeResultsCard("Orbisk English Practice", marks, {2, "Practice", topics, 50, kNames});
    ASSERT_EQ(card.size(), static_cast<std::size_t>(5 + 12 * topics));
    EXPECT_EQ(card[2], (CardLine{" ", "Orbisk English Practice"}));
    for (const std::size_t blank : {0U, 1U, 3U, 4U}) {
        EXPECT_TRUE(card[blank].empty());
    }
    for (int t = 1; t <= topics; ++t) {
        const auto at = static_cast<std::size_t>(5 + 12 * (t - 1));
        EXPECT_TRUE(card[at].empty() && card[at + 1].empty()) << t;
        EXPECT_EQ(card[at + 2], (CardLine{" ", kNames[static_cast<std::size_t>(t - 1)]}));
        EXPECT_EQ(card[at + 3], (CardLine{" ", kCardRule}));
        EXPECT_EQ(card[at + 4], kHeadings);
        EXPECT_EQ(card[at + 5], kScoreLine);
        EXPECT_EQ(card[at + 6], (CardLine{" ", kCardRule}));
        for (int p = 1; p <= 5; ++p) {
            const CardLine& line = card[at + 6 + static_cast<std::size_t>(p)];
            const bool taken = t == 3 && p == 3; // slot 13
            EXPECT_EQ(line, (CardLine{" ", "Paper " + std::to_string(p), " ", taken ? "86.7%" : "%",
                                      taken ? "0:12:5" : "", taken ? "30/12/2005" : "", " ", "%"}))
                << t << "/" << p;
            std::vector<int> zones;
            for (const ZonedItem& item : PlaceInZones(line)) {
                zones.push_back(item.zone);
            }
            EXPECT_EQ(zones, (std::vector<int>{1, 2, 3, 4, 5, 6, 7, 8}));
        }
    }
}

INSTANTIATE_TEST_SUITE_P(ResultsCard, CardBlocks, ::testing::Values(0, 1, 3, 10));

TEST(ResultsCard, RendersAsFixedWidthText) {
    results::Marks marks = emptyMarks();
    marks.FSE[0] = "86.7";
    marks.LTM[0] = "0:12:5";
    marks.CDD[0] = "30/12/2005";
    marks.SSE[0] = "100";
    marks.FSE[4] = "40";
    marks.LTM[4] = "1:2:3";
    marks.CDD[4] = "Wednesday 31 December 2008"; // a long date pushes the second score one zone on
    const std::string rule = " " + std::string(13, ' ') + kCardRule;
    // clang-format off
    const std::vector<std::string> expected{
        "",
        "",
        "              Orbisk",
        "",
        "",
        "",
        "",
        "              Word Order",
        rule,
        "              Papers                      First take    Time taken    Date                        Second take",
        "                                          score                                                   score",
        rule,
        "              Paper 1                     86.7%         0:12:5        30/12/2005                  100%",
        "              Paper 2                     %                                                       %",
        "              Paper 3                     %                                                       %",
        "              Paper 4                     %                                                       %",
        "              Paper 5                     40%           1:2:3         Wednesday 31 December 2008                %",
    };
    // clang-format on
    std::string text;
    for (const std::string& line : expected) {
        text += line + "\n";
    }
    EXPECT_EQ(RenderResultsCard(ComposeResultsCard("Orbisk", marks, {2, "Practice", 1, 5, {"Word Order"}})),
              text);
}

TEST(ResultsCard, MissingValuesPrintAsNotTaken) {
    results::Marks marks; // no values at all
    const auto card = ComposeResultsCard("T", marks, {2, "Practice", 1, 5, {}});
    EXPECT_EQ(card[7], (CardLine{" ", ""}));
    EXPECT_EQ(card[12], (CardLine{" ", "Paper 1", " ", "%", "", "", " ", "%"}));
}

} // namespace
} // namespace orbisk::report
