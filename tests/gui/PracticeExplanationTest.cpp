// Explanations on the answer sheet: shown under an answer once it is known,
// reached by the keyboard and named for screen readers.
#include "PracticeFixture.h"
#include "core/layout/AnswerFrames.h"
#include "core/layout/CornerResize.h"
#include "core/practice/TextSize.h"
#include "gui/practice/AnswerBox.h"
#include "gui/practice/AnswerFrame.h"
#include "gui/practice/AnswerSheetPanel.h"

#include <QApplication>
#include <QScrollArea>
#include <QTest>

namespace orbisk::gui {
namespace {

using orbisk::testing::PracticeFixture;

class PracticeExplanation : public PracticeFixture {
protected:
    /// Paper 146, question 1: five items, each explained. Puts every key but item 2's.
    static void answerAllButTheSecond(PracticeWindow& window) {
        const std::vector<std::string>& keys = window.paper().keys();
        for (int n = 1; n <= 5; ++n) {
            const std::string& key = keys[static_cast<std::size_t>(n - 1)];
            Put(window, n, QString::fromStdString(n == 2 ? (key == "1" ? "2" : "1") : key));
        }
    }
    static QLabel* why(PracticeWindow& window, int n) { return window.sheet()->frame(n)->explanation(); }
    static bool shows(PracticeWindow& window, int n) { return why(window, n)->isVisibleTo(&window); }
};

TEST_F(PracticeExplanation, AfterTheFirstAttemptOnlyARightAnswerIsExplainedAndTheKeyboardReachesIt) {
    PracticeWindow* window = OpenPaper(146);
    ASSERT_NE(window, nullptr);
    answerAllButTheSecond(*window);
    EXPECT_FALSE(shows(*window, 1)) << "nothing while answering";
    Mark(*window);
    ASSERT_TRUE(window->paper().IsMarked());
    EXPECT_TRUE(shows(*window, 1));
    EXPECT_FALSE(shows(*window, 2)) << "a wrong answer's explanation would give it away";
    EXPECT_EQ(why(*window, 2)->text(), QString());
    EXPECT_TRUE(why(*window, 1)->text().contains(QStringLiteral("Why 146.1.1: the passage says so.")));
    EXPECT_EQ(why(*window, 1)->font().pointSizeF(), window->sheet()->answerBox(1)->font().pointSizeF());

    // Under its box, inside its frame; the frame without one is no taller than usual.
    AnswerFrame* first = window->sheet()->frame(1);
    EXPECT_GT(why(*window, 1)->y(), first->answerBox()->geometry().bottom());
    EXPECT_LE(why(*window, 1)->geometry().bottom(), first->height());
    EXPECT_GE(why(*window, 1)->height(), QFontMetrics(why(*window, 1)->font()).lineSpacing());
    const double grow = window->sheet()->frameGrowth();
    EXPECT_EQ(window->sheet()->frame(2)->height(),
              layout::ToPixels(layout::StackAnswerFrames(5, false, grow)[1]).height);

    QLabel* named = qobject_cast<QLabel*>(Named(window, QStringLiteral("Why the answer is right (a)")));
    EXPECT_EQ(named, why(*window, 1));
    EXPECT_EQ(named->accessibleDescription(), QStringLiteral("Why 146.1.1: the passage says so."));
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window));
    window->sheet()->answerBox(1)->setFocus();
    const auto look = [&] { return first->grab().toImage(); };
    const QImage before = look();
    Key(Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), why(*window, 1)) << "Tab goes from the box to its explanation";
    EXPECT_NE(look(), before) << "with a focus mark";
    Key(Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), window->sheet()->answerBox(2))
        << "and on past a frame without one";
}

// A long explanation at a large size in a small window: the frame is taller
// than the sheet, and the box that takes the keyboard still comes into view.
TEST_F(PracticeExplanation, AFrameTallerThanTheSheetShowsItsBoxWhenTheBoxTakesTheKeyboard) {
    PracticeWindow* window = OpenPaper(146);
    ASSERT_NE(window, nullptr);
    answerAllButTheSecond(*window);
    Mark(*window);
    window->resize(layout::Px(layout::kMinResizeWidth), layout::Px(layout::kMinResizeHeight));
    why(*window, 1)->setText(QStringLiteral("Why the passage says so. ").repeated(30));
    window->SetTextSize(practice::kTextSizes.back());
    AnswerSheetPanel& sheet = *window->sheet();
    QWidget* view = sheet.scrollArea()->viewport();
    ASSERT_GT(sheet.frame(1)->height(), view->height());
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window));
    sheet.answerBox(3)->setFocus();
    sheet.answerBox(1)->setFocus();
    const AnswerBox* box = sheet.answerBox(1);
    const QPoint top = box->mapTo(view, QPoint());
    EXPECT_GE(top.y(), 0);
    EXPECT_LE(top.y() + box->height(), view->height());
}

TEST_F(PracticeExplanation, AfterTheSecondAttemptAWrongAnswerIsExplainedUnderItsKey) {
    PracticeWindow* window = OpenPaper(146);
    ASSERT_NE(window, nullptr);
    answerAllButTheSecond(*window);
    MarkAndClose(*window);
    window = OpenPaper(146, 2);
    ASSERT_NE(window, nullptr);
    EXPECT_FALSE(shows(*window, 1)) << "nothing while answering, not even under a carried-over answer";
    Put(*window, 2, window->paper().keys()[1] == "1" ? QStringLiteral("2") : QStringLiteral("1"));
    Mark(*window);
    ASSERT_TRUE(window->paper().IsMarked());
    for (int n = 1; n <= 5; ++n) {
        EXPECT_TRUE(shows(*window, n)) << "frame " << n;
    }
    QLabel* key = window->sheet()->frame(2)->keyBox();
    ASSERT_TRUE(key->isVisibleTo(window));
    EXPECT_GT(why(*window, 2)->y(), key->geometry().bottom());
    EXPECT_EQ(why(*window, 2)->accessibleDescription(), QStringLiteral("Why 146.1.2: the passage says so."));
}

} // namespace
} // namespace orbisk::gui
