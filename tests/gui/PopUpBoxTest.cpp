// The pop-up message box, filled and shown without waiting on it and as the
// program asks with it (modally), and the one way the windows ask through it.
#include "gui/popup/PopUpBox.h"

#include "CompiledPack.h"
#include "HomeFixture.h"
#include "TempFolder.h"
#include "core/setup/FolderSetup.h"
#include "gui/app/Notifier.h"
#include "gui/chrome/ImageButton.h"
#include "gui/chrome/SkinPictures.h"
#include "gui/chrome/SkinnedFrame.h"
#include "gui/popup/PopUpAsker.h"

#include <QAccessible>
#include <QApplication>
#include <QMouseEvent>
#include <QTest>
#include <QTimer>

namespace orbisk::gui {
namespace {

using orbisk::testing::TempFolder;

class PopUp : public ::testing::Test {
protected:
    PopUp() {
        setup::InstallGraphics(m_folder.path(), orbisk::testing::TestBank().pack());
        m_pictures = std::make_unique<SkinPictures>(setup::GraphicsFolder(m_folder.path()));
        m_owner.setGeometry(100, 80, 405, 492);
    }
    std::unique_ptr<PopUpBox> Box() {
        return std::make_unique<PopUpBox>(
            *m_pictures, [this] { return m_cursor; }, &m_owner);
    }
    /// A box filled and shown without waiting on it, active so keys reach it.
    std::unique_ptr<PopUpBox> Shown(int buttons, const QString& message = QStringLiteral("Confirm?")) {
        auto box = Box();
        box->CallPop(QStringLiteral("Close Practice"), message, buttons, &m_owner);
        box->show();
        QApplication::setActiveWindow(box.get());
        EXPECT_TRUE(QTest::qWaitForWindowActive(box.get()));
        return box;
    }

