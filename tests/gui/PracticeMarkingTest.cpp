// Marking in the practice window, review mode, the second attempt's window
// and the home page after a marking.
#include "PracticeFixture.h"
#include "core/practice/PracticeTexts.h"
#include "gui/chrome/ImageButton.h"
#include "gui/chrome/QtText.h"
#include "gui/home/HomePage.h"
#include "gui/practice/AnswerBox.h"
#include "gui/practice/AnswerFrame.h"
#include "gui/practice/AnswerSheetPanel.h"
#include "gui/practice/MarkingPanel.h"
#include "gui/practice/PracticeStatusBar.h"
#include "gui/practice/PracticeToolbar.h"

#include <QComboBox>
#include <QImage>
#include <QLabel>
#include <QTest>
#include <cmath>

namespace orbisk::gui {
namespace {

using orbisk::testing::PracticeFixture;
using orbisk::testing::ReadBytes;
using practice::ToolbarButton;
using results::ResultsFile;
using namespace std::chrono_literals;

/// Answers for the 30 questions of a test-bank choice paper: the first
/// @p right right, the rest wrong.
std::vector<std::string> choiceAnswers(int right, int count = 30) {
    std::vector<std::string> answers;
    for (int q = 1; q <= count; ++q) {
        const int key = (q - 1) % 4 + 1;
        answers.push_back(std::to_string(q <= right ? key : key % 4 + 1));
    }
    return answers;
}

class PracticeMarking : public PracticeFixture {
protected:
    static QStringList ListedIn(const QComboBox* list) {
        QStringList items;
        for (int i = 0; i < list->count(); ++i) {
            items << list->itemText(i);
        }
        return items;
    }

    /// The bytes of the result, marks and trend files.
    std::vector<std::string> MarkingFiles() const {
        return {ReadBytes(File(ResultsFile::FResults)), ReadBytes(File(ResultsFile::Marks)),
                ReadBytes(File(ResultsFile::Trend))};
    }

    /// Marks paper 101's first attempt with @p right answers right, @p taking after it opened.
    void MarkFirstAttempt(int right, std::chrono::seconds taking = 10min) {
        StoreRecord(ResultsFile::First, 101, choiceAnswers(right));
        PracticeWindow* window = OpenPaper(101);
        ASSERT_NE(window, nullptr);
        m_now += taking - 3s;
        Mark(*window);
        ASSERT_TRUE(window->paper().IsMarked());
        m_asker.answers.push_back(true);
        window->ClosePaper();
        m_asker.asked.clear();
    }

