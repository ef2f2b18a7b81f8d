// Opening a paper in the practice window, moving between its questions,
// saving and closing it: what the learner sees and what lands on disk.
#include "PracticeFixture.h"
#include "core/Errors.h"
#include "core/formats/Records.h"
#include "gui/chrome/CaptionLabel.h"
#include "gui/chrome/ImageButton.h"
#include "gui/chrome/SkinnedFrame.h"
#include "gui/practice/AnswerBox.h"
#include "gui/practice/AnswerFrame.h"
#include "gui/practice/AnswerSheetPanel.h"
#include "gui/practice/PracticeStatusBar.h"
#include "gui/practice/PracticeToolbar.h"
#include "gui/practice/QuestionView.h"

#include <QCloseEvent>
#include <QPointer>
#include <QScreen>
#include <QTest>
#include <QtTest/qtestspontaneevent.h>

namespace orbisk::gui {
namespace {

using orbisk::testing::PracticeFixture;
using practice::ToolbarButton;
using results::ResultsFile;
using namespace std::chrono_literals;

class PracticeNavigation : public PracticeFixture {};

TEST_F(PracticeNavigation, Paper101OpensAtQuestion1WithItsCaptionAndThirtyAnswers) {
    PracticeWindow* window = OpenPaper(101);
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(window->objectName(), QStringLiteral("Test1"));
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Grammar (1) - Paper 1"));
    EXPECT_EQ(window->accessibleName(), window->windowTitle());
    EXPECT_EQ(window->frame().title()->text(), window->windowTitle());
    EXPECT_EQ(window->paper().QuestionCount(), 30);
    EXPECT_EQ(window->statusBar()->total()->text(), QStringLiteral("30"));
    EXPECT_EQ(window->statusBar()->answered()->text(), QStringLiteral("0"));
    EXPECT_EQ(window->questionTitle()->text(), QStringLiteral("Question 1"));
    EXPECT_EQ(window->statusBar()->clock()->text(), QStringLiteral("0:0:0"));
    EXPECT_EQ(window->statusBar()->date()->text(), m_today);
    EXPECT_EQ(window->statusBar()->remaining()->count(), 30);
    // One answer: frame 1 alone, without its part letter, taking one character.
    EXPECT_EQ(window->sheet()->shownFrames(), 1);
    EXPECT_FALSE(window->sheet()->frame(1)->partLetter()->isVisibleTo(window));
    EXPECT_FALSE(window->sheet()->frame(2)->isVisibleTo(window));
    EXPECT_EQ(window->sheet()->answerBox(1)->maxLength(), 1);
    EXPECT_EQ(window->sheet()->answerBox(1)->accessibleName(), QStringLiteral("Answer"));
    EXPECT_TRUE(window->view()->toPlainText().contains(QStringLiteral("Test question 101.1")));
    // At 10 % of the screen from its corner, 80 % of its size.
    const QRect screen = window->screen()->geometry();
    EXPECT_EQ(window->geometry(), QRect(screen.width() / 10, screen.height() / 10, screen.width() * 8 / 10,
                                        screen.height() * 8 / 10));
    EXPECT_EQ(PageFiles().size(), 1u);
}

TEST_F(PracticeNavigation, ATenSlotClozePaperShowsTenLetteredFramesAtQuestion1) {
    PracticeWindow* window = OpenPaper(128);
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(window->statusBar()->total()->text(), QStringLiteral("50"));
    EXPECT_EQ(window->sheet()->shownFrames(), 10);
    for (int n = 1; n <= 20; ++n) {
        EXPECT_EQ(window->sheet()->frame(n)->isVisibleTo(window), n <= 10) << n;
    }
    EXPECT_TRUE(window->sheet()->frame(1)->partLetter()->isVisibleTo(window));
    EXPECT_EQ(window->sheet()->frame(1)->partLetter()->text(), QStringLiteral("(a)"));
    EXPECT_EQ(window->sheet()->frame(10)->partLetter()->text(), QStringLiteral("(j)"));
    EXPECT_EQ(window->sheet()->answerBox(2)->accessibleName(), QStringLiteral("Answer (b)"));
    EXPECT_EQ(window->sheet()->answerBox(2)->maxLength(), 0);
    // Frames stand one under another, 105 twips (7 px) apart.
    EXPECT_EQ(window->sheet()->frame(2)->y() - window->sheet()->frame(1)->geometry().bottom() - 1, 7);
}

TEST_F(PracticeNavigation, StoredAnswersComeBackAndTheOtherQuestionsRemain) {
    std::vector<std::string> answers(30);
    answers[0] = "2";
    answers[2] = "4";
    StoreRecord(ResultsFile::First, 101, answers);
    PracticeWindow* window = OpenPaper(101);
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(Sheet(*window), std::vector<std::string>{"2"});
    QComboBox* remaining = window->statusBar()->remaining();
    ASSERT_EQ(remaining->count(), 28);
    EXPECT_EQ(remaining->itemText(0), QStringLiteral("2"));
    EXPECT_EQ(remaining->itemText(1), QStringLiteral("4"));
    EXPECT_EQ(remaining->currentIndex(), -1);
    EXPECT_EQ(window->statusBar()->answered()->text(), QStringLiteral("2"));
}

enum class Move { Next, Back, List };

struct MoveRow {
    const char* name;
    Move move;
    int from;
    int to;
};

class EveryMove : public PracticeFixture, public ::testing::WithParamInterface<MoveRow> {};

TEST_P(EveryMove, StoresTheSheetRewritesTheAnswerFileAndSwapsThePage) {
    const MoveRow row = GetParam();
    PracticeWindow* window = OpenPaper(101);
    ASSERT_NE(window, nullptr);
    if (row.from != 1) {
        window->ChooseQuestion(row.from);
    }
    const std::string before = PageFiles().front();
    Put(*window, 1, QStringLiteral("3"));
    switch (row.move) {
    case Move::Next:
        QTest::mouseClick(window->toolbar()->button(ToolbarButton::Next), Qt::LeftButton);
        break;
    case Move::Back:
        QTest::mouseClick(window->toolbar()->button(ToolbarButton::Back), Qt::LeftButton);
        break;
    case Move::List: {
        QComboBox* list = window->statusBar()->remaining();
        const int index = list->findText(QString::number(row.to));
        ASSERT_GE(index, 0);
        emit list->activated(index);
        break;
    }
    }
    EXPECT_EQ(window->paper().QSCount(), row.to);
    EXPECT_EQ(window->questionTitle()->text(), QStringLiteral("Question %1").arg(row.to));
    // The answer typed before the move is on disk, in a file of exactly P records.
    std::vector<std::string> expected(30);
    expected[static_cast<std::size_t>(row.from - 1)] = "3";
    EXPECT_EQ(Values(ResultsFile::First, 101, 30), expected);
    EXPECT_EQ(records::ReadPaperRecords(File(ResultsFile::First), 50).size(), 50u);
    const std::string bytes = orbisk::testing::ReadBytes(File(ResultsFile::First));
    EXPECT_EQ(std::count(bytes.begin(), bytes.end(), '\n'), 50);
    // Only the page on show has its file.
    ASSERT_EQ(PageFiles().size(), 1u);
    EXPECT_NE(PageFiles().front(), before);
    EXPECT_TRUE(window->view()->toPlainText().contains(QStringLiteral("Test question 101.%1").arg(row.to)));
    // The remaining-questions list no longer holds the question answered.
    EXPECT_EQ(window->statusBar()->remaining()->findText(QString::number(row.from)), -1);
}

INSTANTIATE_TEST_SUITE_P(PracticeWindow, EveryMove,
                         ::testing::Values(MoveRow{"next", Move::Next, 1, 2},
                                           MoveRow{"back", Move::Back, 3, 2},
                                           MoveRow{"list", Move::List, 1, 17}),
                         [](const auto& test) { return std::string(test.param.name); });

TEST_F(PracticeNavigation, EveryMovePutsTheKeyboardInTheFirstAnswerBoxAPickFromTheListToo) {
    PracticeWindow* window = OpenPaper(101);
    ASSERT_NE(window, nullptr);
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window));
    window->NextQuestion();
    EXPECT_EQ(QApplication::focusWidget(), window->sheet()->answerBox(1));
    window->statusBar()->remaining()->setFocus();
    window->ChooseQuestion(5);
    EXPECT_EQ(QApplication::focusWidget(), window->sheet()->answerBox(1))
        << "the next key typed would pick again";
}

