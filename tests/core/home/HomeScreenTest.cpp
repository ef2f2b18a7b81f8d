// The home window's core: the try-again rule, the papers and scores a topic
// shows, the hand-over, refreshing, an unreadable marks file, erasing and the tabs.
#include "core/home/HomeScreen.h"

#include "ResultsTemplates.h"
#include "TempFolder.h"
#include "core/formats/Records.h"

#include <gtest/gtest.h>

namespace orbisk::home {
namespace {

using orbisk::testing::ReadBytes;
using orbisk::testing::TempFolder;
using orbisk::testing::WriteBytes;
using results::ResultsFile;

struct TryAgainCase {
    const char* name;
    const char* first;
    bool offered;
};

class TryAgain : public ::testing::TestWithParam<TryAgainCase> {};

TEST_P(TryAgain, IsOfferedForAFirstScoreNotAbove99) {
    EXPECT_EQ(TryAgainOffered(GetParam().first), GetParam().offered);
}

INSTANTIATE_TEST_SUITE_P(
    HomeScreen, TryAgain,
    ::testing::Values(TryAgainCase{"full_marks", "100", false}, TryAgainCase{"ninety_nine", "99", true},
                      TryAgainCase{"just_above_99", "99.5", false},
                      TryAgainCase{"ninety_nine_point_o", "99.0", true},
                      TryAgainCase{"just_above_by_a_tenth", "99.1", false}, TryAgainCase{"zero", "0", true},
                      TryAgainCase{"no_first_attempt", "", false}, TryAgainCase{"spaces_only", "  ", false},
                      TryAgainCase{"not_a_number", "abc", false},
                      TryAgainCase{"comma_decimal", "86,7", false},
                      TryAgainCase{"stored_with_spaces", " 86.7 ", true},
                      // Not numbers to the report either, which leaves them out.
                      TryAgainCase{"negative", "-5", false}, TryAgainCase{"exponent", "5e1", false}),
    [](const auto& test) { return std::string(test.param.name); });

/// A product whose section 2 has three topics of five papers (and section 3
/// one topic), its results files written from their templates.
class HomeScreenTest : public ::testing::Test {
protected:
    HomeScreenTest() {
        config::SectionConfig& second = m_config.Section(2);
        second = {2, "Grammar", 3, 15, {"Alpha", "Beta", "Gamma"}};
        m_config.Section(3) = {3, "Reading", 1, 5, {"Delta"}};
        m_config.Section(1).number = 1;
        m_config.code = "TST";
        orbisk::testing::AddResultsTemplates(m_templates, 2, std::vector<int>(15, 2));
        orbisk::testing::AddResultsTemplates(m_templates, 3, std::vector<int>(5, 2));
        EXPECT_TRUE(results::ResetResults(m_folder.path(), "TST", {2}, m_templates).notErased.empty());
    }

    std::filesystem::path File(ResultsFile file) const {
        return results::FilePath(m_folder.path(), file, 2, "TST");
    }

    /// Stores first-attempt scores by paper slot.
    void StoreFirstScores(const std::map<int, std::string>& scores) {
        results::Marks marks = results::ReadMarks(File(ResultsFile::Marks), 15);
        for (const auto& [slot, score] : scores) {
            marks.FSE.at(static_cast<std::size_t>(slot - 1)) = score;
        }
        results::WriteMarks(File(ResultsFile::Marks), marks, 15);
    }

