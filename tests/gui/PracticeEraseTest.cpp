// Erasing every result while a paper is open: the paper closes first, and
// nothing it held comes back by any later action.
#include "CompiledPack.h"
#include "PracticeFixture.h"
#include "core/results/ResultsStore.h"
#include "gui/chrome/ImageButton.h"
#include "gui/home/HomeToolbar.h"
#include "gui/home/TrashPage.h"
#include "gui/practice/AnswerSheetPanel.h"

#include <QApplication>
#include <QLabel>
#include <QPointer>
#include <QTest>
#include <filesystem>

namespace orbisk::gui {
namespace {

using orbisk::testing::PracticeFixture;
using orbisk::testing::ReadBytes;
using orbisk::testing::TestBank;
using results::ResultsFile;

class PracticeErase : public PracticeFixture {
protected:
    /// Help tab, Trash, Trash: the question the page asks before erasing.
    TrashPage* AskToErase() {
        HomeWindow& home = Home();
        QTest::mouseClick(home.tab(4), Qt::LeftButton);
        QTest::mouseClick(home.toolbar().button(2), Qt::LeftButton);
        TrashPage* page = home.trashPage();
        QTest::mouseClick(page->trashButton(), Qt::LeftButton);
        return page;
    }

    void ExpectEveryFileIsItsTemplate() {
        for (const int section : m_config.ExistingSections()) {
            for (const ResultsFile file : results::kResultsFiles) {
                EXPECT_EQ(ReadBytes(File(file, section)),
                          std::string(*TestBank().pack().Find(results::TemplateId(file, section))))
                    << File(file, section).filename().string();
            }
        }
    }
};

TEST_F(PracticeErase, TheQuestionNamesTheOpenPaperAndErasingClosesItFirst) {
    PracticeWindow* window = OpenPaper(101);
    ASSERT_NE(window, nullptr);
    Put(*window, 1, QStringLiteral("2"));
    window->NextQuestion();
    QPointer<PracticeWindow> open = window;
    TrashPage* page = AskToErase();
    EXPECT_TRUE(page->confirmText()->text().contains(QStringLiteral("Grammar (1) - Paper 1")))
        << page->confirmText()->text().toStdString();
    QTest::mouseClick(page->yesButton(), Qt::LeftButton);
    EXPECT_EQ(page->stage(), TrashPage::Stage::Done);
    EXPECT_TRUE(open.isNull() || open->life() == practice::WindowLife::Closed);
    EXPECT_TRUE(PageFiles().empty());
    ExpectEveryFileIsItsTemplate();
}

TEST_F(PracticeErase, AnEraseThatWouldBeRefusedLeavesTheOpenPaperWithItsTypedAnswer) {
    PracticeWindow* window = OpenPaper(101);
    ASSERT_NE(window, nullptr);
    Put(*window, 1, QStringLiteral("2"));
    std::filesystem::remove(File(ResultsFile::Trend));
    std::filesystem::create_directory(File(ResultsFile::Trend)); // a file that cannot be replaced
    QPointer<PracticeWindow> open = window;
    TrashPage* page = AskToErase();
    QTest::mouseClick(page->yesButton(), Qt::LeftButton);
    EXPECT_EQ(page->stage(), TrashPage::Stage::Offer);
    ASSERT_FALSE(open.isNull());
    EXPECT_NE(open->life(), practice::WindowLife::Closed);
    EXPECT_EQ(Sheet(*open).front(), "2");
}

TEST_F(PracticeErase, AMarkedPaperAndOldScoresDoNotComeBackAfterTheErase) {
    StoreScores({{3, {"40", ""}}});
    PracticeWindow* window = OpenPaper(101);
    ASSERT_NE(window, nullptr);
    Put(*window, 1, QStringLiteral("2"));
    window->NextQuestion();
    TrashPage* page = AskToErase();
    QTest::mouseClick(page->yesButton(), Qt::LeftButton);
    // The learner opens the paper again, answers and marks it: only that marking is stored.
    window = OpenPaper(101);
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(Values(ResultsFile::First, 101, 30).front(), "");
    Mark(*window);
    const results::Marks marks = results::ReadMarks(File(ResultsFile::Marks), 50);
    EXPECT_EQ(marks.FSE[2], "") << "paper 103's old score came back";
    EXPECT_EQ(marks.FST[0], "1");
    EXPECT_EQ(ReadBytes(File(ResultsFile::Trend)), "#TRD#>" + marks.FSE[0] + "\r\n");
    EXPECT_EQ(Home().marks().FSE[2], "");
}

TEST_F(PracticeErase, DrivenByAccessibleNamesEveryFileEndsAsItsTemplate) {
    HomeWindow& home = Home();
    Press(&home, QStringLiteral("Load paper 1"));
    PracticeWindow* window = Open();
    ASSERT_NE(window, nullptr);
    QTest::keyClicks(Named(window, QStringLiteral("Answer")), QStringLiteral("2"));
    Press(window, QStringLiteral("Next"));
    Press(&home, QStringLiteral("Help"));
    Press(&home, QStringLiteral("Trash"));
    Press(&home, QStringLiteral("Trash all past results"));
    Press(&home, QStringLiteral("Yes, erase all past results"));
    EXPECT_TRUE(m_asker.asked.isEmpty()) << m_asker.asked.join(QLatin1Char('\n')).toStdString();
    // Close what is left: nothing.
    EXPECT_EQ(Open(), nullptr);
    m_set.reset();
    ExpectEveryFileIsItsTemplate();
}

} // namespace
} // namespace orbisk::gui
