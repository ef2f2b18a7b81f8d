#include "PracticeFolder.h"
#include "core/Errors.h"
#include "core/formats/Records.h"
#include "core/practice/PaperLoading.h"
#include "core/product/ResourceIds.h"
#include "core/product/SectionTables.h"

#include <cerrno>
#include <functional>
#include <gtest/gtest.h>
#include <map>
#include <optional>
#include <set>
#include <sys/stat.h>

namespace orbisk::practice {
namespace {

using namespace orbisk::practice::testing;
using results::ResultsFile;

std::vector<std::string> fileLines(const std::filesystem::path& path) {
    std::vector<std::string> lines;
    const std::string bytes = ReadBytes(path);
    std::size_t start = 0;
    while (start < bytes.size()) {
        const std::size_t end = bytes.find("\r\n", start);
        lines.push_back(bytes.substr(start, end - start));
        start = end == std::string::npos ? bytes.size() : end + 2;
    }
    return lines;
}

struct ShapeCase {
    const char* name;
    int section;
    int paper;
    int questions;
    int slots;
    long long totalMarks;
    const char* caption;
    int framesAtFirst;
    bool sentence;
};

class PaperShapes : public ::testing::TestWithParam<ShapeCase> {};

TEST_P(PaperShapes, OpenAtQuestionOneWithOnlyItsPageFileWritten) {
    const ShapeCase& c = GetParam();
    PracticeFolder folder;
    const std::size_t files = folder.Names().size();
    const OpenPaper paper = folder.Open(c.section, c.paper);
    EXPECT_EQ(paper.QuestionCount(), c.questions);
    EXPECT_EQ(paper.AnswerSlots(), c.slots);
    EXPECT_EQ(paper.totalMarks(), c.totalMarks);
    EXPECT_EQ(paper.Caption(), c.caption);
    EXPECT_EQ(paper.QSCount(), 1);
    EXPECT_EQ(paper.QuestionTitle(), "Question 1");
    EXPECT_FALSE(paper.IsMarked());
    EXPECT_EQ(paper.answers(), std::vector<std::string>(static_cast<std::size_t>(c.slots)));
    const AnswerSheet sheet = paper.Sheet();
    EXPECT_EQ(static_cast<int>(sheet.frames.size()), c.framesAtFirst);
    EXPECT_EQ(sheet.sentenceLayout, c.sentence);
    // The one file written is question 1's page, byte for byte.
    const int id = bank::QuestionId(c.section, c.paper, 1);
    EXPECT_EQ(folder.Names().size(), files + 1);
    EXPECT_EQ(folder.PageFiles(), std::vector<std::string>{QuestionPageName(id)});
    ASSERT_TRUE(paper.Page().ok());
    EXPECT_EQ(paper.Page().path, folder.path() / QuestionPageName(id));
    EXPECT_EQ(ReadBytes(paper.Page().path), *TestBank().pack().Find(id));
}

TEST(OpenPaper, AReadOnlyLeftoverPageFileIsReplaced) {
    PracticeFolder folder;
    const auto page = folder.path() / QuestionPageName(bank::QuestionId(2, 101, 1));
    orbisk::testing::WriteBytes(page, "left by a copy that was killed");
    std::filesystem::permissions(page, std::filesystem::perms::owner_read);
    const OpenPaper paper = folder.Open(2, 101);
    ASSERT_TRUE(paper.Page().ok());
    EXPECT_EQ(ReadBytes(page), *TestBank().pack().Find(bank::QuestionId(2, 101, 1)));
}

INSTANTIATE_TEST_SUITE_P(
    OpenPaper, PaperShapes,
    ::testing::Values(
        ShapeCase{"choice_101", 2, 101, 30, 30, 30, "Grammar (1) - Paper 1", 1, false},
        ShapeCase{"cloze_128", 2, 128, 5, 50, 50, "Grammar Cloze (2) - Paper 3", 10, false},
        ShapeCase{"comprehension_146", 2, 146, 3, 15, 15, "Comprehension MCQ - Paper 1", 5, false},
        ShapeCase{"word_order_143", 2, 143, 40, 40, 40, "Word Order - Paper 3", 1, true},
        ShapeCase{"sixteen_then_twenty_slots", 3, 101, 3, 37, 37, "Rare Kinds - Paper 1", 16, false},
        ShapeCase{"weighted_answers", 3, 104, 2, 6, 11, "Rare Kinds - Paper 4", 5, false},
        ShapeCase{"eighty_answers", 3, 105, 4, 80, 80, "Rare Kinds - Paper 5", 20, false}),
    [](const auto& test) { return std::string(test.param.name); });

TEST(OpenPaper, OffsetsNumberSlotsAcrossThePaper) {
    PracticeFolder folder;
    const OpenPaper paper = folder.Open(2, 128); // five questions of ten slots
    const std::map<int, int> offsets{{1, 0}, {2, 10}, {3, 20}, {5, 40}};
    for (const auto& [q, d] : offsets) {
        EXPECT_EQ(paper.AnswerOffset(q), d) << q;
    }
    EXPECT_THROW(paper.AnswerOffset(6), std::out_of_range);
}

TEST(OpenPaper, SheetFramesFollowTheSlotsKinds) {
    PracticeFolder folder;
    OpenPaper paper = folder.Open(3, 101);
    paper.ChooseQuestion(2, {});
    AnswerSheet sheet = paper.Sheet();
    ASSERT_EQ(sheet.frames.size(), 20U);
    EXPECT_EQ(sheet.offset, 16);
    EXPECT_EQ(sheet.frames.front().partLetter, "(a)");
    EXPECT_EQ(sheet.frames.back().partLetter, "(t)");
    EXPECT_EQ(sheet.frames.back().slot, 36);
    EXPECT_TRUE(sheet.frames.front().partLetterShown);
    EXPECT_EQ(sheet.frames.front().maxLength, 0); // kind T
    EXPECT_FALSE(sheet.frames.front().firstVerdictShown);
    paper.ChooseQuestion(3, {});
    sheet = paper.Sheet();
    ASSERT_EQ(sheet.frames.size(), 1U);
    EXPECT_FALSE(sheet.frames.front().partLetterShown); // "(a)" only for two or more slots
    EXPECT_EQ(sheet.frames.front().maxLength, 1);       // kind Q takes one character

    OpenPaper kinds = folder.Open(3, 102); // N x3, R x2, F, X, L
    const std::vector<std::pair<bool, bool>> instructionAndSentence{
        {false, false}, {false, false}, {true, false}, {true, false}, {false, true}};
    for (int q = 1; q <= 5; ++q) {
        kinds.ChooseQuestion(q, {});
        EXPECT_EQ(kinds.Sheet().showInstruction,
                  instructionAndSentence[static_cast<std::size_t>(q - 1)].first)
            << q;
        EXPECT_EQ(kinds.Sheet().sentenceLayout,
                  instructionAndSentence[static_cast<std::size_t>(q - 1)].second)
            << q;
    }
}

TEST(OpenPaper, MovesStayWithinTheQuestionsAndKeepOnePageFile) {
    PracticeFolder folder;
    OpenPaper paper = folder.Open(2, 146);
    EXPECT_FALSE(paper.CanGoBack());
    EXPECT_FALSE(paper.PreviousQuestion({"1"}).moved);
    EXPECT_EQ(paper.answers()[0], ""); // a refused move stores nothing
    const std::vector<int> expected{2, 3, 3, 3};
    for (const int q : expected) {
        paper.NextQuestion({});
        EXPECT_EQ(paper.QSCount(), q);
        EXPECT_EQ(folder.PageFiles(),
                  std::vector<std::string>{QuestionPageName(bank::QuestionId(2, 146, q))});
    }
    EXPECT_FALSE(paper.CanGoNext());
    EXPECT_FALSE(paper.ChooseQuestion(0, {}).moved);
    EXPECT_FALSE(paper.ChooseQuestion(4, {}).moved);
    const MoveOutcome back = paper.ChooseQuestion(1, {});
    EXPECT_TRUE(back.moved);
    EXPECT_TRUE(back.page.ok());
    EXPECT_EQ(back.page.question, 1);
    EXPECT_EQ(paper.QuestionTitle(), "Question 1");
    paper.ClosePage();
    EXPECT_TRUE(folder.PageFiles().empty());
}

TEST(OpenPaper, EveryMoveRewritesTheAnswerFileWithAllItsRecords) {
    PracticeFolder folder;
    OpenPaper paper = folder.Open(2, 101);
    paper.NextQuestion({"2"});
    paper.ChooseQuestion(3, {"a>b#c\r\n"});
    const std::vector<std::string> lines = fileLines(folder.File(ResultsFile::First));
    ASSERT_EQ(lines.size(), 50U);
    EXPECT_EQ(lines[0].substr(0, 13), "#101#>2>abc>>");
    EXPECT_EQ(paper.answers()[1], "abc"); // what the file cannot hold is dropped
    EXPECT_EQ(std::count(lines[0].begin(), lines[0].end(), '>'), 30);
    EXPECT_EQ(lines[1].substr(0, 6), "#102#>");
}

// A window never writes a whole file from the copy it read when it opened:
// what was written to other papers since (or an erase) stays.
TEST(OpenPaper, AMoveReplacesOnlyItsOwnPapersRecord) {
    PracticeFolder folder;
    OpenPaper paper = folder.Open(2, 101);
    const auto path = folder.File(ResultsFile::First);
    std::vector<std::string> lines = records::ReadPaperRecords(path, 50);
    records::WritePaperRecord(lines, {"written", "since"}, 2, "102", 50, 2, path);
    const std::string since = fileLines(path)[1];
    paper.NextQuestion({"2"});
    EXPECT_EQ(fileLines(path)[1], since);
    EXPECT_EQ(fileLines(path)[0].substr(0, 8), "#101#>2>");
}

// The answer file is replaced by a new file on every write, so its inode tells
// whether a store wrote it.
struct StoreCase {
    const char* name;
    std::function<std::optional<FileFailure>(OpenPaper&, const std::vector<std::string>&)> act;
    bool typed; // a new answer in question 2's box, else the box as shown
};

class StoreOnMove : public ::testing::TestWithParam<StoreCase> {};

TEST_P(StoreOnMove, WritesTheAnswerFileOnlyWhenAnAnswerChanged) {
    PracticeFolder folder;
    OpenPaper paper = folder.Open(2, 101);
    paper.NextQuestion({"2"});
    const auto path = folder.File(ResultsFile::First);
    const auto inode = [&path] {
        struct stat status {};
        EXPECT_EQ(::stat(path.c_str(), &status), 0);
        return status.st_ino;
    };
    const auto before = inode();
    EXPECT_FALSE(GetParam().act(paper, {GetParam().typed ? "3" : paper.Sheet().frames.front().answer}));
    EXPECT_EQ(inode() != before, GetParam().typed);
    EXPECT_EQ(fileLines(path)[0].substr(0, 10), GetParam().typed ? "#101#>2>3>" : "#101#>2>>>");
}

INSTANTIATE_TEST_SUITE_P(
    OpenPaper, StoreOnMove, ::testing::ValuesIn([] {
        using Act = std::function<std::optional<FileFailure>(OpenPaper&, const std::vector<std::string>&)>;
        const std::vector<std::pair<const char*, Act>> acts{
            {"next", [](OpenPaper& p, const auto& s) { return p.NextQuestion(s).answersNotWritten; }},
            {"back", [](OpenPaper& p, const auto& s) { return p.PreviousQuestion(s).answersNotWritten; }},
            {"same_question",
             [](OpenPaper& p, const auto& s) { return p.ChooseQuestion(2, s).answersNotWritten; }},
            {"save", [](OpenPaper& p, const auto& s) { return p.SavePaper(s); }}};
        std::vector<StoreCase> cases;
        for (const auto& [name, act] : acts) {
            cases.push_back({name, act, false});
        }
        cases.push_back({"next_after_typing", acts[0].second, true});
        cases.push_back({"save_after_typing", acts[3].second, true});
        return cases;
    }()),
    [](const auto& test) { return std::string(test.param.name); });

TEST(OpenPaper, StoredAnswersComeBackAtQuestionOne) {
    PracticeFolder folder;
    {
        OpenPaper paper = folder.Open(2, 101);
        paper.ChooseQuestion(3, {"2"});
        EXPECT_FALSE(paper.SavePaper({"4"}).has_value());
        EXPECT_EQ(paper.QSCount(), 3);
    }
    EXPECT_TRUE(folder.PageFiles().empty()); // the page went with the paper
    const OpenPaper again = folder.Open(2, 101);
    EXPECT_EQ(again.QSCount(), 1);
    EXPECT_EQ(again.Sheet().frames.front().answer, "2");
    EXPECT_EQ(again.answers()[2], "4");
    std::vector<int> others;
    for (int q = 1; q <= 30; ++q) {
        if (q != 1 && q != 3) {
            others.push_back(q);
        }
    }
    EXPECT_EQ(again.RemainingQuestions(), others);
    EXPECT_EQ(again.AnsweredCount(), 2);
}

TEST(OpenPaper, AnswersWrittenByAnInstallWithMoreSlotsAreReadAndKept) {
    PracticeFolder folder;
    // Another install whose paper 101 has 32 answers shares the folder.
    std::string text = orbisk::testing::ReadBytes(folder.File(results::ResultsFile::First));
    const std::string empty101 = "#101#" + std::string(30, '>');
    const std::string longer101 = "#101#>2" + std::string(29, '>') + ">extra1>extra2";
    text.replace(text.find(empty101 + "\r\n"), empty101.size(), longer101);
    orbisk::testing::WriteBytes(folder.File(results::ResultsFile::First), text);
    {
        OpenPaper paper = folder.Open(2, 101);
        EXPECT_EQ(paper.answers().size(), 30U);
        EXPECT_EQ(paper.answers().front(), "2");
        EXPECT_EQ(paper.answers().back(), "") << "value 30 stops at its own separator";
        EXPECT_FALSE(paper.SavePaper({"3"}).has_value());
    }
    const auto lines = records::ReadPaperRecords(folder.File(results::ResultsFile::First), 50);
    EXPECT_EQ(lines[0], "#101#>3" + std::string(29, '>') + ">extra1>extra2");
}

struct CountCase {
    const char* name;
    int section;
    int paper;
    std::map<int, std::string> typed; // slot -> text; every other slot "x"
    std::vector<int> remaining;
    int answered;
    bool unanswered;
};

class AnswerCounts : public ::testing::TestWithParam<CountCase> {};

TEST_P(AnswerCounts, TrimForTheRemainingListButNotForTheCount) {
    const CountCase& c = GetParam();
    PracticeFolder folder;
    OpenPaper paper = folder.Open(c.section, c.paper);
    AnswerEveryQuestion(paper, [&](int slot) {
        const auto it = c.typed.find(slot);
        return it == c.typed.end() ? std::string("x") : it->second;
    });
    EXPECT_EQ(paper.RemainingQuestions(), c.remaining);
    EXPECT_EQ(paper.AnsweredCount(), c.answered);
    EXPECT_EQ(paper.HasUnansweredSlot(), c.unanswered);
}

INSTANTIATE_TEST_SUITE_P(
    OpenPaper, AnswerCounts,
    ::testing::Values(
        CountCase{"questions_2_and_5_empty", 2, 101, {{2, ""}, {5, ""}}, {2, 5}, 28, true},
        CountCase{"cloze_slots_6_and_8_list_question_2_once", 2, 121, {{6, ""}, {8, ""}}, {2}, 18, true},
        CountCase{"spaces_remain_but_count_as_answered", 2, 101, {{1, "  "}}, {1}, 30, false},
        CountCase{"empty_letter_space", 3, 102, {{1, ""}, {2, "a"}, {3, " "}}, {1}, 7, true},
        CountCase{"all_answered", 2, 146, {}, {}, 15, false}),
    [](const auto& test) { return std::string(test.param.name); });

TEST(OpenPaper, AMarkedPaperOpensInReviewModeAndWritesNoAnswers) {
    PracticeFolder folder;
    const auto marksPath = folder.File(ResultsFile::Marks);
    results::Marks marks = results::ReadMarks(marksPath, 50);
    marks.FST[0] = "1";
    marks.FSE[0] = "90";
    marks.LTM[0] = "0:12:5";
    marks.CDD[0] = "08/12/2026";
    results::WriteMarks(marksPath, marks, 50);
    const std::string answersBefore = ReadBytes(folder.File(ResultsFile::First));

    OpenPaper paper = folder.Open(2, 101);
    EXPECT_TRUE(paper.IsMarked());
    EXPECT_EQ(paper.PScoring(), "90");
    EXPECT_EQ(paper.LTime(), "0:12:5");
    EXPECT_EQ(paper.ETime(), "08/12/2026");
    const SheetFrame frame = paper.Sheet().frames.front();
    EXPECT_TRUE(frame.locked);
    EXPECT_TRUE(frame.firstVerdictShown);
    EXPECT_TRUE(paper.Sheet().reviewMode);
    EXPECT_FALSE(paper.SavePaper({"3"}).has_value());
    EXPECT_TRUE(paper.NextQuestion({"3"}).moved);
    EXPECT_EQ(paper.answers()[0], ""); // locked boxes keep their answers
    EXPECT_EQ(ReadBytes(folder.File(ResultsFile::First)), answersBefore);
}

// Paper 101's stored answers with a "#" in answer 2, as a hand edit leaves it.
void storeAnswerTheFileCannotHold(const PracticeFolder& folder) {
    std::vector<std::string> lines = fileLines(folder.File(ResultsFile::First));
    for (std::string& line : lines) {
        if (line.rfind("#101#>", 0) == 0) {
            line = "#101#>3>x#y" + std::string(29, '>');
        }
    }
    records::WriteLines(lines, folder.File(ResultsFile::First));
}

TEST(OpenPaper, AStoredAnswerTheFileCannotHoldComesWithoutThatCharacterAndStoresAgain) {
    PracticeFolder folder;
    storeAnswerTheFileCannotHold(folder);
    OpenPaper paper = folder.Open(2, 101);
    EXPECT_EQ(paper.answers()[1], "xy");
    EXPECT_FALSE(paper.SavePaper({"4"}).has_value());
    EXPECT_EQ(records::ReadPaperRecords(folder.File(ResultsFile::First), 50)[0].rfind("#101#>4>xy>", 0), 0U);
}

TEST(OpenPaper, ASecondAttemptCarriesARightAnswerTheFileCannotHoldWithoutThatCharacter) {
    PracticeFolder folder;
    storeAnswerTheFileCannotHold(folder);
    const std::string key = folder.Open(2, 101).keys()[1];
    std::vector<std::string> lines = fileLines(folder.File(ResultsFile::First));
    for (std::string& line : lines) {
        if (line.rfind("#101#>", 0) == 0) {
            line = "#101#>3>#" + key + std::string(29, '>');
        }
    }
    records::WriteLines(lines, folder.File(ResultsFile::First));
    std::vector<std::string> verdicts(31);
    verdicts[1] = "Y";
    std::vector<std::string> results = fileLines(folder.File(ResultsFile::FResults));
    for (std::string& line : results) {
        if (line.rfind("#101#>", 0) == 0) {
            line = "#101#>>Y" + std::string(29, '>');
        }
    }
    records::WriteLines(results, folder.File(ResultsFile::FResults));
    results::Marks marks = results::ReadMarks(folder.File(ResultsFile::Marks), 50);
    marks.FST[0] = "1";
    marks.FSE[0] = "3.3";
    results::WriteMarks(folder.File(ResultsFile::Marks), marks, 50);
    OpenPaper second = folder.Open(2, 101, Attempt::Second);
    EXPECT_EQ(second.answers()[1], key);
    EXPECT_FALSE(second.SavePaper({"1"}).has_value());
}

TEST(OpenPaper, AMarkedPaperShowsAStoredAnswerItNeverWritesBack) {
    PracticeFolder folder;
    storeAnswerTheFileCannotHold(folder);
    results::Marks marks = results::ReadMarks(folder.File(ResultsFile::Marks), 50);
    marks.FST[0] = "1";
    results::WriteMarks(folder.File(ResultsFile::Marks), marks, 50);
    const OpenPaper paper = folder.Open(2, 101);
    EXPECT_TRUE(paper.IsMarked());
    EXPECT_EQ(paper.answers()[1], "x#y");
}

// ---- Papers that cannot be opened ------------------------------------------------

tables::PaperEntry onePaper(int number, std::vector<std::string> kinds, std::vector<std::string> weights) {
    tables::QuestionEntry question{
        bank::QuestionId(2, number, 1), {"1", "2"}, std::move(kinds), std::move(weights), {}};
    return {number, {question}};
}

struct RefusedCase {
    const char* name;
    std::function<void(MapResourceSource&)> damage;
    int paper;
    int tableAtFault; // the resource the error names, 0 for a results file
};

class RefusedPaper : public ::testing::TestWithParam<RefusedCase> {};

TEST_P(RefusedPaper, SaysWhyAndLeavesTheFolderAsItWas) {
    PracticeFolder folder;
    MapResourceSource source;
    GetParam().damage(source);
    const std::vector<std::string> before = folder.Names();
    const std::string marks = ReadBytes(folder.File(ResultsFile::Marks));
    try {
        OpenPaper::Open(source, folder.Request(2, GetParam().paper));
        FAIL() << "the paper opened";
    } catch (const DataError& error) {
        if (GetParam().tableAtFault != 0) {
            EXPECT_EQ(error.file(), "resource " + std::to_string(GetParam().tableAtFault)) << error.what();
        } else {
            EXPECT_EQ(error.file(), folder.File(ResultsFile::First)) << error.what();
        }
    }
    EXPECT_EQ(folder.Names(), before);
    EXPECT_EQ(ReadBytes(folder.File(ResultsFile::Marks)), marks);
}

void putTables(MapResourceSource& source, const std::vector<tables::PaperEntry>& papers) {
    const tables::SectionTablesText text = tables::WriteSectionTables(papers);
    source.Set(ids::TableId(2, ids::Table::Papers), text.papers);
    source.Set(ids::TableId(2, ids::Table::Keys), text.keys);
    source.Set(ids::TableId(2, ids::Table::Kinds), text.kinds);
    source.Set(ids::TableId(2, ids::Table::Weights), text.weights);
    source.Set(ids::TableId(2, ids::Table::Options), text.options);
    source.Set(bank::QuestionId(2, 101, 1), "page");
}

INSTANTIATE_TEST_SUITE_P(
    OpenPaper, RefusedPaper,
    ::testing::Values(
        RefusedCase{"paper_not_in_the_table",
                    [](MapResourceSource& s) {
                        putTables(s, {onePaper(101, {"T", "T"}, {"1", "1"})});
                    },
                    102, 30022},
        RefusedCase{"no_paper_table",
                    [](MapResourceSource& s) {
                        putTables(s, {onePaper(101, {"T", "T"}, {"1", "1"})});
                        s.Remove(ids::TableId(2, ids::Table::Papers));
                    },
                    101, 30022},
        RefusedCase{"kinds_short_of_the_answers",
                    [](MapResourceSource& s) {
                        putTables(s, {onePaper(101, {"T"}, {"1", "1"})});
                    },
                    101, 30024},
        RefusedCase{"answers_worth_no_marks",
                    [](MapResourceSource& s) {
                        putTables(s, {onePaper(101, {"T", "T"}, {"0", "0"})});
                    },
                    101, 30025},
        // Tables fine, but the stored record of paper 101 holds 30 answers where the paper has 31.
        RefusedCase{"answer_record_too_short",
                    [](MapResourceSource& s) {
                        tables::PaperEntry paper{101, {}};
                        paper.questions.push_back({bank::QuestionId(2, 101, 1),
                                                   std::vector<std::string>(31, "a"),
                                                   std::vector<std::string>(31, "T"),
                                                   std::vector<std::string>(31, "1"),
                                                   {}});
                        putTables(s, {paper});
                    },
                    101, 0}),
    [](const auto& test) { return std::string(test.param.name); });

TEST(OpenPaper, APageThatCannotBeWrittenNamesItsQuestion) {
    PracticeFolder folder;
    MapResourceSource source;
    for (const int id : TestBank().pack().Ids()) {
        source.Set(id, std::string(*TestBank().pack().Find(id)));
    }
    source.Remove(bank::QuestionId(2, 146, 1));
    OpenPaper paper = OpenPaper::Open(source, folder.Request(2, 146));
    EXPECT_FALSE(paper.Page().ok());
    EXPECT_EQ(paper.Page().error, ENOENT);
    EXPECT_EQ(paper.Page().question, 1);
    EXPECT_TRUE(folder.PageFiles().empty());
    EXPECT_TRUE(paper.NextQuestion({}).page.ok());
    EXPECT_EQ(folder.PageFiles().size(), 1U);
    const MoveOutcome back = paper.PreviousQuestion({});
    EXPECT_FALSE(back.page.ok());
    EXPECT_EQ(back.page.questionId, std::to_string(bank::QuestionId(2, 146, 1)));
    EXPECT_TRUE(folder.PageFiles().empty()); // never the previous question's page
}

TEST(OpenPaper, ARequestOutsideTheSectionIsAProgrammingError) {
    PracticeFolder folder;
    PaperRequest request = folder.Request(3, 105);
    request.PaperNum = 106;
    EXPECT_THROW(OpenPaper::Open(TestBank().pack(), request), std::invalid_argument);
}

} // namespace
} // namespace orbisk::practice