    TempFolder m_folder;
    std::unique_ptr<SkinPictures> m_pictures;
    QWidget m_owner;
    QPoint m_cursor{-100, -100};
};

struct RowCase {
    const char* name;
    int buttons;
    QRect first;
    const char* firstCaption;
    bool secondVisible;
    QRect second;
    const char* secondCaption;
};

class PopUpButtons : public PopUp, public ::testing::WithParamInterface<RowCase> {};

TEST_P(PopUpButtons, StandWhereTheCountSaysWithTheirCaptionsAsNames) {
    const RowCase& c = GetParam();
    auto box = Box();
    box->CallPop(QStringLiteral("Marking"), QStringLiteral("Do you want to mark your practice now?"),
                 c.buttons, &m_owner);
    EXPECT_EQ(box->button(1)->geometry(), c.first);
    EXPECT_EQ(box->button(1)->caption(), QString::fromLatin1(c.firstCaption));
    EXPECT_EQ(box->button(1)->accessibleName(), QString::fromLatin1(c.firstCaption));
    EXPECT_EQ(box->button(2)->isVisibleTo(box.get()), c.secondVisible);
    if (c.secondVisible) {
        EXPECT_EQ(box->button(2)->geometry(), c.second);
        EXPECT_EQ(box->button(2)->caption(), QString::fromLatin1(c.secondCaption));
        EXPECT_EQ(QAccessible::queryAccessibleInterface(box->button(2))->text(QAccessible::Name),
                  QString::fromLatin1(c.secondCaption));
    }
}

INSTANTIATE_TEST_SUITE_P(PopUp, PopUpButtons,
                         ::testing::Values(
                             // 92.5 px rounds to 93.
                             RowCase{"one_ok_centred", 1, QRect(93, 109, 80, 25), "OK", false, {}, ""},
                             RowCase{"yes_and_no", 2, QRect(58, 109, 80, 25), "Yes", true,
                                     QRect(148, 109, 80, 25), "No"},
                             RowCase{"other_count_keeps_the_design", 3, QRect(32, 109, 80, 25), "OK", true,
                                     QRect(128, 109, 80, 25), "Cancel"}),
                         [](const auto& test) { return std::string(test.param.name); });

struct TopCase {
    const char* name;
    int length;
    int top;
};

class PopUpMessage : public PopUp, public ::testing::WithParamInterface<TopCase> {};

TEST_P(PopUpMessage, StandsLowerWhenItFitsOneLine) {
    auto box = Box();
    const QString message(GetParam().length, QLatin1Char('x'));
    box->CallPop(QStringLiteral("Orbisk"), message, 1, &m_owner);
    EXPECT_EQ(box->message()->geometry(), QRect(58, GetParam().top, 192, 105 - GetParam().top));
    EXPECT_EQ(box->message()->text(), message);
}

INSTANTIATE_TEST_SUITE_P(PopUp, PopUpMessage,
                         ::testing::Values(TopCase{"thirty_two", 32, 51}, TopCase{"thirty_three", 33, 44},
                                           TopCase{"confirm_length", 8, 51}),
                         [](const auto& test) { return std::string(test.param.name); });

TEST_F(PopUp, IsSkinnedTitledCentredOnItsOwnerAndCutAtTheCorners) {
    auto box = Box();
    box->CallPop(QStringLiteral("Orbisk"), QStringLiteral("Paper saved"), 1, &m_owner);
    EXPECT_EQ(box->size(), QSize(265, 150));
    EXPECT_EQ(box->titleLabel()->text(), QStringLiteral("Orbisk"));
    EXPECT_EQ(box->titleLabel()->objectName(), QStringLiteral("lblTitle"));
    EXPECT_EQ(box->titleLabel()->x(), 16);
    EXPECT_EQ(box->info()->geometry(), QRect(16, 44, 32, 27));
    EXPECT_FALSE(box->info()->pixmap().isNull());
    const QRect owner = m_owner.frameGeometry();
    EXPECT_EQ(box->pos(),
              QPoint(owner.x() + (owner.width() - 265) / 2, owner.y() + (owner.height() - 150) / 2));
    EXPECT_FALSE(box->mask().contains(QPoint(0, 149))) << "bottom corners are cut";
    EXPECT_FALSE(box->mask().contains(QPoint(264, 146)));
    EXPECT_TRUE(box->mask().contains(QPoint(8, 149)));
    EXPECT_TRUE(box->windowFlags() & Qt::FramelessWindowHint);
    EXPECT_TRUE(box->isModal());
}

TEST_F(PopUp, TheLongestQuestionIsShownWhole) {
    auto box = Box();
    const QString question =
        QStringLiteral("You have not answered all the questions.  Do you still want to mark your practice?");
    box->CallPop(QStringLiteral("Marking"), question, 2, &m_owner);
    QLabel* message = box->message();
    const QRect needed = message->fontMetrics().boundingRect(QRect(0, 0, message->width(), 1000),
                                                             Qt::TextWordWrap | Qt::AlignLeft, question);
    EXPECT_LE(needed.height(), message->height());
    EXPECT_LE(message->geometry().bottom(), box->button(1)->y());
}

TEST_F(PopUp, AnswersTrueForTheFirstButtonByMouse) {
    auto box = Shown(2);
    QTest::mouseClick(box->button(1), Qt::LeftButton);
    EXPECT_EQ(box->answer(), std::optional<bool>(true));
    EXPECT_FALSE(box->isVisible());
}

TEST_F(PopUp, TabAndSpaceReachAndPressTheSecondButton) {
    auto box = Shown(2);
    for (int presses = 0; presses < 4 && QApplication::focusWidget() != box->button(2); ++presses) {
        QTest::keyClick(QApplication::focusWidget() ? QApplication::focusWidget() : box.get(), Qt::Key_Tab);
    }
    ASSERT_EQ(QApplication::focusWidget(), box->button(2));
    QTest::keyClick(box->button(2), Qt::Key_Space);
    EXPECT_EQ(box->answer(), std::optional<bool>(false));
    EXPECT_FALSE(box->isVisible());
}

class UnansweredKey : public PopUp, public ::testing::WithParamInterface<Qt::Key> {};

TEST_P(UnansweredKey, LeavesTheBoxOpen) {
    auto box = Shown(2);
    QWidget* focus = QApplication::focusWidget();
    QTest::keyClick(focus ? focus : box.get(), GetParam());
    QTest::keyClick(box.get(), GetParam());
    EXPECT_TRUE(box->isVisible());
    EXPECT_FALSE(box->answer().has_value());
    box->close(); // nor does closing it without an answer
    EXPECT_TRUE(box->isVisible());
}

INSTANTIATE_TEST_SUITE_P(PopUp, UnansweredKey,
                         ::testing::Values(Qt::Key_Return, Qt::Key_Enter, Qt::Key_Escape),
                         [](const auto& test) {
                             return std::string(test.param == Qt::Key_Escape  ? "escape"
                                                : test.param == Qt::Key_Enter ? "keypad_enter"
                                                                              : "return");
                         });

TEST_F(PopUp, ItsButtonsLightUpUnderTheCursorWithoutAPressedState) {
    auto box = Shown(2);
    m_cursor = box->button(2)->mapToGlobal(QPoint(1, 1));
    box->poller().Tick();
    EXPECT_EQ(box->button(2)->shownPicture().cacheKey(),
              m_pictures->Get(QStringLiteral("button_on.bmp")).cacheKey());
    EXPECT_EQ(box->button(1)->shownPicture().cacheKey(),
              m_pictures->Get(QStringLiteral("button_off.bmp")).cacheKey());
    QTest::mousePress(box->button(2), Qt::LeftButton);
    box->poller().Tick();
    EXPECT_EQ(box->button(2)->state(), ImageButton::State::On);
}

TEST_F(PopUp, DraggingTheTitleMovesTheBoxAndNotItsOwner) {
    auto box = Shown(1);
    const QPoint before = box->pos();
    const QPoint ownerBefore = m_owner.pos();
    QLabel* title = box->titleLabel();
    const QPoint grip = title->mapToGlobal(QPoint(2, 2));
    const auto send = [&](QEvent::Type type, QPoint global, Qt::MouseButtons buttons) {
        QMouseEvent event(type, title->mapFromGlobal(global), global, Qt::RightButton, buttons,
                          Qt::NoModifier);
        QApplication::sendEvent(title, &event);
    };
    send(QEvent::MouseButtonPress, grip, Qt::RightButton);
    send(QEvent::MouseMove, grip + QPoint(-20, 15), Qt::RightButton);
    send(QEvent::MouseButtonRelease, grip + QPoint(-20, 15), Qt::NoButton);
    EXPECT_EQ(box->pos(), before + QPoint(-20, 15));
    EXPECT_EQ(m_owner.pos(), ownerBefore);
}

// ---- the box as the program asks with it: shown modally, Ask waiting on it

enum class Reply { FirstButton, SecondButton, HiddenUnanswered };

struct ModalCase {
    const char* name;
    Reply reply;
    std::optional<bool> answer;
};

class PopUpAskerWaits : public PopUp, public ::testing::WithParamInterface<ModalCase> {};

TEST_P(PopUpAskerWaits, UntilTheBoxIsAnsweredAndReturnsTheAnswer) {
    PopUpAsker asker(*m_pictures, [this] { return m_cursor; });
    m_owner.show();
    bool modalWhileAsking = false;
    // Runs inside Ask's wait, as the learner's click would.
    QTimer::singleShot(0, &m_owner, [&] {
        auto* box = m_owner.findChild<PopUpBox*>();
        ASSERT_NE(box, nullptr);
        modalWhileAsking = box->isVisible() && QApplication::activeModalWidget() == box;
        switch (GetParam().reply) {
        case Reply::FirstButton:
            QTest::mouseClick(box->button(1), Qt::LeftButton);
            break;
        case Reply::SecondButton:
            QTest::mouseClick(box->button(2), Qt::LeftButton);
            break;
        case Reply::HiddenUnanswered: // as when the program is ended meanwhile
            box->hide();
            break;
        }
    });
    EXPECT_EQ(asker.Ask(&m_owner, QStringLiteral("Close Practice"), QStringLiteral("Confirm?"), 2,
                        FirstFocus::First),
              GetParam().answer);
    EXPECT_TRUE(modalWhileAsking);
    EXPECT_EQ(m_owner.findChild<PopUpBox*>(), nullptr) << "each question gets a box of its own";
    EXPECT_TRUE(QTest::qWaitForWindowActive(&m_owner)) << "the keys go back to the window that asked";
}

TEST_F(PopUp, AMessageBoxGivesTheKeysBackToTheWindowItStoodOver) {
    m_owner.show();
    MessageBoxNotifier notifier;
    QTimer::singleShot(0, &m_owner, [] {
        if (QWidget* box = QApplication::activeModalWidget()) {
            box->close();
        }
    });
    notifier.Warn(&m_owner, QStringLiteral("Orbisk"), QStringLiteral("Your answers could not be saved."),
                  QStringLiteral("details"));
    EXPECT_TRUE(QTest::qWaitForWindowActive(&m_owner));
}

INSTANTIATE_TEST_SUITE_P(PopUp, PopUpAskerWaits,
                         ::testing::Values(ModalCase{"first_button", Reply::FirstButton, true},
                                           ModalCase{"second_button", Reply::SecondButton, false},
                                           ModalCase{"hidden_unanswered", Reply::HiddenUnanswered,
                                                     std::nullopt}),
                         [](const auto& test) { return std::string(test.param.name); });

struct FocusCase {
    const char* name;
    FirstFocus focus;
    int buttons;
    int focused; ///< the button with the keyboard when the box opens
};

class PopUpAskerFocus : public PopUp, public ::testing::WithParamInterface<FocusCase> {};

TEST_P(PopUpAskerFocus, OpensWithTheKeyboardOnTheButtonTheCallerNames) {
    PopUpAsker asker(*m_pictures, [this] { return m_cursor; });
    int focused = 0;
    QTimer::singleShot(0, &m_owner, [&] {
        auto* box = m_owner.findChild<PopUpBox*>();
        ASSERT_NE(box, nullptr);
        focused = box->focusWidget() == box->button(1) ? 1 : box->focusWidget() == box->button(2) ? 2 : -1;
        QTest::mouseClick(box->button(1), Qt::LeftButton);
    });
    asker.Ask(&m_owner, QStringLiteral("Marking"), QStringLiteral("Mark?"), GetParam().buttons,
              GetParam().focus);
    EXPECT_EQ(focused, GetParam().focused);
}

INSTANTIATE_TEST_SUITE_P(
    PopUp, PopUpAskerFocus,
    ::testing::Values(FocusCase{"yes_first", FirstFocus::First, 2, 1},
                      FocusCase{"no_first_when_it_cannot_be_taken_back", FirstFocus::Second, 2, 2},
                      FocusCase{"ok_alone_takes_it_whatever_is_asked", FirstFocus::Second, 1, 1}),
    [](const auto& test) { return std::string(test.param.name); });

// ---- the one way the windows ask

struct AskCase {
    const char* name;
    std::optional<bool> given; ///< the box's answer; empty when it went without one
    bool reads;
};

class AskLearnerAnswer : public ::testing::TestWithParam<AskCase> {};

TEST_P(AskLearnerAnswer, ReadsYesOnlyForTheFirstButton) {
    orbisk::testing::FakeAsker asker;
    asker.answers = {GetParam().given};
    QWidget owner;
    EXPECT_EQ(AskLearner(&asker, &owner, QStringLiteral("Close Practice"), QStringLiteral("Confirm?"), 2),
              GetParam().reads);
    EXPECT_EQ(asker.asked, orbisk::testing::Texts({"Close Practice: Confirm? (2)"}));
    EXPECT_EQ(asker.owners, std::vector<QWidget*>{&owner});
}

INSTANTIATE_TEST_SUITE_P(PopUp, AskLearnerAnswer,
                         ::testing::Values(AskCase{"first_button", true, true},
                                           AskCase{"second_button", false, false},
                                           AskCase{"closed_without_an_answer", std::nullopt, false}),
                         [](const auto& test) { return std::string(test.param.name); });

TEST(AskLearner, WithoutAnAskerNothingIsAskedAndItReadsAsNo) {
    EXPECT_FALSE(AskLearner(nullptr, nullptr, QStringLiteral("Orbisk"), QStringLiteral("Paper saved"), 1));
}

class PopUpOverHome : public orbisk::testing::HomeFixture {};

TEST_F(PopUpOverHome, TheWindowUnderAnOpenBoxShowsTheInactiveTitleBarUntilItIsAnswered) {
    const auto home = Open();
    QApplication::setActiveWindow(home.get());
    ASSERT_TRUE(home->frame().active());
    PopUpBox box(
        *m_pictures, [this] { return m_cursor; }, home.get());
    box.CallPop(QStringLiteral("Close Practice"), QStringLiteral("Confirm?"), 2, home.get());
    box.show();
    QApplication::setActiveWindow(&box);
    EXPECT_FALSE(home->frame().active());
    EXPECT_EQ(home->frame().title()->palette().color(QPalette::WindowText), QColor(128, 128, 128));
    QTest::mouseClick(box.button(2), Qt::LeftButton);
    QApplication::setActiveWindow(home.get());
    EXPECT_TRUE(home->frame().active());
    EXPECT_EQ(box.answer(), std::optional<bool>(false));
}

} // namespace
} // namespace orbisk::gui
