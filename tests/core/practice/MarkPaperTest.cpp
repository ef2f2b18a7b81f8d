#include "PracticeFolder.h"
#include "core/Errors.h"
#include "core/formats/Records.h"
#include "core/io/FileIO.h"

#include <gtest/gtest.h>

namespace orbisk::practice {
namespace {

using namespace orbisk::practice::testing;
using namespace std::chrono_literals;
using results::ResultsFile;

const Instant kStart = Instant{} + 1000h;

/// Answers slots 1..right with the key and the rest with a wrong option (a paper of kind Q).
std::function<std::string(int)> rightUpTo(const OpenPaper& paper, int right) {
    return [&paper, right](int slot) {
        const std::string& key = paper.keys()[static_cast<std::size_t>(slot - 1)];
        return slot <= right ? key : WrongOption(key);
    };
}

/// Makes every atomic write of @p target fail before its rename, while it lives.
class FailingWrites final {
public:
    explicit FailingWrites(std::vector<std::filesystem::path> targets, int allowed = 0) {
        files::testing::SetBeforeRenameHook([targets = std::move(targets), allowed,
                                             count = 0](const std::filesystem::path& temporary) mutable {
            for (const auto& target : targets) {
                if (temporary == files::TemporaryPathFor(target) && count++ >= allowed) {
                    throw WriteError(target, "the disk is full (simulated)", 28);
                }
            }
        });
    }
    ~FailingWrites() { files::testing::SetBeforeRenameHook({}); }
    FailingWrites(const FailingWrites&) = delete;
    FailingWrites& operator=(const FailingWrites&) = delete;
};

std::string record(const std::filesystem::path& file, int paper) {
    return records::ReadPaperRecords(file, 50)[static_cast<std::size_t>(paper - 101)];
}

TEST(MarkPaper, FirstAttemptWritesResultsMarksAndTrendInTurn) {
    PracticeFolder folder;
    OpenPaper paper = folder.Open(2, 112);
    paper.StartClock(kStart);
    AnswerEveryQuestion(paper, rightUpTo(paper, 27));
    const MarkingStart start = paper.BeginMarking(SheetOf(paper, 30, rightUpTo(paper, 27)));
    ASSERT_EQ(start.next, MarkingStart::Next::Confirm);
    EXPECT_EQ(start.question, texts::kMarkNowQuestion);
    EXPECT_EQ(paper.RightOutOf(), "") << "nothing is right before marking";
    EXPECT_FALSE(paper.ListedQuestions().wrongAnswers);

    const MarkingOutcome outcome = paper.CompleteMarking(kStart + 12min + 5s, "08/12/2026");
    ASSERT_TRUE(outcome.marked);
    EXPECT_TRUE(paper.IsMarked());
    EXPECT_EQ(paper.Scoring(), 27);
    EXPECT_EQ(paper.PScoring(), "90");
    EXPECT_EQ(paper.RightOutOf(), "27 / 30");
    EXPECT_TRUE(paper.ListedQuestions().wrongAnswers);
    EXPECT_EQ(paper.ListedQuestions().questions, (std::vector<int>{28, 29, 30}));
    EXPECT_EQ(paper.LTime(), "0:12:5");
    EXPECT_EQ(paper.ETime(), "08/12/2026");
    const results::Marks marks = results::ReadMarks(folder.File(ResultsFile::Marks), 50);
    EXPECT_EQ(marks.FSE[11], "90");
    EXPECT_EQ(marks.LTM[11], "0:12:5");
    EXPECT_EQ(marks.CDD[11], "08/12/2026");
    EXPECT_EQ(marks.FST[11], "1");
    EXPECT_EQ(marks.SSE[11], "");
    EXPECT_EQ(marks.SST[11], "0");
    EXPECT_EQ(marks.FST[10], "0");
    EXPECT_EQ(ReadBytes(folder.File(ResultsFile::Trend)), "#TRD#>90\r\n");
    std::string verdicts = "#112#";
    for (int slot = 1; slot <= 30; ++slot) {
        verdicts += slot <= 27 ? ">Y" : ">N";
    }
    EXPECT_EQ(record(folder.File(ResultsFile::FResults), 112), verdicts);

    // Marked once: a second Mark asks nothing and writes nothing.
    const std::string trend = ReadBytes(folder.File(ResultsFile::Trend));
    EXPECT_EQ(paper.BeginMarking({"4"}).next, MarkingStart::Next::ReviewMode);
    EXPECT_TRUE(paper.CompleteMarking(kStart + 1h, "09/12/2026").marked);
    EXPECT_EQ(ReadBytes(folder.File(ResultsFile::Trend)), trend);
    EXPECT_EQ(results::ReadMarks(folder.File(ResultsFile::Marks), 50).CDD[11], "08/12/2026");

    const OpenPaper again = folder.Open(2, 112);
    EXPECT_TRUE(again.IsMarked());
    EXPECT_EQ(again.PScoring(), "90");
    EXPECT_EQ(again.LTime(), "0:12:5");
    EXPECT_EQ(again.Sheet().frames.front().firstVerdict, "Y");
    EXPECT_TRUE(again.Sheet().frames.front().firstVerdictShown);
}

TEST(MarkPaper, SpacingKindsAnsweredWithExtraSpacesAreRightThroughAWholePaper) {
    PracticeFolder folder;
    OpenPaper paper = folder.Open(3, 102); // numbers, then kinds R, F and X, then a sentence
    const auto spacing = [&paper](int slot) {
        const std::string& kind = paper.kinds()[static_cast<std::size_t>(slot - 1)];
        return kind == "R" || kind == "F" || kind == "X";
    };
    // The key with every space doubled and spaces around it.
    const auto answer = [&paper, &spacing](int slot) {
        const std::string& key = paper.keys()[static_cast<std::size_t>(slot - 1)];
        if (!spacing(slot)) {
            return key;
        }
        std::string spaced = "  ";
        for (const char c : key) {
            spaced += c == ' ' ? std::string("  ") : std::string(1, c);
        }
        return spaced + " ";
    };
    AnswerEveryQuestion(paper, answer);
    ASSERT_EQ(paper.BeginMarking(SheetOf(paper, paper.QSCount(), answer)).next, MarkingStart::Next::Confirm);
    ASSERT_TRUE(paper.CompleteMarking(kStart, "08/12/2026").marked);
    int checked = 0;
    for (int slot = 1; slot <= static_cast<int>(paper.results().size()); ++slot) {
        if (spacing(slot)) {
            EXPECT_EQ(paper.results()[static_cast<std::size_t>(slot - 1)], "Y") << "slot " << slot;
            ++checked;
        }
    }
    EXPECT_EQ(checked, 4);
}

struct AskCase {
    const char* name;
    const char* lastAnswer;
    std::string_view question;
    bool noFirst; ///< marking with answers missing cannot be taken back: No is offered first
};

class MarkingQuestion : public ::testing::TestWithParam<AskCase> {};

TEST_P(MarkingQuestion, CountsOnlyTheEmptyTextAsUnanswered) {
    PracticeFolder folder;
    OpenPaper paper = folder.Open(2, 146);
    AnswerEveryQuestion(paper, [](int slot) { return slot == 15 ? "" : "1"; });
    const MarkingStart start = paper.BeginMarking({"1", "1", "1", "1", GetParam().lastAnswer});
    EXPECT_EQ(start.next, MarkingStart::Next::Confirm);
    EXPECT_EQ(start.question, GetParam().question);
    EXPECT_EQ(start.offerNoFirst, GetParam().noFirst);
}

INSTANTIATE_TEST_SUITE_P(MarkPaper, MarkingQuestion,
                         ::testing::Values(AskCase{"one_empty", "", texts::kNotAllAnsweredQuestion, true},
                                           AskCase{"only_spaces", " ", texts::kMarkNowQuestion, false},
                                           AskCase{"all_answered", "2", texts::kMarkNowQuestion, false}),
                         [](const auto& test) { return std::string(test.param.name); });

TEST(MarkPaper, DecliningChangesNothingButTheAnswers) {
    PracticeFolder folder;
    OpenPaper paper = folder.Open(2, 101);
    const std::string results = ReadBytes(folder.File(ResultsFile::FResults));
    const std::string marks = ReadBytes(folder.File(ResultsFile::Marks));
    const std::string trend = ReadBytes(folder.File(ResultsFile::Trend));
    EXPECT_EQ(paper.BeginMarking({"3"}).question, texts::kNotAllAnsweredQuestion);
    // The learner says No: nothing more happens.
    EXPECT_EQ(record(folder.File(ResultsFile::First), 101).substr(0, 9), "#101#>3>>");
    EXPECT_EQ(ReadBytes(folder.File(ResultsFile::FResults)), results);
    EXPECT_EQ(ReadBytes(folder.File(ResultsFile::Marks)), marks);
    EXPECT_EQ(ReadBytes(folder.File(ResultsFile::Trend)), trend);
    EXPECT_FALSE(paper.IsMarked());
}

TEST(MarkPaper, AnswersThatCannotBeWrittenStopTheMarkingBeforeAsking) {
    PracticeFolder folder;
    OpenPaper paper = folder.Open(2, 101);
    FailingWrites failing({folder.File(ResultsFile::First)});
    const MarkingStart start = paper.BeginMarking({"3"});
    EXPECT_EQ(start.next, MarkingStart::Next::Stop);
    ASSERT_TRUE(start.failure.has_value());
    EXPECT_EQ(start.failure->file, ResultsFile::First);
    EXPECT_EQ(paper.answers()[0], "3"); // kept in memory for the next write
}

TEST(MarkPaper, MarkingChangesOnlyItsOwnPapersMarksAndVerdicts) {
    PracticeFolder folder;
    OpenPaper paper = folder.Open(2, 146);
    AnswerEveryQuestion(paper, [](int) { return "1"; });
    // Another paper marked meanwhile (or an erase since the paper opened).
    results::Marks marks = results::ReadMarks(folder.File(ResultsFile::Marks), 50);
    marks.FSE[1] = "55";
    marks.FST[1] = "1";
    results::WriteMarks(folder.File(ResultsFile::Marks), marks, 50);
    ASSERT_TRUE(paper.CompleteMarking(kStart, "08/12/2026").marked);
    const results::Marks after = results::ReadMarks(folder.File(ResultsFile::Marks), 50);
    EXPECT_EQ(after.FSE[1], "55");
    EXPECT_EQ(after.FST[1], "1");
    EXPECT_EQ(after.FST[45], "1");
    EXPECT_FALSE(std::filesystem::exists(results::MarkingJournalPath(folder.path())));
}

struct FailedWriteCase {
    const char* name;
    ResultsFile failing;
};

class FailedMarking : public ::testing::TestWithParam<FailedWriteCase> {};

TEST_P(FailedMarking, LeavesThePaperMarkableAndASecondMarkCompletesIt) {
    PracticeFolder folder;
    OpenPaper paper = folder.Open(2, 101);
    paper.StartClock(kStart);
    AnswerEveryQuestion(paper, rightUpTo(paper, 27));
    const std::string marks = ReadBytes(folder.File(ResultsFile::Marks));
    const std::string trend = ReadBytes(folder.File(ResultsFile::Trend));
    const std::string verdicts = ReadBytes(folder.File(ResultsFile::FResults));
    {
        FailingWrites failing({folder.File(GetParam().failing)});
        ASSERT_EQ(paper.BeginMarking({paper.keys()[29]}).next, MarkingStart::Next::Confirm);
        const MarkingOutcome outcome = paper.CompleteMarking(kStart + 1min, "08/12/2026");
        EXPECT_FALSE(outcome.marked);
        ASSERT_TRUE(outcome.failure.has_value());
        EXPECT_EQ(outcome.failure->file, GetParam().failing);
        EXPECT_EQ(outcome.failure->path, folder.File(GetParam().failing));
        EXPECT_TRUE(outcome.marksFileRestored);
    }
    // On disk the paper is unmarked and the trend has no value; in memory it still answers.
    EXPECT_EQ(ReadBytes(folder.File(ResultsFile::Marks)), marks);
    EXPECT_EQ(ReadBytes(folder.File(ResultsFile::Trend)), trend);
    if (GetParam().failing == ResultsFile::FResults) {
        EXPECT_EQ(ReadBytes(folder.File(ResultsFile::FResults)), verdicts);
    }
    EXPECT_FALSE(paper.IsMarked());
    EXPECT_EQ(paper.PScoring(), "");
    EXPECT_FALSE(folder.Open(2, 101).IsMarked()); // reopened, it can still be marked

    ASSERT_EQ(paper.BeginMarking({paper.keys()[29]}).next, MarkingStart::Next::Confirm);
    ASSERT_TRUE(paper.CompleteMarking(kStart + 2min, "08/12/2026").marked);
    EXPECT_EQ(ReadBytes(folder.File(ResultsFile::Trend)), "#TRD#>93.3\r\n");
    const results::Marks after = results::ReadMarks(folder.File(ResultsFile::Marks), 50);
    EXPECT_EQ(after.FST[0], "1");
    EXPECT_EQ(after.LTM[0], "0:2:0");
}

INSTANTIATE_TEST_SUITE_P(MarkPaper, FailedMarking,
                         ::testing::Values(FailedWriteCase{"result_file", ResultsFile::FResults},
                                           FailedWriteCase{"marks_file", ResultsFile::Marks},
                                           FailedWriteCase{"trend_file", ResultsFile::Trend}),
                         [](const auto& test) { return std::string(test.param.name); });

// A real read-only file, not a simulated failure: it is refused like a full
// disk, and marking puts the marks back.
TEST(MarkPaper, AReadOnlyTrendFileLeavesThePaperUnmarkedAndTheMarksAsTheyWere) {
    PracticeFolder folder;
    OpenPaper paper = folder.Open(2, 101);
    paper.StartClock(kStart);
    AnswerEveryQuestion(paper, rightUpTo(paper, 27));
    const std::string marks = ReadBytes(folder.File(ResultsFile::Marks));
    const std::string trend = ReadBytes(folder.File(ResultsFile::Trend));
    std::filesystem::permissions(folder.File(ResultsFile::Trend), std::filesystem::perms::owner_read);
    ASSERT_EQ(paper.BeginMarking({paper.keys()[29]}).next, MarkingStart::Next::Confirm);
    const MarkingOutcome outcome = paper.CompleteMarking(kStart + 1min, "08/12/2026");
    EXPECT_FALSE(outcome.marked);
    ASSERT_TRUE(outcome.failure.has_value());
    EXPECT_EQ(outcome.failure->path, folder.File(ResultsFile::Trend));
    EXPECT_TRUE(outcome.marksFileRestored);
    EXPECT_EQ(ReadBytes(folder.File(ResultsFile::Marks)), marks);
    EXPECT_EQ(ReadBytes(folder.File(ResultsFile::Trend)), trend);
    EXPECT_FALSE(paper.IsMarked());
}

TEST(MarkPaper, AnEarlierMarkingLeftForTheNextStartIsNotOverwritten) {
    PracticeFolder folder;
    const std::filesystem::path journal =
        results::MarkingJournalPath(folder.File(ResultsFile::Marks).parent_path());
    orbisk::testing::WriteBytes(journal, "an earlier marking, waiting for the next start");
    OpenPaper paper = folder.Open(2, 101);
    AnswerEveryQuestion(paper, rightUpTo(paper, 27));
    const std::string marks = ReadBytes(folder.File(ResultsFile::Marks));
    ASSERT_EQ(paper.BeginMarking({paper.keys()[29]}).next, MarkingStart::Next::Confirm);
    const MarkingOutcome outcome = paper.CompleteMarking(kStart + 1min, "08/12/2026");
    EXPECT_FALSE(outcome.marked);
    EXPECT_TRUE(outcome.earlierMarkingWaits);
    EXPECT_EQ(ReadBytes(journal), "an earlier marking, waiting for the next start");
    EXPECT_EQ(ReadBytes(folder.File(ResultsFile::Marks)), marks);
}

TEST(MarkPaper, TrendAndMarksBothFailingAreStillCompletedByTheNextMark) {
    PracticeFolder folder;
    OpenPaper paper = folder.Open(2, 146);
    AnswerEveryQuestion(paper, [](int) { return "1"; });
    {
        // The marks file is written once (the marking), then refused (putting it back).
        FailingWrites failing({folder.File(ResultsFile::Trend), folder.File(ResultsFile::Marks)}, 1);
        const MarkingOutcome outcome = paper.CompleteMarking(kStart, "08/12/2026");
        ASSERT_TRUE(outcome.failure.has_value());
        EXPECT_EQ(outcome.failure->file, ResultsFile::Trend);
        EXPECT_FALSE(outcome.marksFileRestored);
    }
    EXPECT_FALSE(paper.IsMarked());
    ASSERT_TRUE(paper.CompleteMarking(kStart, "08/12/2026").marked);
    const std::string trend = ReadBytes(folder.File(ResultsFile::Trend));
    EXPECT_EQ(std::count(trend.begin(), trend.end(), '>'), 1) << trend;
}

struct ClockCase {
    const char* name;
    std::chrono::milliseconds elapsed;
    const char* text;
};

class Clock : public ::testing::TestWithParam<ClockCase> {};

TEST_P(Clock, ReadsHoursMinutesSecondsAndTheTimeTakenAlike) {
    PracticeFolder folder;
    OpenPaper paper = folder.Open(2, 146);
    paper.StartClock(kStart);
    EXPECT_EQ(paper.ClockText(kStart + GetParam().elapsed), GetParam().text);
    ASSERT_TRUE(paper.CompleteMarking(kStart + GetParam().elapsed, "08/12/2026").marked);
    EXPECT_EQ(paper.LTime(), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(MarkPaper, Clock,
                         ::testing::Values(ClockCase{"at_once", 999ms, "0:0:0"},
                                           ClockCase{"65_seconds", 65s, "0:1:5"}),
                         [](const auto& test) { return std::string(test.param.name); });

} // namespace
} // namespace orbisk::practice
