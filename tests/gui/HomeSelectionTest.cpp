// Choosing a topic and a paper on the home page, and what the page shows.
#include "HomeFixture.h"
#include "TempFolder.h"
#include "core/layout/Geometry.h"
#include "gui/chrome/ImageButton.h"
#include "gui/home/HomePage.h"
#include "gui/home/PercentColumn.h"
#include "gui/home/TopicButton.h"

#include <QAccessible>
#include <QTest>

namespace orbisk::gui {
namespace {

using orbisk::testing::HomeFixture;
using orbisk::testing::StoredScores;

class HomeSelection : public HomeFixture {};

TEST_F(HomeSelection, Topic2ShowsSlots6To10AndItsButtonsOpenPapers106To110) {
    StoreScores({{5, {"11", ""}}, {6, {"60", ""}}, {7, {"70", "75"}}, {10, {"90", ""}}, {11, {"12", ""}}});
    const auto home = Open();
    QTest::mouseClick(home->topicLabel(2), Qt::LeftButton);
    HomePage& page = *home->homePage();
    EXPECT_EQ(home->state().TopicCount, 6);
    EXPECT_EQ(home->state().SubH1, "Grammar (2)");
    EXPECT_EQ(page.subHeading()->text(), QStringLiteral("Grammar (2)"));
    const QStringList first{page.firstScore(1)->text(), page.firstScore(2)->text(),
                            page.firstScore(3)->text(), page.firstScore(4)->text(),
                            page.firstScore(5)->text()};
    EXPECT_EQ(first, orbisk::testing::Texts({"60", "70", "", "", "90"}));
    EXPECT_EQ(page.secondScore(2)->text(), QStringLiteral("75"));

    QTest::mouseClick(page.loadButton(1), Qt::LeftButton);
    EXPECT_EQ(home->state().PaperNum, 106);
    EXPECT_EQ(home->state().TakeNum, 1);
    QTest::mouseClick(page.tryAgainButton(5), Qt::LeftButton);
    EXPECT_EQ(home->state().PaperNum, 110);
    EXPECT_EQ(home->state().TakeNum, 2);
    // Each paper opens in a fresh window: whatever is open closes first.
    EXPECT_EQ(m_practice.calls, (std::vector<std::string>{"close all keeping answers", "open 106 take 1",
                                                          "close all keeping answers", "open 110 take 2"}));
}

TEST_F(HomeSelection, ASectionOfSixTopicsHidesTopics7To10AndTheirBullets) {
    const auto home = Open(Config(6));
    for (int t = 1; t <= 10; ++t) {
        const bool shown = t <= 6;
        EXPECT_EQ(home->topicLabel(t)->isVisibleTo(home.get()), shown) << t;
        EXPECT_EQ(home->homePage()->bullet(t)->isVisibleTo(home.get()), shown) << t;
    }
    EXPECT_EQ(home->topicLabel(6)->text(), QStringLiteral("Grammar Cloze (2)"));
    EXPECT_EQ(home->state().TtPapersCon, 30);
}

TEST_F(HomeSelection, AScreenReaderHearsEachScoreWithItsPaperAttemptAndPercent) {
    StoreScores({{1, {"86.7", ""}}});
    const auto home = Open();
    const HomePage& page = *home->homePage();
    const auto spoken = [](QLabel* score) {
        return QAccessible::queryAccessibleInterface(score)->text(QAccessible::Name);
    };
    EXPECT_EQ(spoken(page.firstScore(1)), QStringLiteral("Paper 1, 1st Attempt: 86.7%"));
    EXPECT_EQ(spoken(page.secondScore(1)), QStringLiteral("Paper 1, 2nd Attempt: not taken"));
}

struct ScoreRow {
    const char* name;
    StoredScores stored;
    bool tryAgain;
};

class TryAgainButton : public HomeFixture, public ::testing::WithParamInterface<ScoreRow> {};

// The rule's limits are tested in the core (HomeScreenTest); here, that the
// page shows what the rule says and places the scores.
TEST_P(TryAgainButton, ShowsAsTheRuleSaysAndScoresEndBeforeThePercentColumn) {
    StoreScores({{3, GetParam().stored}});
    const auto home = Open();
    HomePage& page = *home->homePage();
    EXPECT_EQ(page.tryAgainButton(3)->isVisibleTo(home.get()), GetParam().tryAgain);
    EXPECT_TRUE(page.loadButton(3)->isVisibleTo(home.get())) << "load buttons always show";

    const int percentLeft = page.percentColumn()->x();
    for (QLabel* score : {page.firstScore(3), page.secondScore(3)}) {
        if (score->text().isEmpty()) {
            EXPECT_EQ(score->x(), percentLeft);
        } else {
            // The score ends 20 twips (1.3 px) before the "%" column and is not cut short.
            EXPECT_NEAR(score->geometry().right() + 1, percentLeft - 20.0 / layout::kTwipsPerPixel, 1.0);
            EXPECT_GE(score->width(), score->fontMetrics().horizontalAdvance(score->text()));
        }
    }
}

INSTANTIATE_TEST_SUITE_P(HomePage, TryAgainButton,
                         ::testing::Values(ScoreRow{"full_marks", {"100", ""}, false},
                                           ScoreRow{"tried_twice_still_offered", {"45", "100"}, true}),
                         [](const auto& test) { return std::string(test.param.name); });

TEST_F(HomeSelection, OpeningPaper4OfTopic3HandsOver114WithTheSectionItBelongsTo) {
    const auto home = Open();
    home->TopicClick(3);
    QTest::mouseClick(home->homePage()->loadButton(4), Qt::LeftButton);
    const practice::PaperRequest& handOver = m_practice.opened;
    EXPECT_EQ(handOver.PaperNum, 114);
    EXPECT_EQ(handOver.TakeNum, practice::Attempt::First);
    EXPECT_EQ(home->state().TopicCount, 11);
    EXPECT_EQ(handOver.SubH1, "Vocabulary (1)");
    EXPECT_EQ(handOver.LChose, 2);
    EXPECT_EQ(handOver.lblCOD, "TST");
    EXPECT_EQ(handOver.TtPapersCon, 50);
}

TEST_F(HomeSelection, WithoutPracticeWindowsOpeningAPaperRecordsTheHandOverOnly) {
    const auto home = Open();
    home->SetPracticeWindows(nullptr);
    home->TopicClick(10);
    home->OpenPaper(4, 1);
    EXPECT_EQ(home->state().PaperNum, 150);
    EXPECT_TRUE(m_practice.calls.empty());
}

TEST_F(HomeSelection, RefreshingShowsTheSameTopicWithFreshScores) {
    const auto home = Open();
    QTest::mouseClick(home->topicLabel(4), Qt::LeftButton);
    StoreScores({{16, {"88.9", ""}}}); // a practice window marked paper 1 of topic 4
    home->RefreshContents();
    EXPECT_EQ(home->state().TopicCount, 16);
    EXPECT_FALSE(home->state().RefreshLog);
    EXPECT_EQ(home->homePage()->firstScore(1)->text(), QStringLiteral("88.9"));
    EXPECT_TRUE(home->homePage()->tryAgainButton(1)->isVisibleTo(home.get()));
    for (int t = 1; t <= 10; ++t) {
        EXPECT_EQ(home->topicLabel(t)->chosen(), t == 4) << t;
    }
}

TEST_F(HomeSelection, TheChosenTopicIsGreyWithHighlightedTextAndTheOthersPlain) {
    const auto home = Open();
    home->TopicClick(2);
    const QImage shot = home->topicLabel(2)->grab().toImage();
    EXPECT_EQ(shot.pixelColor(1, 1), QColor(0x80, 0x80, 0x80));
    EXPECT_TRUE(home->topicLabel(2)->chosen());
    EXPECT_FALSE(home->topicLabel(1)->chosen());
    EXPECT_NE(home->topicLabel(1)->grab().toImage().pixelColor(1, 1), QColor(0x80, 0x80, 0x80));
}

TEST_F(HomeSelection, AnUnreadableMarksFileShowsNoScoresNamesTheFileAndKeepsIt) {
    StoreScores({{1, {"77", ""}}});
    StoreScores({{1, {"55", ""}}}, 3);
    const auto home = Open();
    ASSERT_EQ(home->homePage()->firstScore(1)->text(), QStringLiteral("77"));
    const std::string damaged = "#FSE#>1\r\n";
    orbisk::testing::WriteBytes(MarksFile(3), damaged);
    QTest::mouseClick(home->tab(3), Qt::LeftButton);
    EXPECT_EQ(home->state().LChose, 3);
    EXPECT_EQ(home->homePage()->firstScore(1)->text(), QString()) << "no stale score of section 2";
    EXPECT_FALSE(home->homePage()->tryAgainButton(1)->isVisibleTo(home.get()));
    ASSERT_EQ(m_notifier.messages.size(), 1);
    EXPECT_TRUE(m_notifier.messages[0].contains(QString::fromStdString(MarksFile(3).string())))
        << m_notifier.messages[0].toStdString();
    EXPECT_FALSE(m_notifier.details[0].isEmpty());
    EXPECT_EQ(orbisk::testing::ReadBytes(MarksFile(3)), damaged);

    QTest::mouseClick(home->tab(2), Qt::LeftButton);
    EXPECT_EQ(home->homePage()->firstScore(1)->text(), QStringLiteral("77"));
}

} // namespace
} // namespace orbisk::gui