TEST_F(PracticeNavigation, BackAndNextFollowTheQuestionAtOnceSoFastClicksStayInsideThePaper) {
    PracticeWindow* window = OpenPaper(146); // three questions
    ASSERT_NE(window, nullptr);
    ImageButton* back = window->toolbar()->button(ToolbarButton::Back);
    ImageButton* next = window->toolbar()->button(ToolbarButton::Next);
    EXPECT_FALSE(back->isEnabled());
    EXPECT_EQ(back->state(), ImageButton::State::Disabled);
    EXPECT_TRUE(next->isEnabled());
    // Three clicks well inside one 100 ms tick: the third finds Next disabled.
    for (int click = 0; click < 3; ++click) {
        QTest::mouseClick(next, Qt::LeftButton);
    }
    EXPECT_EQ(window->paper().QSCount(), 3);
    EXPECT_FALSE(next->isEnabled());
    EXPECT_EQ(next->state(), ImageButton::State::Disabled);
    EXPECT_TRUE(back->isEnabled());
    // Nor does a caption or a shortcut reach past the end.
    QTest::mouseClick(window->toolbar()->caption(ToolbarButton::Next), Qt::LeftButton);
    window->NextQuestion();
    EXPECT_EQ(window->paper().QSCount(), 3);
}

TEST_F(PracticeNavigation, SixteenAnswersOverlapTheFramesAndTheLastQuestionGoesNoFurther) {
    // Section 3's paper 101 has questions of 16, 20 and one answer.
    PracticeWindow* window = OpenPaper(101, 1, 3);
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(window->sheet()->shownFrames(), 16);
    // 16 answers or more: the frames close up (10 twips over each other) so twenty fit.
    EXPECT_LE(window->sheet()->frame(2)->y(), window->sheet()->frame(1)->geometry().bottom() + 1);
    EXPECT_LT(window->sheet()->frame(16)->geometry().bottom(), window->sheet()->height());
    window->ChooseQuestion(3);
    EXPECT_EQ(window->paper().QSCount(), 3);
    window->NextQuestion();
    EXPECT_EQ(window->paper().QSCount(), 3);
}

