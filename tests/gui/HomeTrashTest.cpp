// The erase page: its three stages, the erasing itself and what a file that
// cannot be rewritten does to it.
#include "CompiledPack.h"
#include "HomeFixture.h"
#include "TempFolder.h"
#include "core/results/ResultsStore.h"
#include "gui/chrome/CaptionLabel.h"
#include "gui/chrome/ImageButton.h"
#include "gui/chrome/Palette.h"
#include "gui/home/HomePage.h"
#include "gui/home/HomeToolbar.h"
#include "gui/home/ReportPage.h"
#include "gui/home/TrashPage.h"
#include "gui/home/TrendPlotView.h"

#include <QAccessible>
#include <QApplication>
#include <QLabel>
#include <QTest>
#include <map>

namespace orbisk::gui {
namespace {

using orbisk::testing::ReadBytes;
using orbisk::testing::TestBank;
using Stage = TrashPage::Stage;

class HomeTrash : public orbisk::testing::HomeFixture {
protected:
    HomeTrash() {
        // Results worth erasing: scores, answers and a trend in section 2.
        StoreScores({{1, {"80", "100"}}, {2, {"40", ""}}, {7, {"55.5", ""}}});
        orbisk::testing::WriteBytes(File(results::ResultsFile::Trend, 2), "#TRD#>80>40>55.5\r\n");
    }

    std::filesystem::path File(results::ResultsFile file, int section) const {
        return results::FilePath(m_folder.path(), file, section, m_config.code);
    }

    /// Every results file of every section, by path, with its bytes.
    std::map<std::filesystem::path, std::string> AllResults() const {
        std::map<std::filesystem::path, std::string> files;
        for (const int section : m_config.ExistingSections()) {
            for (const results::ResultsFile file : results::kResultsFiles) {
                files[File(file, section)] = ReadBytes(File(file, section));
            }
        }
        return files;
    }

    static std::string Template(results::ResultsFile file, int section) {
        return std::string(*TestBank().pack().Find(results::TemplateId(file, section)));
    }

    /// The erase page, reached as a learner does: the Help tab, then Trash.
    TrashPage* VisitTrash(HomeWindow& home) {
        QTest::mouseClick(home.tab(4), Qt::LeftButton);
        QTest::mouseClick(home.toolbar().button(2), Qt::LeftButton);
        EXPECT_EQ(home.currentPage(), home.trashPage());
        return home.trashPage();
    }

