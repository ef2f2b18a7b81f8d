// The learner answering at the keyboard and by clicking: where the focus
// goes, what Enter and the arrows do, the questions list, a click on an
// option, the hint of an empty box and the marking question's safe answer.
#include "PracticeFixture.h"
#include "core/practice/PracticeTexts.h"
#include "gui/practice/AnswerBox.h"
#include "gui/practice/AnswerSheetPanel.h"
#include "gui/practice/PracticeStatusBar.h"
#include "gui/practice/QuestionView.h"

#include <QAbstractItemView>
#include <QAccessible>
#include <QApplication>
#include <QComboBox>
#include <QMouseEvent>
#include <QScrollBar>
#include <QTest>
#include <QTextBlock>
#include <QTextDocument>

namespace orbisk::gui {
namespace {

using orbisk::testing::PracticeFixture;
using results::ResultsFile;

class PracticeAnswering : public PracticeFixture {
protected:
    PracticeWindow* OpenActive(int paper, int take = 1, int section = 2) {
        PracticeWindow* window = OpenPaper(paper, take, section);
        EXPECT_NE(window, nullptr);
        if (window) {
            window->activateWindow();
            EXPECT_TRUE(QTest::qWaitForWindowActive(window));
        }
        return window;
    }

    /// Where the link @p href shows on the page, in the view's viewport: its
    /// first piece (an option's number) or its second (the option's text).
    static QPoint LinkAt(QuestionView* view, const QString& href, int piece) {
        int seen = 0;
        for (QTextBlock block = view->document()->begin(); block.isValid(); block = block.next()) {
            for (auto it = block.begin(); !it.atEnd(); ++it) {
                if (it.fragment().charFormat().anchorHref() != href || seen++ != piece) {
                    continue;
                }
                QTextCursor cursor(view->document());
                cursor.setPosition(it.fragment().position() + it.fragment().length() / 2);
                QRect at = view->cursorRect(cursor);
                if (!view->viewport()->rect().contains(at)) {
                    view->verticalScrollBar()->setValue(view->verticalScrollBar()->value() + at.top() - 40);
                    at = view->cursorRect(cursor);
                }
                return at.center();
            }
        }
        ADD_FAILURE() << "the page has no link " << href.toStdString();
        return {};
    }
};

TEST_F(PracticeAnswering, TheOpenedQuestionsListShowsTheFirstEntryChosenAndDownGoesToTheNext) {
    PracticeWindow* window = OpenPaper(101);
    ASSERT_NE(window, nullptr);
    auto* list = qobject_cast<QComboBox*>(Named(window, QStringLiteral("Questions left")));
    ASSERT_NE(list, nullptr);
    list->setFocus();
    Key(Qt::Key_Down, Qt::AltModifier);
    ASSERT_TRUE(list->view()->isVisible());
    const QModelIndex first = list->model()->index(0, list->modelColumn());
    EXPECT_EQ(list->view()->currentIndex(), first);
    EXPECT_TRUE(list->view()->selectionModel()->isSelected(first)) << "what Enter would choose shows";
    Key(Qt::Key_Down);
    EXPECT_EQ(list->view()->currentIndex().row(), 1);
}

TEST_F(PracticeAnswering, DrivenByRealKeysTheAnswersGoWhereTheLearnerTypes) {
    HomeWindow& home = Home();
    Press(&home, QStringLiteral("Load paper 1"));
    PracticeWindow* window = Open();
    ASSERT_NE(window, nullptr);
    ASSERT_TRUE(QTest::qWaitForWindowActive(window));
    EXPECT_EQ(QApplication::focusWidget(), Named(window, QStringLiteral("Answer")));
    Type(QStringLiteral("2"));
    EXPECT_EQ(window->sheet()->answerBox(1)->text(), QStringLiteral("2"));
    Key(Qt::Key_Return);
    EXPECT_EQ(window->paper().QSCount(), 2);
    EXPECT_EQ(Values(ResultsFile::First, 101, 30)[0], "2");

    // Tab to the questions list, open it, step down one and choose.
    auto* list = qobject_cast<QComboBox*>(Named(window, QStringLiteral("Questions left")));
    ASSERT_NE(list, nullptr);
    for (int tabs = 0; QApplication::focusWidget() != list && tabs < 20; ++tabs) {
        Key(Qt::Key_Tab);
    }
    ASSERT_EQ(QApplication::focusWidget(), list);
    Key(Qt::Key_Down, Qt::AltModifier);
    ASSERT_TRUE(list->view()->isVisible());
    Key(Qt::Key_Down);
    Key(Qt::Key_Down);
    const int chosen = list->view()->currentIndex().data().toInt();
    EXPECT_EQ(window->paper().QSCount(), 2) << "moving through the open list goes to no question";
    Key(Qt::Key_Return);
    ASSERT_EQ(window->paper().QSCount(), chosen);
    Type(QStringLiteral("3"));
    EXPECT_EQ(window->paper().QSCount(), chosen) << "the list took the typed answer";
    EXPECT_EQ(window->sheet()->answerBox(1)->text(), QStringLiteral("3"));
    Key(Qt::Key_Return);
    EXPECT_EQ(Values(ResultsFile::First, 101, 30)[static_cast<std::size_t>(chosen - 1)], "3");
}

// The keyboard stays in the same box from question to question: what it
// says of itself is all a screen reader has to tell the learner where they are.
TEST_F(PracticeAnswering, TheFocusedBoxTellsAScreenReaderWhichQuestionItAnswers) {
    PracticeWindow* window = OpenActive(121);
    ASSERT_NE(window, nullptr);
    Key(Qt::Key_Return);
    ASSERT_EQ(window->paper().QSCount(), 1);
    const QString described = QApplication::focusWidget()->accessibleDescription();
    EXPECT_TRUE(described.startsWith(QStringLiteral("Question 1."))) << described.toStdString();
    window->NextQuestion();
    EXPECT_TRUE(
        window->sheet()->answerBox(3)->accessibleDescription().startsWith(QStringLiteral("Question 2.")));
}

TEST_F(PracticeAnswering, ASecondAttemptOpensInItsFirstBoxNotCarriedOver) {
    // Section 3's paper 103 starts with three boxes; only the first was right.
    StoreRecord(ResultsFile::First, 103, {"red", "y", "z", "cat", "dog", "Mars"}, 3);
    PracticeWindow* first = OpenActive(103, 1, 3);
    ASSERT_NE(first, nullptr);
    MarkAndClose(*first);
    PracticeWindow* window = OpenActive(103, 2, 3);
    ASSERT_NE(window, nullptr);
    ASSERT_TRUE(window->sheet()->answerBox(1)->isReadOnly());
    EXPECT_EQ(QApplication::focusWidget(), Named(window, QStringLiteral("Answer (b)")));
}

TEST_F(PracticeAnswering, KeysAtTheClosedQuestionsListGoToNoQuestion) {
    PracticeWindow* window = OpenActive(101);
    ASSERT_NE(window, nullptr);
    QComboBox* list = window->statusBar()->remaining();
    list->setFocus(Qt::TabFocusReason);
    Type(QStringLiteral("3"));
    EXPECT_EQ(window->paper().QSCount(), 1) << "a digit jumped to a question";
    Key(Qt::Key_Down);
    EXPECT_EQ(window->paper().QSCount(), 1) << "Down jumped to a question";
    EXPECT_TRUE(list->view()->isVisible()) << "Down opens the list instead";
    Key(Qt::Key_Escape);
}

TEST_F(PracticeAnswering, EnterUpAndDownMoveBetweenTheBoxesOfAQuestion) {
    PracticeWindow* window = OpenActive(121); // a cloze of five gaps a question
    ASSERT_NE(window, nullptr);
    AnswerSheetPanel* sheet = window->sheet();
    ASSERT_EQ(QApplication::focusWidget(), sheet->answerBox(1));
    Type(QStringLiteral("went"));
    Key(Qt::Key_Return);
    EXPECT_EQ(QApplication::focusWidget(), sheet->answerBox(2));
    Key(Qt::Key_Down);
    EXPECT_EQ(QApplication::focusWidget(), sheet->answerBox(3));
    Key(Qt::Key_Up);
    Key(Qt::Key_Up);
    EXPECT_EQ(QApplication::focusWidget(), sheet->answerBox(1));
    Key(Qt::Key_Up);
    EXPECT_EQ(QApplication::focusWidget(), sheet->answerBox(1)) << "the top box stays";
    EXPECT_EQ(sheet->answerBox(1)->text(), QStringLiteral("went")) << "no key went into another box";
    EXPECT_EQ(sheet->answerBox(2)->text(), QString());
    EXPECT_EQ(window->paper().QSCount(), 1);
}

TEST_F(PracticeAnswering, ARefusalsMessageGoesWhenTheKeyboardMovesToAnotherBox) {
    PracticeWindow* window = OpenActive(121); // a cloze of five gaps a question
    ASSERT_NE(window, nullptr);
    AnswerSheetPanel* sheet = window->sheet();
    const QString before = sheet->answerBox(1)->accessibleDescription();
    Type(QStringLiteral("#"));
    ASSERT_TRUE(sheet->message()->isVisible());
    EXPECT_TRUE(sheet->answerBox(1)->accessibleDescription().startsWith(sheet->message()->text()))
        << "a screen reader hears it from the box";
    Key(Qt::Key_Return);
    ASSERT_EQ(QApplication::focusWidget(), sheet->answerBox(2));
    EXPECT_FALSE(sheet->message()->isVisible()) << "it would lie over the box being typed in";
    EXPECT_EQ(sheet->answerBox(1)->accessibleDescription(), before);
}

TEST_F(PracticeAnswering, EnterInTheLastBoxStoresAndGoesOnButNotPastTheLastQuestion) {
    PracticeWindow* window = OpenActive(121);
    ASSERT_NE(window, nullptr);
    AnswerBox* last = window->sheet()->answerBox(5);
    last->setFocus(Qt::TabFocusReason);
    Type(QStringLiteral("swam"));
    Key(Qt::Key_Return);
    EXPECT_EQ(window->paper().QSCount(), 2);
    EXPECT_EQ(Values(ResultsFile::First, 121, 20)[4], "swam");
    EXPECT_EQ(QApplication::focusWidget(), window->sheet()->answerBox(1));
    window->ChooseQuestion(4);
    last->setFocus(Qt::TabFocusReason);
    Key(Qt::Key_Return);
    EXPECT_EQ(window->paper().QSCount(), 4);
    EXPECT_EQ(QApplication::focusWidget(), last);
}

TEST_F(PracticeAnswering, AStoredAnswerThatIsNotUtf8IsWrittenBackAsItWasUntilItIsChanged) {
    std::vector<std::string> answers{"caf\xE9", "na\xEFve"};
    answers.resize(20);
    StoreRecord(ResultsFile::First, 121, answers);
    PracticeWindow* window = OpenActive(121);
    ASSERT_NE(window, nullptr);
    Put(*window, 2, QStringLiteral("naive"));
    window->NextQuestion();
    const std::vector<std::string> stored = Values(ResultsFile::First, 121, 20);
    EXPECT_EQ(stored[0], "caf\xE9") << "untouched, its bytes stay";
    EXPECT_EQ(stored[1], "naive");
}

TEST_F(PracticeAnswering, EnterPastTheLastQuestionStoresAndCountsTheAnswerWithoutMoving) {
    PracticeWindow* window = OpenActive(121);
    ASSERT_NE(window, nullptr);
    window->ChooseQuestion(4);
    AnswerBox* last = window->sheet()->answerBox(5);
    last->setFocus(Qt::TabFocusReason);
    Type(QStringLiteral("swam"));
    Key(Qt::Key_Return);
    EXPECT_EQ(Values(ResultsFile::First, 121, 20)[19], "swam");
    EXPECT_EQ(window->statusBar()->answered()->text(), QStringLiteral("1"));
    EXPECT_EQ(window->paper().QSCount(), 4);
    EXPECT_EQ(QApplication::focusWidget(), last);
}

TEST_F(PracticeAnswering, ClickingAnOptionPutsItsNumberInItsAnswersBoxAsIfTyped) {
    PracticeWindow* window = OpenActive(146); // a reading passage with five items
    ASSERT_NE(window, nullptr);
    QuestionView* view = window->view();
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, LinkAt(view, QStringLiteral("answer:3:2"), 1));
    EXPECT_EQ(window->sheet()->answerBox(3)->text(), QStringLiteral("2"));
    EXPECT_EQ(QApplication::focusWidget(), window->sheet()->answerBox(3));
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, LinkAt(view, QStringLiteral("answer:3:4"), 0));
    EXPECT_EQ(window->sheet()->answerBox(3)->text(), QStringLiteral("4"))
        << "a click on the number counts too";
    EXPECT_FALSE(view->textCursor().hasSelection());
    // The box still takes typing.
    Key(Qt::Key_Backspace);
    Type(QStringLiteral("1"));
    EXPECT_EQ(window->sheet()->answerBox(3)->text(), QStringLiteral("1"));
    EXPECT_TRUE(m_notifier.messages.isEmpty()) << "a click on an option is no copy";
}