TEST_F(PracticeNavigation, SaveStoresTheAnswersSaysSoAndReopensAtQuestion1WithTheClockAtZero) {
    PracticeWindow* window = OpenPaper(101);
    ASSERT_NE(window, nullptr);
    window->ChooseQuestion(3);
    Put(*window, 1, QStringLiteral("2"));
    m_now += 10min;
    m_asker.answers.push_back(true);
    QTest::keyClick(window, Qt::Key_S, Qt::ControlModifier);
    EXPECT_EQ(m_asker.asked, orbisk::testing::Texts({"Orbisk: Paper saved (1)"}));
    EXPECT_EQ(m_asker.owners.back(), window);
    EXPECT_EQ(Values(ResultsFile::First, 101, 30)[2], "2");
    const std::string marks = orbisk::testing::ReadBytes(File(ResultsFile::Marks));

    m_asker.answers.push_back(true);
    window->ClosePaper();
    EXPECT_TRUE(PageFiles().empty());
    window = OpenPaper(101);
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(window->paper().QSCount(), 1);
    window->Tick();
    EXPECT_EQ(window->statusBar()->clock()->text(), QStringLiteral("0:0:0"));
    window->ChooseQuestion(3);
    EXPECT_EQ(Sheet(*window), std::vector<std::string>{"2"});
    EXPECT_EQ(orbisk::testing::ReadBytes(File(ResultsFile::Marks)), marks)
        << "saving never touches the marks";
}