    TempFolder m_folder;
    config::ProductConfig m_config;
    MapResourceSource m_templates;
};

TEST_F(HomeScreenTest, TopicTShowsPapers5tMinus4To5tWithTheirScores) {
    std::map<int, std::string> scores;
    for (int slot = 1; slot <= 15; ++slot) {
        scores[slot] = std::to_string(60 + slot);
    }
    StoreFirstScores(scores);
    HomeScreen screen(m_config, m_folder.path());
    ASSERT_EQ(screen.LoadSection().chooseTopic, 1);
    for (int t = 1; t <= 3; ++t) {
        const TopicView topic = screen.TopicChoosing(t);
        EXPECT_EQ(topic.name, m_config.Section(2).topicNames[static_cast<std::size_t>(t - 1)]);
        EXPECT_EQ(screen.state().SubH1, topic.name);
        EXPECT_EQ(screen.state().TopicCount, 5 * t - 4);
        for (int k = 1; k <= 5; ++k) {
            const PaperRow& row = topic.papers[static_cast<std::size_t>(k - 1)];
            EXPECT_EQ(row.first, std::to_string(60 + 5 * t - 5 + k)) << "topic " << t << " paper " << k;
            EXPECT_EQ(row.second, "");
            EXPECT_TRUE(row.tryAgain);
        }
    }
}

struct BegunCase {
    const char* name;
    ResultsFile answersFile;
    std::vector<std::string> answers; // paper 102's two answers
    bool marked;                      // the attempt is marked, with a score
    AttemptProgress progress;
};

class AttemptBegun : public HomeScreenTest, public ::testing::WithParamInterface<BegunCase> {};

TEST_P(AttemptBegun, AndNotMarkedCountsItsAnswers) {
    const BegunCase& c = GetParam();
    const bool first = c.answersFile == ResultsFile::First;
    auto lines = records::ReadPaperRecords(File(c.answersFile), 15);
    records::WritePaperRecord(lines, c.answers, 2, "102", 15, 2, File(c.answersFile));
    results::Marks marks = results::ReadMarks(File(ResultsFile::Marks), 15);
    (first ? marks.FST : marks.SST).at(1) = c.marked ? "1" : "0";
    (first ? marks.FSE : marks.SSE).at(1) = c.marked ? "50" : "";
    results::WriteMarks(File(ResultsFile::Marks), marks, 15);
    HomeScreen screen(m_config, m_folder.path());
    screen.LoadSection();
    const PaperRow row = screen.TopicChoosing(1).papers[1];
    EXPECT_EQ(first ? row.firstProgress : row.secondProgress, c.progress);
    EXPECT_EQ(first ? row.secondProgress : row.firstProgress, AttemptProgress{});
}

INSTANTIATE_TEST_SUITE_P(
    HomeScreen, AttemptBegun,
    ::testing::Values(BegunCase{"first_begun", ResultsFile::First, {"cat", ""}, false, {1, 2}},
                      BegunCase{"a_space_is_an_answer", ResultsFile::First, {"", " "}, false, {1, 2}},
                      BegunCase{"first_not_begun", ResultsFile::First, {"", ""}, false, {}},
                      BegunCase{"first_marked", ResultsFile::First, {"cat", "dog"}, true, {}},
                      BegunCase{"second_begun", ResultsFile::Second, {"cat", "dog"}, false, {2, 2}},
                      BegunCase{"second_marked", ResultsFile::Second, {"cat", ""}, true, {}}),
    [](const auto& test) { return std::string(test.param.name); });

TEST_F(HomeScreenTest, AStateTheOpenedPaperReadsAsMarkedShowsNoAnswersInProgress) {
    auto lines = records::ReadPaperRecords(File(ResultsFile::First), 15);
    records::WritePaperRecord(lines, {"cat", ""}, 2, "102", 15, 2, File(ResultsFile::First));
    results::Marks marks = results::ReadMarks(File(ResultsFile::Marks), 15);
    marks.FST.at(1) = " 1";
    results::WriteMarks(File(ResultsFile::Marks), marks, 15);
    HomeScreen screen(m_config, m_folder.path());
    screen.LoadSection();
    EXPECT_EQ(screen.TopicChoosing(1).papers[1].firstProgress, AttemptProgress{});
}

struct HandOverCase {
    const char* name;
    int topic;
    int offset;
    int take;
    int paper;
    practice::Attempt attempt;
};

class HandOver : public HomeScreenTest, public ::testing::WithParamInterface<HandOverCase> {};

TEST_P(HandOver, OpeningPaperKOfATopicHandsOverItsNumberAndAttempt) {
    const HandOverCase& c = GetParam();
    HomeScreen screen(m_config, m_folder.path());
    screen.LoadSection();
    screen.TopicChoosing(c.topic);
    const practice::PaperRequest request = screen.OpenPaper(c.offset, c.take);
    EXPECT_EQ(request.PaperNum, c.paper);
    EXPECT_EQ(request.TakeNum, c.attempt);
    EXPECT_EQ(screen.state().TopicCount, 5 * c.topic - 4);
    EXPECT_EQ(request.SubH1, m_config.Section(2).topicNames[static_cast<std::size_t>(c.topic - 1)]);
    EXPECT_EQ(request.LChose, 2);
    EXPECT_EQ(request.lblCOD, "TST");
    EXPECT_EQ(request.TtPapersCon, 15);
    EXPECT_EQ(request.appFolder, m_folder.path());
    EXPECT_EQ(screen.state().PaperNum, c.paper);
    EXPECT_EQ(screen.state().TakeNum, c.take);
}

INSTANTIATE_TEST_SUITE_P(
    HomeScreen, HandOver,
    ::testing::Values(HandOverCase{"first_paper_first_attempt", 1, 0, 1, 101, practice::Attempt::First},
                      HandOverCase{"last_paper_of_topic_3_again", 3, 4, 2, 115, practice::Attempt::Second},
                      HandOverCase{"paper_2_of_topic_2", 2, 1, 1, 107, practice::Attempt::First}),
    [](const auto& test) { return std::string(test.param.name); });

TEST_F(HomeScreenTest, RefreshingChoosesTheSameTopicWithTheScoresAsTheyAreNow) {
    HomeScreen screen(m_config, m_folder.path());
    screen.LoadSection();
    screen.TopicChoosing(3);
    StoreFirstScores({{12, "88.9"}}); // a practice window marked paper 2 of topic 3
    const SectionView view = screen.RefreshContents();
    EXPECT_EQ(view.chooseTopic, 3);
    EXPECT_FALSE(view.problem);
    EXPECT_FALSE(screen.state().RefreshLog);
    EXPECT_EQ(screen.TopicChoosing(view.chooseTopic).papers[1].first, "88.9");
}

TEST_F(HomeScreenTest, AnUnreadableMarksFileGivesEmptyScoresAndAProblemNamingTheFile) {
    StoreFirstScores({{1, "77"}});
    HomeScreen screen(m_config, m_folder.path());
    screen.LoadSection();
    WriteBytes(File(ResultsFile::Marks), "#FSE#>1\r\n");
    const SectionView view = screen.LoadSection();
    ASSERT_TRUE(view.problem);
    EXPECT_EQ(view.problem->file, File(ResultsFile::Marks));
    EXPECT_NE(view.problem->message.text.find(File(ResultsFile::Marks).string()), std::string::npos);
    EXPECT_FALSE(view.problem->message.details.empty());
    EXPECT_EQ(view.topicCount, 3) << "the topics still show";
    EXPECT_EQ(screen.TopicChoosing(1).papers[0], PaperRow{}) << "no stale score";
}

TEST_F(HomeScreenTest, AnUnreadableMarksFileIsToldOfOnceUntilItReadsAgain) {
    HomeScreen screen(m_config, m_folder.path());
    const std::string sound = ReadBytes(File(ResultsFile::Marks));
    WriteBytes(File(ResultsFile::Marks), "#FSE#>1\r\n");
    EXPECT_TRUE(screen.LoadSection().problem);
    EXPECT_FALSE(screen.RefreshContents().problem) << "closing a paper does not tell again";
    WriteBytes(File(ResultsFile::Marks), sound);
    EXPECT_FALSE(screen.LoadSection().problem);
    WriteBytes(File(ResultsFile::Marks), "#FSE#>1\r\n");
    EXPECT_TRUE(screen.LoadSection().problem) << "damaged anew";
}

TEST_F(HomeScreenTest, AMarksFileStartUpHasToldOfGivesNoSecondProblem) {
    std::filesystem::remove(File(ResultsFile::Marks));
    HomeScreen screen(m_config, m_folder.path());
    screen.AlreadyTold(File(ResultsFile::Marks));
    const SectionView view = screen.LoadSection();
    EXPECT_FALSE(view.problem);
    EXPECT_EQ(view.topicCount, 3);
}

TEST_F(HomeScreenTest, ErasingThatCannotWriteEveryFileNamesThemAndErasesNothing) {
    StoreFirstScores({{1, "77"}});
    m_templates.Remove(results::TemplateId(ResultsFile::Trend, 2));
    HomeScreen screen(m_config, m_folder.path());
    const results::ResetReport report = screen.EraseResults(&m_templates);
    ASSERT_EQ(report.notErased.size(), 1U);
    EXPECT_EQ(report.notErased[0].file, File(ResultsFile::Trend));
    EXPECT_TRUE(report.nothingErased);
    screen.LoadSection();
    EXPECT_EQ(screen.TopicChoosing(1).papers[0].first, "77");
}

TEST_F(HomeScreenTest, TheHelpTabKeepsTheChosenSection) {
    HomeScreen screen(m_config, m_folder.path());
    EXPECT_EQ(screen.FirstTab(), 2);
    EXPECT_EQ(screen.ChooseTab(3), PageAction::LoadHome);
    EXPECT_EQ(screen.state().LChose, 3);
    EXPECT_EQ(screen.ChooseTab(kHelpTab), PageAction::ShowAbout);
    EXPECT_EQ(screen.state().LChose, 3);
    EXPECT_EQ(screen.PressToolbar(2), PageAction::ShowTrash);
}

TEST_F(HomeScreenTest, AProductWithoutSectionsOpensOnTheHelpTabAndLoadsNothing) {
    HomeScreen screen(config::ProductConfig{}, m_folder.path());
    EXPECT_EQ(screen.FirstTab(), kHelpTab);
    EXPECT_FALSE(screen.LoadSection().loaded);
    EXPECT_FALSE(screen.Report());
    EXPECT_FALSE(screen.ResultsCard("Orbisk"));
}

} // namespace
} // namespace orbisk::home