TEST_F(PracticeAnswering, AnOptionLooksLikeTheRestOfThePageWithAPointingHandOverIt) {
    PracticeWindow* window = OpenActive(101);
    ASSERT_NE(window, nullptr);
    QuestionView* view = window->view();
    const QPoint option = LinkAt(view, QStringLiteral("answer:1:3"), 1);
    const QTextCursor text = view->cursorForPosition(option);
    QTextCursor stem = view->document()->find(QStringLiteral("Test question 101.1"));
    ASSERT_FALSE(stem.isNull());
    EXPECT_FALSE(text.charFormat().fontUnderline());
    EXPECT_EQ(text.charFormat().foreground().color(), stem.charFormat().foreground().color());
    QMouseEvent over(QEvent::MouseMove, option, view->viewport()->mapToGlobal(option), Qt::NoButton,
                     Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(view->viewport(), &over);
    EXPECT_EQ(view->viewport()->cursor().shape(), Qt::PointingHandCursor);
}

TEST_F(PracticeAnswering, AClickOnAnOptionChangesNothingInReviewMode) {
    StoreRecord(ResultsFile::First, 101, std::vector<std::string>(30, "1"));
    PracticeWindow* window = OpenActive(101);
    ASSERT_NE(window, nullptr);
    Mark(*window);
    ASSERT_TRUE(window->paper().IsMarked());
    QTest::mouseClick(window->view()->viewport(), Qt::LeftButton, {},
                      LinkAt(window->view(), QStringLiteral("answer:1:3"), 1));
    EXPECT_EQ(window->sheet()->answerBox(1)->text(), QStringLiteral("1"));
}

TEST_F(PracticeAnswering, WithTheSheetHiddenKeysAfterAMoveAnswerNothing) {
    PracticeWindow* window = OpenActive(101);
    ASSERT_NE(window, nullptr);
    window->ToggleAnswerSheet();
    Key(Qt::Key_Right, Qt::AltModifier);
    ASSERT_EQ(window->paper().QSCount(), 2);
    Type(QStringLiteral("3"));
    Key(Qt::Key_Right, Qt::AltModifier);
    EXPECT_EQ(Values(ResultsFile::First, 101, 30)[1], "") << "an answer typed out of sight";
}

TEST_F(PracticeAnswering, WithTheSheetHiddenAClickOnAnOptionChangesNoAnswer) {
    PracticeWindow* window = OpenActive(146);
    ASSERT_NE(window, nullptr);
    window->ToggleAnswerSheet();
    QTest::mouseClick(window->view()->viewport(), Qt::LeftButton, {},
                      LinkAt(window->view(), QStringLiteral("answer:3:2"), 1));
    EXPECT_EQ(window->sheet()->answerBox(3)->text(), QString());
}

struct HintCase {
    const char* name;
    int paper;
    const char* box;
    const char* hint;
};

class EmptyBoxHint : public PracticeAnswering, public ::testing::WithParamInterface<HintCase> {};

TEST_P(EmptyBoxHint, ShowsWhatTheBoxTakesAndTellsAScreenReader) {
    PracticeWindow* window = OpenActive(GetParam().paper);
    ASSERT_NE(window, nullptr);
    auto* box = qobject_cast<AnswerBox*>(Named(window, QString::fromUtf8(GetParam().box)));
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(box->placeholderText(), QString::fromUtf8(GetParam().hint));
    EXPECT_TRUE(QAccessible::queryAccessibleInterface(box)
                    ->text(QAccessible::Description)
                    .contains(QString::fromUtf8(GetParam().hint)));
}

INSTANTIATE_TEST_SUITE_P(PracticeWindow, EmptyBoxHint,
                         ::testing::Values(HintCase{"choice", 101, "Answer",
                                                    "1\xE2\x80\x93"
                                                    "4"},
                                           HintCase{"gap", 121, "Answer (a)", "one word"},
                                           HintCase{"word_order", 141, "Answer", "the whole sentence"}),
                         [](const auto& test) { return std::string(test.param.name); });

struct AskCase {
    const char* name;
    bool oneMissing;
    FirstFocus focus;
};

class MarkingQuestionFocus : public PracticeAnswering, public ::testing::WithParamInterface<AskCase> {};

TEST_P(MarkingQuestionFocus, IsOnNoWhenAnswersAreMissing) {
    std::vector<std::string> answers(30, "1");
    if (GetParam().oneMissing) {
        answers.back().clear();
    }
    StoreRecord(ResultsFile::First, 101, answers);
    PracticeWindow* window = OpenActive(101);
    ASSERT_NE(window, nullptr);
    m_asker.answers.push_back(false);
    window->MarkPaper();
    ASSERT_EQ(m_asker.focuses.size(), 1U);
    EXPECT_EQ(m_asker.focuses[0], GetParam().focus);
}

INSTANTIATE_TEST_SUITE_P(PracticeWindow, MarkingQuestionFocus,
                         ::testing::Values(AskCase{"one_missing", true, FirstFocus::Second},
                                           AskCase{"all_answered", false, FirstFocus::First}),
                         [](const auto& test) { return std::string(test.param.name); });

} // namespace
} // namespace orbisk::gui