enum class Closing { Toolbar, TitleBar, AnotherPaper, HomeCloses, ProgramEnds };

struct ClosingRow {
    const char* name;
    Closing how;
};

class EveryClose : public PracticeFixture, public ::testing::WithParamInterface<ClosingRow> {};

TEST_P(EveryClose, StoresTheTypedAnswersRemovesThePageAndRefreshesTheHomePage) {
    PracticeWindow* window = OpenPaper(101);
    ASSERT_NE(window, nullptr);
    window->ChooseQuestion(3);
    Put(*window, 1, QStringLiteral("4"));
    const int refreshes = m_refreshes;
    switch (GetParam().how) {
    case Closing::Toolbar:
        m_asker.answers.push_back(true);
        QTest::mouseClick(window->toolbar()->button(ToolbarButton::Close), Qt::LeftButton);
        EXPECT_EQ(m_asker.asked, orbisk::testing::Texts({"Close Practice: Confirm? (2)"}));
        break;
    case Closing::TitleBar:
        m_asker.answers.push_back(true);
        QTest::mouseClick(window->frame().closeButton(), Qt::LeftButton);
        EXPECT_EQ(m_asker.asked, orbisk::testing::Texts({"Close Practice: Confirm? (2)"}));
        break;
    case Closing::AnotherPaper:
        ASSERT_NE(OpenPaper(102), nullptr);
        EXPECT_TRUE(m_asker.asked.isEmpty()) << "the home window replaces the window without asking";
        break;
    case Closing::HomeCloses:
        m_home->close();
        EXPECT_TRUE(m_asker.asked.isEmpty());
        break;
    case Closing::ProgramEnds:
        m_home->SetPracticeWindows(nullptr);
        m_set.reset();
        break;
    }
    EXPECT_EQ(Values(ResultsFile::First, 101, 30)[2], "4");
    const std::vector<std::string> pages = PageFiles();
    if (GetParam().how == Closing::AnotherPaper) {
        EXPECT_EQ(pages.size(), 1u) << "only the new paper's page";
    } else {
        EXPECT_TRUE(pages.empty());
        EXPECT_EQ(Open(), nullptr);
    }
    if (GetParam().how != Closing::ProgramEnds) {
        EXPECT_GT(m_refreshes, refreshes);
    }
}

INSTANTIATE_TEST_SUITE_P(PracticeWindow, EveryClose,
                         ::testing::Values(ClosingRow{"toolbar", Closing::Toolbar},
                                           ClosingRow{"title_bar", Closing::TitleBar},
                                           ClosingRow{"another_paper", Closing::AnotherPaper},
                                           ClosingRow{"home_closes", Closing::HomeCloses},
                                           ClosingRow{"program_ends", Closing::ProgramEnds}),
                         [](const auto& test) { return std::string(test.param.name); });

TEST_F(PracticeNavigation, ClosingWithNoLeavesTheWindowAndItsTypedText) {
    PracticeWindow* window = OpenPaper(101);
    ASSERT_NE(window, nullptr);
    Put(*window, 1, QStringLiteral("1"));
    m_asker.answers.push_back(false);
    window->ClosePaper();
    EXPECT_EQ(Open(), window);
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(Sheet(*window), std::vector<std::string>{"1"});
    EXPECT_EQ(Values(ResultsFile::First, 101, 30)[0], "") << "declining writes nothing";
    EXPECT_EQ(PageFiles().size(), 1u);
}

