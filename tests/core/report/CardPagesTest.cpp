#include "core/report/CardPages.h"

#include <gtest/gtest.h>

namespace orbisk::report {
namespace {

// A card written as a pattern: 'x' a printed line, '.' a blank line.
std::vector<CardLine> Card(const std::string& pattern) {
    std::vector<CardLine> card;
    for (const char c : pattern) {
        card.push_back(c == '.' ? CardLine{} : CardLine{" ", "x"});
    }
    return card;
}

// The pages written back as a pattern: '|' between pages, '-' a blank line left out.
std::string Pages(const std::vector<CardLine>& card, const std::vector<LinePlace>& places) {
    std::string text;
    int page = 1;
    int row = 0;
    for (std::size_t i = 0; i < places.size(); ++i) {
        const LinePlace& place = places[i];
        if (place.page != page) {
            text += '|';
            page = place.page;
            row = 0;
        }
        if (!place.shown) {
            text += '-';
            continue;
        }
        EXPECT_EQ(place.row, row) << "line " << i;
        ++row;
        text += card[i].empty() ? '.' : 'x';
    }
    return text;
}

struct PageCase {
    const char* name;
    const char* card;
    int linesPerPage;
    const char* pages;
    int count;
};

class CardPaging : public ::testing::TestWithParam<PageCase> {};

TEST_P(CardPaging, BlocksStayWholeAndPagesStartWithText) {
    const PageCase& c = GetParam();
    const std::vector<CardLine> card = Card(c.card);
    const std::vector<LinePlace> places = PaginateCard(card, c.linesPerPage);
    ASSERT_EQ(places.size(), card.size());
    EXPECT_EQ(Pages(card, places), c.pages);
    EXPECT_EQ(PageCount(places), c.count);
}

INSTANTIATE_TEST_SUITE_P(
    ResultsCard, CardPaging,
    ::testing::Values(
        PageCase{"fits_on_one_page", "..x..xxx", 8, "..x..xxx", 1},
        PageCase{"block_that_would_straddle_moves_whole", "..x..xxx", 6, "..x..|xxx", 2},
        PageCase{"blank_lines_at_the_top_of_a_later_page_left_out", "xxxx..xx", 4, "xxxx|--xx", 2},
        PageCase{"blank_lines_of_the_first_page_kept", "..xx", 4, "..xx", 1},
        PageCase{"block_longer_than_a_page_fills_on_from_where_it_is", "x.xxxxx", 3, "x.x|xxx|x", 3},
        PageCase{"exactly_full_page", "xx.xx", 5, "xx.xx", 1},
        PageCase{"trailing_blanks_make_no_page", "xxx..", 3, "xxx|--", 1},
        PageCase{"at_least_one_line_a_page", "x.x", 0, "x|-x", 2}, PageCase{"empty_card", "", 10, "", 1}),
    [](const auto& test) { return std::string(test.param.name); });

TEST(CardPaging, TenTopicsKeepEveryTopicBlockOnOnePage) {
    config::SectionConfig section;
    section.topicCount = 10;
    section.paperCount = 50;
    for (int t = 1; t <= 10; ++t) {
        section.topicNames.push_back("Topic " + std::to_string(t));
    }
    const std::vector<std::string> none(50);
    const std::vector<CardLine> card =
        ComposeResultsCard("Title", {none, none, none, none, none, none, {}}, section);
    const std::vector<LinePlace> places = PaginateCard(card, 40);
    int topics = 0;
    for (std::size_t i = 0; i < card.size(); ++i) {
        if (card[i].size() > 2 && card[i][1] == "Papers") {
            ++topics;
            // From the topic's name (two lines up) to its fifth paper (seven down).
            EXPECT_EQ(places[i - 2].page, places[i + 7].page) << card[i - 2][1];
        }
    }
    EXPECT_EQ(topics, 10);
    EXPECT_EQ(PageCount(places), 4); // two topics under the title, then three a page
}

} // namespace
} // namespace orbisk::report
