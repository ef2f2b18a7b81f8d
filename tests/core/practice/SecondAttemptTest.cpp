#include "PracticeFolder.h"
#include "core/formats/Records.h"

#include <gtest/gtest.h>

namespace orbisk::practice {
namespace {

using namespace orbisk::practice::testing;
using namespace std::chrono_literals;
using results::ResultsFile;

const Instant kStart = Instant{} + 500h;

void markFirstAttempt(const PracticeFolder& folder, int section, int paperNumber,
                      const std::function<std::string(const OpenPaper&, int)>& answer) {
    OpenPaper first = folder.Open(section, paperNumber);
    first.StartClock(kStart);
    AnswerEveryQuestion(first, [&](int slot) { return answer(first, slot); });
    ASSERT_TRUE(first.CompleteMarking(kStart + 10min, "08/12/2026").marked);
}

std::string keyOrWrong(const OpenPaper& paper, int slot, int right) {
    const std::string& key = paper.keys()[static_cast<std::size_t>(slot - 1)];
    return slot <= right ? key : WrongOption(key);
}

TEST(SecondAttempt, CarriesRightAnswersOverAndMarksOnlyTheRest) {
    PracticeFolder folder;
    markFirstAttempt(folder, 2, 101, [](const OpenPaper& p, int slot) { return keyOrWrong(p, slot, 26); });
    const results::Marks afterFirst = results::ReadMarks(folder.File(ResultsFile::Marks), 50);
    const std::string trend = ReadBytes(folder.File(ResultsFile::Trend));
    EXPECT_EQ(trend, "#TRD#>86.7\r\n");

    OpenPaper second = folder.Open(2, 101, Attempt::Second);
    EXPECT_FALSE(second.IsMarked());
    EXPECT_EQ(second.AnsweredCount(), 26);
    EXPECT_EQ(second.RemainingQuestions(), (std::vector<int>{27, 28, 29, 30}));
    EXPECT_TRUE(second.HasUnansweredSlot());
    const SheetFrame carried = second.Sheet().frames.front();
    EXPECT_EQ(carried.answer, second.keys()[0]);
    EXPECT_TRUE(carried.locked);
    EXPECT_TRUE(carried.tinted);
    EXPECT_TRUE(carried.firstVerdictShown);
    EXPECT_EQ(carried.firstVerdict, "Y");
    EXPECT_FALSE(carried.secondVerdictShown);
    EXPECT_FALSE(carried.keyShown);
    // A carried answer cannot be changed from the sheet.
    EXPECT_FALSE(second.SavePaper({"9"}).has_value());
    EXPECT_EQ(second.answers()[0], second.keys()[0]);

    second.ChooseQuestion(27, {});
    const SheetFrame open = second.Sheet().frames.front();
    EXPECT_FALSE(open.locked);
    EXPECT_FALSE(open.tinted);
    EXPECT_FALSE(open.firstVerdictShown);
    for (int q = 27; q <= 29; ++q) {
        second.ChooseQuestion(q + 1, {second.keys()[static_cast<std::size_t>(q - 1)]});
    }
    const MarkingStart start = second.BeginMarking({""});
    EXPECT_EQ(start.question, texts::kNotAllAnsweredQuestion);
    ASSERT_TRUE(second.CompleteMarking(kStart + 99h, "01/01/2030").marked);
    EXPECT_EQ(second.Scoring(), 29);
    EXPECT_EQ(second.PScoring(), "96.7");
    EXPECT_EQ(second.LTime(), "");

    // SSE and SST of the paper change; FSE, LTM, CDD, FST and the trend do not.
    results::Marks afterSecond = results::ReadMarks(folder.File(ResultsFile::Marks), 50);
    EXPECT_EQ(afterSecond.SSE[0], "96.7");
    EXPECT_EQ(afterSecond.SST[0], "1");
    EXPECT_EQ(afterSecond.FSE[0], "86.7");
    afterSecond.SSE[0] = afterFirst.SSE[0];
    afterSecond.SST[0] = afterFirst.SST[0];
    EXPECT_EQ(afterSecond.FSE, afterFirst.FSE);
    EXPECT_EQ(afterSecond.SSE, afterFirst.SSE);
    EXPECT_EQ(afterSecond.LTM, afterFirst.LTM);
    EXPECT_EQ(afterSecond.CDD, afterFirst.CDD);
    EXPECT_EQ(afterSecond.FST, afterFirst.FST);
    EXPECT_EQ(afterSecond.SST, afterFirst.SST);
    EXPECT_EQ(ReadBytes(folder.File(ResultsFile::Trend)), trend);

    // In review mode the one still wrong shows its key; the right ones show none.
    const SheetFrame wrong = second.Sheet().frames.front();
    EXPECT_EQ(second.QSCount(), 30);
    EXPECT_EQ(wrong.secondVerdict, "N");
    EXPECT_TRUE(wrong.secondVerdictShown);
    EXPECT_FALSE(wrong.firstVerdictShown);
    EXPECT_TRUE(wrong.keyShown);
    EXPECT_EQ(wrong.key, second.keys()[29]);
    second.ChooseQuestion(1, {});
    EXPECT_FALSE(second.Sheet().frames.front().keyShown);
    EXPECT_TRUE(second.Sheet().frames.front().tinted);

    const OpenPaper reopened = folder.Open(2, 101, Attempt::Second);
    EXPECT_TRUE(reopened.IsMarked());
    EXPECT_EQ(reopened.PScoring(), "96.7");
}

TEST(SecondAttempt, RightFirstAnswersComeBackOverASavedSecondAttempt) {
    PracticeFolder folder;
    markFirstAttempt(folder, 2, 146, [](const OpenPaper& p, int slot) { return keyOrWrong(p, slot, 5); });
    // A second attempt file that holds something else for slot 1 (written outside the sheet).
    {
        OpenPaper second = folder.Open(2, 146, Attempt::Second);
        EXPECT_EQ(second.RemainingQuestions(), (std::vector<int>{2, 3}));
    }
    std::vector<std::string> lines = records::ReadPaperRecords(folder.File(ResultsFile::Second), 50);
    lines[45] = "#146#>other" + std::string(14, '>');
    records::WriteLines(lines, folder.File(ResultsFile::Second));
    const OpenPaper again = folder.Open(2, 146, Attempt::Second);
    EXPECT_EQ(again.answers()[0], again.keys()[0]);
    EXPECT_EQ(again.results()[0], "Y");
}

// The home window counts a second attempt begun by the answers its file holds.
TEST(SecondAttempt, OpenedAndSavedUntouchedItWritesNothingThenItsFirstChangeWritesTheCarriedOverToo) {
    PracticeFolder folder;
    markFirstAttempt(folder, 2, 146, [](const OpenPaper& p, int slot) { return keyOrWrong(p, slot, 1); });
    const std::string before = ReadBytes(folder.File(ResultsFile::Second));
    OpenPaper second = folder.Open(2, 146, Attempt::Second);
    ASSERT_TRUE(second.IsCarriedOver(1));
    EXPECT_FALSE(second.SavePaper({second.answers()[0]}).has_value());
    EXPECT_EQ(ReadBytes(folder.File(ResultsFile::Second)), before);
    second.NextQuestion({second.answers()[0]});
    EXPECT_FALSE(second.SavePaper({"changed"}).has_value());
    const std::vector<std::string> stored =
        records::SplitRecord(records::ReadPaperRecords(folder.File(ResultsFile::Second), 50)[45], 15);
    EXPECT_EQ(stored[0], second.keys()[0]);
    EXPECT_EQ(stored[5], "changed");
}

TEST(SecondAttempt, ARightVerdictWhoseFirstAnswerIsGoneCarriesNothingOver) {
    PracticeFolder folder;
    markFirstAttempt(folder, 2, 146, [](const OpenPaper& p, int slot) { return keyOrWrong(p, slot, 5); });
    // The first answers' file set aside and started afresh; the verdicts stay.
    std::vector<std::string> lines = records::ReadPaperRecords(folder.File(ResultsFile::First), 50);
    lines[45] = "#146#" + std::string(15, '>');
    records::WriteLines(lines, folder.File(ResultsFile::First));
    const OpenPaper second = folder.Open(2, 146, Attempt::Second);
    EXPECT_FALSE(second.IsCarriedOver(1));
    EXPECT_FALSE(second.Sheet().frames.front().locked);
    EXPECT_EQ(second.AnsweredCount(), 0);
}

TEST(SecondAttempt, GroupedKeysShowWhatNobodyGave) {
    PracticeFolder folder;
    // Section 3, paper 103: colours (G, slots 1-3), pets (M, slots 4-5), a planet (G, slot 6).
    markFirstAttempt(folder, 3, 103, [](const OpenPaper&, int slot) { return slot == 6 ? "Mars" : "x"; });
    OpenPaper second = folder.Open(3, 103, Attempt::Second);
    EXPECT_EQ(second.RemainingQuestions(), (std::vector<int>{1, 2}));
    second.NextQuestion({"blue", "red", ""});
    second.NextQuestion({"x", "dog"});
    ASSERT_EQ(second.BeginMarking({}).next, MarkingStart::Next::Confirm);
    ASSERT_TRUE(second.CompleteMarking(kStart, "").marked);
    EXPECT_EQ(second.results(), (std::vector<std::string>{"Y", "Y", "N", "N", "Y", "Y"}));
    EXPECT_EQ(second.PScoring(), "66.7");

    second.ChooseQuestion(1, {});
    const AnswerSheet colours = second.Sheet();
    EXPECT_FALSE(colours.frames[0].keyShown);
    EXPECT_FALSE(colours.frames[1].keyShown);
    EXPECT_TRUE(colours.frames[2].keyShown);
    EXPECT_EQ(colours.frames[2].key, "green");
    second.ChooseQuestion(2, {});
    const AnswerSheet pets = second.Sheet();
    EXPECT_TRUE(pets.frames[0].keyShown);
    EXPECT_EQ(pets.frames[0].key, "cat"); // kind M: the first alternative
    EXPECT_FALSE(pets.frames[1].keyShown);
    EXPECT_EQ(results::ReadMarks(folder.File(ResultsFile::Marks, 3), 5).SSE[2], "66.7");
}

TEST(SecondAttempt, WithoutAMarkedFirstAttemptNothingIsCarried) {
    PracticeFolder folder;
    const OpenPaper second = folder.Open(2, 121, Attempt::Second);
    EXPECT_EQ(second.AnsweredCount(), 0);
    EXPECT_EQ(second.RemainingQuestions(), (std::vector<int>{1, 2, 3, 4}));
    EXPECT_FALSE(second.Sheet().frames.front().locked);
}

} // namespace
} // namespace orbisk::practice