TEST_F(PracticeNavigation, TheWindowSystemsCloseAsksLikeTheTitleBar) {
    PracticeWindow* window = OpenPaper(101);
    ASSERT_NE(window, nullptr);
    m_asker.answers.push_back(false);
    QCloseEvent close; // as the window system sends it
    QSpontaneKeyEvent::setSpontaneous(&close);
    QApplication::instance()->notify(window, &close); // sendEvent would make it ordinary
    EXPECT_FALSE(close.isAccepted());
    EXPECT_TRUE(orbisk::testing::EventuallyTrue([&] { return m_asker.asked.size() == 1; }));
    EXPECT_EQ(m_asker.asked, orbisk::testing::Texts({"Close Practice: Confirm? (2)"}));
    EXPECT_EQ(Open(), window) << "answered No";
    EXPECT_TRUE(window->isVisible());
}

TEST_F(PracticeNavigation, OneWindowAtATimeAndEachPaperOpensAFreshOneAtQuestion1) {
    QPointer<PracticeWindow> first = OpenPaper(101);
    ASSERT_NE(first, nullptr);
    first->ChooseQuestion(4);
    PracticeWindow* again = OpenPaper(101);
    ASSERT_NE(again, nullptr);
    EXPECT_EQ(again->paper().QSCount(), 1);
    EXPECT_TRUE(first.isNull() || first->life() == practice::WindowLife::Closed);
    EXPECT_TRUE(orbisk::testing::EventuallyTrue([&] { return first.isNull(); })) << "the old window goes";
    PracticeWindow* other = OpenPaper(106, 1);
    ASSERT_NE(other, nullptr);
    EXPECT_EQ(other->windowTitle(), QStringLiteral("Grammar (2) - Paper 1"));
    EXPECT_EQ(m_set->second(), nullptr);
}

TEST_F(PracticeNavigation, APageThatCannotBeWrittenShowsAnErrorPageNamingTheQuestion) {
    PracticeWindow* window = OpenPaper(101);
    ASSERT_NE(window, nullptr);
    // A folder where question 2's page file would go: the page cannot be written.
    const std::string id = window->paper().questionIds()[1];
    std::filesystem::create_directory(m_folder.path() / ("temppaper" + id + ".mht"));
    window->NextQuestion();
    EXPECT_EQ(window->paper().QSCount(), 2);
    EXPECT_TRUE(window->view()->showsErrorPage());
    EXPECT_TRUE(window->view()->toPlainText().contains(QStringLiteral("Question 2 cannot be shown")));
    EXPECT_FALSE(window->view()->toPlainText().contains(QStringLiteral("Test question 101.1")));
    EXPECT_EQ(window->questionTitle()->text(), QStringLiteral("Question 2"));
    window->NextQuestion();
    EXPECT_FALSE(window->view()->showsErrorPage());
}

class HidingResources final : public ResourceSource {
public:
    HidingResources(const ResourceSource& inner, int hidden) : m_inner(inner), m_hidden(hidden) {}
    std::optional<std::string_view> Find(int id) const override {
        return id == m_hidden ? std::nullopt : m_inner.Find(id);
    }

private:
    const ResourceSource& m_inner;
    int m_hidden;
};

TEST_F(PracticeNavigation, APaperWhoseQuestionListCannotBeReadSaysSoAndOpensNoWindow) {
    HidingResources damaged(*m_resources, 30022); // section 2's paper table
    m_resources = &damaged;
    const std::string answers = orbisk::testing::ReadBytes(File(ResultsFile::First));
    EXPECT_EQ(OpenPaper(101), nullptr);
    ASSERT_EQ(m_notifier.messages.size(), 1);
    EXPECT_TRUE(m_notifier.messages[0].contains(QStringLiteral("Grammar (1) - Paper 1 could not be opened")));
    EXPECT_TRUE(m_notifier.messages[0].contains(QStringLiteral("question bank is damaged")));
    EXPECT_TRUE(m_notifier.details[0].contains(QStringLiteral("30022")));
    EXPECT_TRUE(PageFiles().empty());
    EXPECT_EQ(orbisk::testing::ReadBytes(File(ResultsFile::First)), answers);
}