    /// Which of the page's controls a learner sees, in the order of the page's table.
    static std::vector<bool> Shown(TrashPage* page) {
        return {page->offerText()->isVisibleTo(page),    page->trashButton()->isVisibleTo(page),
                page->trashCaption()->isVisibleTo(page), page->confirmText()->isVisibleTo(page),
                page->yesButton()->isVisibleTo(page),    page->noButton()->isVisibleTo(page),
                page->doneText()->isVisibleTo(page)};
    }
    const std::vector<bool> kOffer{true, true, true, false, false, false, false};
    const std::vector<bool> kConfirm{false, false, false, true, true, true, false};
    const std::vector<bool> kDone{false, false, false, false, false, false, true};
};

TEST_F(HomeTrash, TrashThenNoIsBackInOfferAndChangesNoFile) {
    const auto before = AllResults();
    const auto home = Open();
    TrashPage* page = VisitTrash(*home);
    EXPECT_EQ(Shown(page), kOffer);
    QTest::mouseClick(page->trashButton(), Qt::LeftButton);
    EXPECT_EQ(page->stage(), Stage::Confirm);
    EXPECT_EQ(Shown(page), kConfirm);
    EXPECT_LT(page->noButton()->x(), page->yesButton()->x()) << "No stands left of Yes";
    EXPECT_EQ(page->noButton()->y(), page->yesButton()->y());
    EXPECT_EQ(page->trashButton()->y(), page->yesButton()->y()) << "the buttons share one row";
    QTest::mouseClick(page->noButton(), Qt::LeftButton);
    EXPECT_EQ(page->stage(), Stage::Offer);
    EXPECT_EQ(Shown(page), kOffer);
    EXPECT_EQ(AllResults(), before);
    EXPECT_TRUE(m_notifier.messages.isEmpty());
}

TEST_F(HomeTrash, TrashThenYesResetsEveryFileAndTheHomePageShowsNoScores) {
    const auto home = Open();
    TrashPage* page = VisitTrash(*home);
    QTest::mouseClick(page->trashButton(), Qt::LeftButton);
    QTest::mouseClick(page->yesButton(), Qt::LeftButton);
    EXPECT_EQ(page->stage(), Stage::Done);
    EXPECT_EQ(Shown(page), kDone);
    EXPECT_EQ(page->doneText()->text(), QStringLiteral("All your past results have been erased."));
    ASSERT_EQ(m_config.ExistingSections(), (std::vector<int>{2, 3}));
    for (const int section : m_config.ExistingSections()) {
        for (const results::ResultsFile file : results::kResultsFiles) {
            EXPECT_EQ(ReadBytes(File(file, section)), Template(file, section))
                << File(file, section).filename().string();
        }
    }
    EXPECT_TRUE(m_notifier.messages.isEmpty()) << m_notifier.messages.join(QLatin1Char('\n')).toStdString();

    QTest::mouseClick(home->tab(2), Qt::LeftButton);
    ASSERT_EQ(home->currentPage(), home->homePage());
    for (const int topic : {1, 2}) {
        home->TopicClick(topic);
        for (int n = 1; n <= 5; ++n) {
            EXPECT_TRUE(home->homePage()->firstScore(n)->text().isEmpty())
                << "topic " << topic << " paper " << n;
            EXPECT_TRUE(home->homePage()->secondScore(n)->text().isEmpty());
            EXPECT_FALSE(home->homePage()->tryAgainButton(n)->isVisibleTo(home->homePage()));
        }
    }

    // The report reads the rewritten files: no averages and an empty plot.
    QTest::mouseClick(home->toolbar().button(2), Qt::LeftButton);
    ASSERT_EQ(home->currentPage(), home->reportPage());
    for (const char* figure : {"OScore1", "OScore2", "WT", "ST"}) {
        const auto* label = home->reportPage()->findChild<QLabel*>(QString::fromLatin1(figure));
        ASSERT_NE(label, nullptr) << figure;
        EXPECT_EQ(label->text(), QStringLiteral("-")) << figure;
    }
    EXPECT_TRUE(home->reportPage()->trendPlot()->shape().dots.empty());
}

TEST_F(HomeTrash, LeavingInConfirmAndComingBackThroughTheTrashButtonShowsOffer) {
    const auto home = Open();
    TrashPage* page = VisitTrash(*home);
    QTest::mouseClick(page->trashButton(), Qt::LeftButton);
    QTest::mouseClick(home->toolbar().button(1), Qt::LeftButton); // About
    EXPECT_EQ(home->currentPage(), home->aboutPage());
    QTest::mouseClick(home->toolbar().button(2), Qt::LeftButton);
    EXPECT_EQ(page->stage(), Stage::Offer);
    EXPECT_EQ(Shown(page), kOffer);

    // And after Done, by way of another tab.
    QTest::mouseClick(page->trashButton(), Qt::LeftButton);
    QTest::mouseClick(page->yesButton(), Qt::LeftButton);
    QTest::mouseClick(home->tab(2), Qt::LeftButton);
    VisitTrash(*home);
    EXPECT_EQ(Shown(page), kOffer);
}

// Erasing once said "erased" whatever happened; a file it cannot rewrite is
// now named, and no file is erased, so that no paper stays marked while its
// answers are gone.
TEST_F(HomeTrash, AReadOnlyResultsFileIsNamedAndNothingIsErased) {
    const auto locked = File(results::ResultsFile::Marks, 2);
    std::filesystem::permissions(locked,
                                 std::filesystem::perms::owner_read | std::filesystem::perms::group_read);
    const auto home = Open();
    const auto before = AllResults();
    TrashPage* page = VisitTrash(*home);
    QTest::mouseClick(page->trashButton(), Qt::LeftButton);
    QTest::mouseClick(page->yesButton(), Qt::LeftButton);

    EXPECT_NE(page->stage(), Stage::Done);
    EXPECT_FALSE(page->doneText()->isVisibleTo(page));
    EXPECT_EQ(Shown(page), kOffer) << "the erase is offered again";
    ASSERT_EQ(m_notifier.messages.size(), 1);
    const QString lockedPath = QString::fromStdString(locked.string());
    EXPECT_TRUE(m_notifier.messages[0].contains(lockedPath)) << m_notifier.messages[0].toStdString();
    EXPECT_TRUE(m_notifier.messages[0].contains(QStringLiteral("Nothing was changed")));
    EXPECT_TRUE(m_notifier.details[0].contains(QStringLiteral("read-only")));
    EXPECT_EQ(AllResults(), before);
}

// The button beside it is named for what it does; the caption is not read out again.
TEST_F(HomeTrash, ACaptionIsNotReadOutBesideItsButton) {
    const auto home = Open();
    TrashPage* page = VisitTrash(*home);
    QAccessibleInterface* caption = QAccessible::queryAccessibleInterface(page->trashCaption());
    ASSERT_NE(caption, nullptr);
    EXPECT_TRUE(caption->text(QAccessible::Name).isEmpty());
    EXPECT_TRUE(caption->text(QAccessible::Description).isEmpty());
    EXPECT_TRUE(caption->state().invisible);
    EXPECT_EQ(QAccessible::queryAccessibleInterface(page->trashButton())->text(QAccessible::Name),
              QStringLiteral("Trash all past results"));
}

TEST_F(HomeTrash, AClickOnACaptionActsAsItsButton) {
    const auto home = Open();
    TrashPage* page = VisitTrash(*home);
    EXPECT_EQ(page->trashCaption()->geometry(), page->trashButton()->geometry());
    QTest::mouseClick(page->trashCaption(), Qt::LeftButton);
    EXPECT_EQ(page->stage(), Stage::Confirm);
    QTest::mouseClick(page->noCaption(), Qt::LeftButton);
    EXPECT_EQ(page->stage(), Stage::Offer);
    const auto before = AllResults();
    QTest::mouseClick(page->trashCaption(), Qt::LeftButton);
    QTest::mouseClick(page->yesCaption(), Qt::LeftButton);
    EXPECT_EQ(page->stage(), Stage::Done);
    EXPECT_NE(AllResults(), before);
}

TEST_F(HomeTrash, TheKeyboardGoesStraightToNoWhichCarriesTheQuestion) {
    const auto home = Open();
    QApplication::setActiveWindow(home.get());
    ASSERT_TRUE(QTest::qWaitForWindowActive(home.get()));
    TrashPage* page = VisitTrash(*home);
    page->trashButton()->setFocus(Qt::TabFocusReason);
    QList<QWidget*> focused;
    const auto watch = QObject::connect(qApp, &QApplication::focusChanged,
                                        [&focused](QWidget*, QWidget* now) { focused << now; });
    QTest::keyClick(page->trashButton(), Qt::Key_Space);
    QObject::disconnect(watch);
    EXPECT_EQ(focused, QList<QWidget*>{page->noButton()})
        << "no stop on the way for a screen reader to announce";
    EXPECT_EQ(page->noButton()->accessibleDescription(), page->confirmText()->text());
}

TEST_F(HomeTrash, TheKeyboardAloneErasesAndConfirmOffersNoFirst) {
    const auto home = Open();
    QApplication::setActiveWindow(home.get());
    ASSERT_TRUE(QTest::qWaitForWindowActive(home.get()));
    TrashPage* page = VisitTrash(*home);
    for (ImageButton* button : {page->trashButton(), page->yesButton(), page->noButton()}) {
        EXPECT_NE(button->focusPolicy() & Qt::TabFocus, 0) << button->objectName().toStdString();
        EXPECT_TRUE(button->accessibleName().contains(button == page->trashButton() ? QStringLiteral("Trash")
                                                      : button == page->yesButton() ? QStringLiteral("Yes")
                                                                                    : QStringLiteral("No")));
    }
    page->trashButton()->setFocus(Qt::TabFocusReason);
    QTest::keyClick(page->trashButton(), Qt::Key_Space);
    EXPECT_EQ(page->stage(), Stage::Confirm);
    EXPECT_EQ(QApplication::focusWidget(), page->noButton());
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), page->yesButton()) << "Tab goes from No to Yes, as they stand";
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
    EXPECT_EQ(page->stage(), Stage::Done);
    // A screen reader says what the keyboard lands on: that it is done.
    EXPECT_EQ(QAccessible::queryAccessibleInterface(QApplication::focusWidget())->text(QAccessible::Name),
              QStringLiteral("All your past results have been erased."));
    // ... and the eye sees where the keyboard is.
    const QImage shown = page->grab().toImage();
    bool marked = false;
    for (int y = 0; y < shown.height() && !marked; ++y) {
        for (int x = 0; x < shown.width() && !marked; ++x) {
            marked = shown.pixelColor(x, y) == palette::kFocusMark;
        }
    }
    EXPECT_TRUE(marked);
}

} // namespace
} // namespace orbisk::gui
