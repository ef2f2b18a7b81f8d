#include "core/results/ResultsTemplates.h"

#include "core/formats/Records.h"
#include "core/results/ResultsStore.h"

#include <gtest/gtest.h>

namespace orbisk::results {
namespace {

TEST(ResultsTemplates, MarksHoldSixRecordsWithTheStatesAtZero) {
    EXPECT_EQ(MarksTemplate(3), "...\r\n#FSE#>>>\r\n#SSE#>>>\r\n#LTM#>>>\r\n#CDD#>>>\r\n"
                                "#FST#>0>0>0\r\n#SST#>0>0>0\r\n...\r\n");
}

TEST(ResultsTemplates, MarksReadBackAsUnmarkedPapers) {
    const records::RecordText text("marks", MarksTemplate(50));
    for (const std::string_view key : kMarksKeys) {
        const auto values = records::ReadRecordValues(text, key, 50);
        const bool state = key == kFirstStateKey || key == kSecondStateKey;
        EXPECT_EQ(values, std::vector<std::string>(50, state ? "0" : "")) << key;
    }
}

TEST(ResultsTemplates, PaperRecordsHoldOneEmptyValuePerAnswerSlot) {
    EXPECT_EQ(PaperRecordsTemplate({1, 3}), "...\r\n#101#>\r\n#102#>>>\r\n...\r\n");
    const std::vector<int> slots{30, 50, 15};
    const auto records =
        records::ReadPaperRecords(records::RecordText("first", PaperRecordsTemplate(slots)), 3);
    for (std::size_t i = 0; i < slots.size(); ++i) {
        EXPECT_EQ(records::SplitRecord(records[i], slots[i]), std::vector<std::string>(slots[i]));
    }
}

TEST(ResultsTemplates, TheTrendIsItsKeyAloneWithoutALineEnd) {
    EXPECT_EQ(TrendTemplate(), "#TRD#");
    EXPECT_EQ(records::ReadRecordLine(records::RecordText("trend", TrendTemplate()), kTrendKey), "#TRD#");
}

TEST(ResultsTemplates, ASectionHasSixUnderItsOwnNumbers) {
    const auto templates = SectionTemplates(2, {1, 1, 1, 1, 1});
    ASSERT_EQ(templates.size(), 6u);
    EXPECT_EQ(templates.begin()->first, 30121);
    EXPECT_EQ(templates.rbegin()->first, 30126);
    EXPECT_EQ(templates.at(TemplateId(ResultsFile::First, 2)),
              templates.at(TemplateId(ResultsFile::SResults, 2)));
}

} // namespace
} // namespace orbisk::results