TEST_F(PracticeNavigation, AnUnreadableAnswerFileIsNamedInFullAndOpensNoWindow) {
    std::filesystem::remove(File(ResultsFile::First));
    EXPECT_EQ(OpenPaper(101), nullptr);
    ASSERT_EQ(m_notifier.messages.size(), 1);
    EXPECT_TRUE(m_notifier.messages[0].contains(QString::fromStdString(File(ResultsFile::First).string())));
    EXPECT_TRUE(PageFiles().empty());
}

TEST_F(PracticeNavigation, AnAnswerFileThatCannotBeWrittenKeepsTheAnswersAndSaysWhere) {
    PracticeWindow* window = OpenPaper(101);
    ASSERT_NE(window, nullptr);
    Put(*window, 1, QStringLiteral("2"));
    {
        orbisk::testing::FailingWrites failing({File(ResultsFile::First)});
        window->NextQuestion();
        ASSERT_EQ(m_notifier.messages.size(), 1);
        EXPECT_TRUE(
            m_notifier.messages[0].contains(QString::fromStdString(File(ResultsFile::First).string())));
        // Closing by the learner keeps the window while the answers cannot be saved.
        m_asker.answers.push_back(true);
        window->ClosePaper();
        EXPECT_EQ(Open(), window);
    }
    EXPECT_EQ(window->paper().answers()[0], "2");
    m_asker.answers.push_back(true);
    window->ClosePaper();
    EXPECT_EQ(Values(ResultsFile::First, 101, 30)[0], "2");
}

// Not a message on every Next while the file stays unwritable: once, and
// again only after the answers were stored in between.
TEST_F(PracticeNavigation, MovesThatCannotStoreTheAnswersSayItOnceUntilTheyAreStoredAgain) {
    PracticeWindow* window = OpenPaper(101);
    ASSERT_NE(window, nullptr);
    {
        orbisk::testing::FailingWrites failing({File(ResultsFile::First)});
        Put(*window, 1, QStringLiteral("2"));
        window->NextQuestion();
        Put(*window, 1, QStringLiteral("3"));
        window->NextQuestion();
        EXPECT_EQ(m_notifier.messages.size(), 1);
    }
    window->NextQuestion();
    orbisk::testing::FailingWrites failing({File(ResultsFile::First)});
    Put(*window, 1, QStringLiteral("4"));
    window->NextQuestion();
    EXPECT_EQ(m_notifier.messages.size(), 2);
}

TEST_F(PracticeNavigation, ASaveThatCannotBeWrittenSaysWhereAndNeverPaperSaved) {
    PracticeWindow* window = OpenPaper(101);
    ASSERT_NE(window, nullptr);
    Put(*window, 1, QStringLiteral("2"));
    orbisk::testing::FailingWrites failing({File(ResultsFile::First)});
    m_asker.answers.push_back(true);
    QTest::keyClick(window, Qt::Key_S, Qt::ControlModifier);
    EXPECT_TRUE(m_asker.asked.isEmpty());
    ASSERT_EQ(m_notifier.messages.size(), 1);
    EXPECT_TRUE(m_notifier.messages[0].contains(QString::fromStdString(File(ResultsFile::First).string())));
}

