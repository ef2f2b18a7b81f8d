// How the windows look to the learner: pictures at the screen's pixel ratio,
// the text size of the practice window, and a paper begun on the home page. ctest runs the SharpPictures
// suite a second time at a scale factor of 2 (QT_SCALE_FACTOR=2), where every picture must come from its
// twin.
#include "PracticeFixture.h"
#include "core/layout/CornerResize.h"
#include "core/practice/TextSize.h"
#include "gui/chrome/ImageButton.h"
#include "gui/chrome/SkinnedFrame.h"
#include "gui/home/HomePage.h"
#include "gui/home/HomeToolbar.h"
#include "gui/home/PercentColumn.h"
#include "gui/home/TrashPage.h"
#include "gui/practice/AnswerBox.h"
#include "gui/practice/AnswerFrame.h"
#include "gui/practice/AnswerSheetPanel.h"
#include "gui/practice/PracticeToolbar.h"
#include "gui/practice/QuestionView.h"

#include <QAbstractTextDocumentLayout>
#include <QScrollBar>
#include <QTest>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextLayout>
#include <QUrl>

namespace orbisk::gui {
namespace {

using orbisk::testing::PracticeFixture;

class SharpPictures : public PracticeFixture {
protected:
    /// The device pixel ratio the pictures must have on @p widget's screen.
    static qreal ratioFor(const QWidget& widget) {
        if (qEnvironmentVariable("QT_SCALE_FACTOR") == QStringLiteral("2")) {
            EXPECT_EQ(widget.devicePixelRatioF(), 2.0) << "the run at scale factor 2 is not at 2";
        }
        return widget.devicePixelRatioF() > 1 ? 2.0 : 1.0;
    }
};

TEST_F(SharpPictures, TheSkinComesAtTheScreensRatioAndItsSizeInTheWindow) {
    PracticeWindow* window = OpenPaper(101);
    ASSERT_NE(window, nullptr);
    const qreal ratio = ratioFor(*window);
    const ImageButton* next = window->toolbar()->button(practice::ToolbarButton::Next);
    const ImageButton* close = window->frame().closeButton();
    const ImageButton* homeButton = Home().toolbar().button(1);
    const ImageButton* trash = Home().trashPage()->trashButton();
    for (const ImageButton* button : {next, close, homeButton, trash}) {
        EXPECT_EQ(button->shownPicture().devicePixelRatio(), ratio) << button->objectName().toStdString();
        EXPECT_EQ(button->size(), PictureSize(button->shownPicture())) << button->objectName().toStdString();
    }
    EXPECT_EQ(next->size(), QSize(44, 45));
    EXPECT_EQ(close->size(), QSize(19, 19));
}

TEST_F(SharpPictures, ThePagesPicturesComeAtTheScreensRatioAndTheirSizeOnThePage) {
    PracticeWindow* window = OpenPaper(104, 1, 3);
    ASSERT_NE(window, nullptr);
    window->NextQuestion(); // the question with a picture of its own
    const qreal ratio = ratioFor(*window);
    QTextDocument& page = *window->view()->document();
    const QString html = page.toHtml();
    ASSERT_TRUE(html.contains(QStringLiteral("cid:picture20302@orbisk.example")));
    for (const auto& [reference, size] :
         {std::pair{QStringLiteral("test-logo.png"), QSize(64, 16)},
          std::pair{QStringLiteral("cid:picture20302@orbisk.example"), QSize(24, 24)}}) {
        const QVariant loaded = page.resource(QTextDocument::ImageResource, QUrl(reference));
        QPixmap picture;
        if (loaded.userType() == QMetaType::QPixmap) {
            picture = loaded.value<QPixmap>();
        } else {
            picture.loadFromData(loaded.toByteArray());
        }
        EXPECT_EQ(picture.devicePixelRatio(), ratio) << reference.toStdString();
        EXPECT_EQ(PictureSize(picture), size) << reference.toStdString();
    }
}

class TextSize : public PracticeFixture {
protected:
    /// The point size the page shows its body text at (the paper's instruction is body text).
    static double pagePoints(PracticeWindow& window, const char* bodyText) {
        const QTextCursor found = window.view()->document()->find(QString::fromLatin1(bodyText));
        EXPECT_FALSE(found.isNull()) << bodyText;
        return found.charFormat().fontPointSize();
    }
    static double answerPoints(PracticeWindow& window) {
        return window.sheet()->answerBox(1)->font().pointSizeF();
    }
    static void press(PracticeWindow& window, Qt::Key key) {
        QTest::keyClick(&window, key, Qt::ControlModifier);
    }
    /// Ctrl+Plus until the largest text size, and more.
    static void toLargest(PracticeWindow& window) {
        for (int i = 0; i < 8; ++i) {
            press(window, Qt::Key_Plus);
        }
    }
};

TEST_F(TextSize, CtrlPlusMinusAndZeroChangeThePageAndTheAnswersTogether) {
    PracticeWindow* window = OpenPaper(101);
    ASSERT_NE(window, nullptr);
    const char* body = "Choose the right option.";
    const double page = pagePoints(*window, body);
    struct Step {
        Qt::Key key;
        double factor;
    };
    for (const Step step : {Step{Qt::Key_Plus, 1.1}, Step{Qt::Key_Plus, 1.25}, Step{Qt::Key_Minus, 1.1},
                            Step{Qt::Key_Minus, 1.0}, Step{Qt::Key_Minus, 0.9}, Step{Qt::Key_Minus, 0.8},
                            Step{Qt::Key_Minus, 0.8}, Step{Qt::Key_0, 1.0}}) {
        press(*window, step.key);
        EXPECT_DOUBLE_EQ(pagePoints(*window, body), page * step.factor) << step.factor;
        EXPECT_GE(answerPoints(*window), pagePoints(*window, body) - 1e-9)
            << "answers never smaller than the page";
    }
}

TEST_F(TextSize, APageIsAsTallAtASizeHoweverManyMovesCameBefore) {
    PracticeWindow* window = OpenPaper(101);
    ASSERT_NE(window, nullptr);
    const auto height = [&] { return window->view()->document()->size().height(); };
    const double atFirst = height();
    for (int i = 0; i < 3; ++i) {
        press(*window, Qt::Key_Plus);
    }
    const double larger = height();
    for (int i = 0; i < 4; ++i) {
        Press(window, QStringLiteral("Next"));
        Press(window, QStringLiteral("Back"));
    }
    EXPECT_DOUBLE_EQ(height(), larger);
    press(*window, Qt::Key_0);
    EXPECT_DOUBLE_EQ(height(), atFirst);
}

TEST_F(TextSize, ALargerSizeWidensTheAnswerBoxes) {
    PracticeWindow* window = OpenPaper(101);
    ASSERT_NE(window, nullptr);
    const int usual = window->sheet()->answerBox(1)->width();
    for (int i = 0; i < 3; ++i) {
        press(*window, Qt::Key_Plus);
    }
    EXPECT_GT(window->sheet()->answerBox(1)->width(), usual);
}

// The page's header line (the product's picture, the topic and paper) does not
// break into a column of letters that pushes the question down a narrow view.
TEST_F(TextSize, TheQuestionStartsAsHighOnANarrowPageAsOnAWideOne) {
    PracticeWindow* window = OpenPaper(101);
    ASSERT_NE(window, nullptr);
    toLargest(*window);
    const auto questionTop = [&] {
        QCoreApplication::processEvents();
        QTextDocument* page = window->view()->document();
        return page->documentLayout()
            ->blockBoundingRect(page->find(QStringLiteral("Question 1")).block())
            .top();
    };
    window->resize(1200, 900);
    const double wide = questionTop();
    window->resize(layout::Px(layout::kMinResizeWidth), layout::Px(layout::kMinResizeHeight));
    EXPECT_DOUBLE_EQ(questionTop(), wide);
}

TEST_F(TextSize, AWordLongerThanItsBoxWidensTheBoxToShowItWhole) {
    PracticeWindow* window = OpenPaper(105, 1, 3);
    ASSERT_NE(window, nullptr);
    AnswerBox* box = window->sheet()->answerBox(1);
    const int usual = box->width();
    box->setFocus();
    const QString word = QStringLiteral("counterrevolutionaries");
    QTest::keyClicks(box, word);
    ASSERT_EQ(box->text(), word);
    ASSERT_GT(QFontMetrics(box->font()).horizontalAdvance(word), usual) << "a word longer than the box";
    // The cursor after its last letter is in view with the first letter.
    EXPECT_EQ(box->horizontalScrollBar()->value(), 0);
    EXPECT_LE(box->cursorRect().right(), box->viewport()->width());
}

TEST(AnswerBoxText, ALockedAnswerLongerThanItsBoxShowsHowItBegins) {
    AnswerBox box;
    box.resize(60, 24);
    box.show();
    box.SetText(QStringLiteral("extraordinarily"));
    box.SetLocked(true, false);
    EXPECT_EQ(box.horizontalScrollBar()->value(), 0);
}

TEST(AnswerBoxText, AWordLongerThanItsBoxShowsHowItBeginsOnceTheBoxIsLeft) {
    QWidget window;
    auto* box = new AnswerBox(&window);
    auto* next = new AnswerBox(&window);
    box->setGeometry(0, 0, 60, 24);
    next->setGeometry(0, 30, 60, 24);
    window.show();
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    box->setFocus();
    QTest::keyClicks(box, QStringLiteral("extraordinarily"));
    ASSERT_GT(box->horizontalScrollBar()->value(), 0) << "scrolled to the cursor while typing";
    next->setFocus();
    EXPECT_EQ(box->horizontalScrollBar()->value(), 0);
}

// Nothing is dragged out of an answer box: a press on its selected text
// places the cursor there, as a press elsewhere does, so no drag can begin.
TEST(AnswerBoxText, APressOnTheSelectedAnswerStartsNoDragOfIt) {
    AnswerBox box;
    box.resize(200, 24);
    box.show();
    box.SetText(QStringLiteral("answer"));
    box.selectAll();
    const QPoint middle = box.cursorRect(box.textCursor()).center() / 2;
    QTest::mousePress(box.viewport(), Qt::LeftButton, {}, middle);
    EXPECT_FALSE(box.textCursor().hasSelection());
    QTest::mouseRelease(box.viewport(), Qt::LeftButton, {}, middle);
    EXPECT_EQ(box.text(), QStringLiteral("answer"));
}

TEST_F(TextSize, IsKeptForTheNextPaperAndLeftByErasing) {
    PracticeWindow* window = OpenPaper(101);
    ASSERT_NE(window, nullptr);
    const double answers = answerPoints(*window);
    for (int i = 0; i < 3; ++i) {
        press(*window, Qt::Key_Plus);
    }
    ASSERT_EQ(window->textSize(), 150);
    Home().EraseResults();
    window = OpenPaper(102);
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(window->textSize(), 150);
    EXPECT_DOUBLE_EQ(answerPoints(*window), answers * 1.5);
    EXPECT_EQ(window->view()->textSize(), 150);
}

TEST_F(TextSize, AtTheLargestSizeTheSmallestWindowStillShowsEveryAnswer) {
    PracticeWindow* window = OpenPaper(105, 1, 3); // twenty answers to a question
    ASSERT_NE(window, nullptr);
    window->resize(layout::Px(layout::kMinResizeWidth), layout::Px(layout::kMinResizeHeight));
    toLargest(*window);
    ASSERT_EQ(window->textSize(), practice::kTextSizes.back());
    AnswerSheetPanel& sheet = *window->sheet();
    ASSERT_EQ(sheet.shownFrames(), 20);
    for (int n = 1; n <= 20; ++n) {
        AnswerBox* box = sheet.answerBox(n);
        EXPECT_GE(box->height(), QFontMetrics(box->font()).lineSpacing()) << "box " << n << " holds its line";
        EXPECT_LE(box->mapTo(&sheet, QPoint(box->width(), 0)).x(), sheet.width()) << "box " << n;
        if (n > 1) {
            const AnswerBox* above = sheet.answerBox(n - 1);
            EXPECT_LE(above->mapTo(&sheet, QPoint(0, above->height())).y(), box->mapTo(&sheet, QPoint()).y())
                << "box " << n << " lies under box " << n - 1;
        }
        box->setFocus();
        EXPECT_TRUE(orbisk::testing::EventuallyTrue([&] {
            const QPoint top = box->mapTo(sheet.scrollArea()->viewport(), QPoint());
            return top.y() >= 0 && top.y() + box->height() <= sheet.scrollArea()->viewport()->height();
        })) << "box "
            << n << " scrolls into view with the keyboard";
    }
}

/// The line of @p layout that holds @p position.
int lineAt(const QTextLayout& layout, int position) {
    for (int i = 0; i < layout.lineCount(); ++i) {
        const QTextLine line = layout.lineAt(i);
        if (position < line.textStart() + line.textLength()) {
            return i;
        }
    }
    return layout.lineCount() - 1;
}

TEST_F(TextSize, AtTheLargestSizeAWordTileOnThePageIsNeverSplit) {
    PracticeWindow* window = OpenPaper(141); // word order
    ASSERT_NE(window, nullptr);
    window->resize(layout::Px(layout::kMinResizeWidth), layout::Px(layout::kMinResizeHeight));
    toLargest(*window);
    QTextDocument& page = *window->view()->document();
    const QTextCursor tile = page.find(QStringLiteral("sentence"));
    ASSERT_FALSE(tile.isNull());
    const QTextBlock block = tile.block();
    page.documentLayout()->blockBoundingRect(block); // laid out at the view's width
    const int start = tile.selectionStart() - block.position();
    EXPECT_EQ(lineAt(*block.layout(), start),
              lineAt(*block.layout(), tile.selectionEnd() - 1 - block.position()));
}

TEST_F(TextSize, AtTheLargestSizeASentenceBoxShowsTheWholeSentence) {
    PracticeWindow* window = OpenPaper(141);
    ASSERT_NE(window, nullptr);
    toLargest(*window);
    AnswerBox* box = window->sheet()->answerBox(1);
    box->setFocus();
    QTest::keyClicks(box,
                     QStringLiteral("Paper 141 sentence 1 is here and it goes on and on for a long time, "
                                    "so that it takes many more lines than the box has at first."));
    QTextCursor cursor(box->document());
    EXPECT_GE(box->cursorRect(cursor).top(), 0) << "the first line is in sight";
    cursor.movePosition(QTextCursor::End);
    EXPECT_LE(box->cursorRect(cursor).bottom(), box->viewport()->height()) << "and so is the last";
}

TEST_F(TextSize, AtTheLargestSizeASentenceBoxBreaksItsLinesBetweenWords) {
    PracticeWindow* window = OpenPaper(141);
    ASSERT_NE(window, nullptr);
    toLargest(*window);
    AnswerBox* box = window->sheet()->answerBox(1);
    QTest::keyClicks(box, QStringLiteral("my grandfathers never drink coffee"));
    const QTextBlock block = box->document()->firstBlock();
    ASSERT_GT(block.layout()->lineCount(), 1);
    for (int i = 1; i < block.layout()->lineCount(); ++i) {
        EXPECT_EQ(block.text().at(block.layout()->lineAt(i).textStart() - 1), QLatin1Char(' '))
            << "line " << i;
    }
}

class InProgress : public PracticeFixture {};

TEST_F(InProgress, APaperLeftUnmarkedSaysSoInPlaceOfItsScore) {
    PracticeWindow* window = OpenPaper(102);
    ASSERT_NE(window, nullptr);
    const int answers = window->paper().AnswerSlots();
    Put(*window, 1, QStringLiteral("1"));
    m_asker.answers.push_back(true);
    window->ClosePaper();
    ASSERT_TRUE(orbisk::testing::EventuallyTrue([&] { return Open() == nullptr && m_refreshes > 0; }));
    const HomePage& page = *Home().homePage();
    EXPECT_EQ(page.firstScore(2)->text(), QStringLiteral("started"));
    int captions = 0;
    for (const QLabel* caption : page.findChildren<QLabel*>()) {
        if (caption->text() == QStringLiteral("1st Attempt:") && caption->y() == page.firstScore(2)->y()) {
            const int captionEnd =
                caption->x() + QFontMetrics(caption->font()).horizontalAdvance(caption->text());
            EXPECT_LT(captionEnd, page.firstScore(2)->x()) << "clear of the attempt's caption";
            ++captions;
        }
    }
    EXPECT_EQ(captions, 1);
    EXPECT_EQ(page.firstScore(2)->accessibleDescription(),
              QStringLiteral("1 of %1 questions answered").arg(answers));
    EXPECT_EQ(page.firstScore(2)->accessibleName(), QStringLiteral("Paper 2, 1st Attempt: started"));
    EXPECT_EQ(page.secondScore(2)->text(), QString()) << "the second attempt is not begun";
    EXPECT_EQ(page.percentColumn()->rows().size(), 9) << "no \"%\" after it";
}

} // namespace
} // namespace orbisk::gui