    /// Paper 101's second attempt, opened by its Try Again button (null if none opened).
    PracticeWindow* TryAgain() {
        QTest::mouseClick(m_home->homePage()->tryAgainButton(1), Qt::LeftButton);
        return m_set->second();
    }
};

TEST_F(PracticeMarking, DecliningChangesNoMarkingFileButTheAnswersAreWritten) {
    PracticeWindow* window = OpenPaper(101);
    ASSERT_NE(window, nullptr);
    const std::vector<std::string> before = MarkingFiles();
    Put(*window, 1, QStringLiteral("1"));
    Mark(*window, false);
    EXPECT_EQ(m_asker.asked,
              orbisk::testing::Texts({"Marking: You have not answered all the questions.  Do you "
                                      "still want to mark your practice? (2)"}));
    EXPECT_EQ(MarkingFiles(), before);
    EXPECT_EQ(Values(ResultsFile::First, 101, 30)[0], "1");
    EXPECT_FALSE(window->paper().IsMarked());
    EXPECT_FALSE(window->statusBar()->marking()->isVisibleTo(window));
    EXPECT_TRUE(window->toolbar()->button(ToolbarButton::Mark)->isEnabled());
}

TEST_F(PracticeMarking, TwentySevenRightAfterTwelveMinutesFiveSecondsScoresNinetyAndShowsTheReview) {
    StoreRecord(ResultsFile::First, 101, choiceAnswers(27));
    PracticeWindow* window = OpenPaper(101);
    ASSERT_NE(window, nullptr);
    m_now += 12min + 2s;
    Mark(*window); // the animation takes the last three seconds
    EXPECT_EQ(m_asker.asked, orbisk::testing::Texts({"Marking: Do you want to mark your practice now? (2)"}));

    const results::Marks marks = results::ReadMarks(File(ResultsFile::Marks), 50);
    EXPECT_EQ(marks.FSE[0], "90");
    EXPECT_EQ(marks.LTM[0], "0:12:5");
    EXPECT_EQ(marks.CDD[0], m_today.toStdString());
    EXPECT_EQ(marks.FST[0], "1");
    EXPECT_EQ(marks.SST[0], "0");
    EXPECT_EQ(ReadBytes(File(ResultsFile::Trend)), "#TRD#>90\r\n");
    EXPECT_EQ(Values(ResultsFile::FResults, 101, 30)[27], "N");

    // Review mode: locked boxes with their verdicts, the time taken and date
    // completed instead of the clock and date, the right answers out of all
    // beside the score and the list of the questions with a wrong answer.
    PracticeStatusBar* status = window->statusBar();
    EXPECT_TRUE(window->sheet()->answerBox(1)->isReadOnly());
    EXPECT_TRUE(window->sheet()->frame(1)->firstVerdict()->isVisibleTo(window));
    EXPECT_EQ(window->sheet()->frame(1)->firstVerdict()->text(), QStringLiteral("Y"));
    EXPECT_EQ(Named(window, QStringLiteral("Right answers: 27 / 30")), window->toolbar()->rightCount());
    EXPECT_EQ(window->toolbar()->rightCount()->text(), QStringLiteral("27 / 30"));
    // A window too narrow for the whole count shows none of it, rather than "/ 30".
    QLabel* count = window->toolbar()->rightCount();
    const auto fits = [count] {
        return count->fontMetrics().horizontalAdvance(count->text()) <= count->width();
    };
    window->setMinimumSize(0, 0);
    window->resize(520, window->height());
    EXPECT_FALSE(fits()) << count->width() << " " << window->width();
    EXPECT_FALSE(count->isVisibleTo(window));
    window->resize(1000, window->height());
    EXPECT_TRUE(fits());
    EXPECT_TRUE(count->isVisibleTo(window));
    auto* wrong = qobject_cast<QComboBox*>(Named(window, QStringLiteral("Questions with a wrong answer")));
    ASSERT_NE(wrong, nullptr);
    EXPECT_EQ(ListedIn(wrong), orbisk::testing::Texts({"28", "29", "30"}));
    EXPECT_FALSE(status->clock()->isVisibleTo(window));
    EXPECT_TRUE(status->timeTaken()->isVisibleTo(window));
    EXPECT_EQ(status->timeTaken()->text(), QStringLiteral("0:12:5"));
    EXPECT_FALSE(status->date()->isVisibleTo(window));
    EXPECT_EQ(status->dateCompleted()->text(), m_today);
    EXPECT_EQ(window->toolbar()->score()->text(), QStringLiteral("90"));
    EXPECT_FALSE(window->toolbar()->button(ToolbarButton::Save)->isEnabled());
    EXPECT_FALSE(window->toolbar()->button(ToolbarButton::Mark)->isEnabled());
    EXPECT_TRUE(window->toolbar()->button(ToolbarButton::Next)->isEnabled());
    // The moves still show each question's verdict; picked from the list, question 28 was wrong.
    emit wrong->activated(0);
    EXPECT_EQ(window->paper().QSCount(), 28);
    EXPECT_EQ(window->sheet()->frame(1)->firstVerdict()->text(), QStringLiteral("N"));
}

TEST_F(PracticeMarking, AScreenReaderHearsTheScoreWhereTheKeyboardIs) {
    PracticeWindow* window = OpenPaper(101);
    ASSERT_NE(window, nullptr);
    Put(*window, 1, QStringLiteral("2"));
    Mark(*window);
    auto* box = qobject_cast<AnswerBox*>(window->focusWidget());
    ASSERT_NE(box, nullptr);
    const QString shown = window->toolbar()->score()->text() + QLatin1Char('%');
    EXPECT_TRUE(box->accessibleDescription().contains(shown)) << box->accessibleDescription().toStdString();
}

TEST_F(PracticeMarking, TheAnimationShowsABarEveryFifthOfASecondAndTakesNoInputMeanwhile) {
    PracticeWindow* window = OpenPaper(101);
    ASSERT_NE(window, nullptr);
    m_asker.answers.push_back(true);
    window->MarkPaper(); // returns at once: the animation runs on a timer
    MarkingPanel* panel = window->statusBar()->marking();
    ASSERT_TRUE(panel->running());
    EXPECT_TRUE(panel->isVisibleTo(window));
    EXPECT_EQ(panel->barsShown(), 0);
    m_now += 200ms;
    panel->Step();
    EXPECT_EQ(panel->barsShown(), 1);
    m_now += 1s;
    panel->Step();
    EXPECT_EQ(panel->barsShown(), 6);
    // No input reaches the windows meanwhile, nor may the window be closed.
    QTest::mouseClick(window->toolbar()->button(ToolbarButton::Next), Qt::LeftButton);
    QTest::keyClick(window, Qt::Key_Right, Qt::AltModifier);
    window->close();
    EXPECT_EQ(window->paper().QSCount(), 1);
    EXPECT_NE(window->life(), practice::WindowLife::Closed);
    EXPECT_FALSE(window->paper().IsMarked());
    m_now += 1800ms;
    panel->Step();
    EXPECT_FALSE(panel->running());
    EXPECT_FALSE(panel->isVisibleTo(window));
    EXPECT_TRUE(window->paper().IsMarked());
    EXPECT_EQ(window->toolbar()->score()->text(), QStringLiteral("0"));
    QTest::mouseClick(window->toolbar()->button(ToolbarButton::Next), Qt::LeftButton);
    EXPECT_EQ(window->paper().QSCount(), 2) << "input comes back once it has played";
}

TEST_F(PracticeMarking, AWindowReplacedWhileTheAnimationPlaysCompletesTheMarkingFirst) {
    StoreRecord(ResultsFile::First, 101, choiceAnswers(27));
    PracticeWindow* window = OpenPaper(101);
    ASSERT_NE(window, nullptr);
    m_asker.answers.push_back(true);
    window->MarkPaper();
    ASSERT_TRUE(window->statusBar()->marking()->running());
    m_home->close(); // the program ends: what the learner confirmed is done, not dropped
    const results::Marks marks = results::ReadMarks(File(ResultsFile::Marks), 50);
    EXPECT_EQ(marks.FSE[0], "90");
    EXPECT_EQ(marks.FST[0], "1");
    EXPECT_EQ(ReadBytes(File(ResultsFile::Trend)), "#TRD#>90\r\n");
    EXPECT_EQ(Open(), nullptr);
    EXPECT_TRUE(PageFiles().empty());
}

TEST_F(PracticeMarking, TheAnimationEndsOnItsOwnTimer) {
    PracticeWindow* window = OpenPaper(101);
    ASSERT_NE(window, nullptr);
    m_asker.answers.push_back(true);
    window->MarkPaper();
    m_now += 3s; // the test's clock has run on; the panel's next timer finds it over
    EXPECT_TRUE(orbisk::testing::EventuallyTrue([&] { return window->paper().IsMarked(); }));
}

TEST_F(PracticeMarking, AMarkedPaperReopensInReviewModeWithSaveAndMarkDisabled) {
    MarkFirstAttempt(27, 12min + 5s);
    PracticeWindow* window = OpenPaper(101);
    ASSERT_NE(window, nullptr);
    EXPECT_TRUE(m_asker.asked.isEmpty()) << "a marked paper asks nothing";
    EXPECT_TRUE(window->paper().IsMarked());
    EXPECT_TRUE(window->sheet()->answerBox(1)->isReadOnly());
    EXPECT_EQ(window->statusBar()->timeTaken()->text(), QStringLiteral("0:12:5"));
    EXPECT_EQ(window->statusBar()->dateCompleted()->text(), m_today);
    EXPECT_EQ(window->toolbar()->score()->text(), QStringLiteral("90"));
    window->Tick();
    EXPECT_EQ(window->toolbar()->button(ToolbarButton::Save)->state(), ImageButton::State::Disabled);
    EXPECT_EQ(window->toolbar()->button(ToolbarButton::Mark)->state(), ImageButton::State::Disabled);
    const std::vector<std::string> before = MarkingFiles();
    window->MarkPaper();
    EXPECT_EQ(MarkingFiles(), before) << "never marked twice";
}

TEST_F(PracticeMarking, AMarksFileThatCannotBeWrittenLeavesThePaperUnmarkedAndMarkable) {
    StoreRecord(ResultsFile::First, 101, choiceAnswers(30));
    PracticeWindow* window = OpenPaper(101);
    ASSERT_NE(window, nullptr);
    const std::string marks = ReadBytes(File(ResultsFile::Marks));
    const std::string trend = ReadBytes(File(ResultsFile::Trend));
    {
        orbisk::testing::FailingWrites failing({File(ResultsFile::Marks)});
        Mark(*window);
    }
    ASSERT_EQ(m_notifier.messages.size(), 1);
    EXPECT_TRUE(m_notifier.messages[0].contains(QString::fromStdString(File(ResultsFile::Marks).string())));
    EXPECT_TRUE(m_notifier.messages[0].contains(QStringLiteral("press Mark")));
    EXPECT_FALSE(window->paper().IsMarked());
    EXPECT_TRUE(window->toolbar()->button(ToolbarButton::Mark)->isEnabled());
    EXPECT_FALSE(window->sheet()->answerBox(1)->isReadOnly());
    EXPECT_EQ(ReadBytes(File(ResultsFile::Marks)), marks);
    EXPECT_EQ(ReadBytes(File(ResultsFile::Trend)), trend);

    Mark(*window);
    EXPECT_TRUE(window->paper().IsMarked());
    EXPECT_EQ(results::ReadMarks(File(ResultsFile::Marks), 50).FSE[0], "100");
    EXPECT_EQ(ReadBytes(File(ResultsFile::Trend)), "#TRD#>100\r\n");
}

struct HomeRow {
    const char* name;
    int right;
    const char* score;
    bool tryAgain;
};

class HomeAfterMarking : public PracticeMarking, public ::testing::WithParamInterface<HomeRow> {};

TEST_P(HomeAfterMarking, ClosingShowsTheNewScoreAndOffersTryAgainUnlessAbove99) {
    MarkFirstAttempt(GetParam().right);
    HomePage* page = m_home->homePage();
    EXPECT_EQ(page->firstScore(1)->text(), QString::fromUtf8(GetParam().score));
    EXPECT_EQ(page->tryAgainButton(1)->isVisibleTo(m_home.get()), GetParam().tryAgain);
}

TEST_F(PracticeMarking, TheHomeWindowShowsTheNewScoreWhileThePaperStaysOpenInReview) {
    StoreRecord(ResultsFile::First, 101, choiceAnswers(27));
    PracticeWindow* window = OpenPaper(101);
    ASSERT_NE(window, nullptr);
    Mark(*window);
    ASSERT_EQ(Open(), window);
    EXPECT_EQ(m_home->homePage()->firstScore(1)->text(), QStringLiteral("90"));
    EXPECT_EQ(m_home->marks().FSE[0], "90") << "what the report and the card are made from";
}

INSTANTIATE_TEST_SUITE_P(PracticeWindow, HomeAfterMarking,
                         ::testing::Values(HomeRow{"ninety", 27, "90", true},
                                           HomeRow{"all_right", 30, "100", false},
                                           HomeRow{"none_right", 0, "0", true}),
                         [](const auto& test) { return std::string(test.param.name); });

TEST_F(PracticeMarking, TheSecondAttemptCarriesRightAnswersOverAndShowsKeysOfThoseStillWrong) {
    MarkFirstAttempt(26);
    const std::vector<std::string> before{ReadBytes(File(ResultsFile::Trend)),
                                          ReadBytes(File(ResultsFile::First)),
                                          ReadBytes(File(ResultsFile::FResults))};
    const results::Marks first = results::ReadMarks(File(ResultsFile::Marks), 50);

    PracticeWindow* window = TryAgain();
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(window->objectName(), QStringLiteral("Test2"));
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Grammar (1) - Paper 1"));
    PracticeStatusBar* status = window->statusBar();
    EXPECT_EQ(status->clock(), nullptr);
    EXPECT_EQ(status->date(), nullptr);
    EXPECT_EQ(status->secondAttempt()->text(), QStringLiteral("Second Attempt"));
    EXPECT_EQ(status->answered()->text(), QStringLiteral("26"));
    EXPECT_EQ(ListedIn(status->remaining()), orbisk::testing::Texts({"27", "28", "29", "30"}));
    // A carried-over answer: locked, tinted, its first verdict beside it.
    AnswerBox* box = window->sheet()->answerBox(1);
    EXPECT_EQ(box->text(), QStringLiteral("1"));
    EXPECT_TRUE(box->isReadOnly());
    EXPECT_EQ(box->palette().color(QPalette::Base), QColor(192, 192, 255));
    EXPECT_TRUE(window->sheet()->frame(1)->firstVerdict()->isVisibleTo(window));
    EXPECT_FALSE(window->sheet()->frame(1)->keyBox()->isVisibleTo(window));
    window->ChooseQuestion(27);
    EXPECT_FALSE(window->sheet()->answerBox(1)->isReadOnly());
    EXPECT_EQ(window->sheet()->answerBox(1)->palette().color(QPalette::Base), QColor(Qt::white));

    // Questions 27 to 29 put right, 30 left unanswered: only it counts as missing.
    for (int q = 27; q <= 29; ++q) {
        Put(*window, 1, QString::number((q - 1) % 4 + 1));
        window->NextQuestion();
    }
    Mark(*window);
    EXPECT_EQ(m_asker.asked.back(),
              QStringLiteral("Marking: You have not answered all the questions.  Do you "
                             "still want to mark your practice? (2)"));
    results::Marks marks = results::ReadMarks(File(ResultsFile::Marks), 50);
    EXPECT_EQ(marks.SSE[0], "96.7");
    EXPECT_EQ(marks.SST[0], "1");
    marks.SSE[0] = first.SSE[0];
    marks.SST[0] = first.SST[0];
    EXPECT_EQ(marks.FSE, first.FSE);
    EXPECT_EQ(marks.LTM, first.LTM);
    EXPECT_EQ(marks.CDD, first.CDD);
    EXPECT_EQ(marks.FST, first.FST);
    EXPECT_EQ(marks.SSE, first.SSE);
    EXPECT_EQ(
        (std::vector<std::string>{ReadBytes(File(ResultsFile::Trend)), ReadBytes(File(ResultsFile::First)),
                                  ReadBytes(File(ResultsFile::FResults))}),
        before);
    EXPECT_EQ(window->toolbar()->score()->text(), QStringLiteral("96.7"));

    // The one still wrong shows its key; the right ones show none.
    AnswerFrame* wrong = window->sheet()->frame(1);
    EXPECT_EQ(window->paper().QSCount(), 30);
    EXPECT_TRUE(wrong->keyBox()->isVisibleTo(window));
    EXPECT_EQ(wrong->keyBox()->text(), QStringLiteral("2"));
    EXPECT_EQ(wrong->secondVerdict()->text(), QStringLiteral("N"));
    EXPECT_FALSE(wrong->firstVerdict()->isVisibleTo(window));
    window->ChooseQuestion(29);
    EXPECT_FALSE(window->sheet()->frame(1)->keyBox()->isVisibleTo(window));
    EXPECT_EQ(window->sheet()->frame(1)->secondVerdict()->text(), QStringLiteral("Y"));
    EXPECT_EQ(ListedIn(status->remaining()), orbisk::testing::Texts({"30"})) << "the one still wrong";
}

// The second attempt opens with the keyboard in question 1's carried-over box.
TEST_F(PracticeMarking, TypingIntoACarriedOverAnswerSaysWhyItStaysAsItIs) {
    MarkFirstAttempt(26);
    PracticeWindow* window = TryAgain();
    ASSERT_NE(window, nullptr);
    AnswerBox* box = window->sheet()->answerBox(1);
    ASSERT_TRUE(box->isReadOnly());
    QTest::keyClicks(box, QStringLiteral("3"));
    EXPECT_EQ(box->text(), QStringLiteral("1"));
    EXPECT_EQ(box->lastHint(), ToQString(practice::texts::kKeptAnswerHint));
}

// Tab reaches the answer box but not the labels beside it.
TEST_F(PracticeMarking, InReviewAnAnswerBoxTellsAScreenReaderItsVerdictAndTheCorrectAnswer) {
    MarkFirstAttempt(29);
    PracticeWindow* window = TryAgain();
    ASSERT_NE(window, nullptr);
    Mark(*window);
    window->ChooseQuestion(30);
    const QString told = window->sheet()->answerBox(1)->accessibleDescription();
    EXPECT_TRUE(told.contains(ToQString(practice::texts::kWrongName))) << told.toStdString();
    EXPECT_TRUE(told.contains(ToQString(practice::texts::kCorrectAnswerName) + QStringLiteral(": 2")))
        << told.toStdString();
}

/// The rows of @p picture that hold some of @p ink.
int inkedRows(const QImage& picture, const QColor& ink) {
    int rows = 0;
    for (int y = 0; y < picture.height(); ++y) {
        for (int x = 0; x < picture.width(); ++x) {
            const QColor c = picture.pixelColor(x, y);
            if (std::abs(c.green() - ink.green()) + std::abs(c.red() - ink.red()) < 60 && c.blue() < 128) {
                ++rows;
                break;
            }
        }
    }
    return rows;
}

class KeyBoxAtSize : public PracticeMarking, public ::testing::WithParamInterface<int> {};

// Letters that reach below the line (g, j, p, q, y) keep their tails in the key box.
TEST_P(KeyBoxAtSize, ShowsTheWholeOfItsTextAtEveryTextSize) {
    MarkFirstAttempt(29);
    PracticeWindow* window = TryAgain();
    ASSERT_NE(window, nullptr);
    Mark(*window);
    window->ChooseQuestion(30);
    window->SetTextSize(GetParam());
    QLabel* key = window->sheet()->frame(1)->keyBox();
    ASSERT_TRUE(key->isVisibleTo(window));
    key->setText(QStringLiteral("gyp"));
    const QColor ink = key->palette().color(QPalette::WindowText);
    const int shown = inkedRows(key->grab(key->contentsRect()).toImage(), ink);
    key->resize(key->width(), key->height() * 3);
    const int whole = inkedRows(key->grab(key->contentsRect()).toImage(), ink);
    ASSERT_GT(whole, 0);
    EXPECT_EQ(shown, whole);
}

INSTANTIATE_TEST_SUITE_P(Sizes, KeyBoxAtSize, ::testing::Values(100, 200));

TEST_F(PracticeMarking, AGroupStillWrongShowsTheAlternativeNobodyGave) {
    // Section 3's paper 103: red, blue or green over three slots, then two pets, then a planet.
    StoreRecord(ResultsFile::First, 103, {"x", "y", "z", "cat", "dog", "Mars"}, 3);
    PracticeWindow* first = OpenPaper(103, 1, 3);
    ASSERT_NE(first, nullptr);
    MarkAndClose(*first);
    PracticeWindow* window = OpenPaper(103, 2, 3);
    ASSERT_NE(window, nullptr);
    ASSERT_EQ(window->sheet()->shownFrames(), 3);
    Put(*window, 1, QStringLiteral("blue"));
    Put(*window, 2, QStringLiteral("red"));
    Mark(*window);
    EXPECT_TRUE(m_asker.asked.back().contains(QStringLiteral("You have not answered all the questions.")));
    for (int n = 1; n <= 2; ++n) {
        EXPECT_FALSE(window->sheet()->frame(n)->keyBox()->isVisibleTo(window)) << n;
    }
    EXPECT_TRUE(window->sheet()->frame(3)->keyBox()->isVisibleTo(window));
    EXPECT_EQ(window->sheet()->frame(3)->keyBox()->text(), QStringLiteral("green"));
}

} // namespace
} // namespace orbisk::gui