TEST_F(PracticeNavigation, ReplacedWhileItsAnswersCannotBeWrittenItStaysUnlessTheLearnerLetsThemGo) {
    std::vector<std::string> other = Values(ResultsFile::First, 103, 30);
    other[0] = "4";
    StoreRecord(ResultsFile::First, 103, other);
    StoreScores({{3, {"80", ""}}});
    const std::string answers = orbisk::testing::ReadBytes(File(ResultsFile::First));
    const std::string marks = orbisk::testing::ReadBytes(File(ResultsFile::Marks));
    PracticeWindow* window = OpenPaper(101);
    ASSERT_NE(window, nullptr);
    Put(*window, 1, QStringLiteral("2"));
    orbisk::testing::FailingWrites failing({File(ResultsFile::First)});
    m_asker.answers.push_back(false);
    Home().OpenPaper(2, 1);
    ASSERT_EQ(Open(), window) << "No keeps the paper open, and the next one does not open";
    EXPECT_EQ(window->paper().answers()[0], "2");
    ASSERT_EQ(m_notifier.messages.size(), 1);
    EXPECT_TRUE(m_notifier.messages[0].contains(QString::fromStdString(File(ResultsFile::First).string())));
    ASSERT_EQ(m_asker.focuses.size(), 1);
    EXPECT_EQ(m_asker.focuses[0], FirstFocus::Second);

    m_asker.answers.push_back(true);
    ASSERT_NE(OpenPaper(102), nullptr);
    EXPECT_EQ(Open()->paper().Caption(), "Grammar (1) - Paper 2");
    EXPECT_EQ(orbisk::testing::ReadBytes(File(ResultsFile::First)), answers);
    EXPECT_EQ(orbisk::testing::ReadBytes(File(ResultsFile::Marks)), marks);
}

TEST_F(PracticeNavigation, DeletedWithoutClosingItSaysWhereItsAnswersCouldNotBeStored) {
    PracticeWindow* window = OpenPaper(101);
    ASSERT_NE(window, nullptr);
    Put(*window, 1, QStringLiteral("2"));
    {
        orbisk::testing::FailingWrites failing({File(ResultsFile::First)});
        delete window;
    }
    ASSERT_EQ(m_notifier.messages.size(), 1);
    EXPECT_TRUE(m_notifier.messages[0].contains(QString::fromStdString(File(ResultsFile::First).string())));
    EXPECT_TRUE(PageFiles().empty());
}

TEST_F(PracticeNavigation, PrintOffersThePageOnShowAndNothingElse) {
    PracticeWindow* window = OpenPaper(101);
    ASSERT_NE(window, nullptr);
    window->NextQuestion();
    QTest::mouseClick(window->toolbar()->button(ToolbarButton::Print), Qt::LeftButton);
    ASSERT_EQ(m_printer.printed.size(), 1);
    EXPECT_TRUE(m_printer.printed[0].contains(QStringLiteral("Test question 101.2")));
    EXPECT_FALSE(m_printer.printed[0].contains(QStringLiteral("Enter your answer")));
    EXPECT_EQ(m_printer.names, QStringList{window->windowTitle() + QStringLiteral(": 2")});
}

TEST_F(PracticeNavigation, TheTickShowsTheTimeSinceTheWindowOpenedOnTheClock) {
    PracticeWindow* window = OpenPaper(101);
    ASSERT_NE(window, nullptr);
    m_now += 65s;
    window->Tick();
    EXPECT_EQ(window->statusBar()->clock()->text(), QStringLiteral("0:1:5"));
}

TEST_F(PracticeNavigation, TheAnsweredCountCountsEveryAnswerButTheEmptyOne) {
    PracticeWindow* window = OpenPaper(121); // five gaps a question
    ASSERT_NE(window, nullptr);
    Put(*window, 2, QStringLiteral("a"));
    Put(*window, 3, QStringLiteral(" "));
    window->NextQuestion();
    window->Tick();
    EXPECT_EQ(window->statusBar()->answered()->text(), QStringLiteral("2"));
    // A blank answer still leaves its question among the remaining ones.
    EXPECT_EQ(window->statusBar()->remaining()->itemText(0), QStringLiteral("1"));
}

} // namespace
} // namespace orbisk::gui
