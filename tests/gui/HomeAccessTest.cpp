// The home window by keyboard alone and through the accessibility interface
// that screen readers and automation clients use.
#include "HomeFixture.h"
#include "gui/chrome/ImageButton.h"
#include "gui/chrome/SkinnedFrame.h"
#include "gui/home/HomePage.h"
#include "gui/home/ReportPage.h"
#include "gui/home/TopicButton.h"

#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QApplication>
#include <QTest>
#include <functional>
#include <set>

namespace orbisk::gui {
namespace {

using orbisk::testing::EventuallyTrue;
using orbisk::testing::HomeFixture;

// Every button (push, radio or page tab) named @p name under @p root.
void findAll(QAccessibleInterface* root, const QString& name, std::vector<QAccessibleInterface*>& found) {
    if (root == nullptr) {
        return;
    }
    const QAccessible::Role role = root->role();
    if ((role == QAccessible::Button || role == QAccessible::RadioButton || role == QAccessible::PageTab) &&
        root->text(QAccessible::Name) == name) {
        found.push_back(root);
    }
    for (int i = 0; i < root->childCount(); ++i) {
        findAll(root->child(i), name, found);
    }
}

std::vector<QAccessibleInterface*> buttonsNamed(QWidget* window, const QString& name) {
    std::vector<QAccessibleInterface*> found;
    findAll(QAccessible::queryAccessibleInterface(window), name, found);
    return found;
}

class HomeKeyboard : public HomeFixture {
protected:
    std::unique_ptr<HomeWindow> OpenActive() {
        auto home = Open();
        QApplication::setActiveWindow(home.get());
        EXPECT_TRUE(QTest::qWaitForWindowActive(home.get()));
        return home;
    }
    static void Press(QWidget* home, Qt::Key key) {
        QWidget* focus = QApplication::focusWidget();
        QTest::keyClick(focus ? focus : home, key);
    }
};

std::string keyName(const ::testing::TestParamInfo<Qt::Key>& test) {
    return test.param == Qt::Key_Space ? "space" : test.param == Qt::Key_Enter ? "keypad_enter" : "return";
}

class PressKey : public HomeKeyboard, public ::testing::WithParamInterface<Qt::Key> {};

TEST_P(PressKey, TabReachesLoadPaper2AndTheKeyOpensItAsAFirstAttempt) {
    const auto home = OpenActive();
    ImageButton* target = home->homePage()->loadButton(2);
    for (int presses = 0; presses < 60 && QApplication::focusWidget() != target; ++presses) {
        Press(home.get(), Qt::Key_Tab);
    }
    ASSERT_EQ(QApplication::focusWidget(), target) << "Tab never reached Load paper 2";
    Press(home.get(), GetParam());
    EXPECT_EQ(home->state().PaperNum, 102);
    EXPECT_EQ(home->state().TakeNum, 1);
}

INSTANTIATE_TEST_SUITE_P(HomeWindow, PressKey,
                         ::testing::Values(Qt::Key_Space, Qt::Key_Return, Qt::Key_Enter), keyName);

TEST_F(HomeKeyboard, TabReachesTheTitleBarsButtonsLastFromWhereTheFocusStarts) {
    const auto home = OpenActive();
    QWidget* first = QApplication::focusWidget();
    std::vector<QWidget*> stops;
    for (int presses = 0; presses < 80 && (stops.empty() || stops.back() != first); ++presses) {
        Press(home.get(), Qt::Key_Tab);
        stops.push_back(QApplication::focusWidget());
    }
    ASSERT_GE(stops.size(), 3U);
    ASSERT_EQ(stops.back(), first) << "Tab never came round";
    EXPECT_EQ(stops[stops.size() - 3], home->frame().minimiseButton());
    EXPECT_EQ(stops[stops.size() - 2], home->frame().closeButton());
}

TEST_F(HomeKeyboard, TheFocusInAPageGoingBehindGoesToThePageInFront) {
    const auto home = OpenActive();
    home->ToolBarClick(2); // Report, clicked: a page made after the home page
    home->reportPage()->findChildren<ImageButton*>().front()->setFocus(Qt::TabFocusReason);
    home->ToolBarClick(1); // Home, clicked
    EXPECT_TRUE(home->homePage()->isAncestorOf(QApplication::focusWidget()));
}

TEST_F(HomeKeyboard, EveryVisibleButtonIsOnTheTabChain) {
    StoreScores({{2, {"50", ""}}});
    const auto home = OpenActive();
    std::set<QWidget*> reached;
    for (int presses = 0; presses < 80; ++presses) {
        Press(home.get(), Qt::Key_Tab);
        reached.insert(QApplication::focusWidget());
    }
    for (QAbstractButton* button : home->findChildren<QAbstractButton*>()) {
        if (button->isVisibleTo(home.get())) {
            EXPECT_TRUE(reached.count(button))
                << button->objectName().toStdString() << " is not reached by Tab";
        }
    }
}

struct PageVisit {
    const char* name;
    int tab;
    int slot;
};

class PageKeyboard : public HomeKeyboard, public ::testing::WithParamInterface<PageVisit> {};

TEST_P(PageKeyboard, EveryButtonOfThePageIsNamedAndOnTheTabChain) {
    StoreScores({{1, {"80", "100"}}, {7, {"55.5", ""}}});
    const auto home = OpenActive();
    home->TabClick(GetParam().tab);
    home->ToolBarClick(GetParam().slot);
    QWidget* page = home->currentPage();
    ASSERT_NE(page, nullptr);
    std::set<QWidget*> reached;
    for (int presses = 0; presses < 80; ++presses) {
        Press(home.get(), Qt::Key_Tab);
        reached.insert(QApplication::focusWidget());
    }
    int buttons = 0;
    for (QAbstractButton* button : page->findChildren<QAbstractButton*>()) {
        if (!button->isVisibleTo(home.get())) {
            continue;
        }
        ++buttons;
        QAccessibleInterface* access = QAccessible::queryAccessibleInterface(button);
        ASSERT_NE(access, nullptr);
        EXPECT_FALSE(access->text(QAccessible::Name).trimmed().isEmpty())
            << button->objectName().toStdString() << " has no accessible name";
        EXPECT_TRUE(reached.count(button)) << button->objectName().toStdString() << " is not reached by Tab";
    }
    EXPECT_GT(buttons, 0) << "the page shows no button";
}

INSTANTIATE_TEST_SUITE_P(HomeWindow, PageKeyboard,
                         ::testing::Values(PageVisit{"report", 2, 2}, PageVisit{"about", 4, 1},
                                           PageVisit{"trash", 4, 2}),
                         [](const auto& test) { return std::string(test.param.name); });

class TopicKeys : public HomeKeyboard, public ::testing::WithParamInterface<Qt::Key> {};

TEST_P(TopicKeys, ChooseTheFocusedTopic) {
    const auto home = OpenActive();
    home->topicLabel(2)->setFocus(Qt::TabFocusReason);
    Press(home.get(), GetParam());
    EXPECT_EQ(home->state().TopicCount, 6);
    EXPECT_TRUE(home->topicLabel(2)->chosen());
}

INSTANTIATE_TEST_SUITE_P(HomeWindow, TopicKeys,
                         ::testing::Values(Qt::Key_Return, Qt::Key_Enter, Qt::Key_Space), keyName);

TEST_F(HomeKeyboard, EveryButtonHasItsAccessibleName) {
    const auto home = Open();
    const QStringList names = orbisk::testing::Texts(
        {"Home", "Report", "Print", "Practice", "Extra", "Help", "Minimize", "Grammar (1)", "Load paper 1",
         "Load paper 2", "Load paper 3", "Load paper 4", "Load paper 5", "Try paper 1 again",
         "Try paper 2 again", "Try paper 3 again", "Try paper 4 again", "Try paper 5 again"});
    for (const QString& name : names) {
        EXPECT_EQ(buttonsNamed(home.get(), name).size(), 1U) << name.toStdString();
    }
    // The toolbar's Close and the title bar's: the toolbar's says what it closes.
    const auto closes = buttonsNamed(home.get(), QStringLiteral("Close"));
    ASSERT_EQ(closes.size(), 2U);
    QStringList descriptions{closes[0]->text(QAccessible::Description),
                             closes[1]->text(QAccessible::Description)};
    EXPECT_TRUE(descriptions.contains(QStringLiteral("Close program")));

    home->TabClick(4);
    for (const char* name : {"About", "Trash", "Setup"}) {
        EXPECT_EQ(buttonsNamed(home.get(), QString::fromLatin1(name)).size(), 1U) << name;
    }
}

struct PressCase {
    const char* name;
    const char* control;
    std::function<bool(HomeWindow&)> done;
};

class AccessiblePress : public HomeKeyboard, public ::testing::WithParamInterface<PressCase> {};

TEST_P(AccessiblePress, DoesWhatAClickDoes) {
    StoreScores({{5, {"40", ""}}});
    const auto home = Open();
    const auto found = buttonsNamed(home.get(), QString::fromLatin1(GetParam().control));
    ASSERT_EQ(found.size(), 1U);
    QAccessibleActionInterface* actions = found[0]->actionInterface();
    ASSERT_NE(actions, nullptr);
    // Buttons are pressed, topics (radio buttons) toggled on.
    const QStringList names = actions->actionNames();
    ASSERT_FALSE(names.isEmpty());
    EXPECT_TRUE(names.front() == QAccessibleActionInterface::pressAction() ||
                names.front() == QAccessibleActionInterface::toggleAction());
    actions->doAction(names.front());
    EXPECT_TRUE(EventuallyTrue([&] { return GetParam().done(*home); }));
}

INSTANTIATE_TEST_SUITE_P(
    HomeWindow, AccessiblePress,
    ::testing::Values(
        PressCase{"load_paper", "Load paper 2",
                  [](HomeWindow& h) { return h.state().PaperNum == 102 && h.state().TakeNum == 1; }},
        PressCase{"try_again", "Try paper 5 again",
                  [](HomeWindow& h) { return h.state().PaperNum == 105 && h.state().TakeNum == 2; }},
        PressCase{"topic", "Vocabulary (1)", [](HomeWindow& h) { return h.state().TopicCount == 11; }},
        PressCase{"tab", "Help", [](HomeWindow& h) { return h.currentPage() == h.aboutPage(); }},
        PressCase{"toolbar", "Report", [](HomeWindow& h) { return h.currentPage() == h.reportPage(); }},
        PressCase{"title_bar", "Minimize", [](HomeWindow& h) { return h.isMinimized(); }}),
    [](const auto& test) { return std::string(test.param.name); });

TEST_F(HomeKeyboard, TheChosenTopicIsCheckedForAssistiveTechnology) {
    const auto home = Open();
    home->TopicClick(3);
    const auto chosen = buttonsNamed(home.get(), QStringLiteral("Vocabulary (1)"));
    const auto other = buttonsNamed(home.get(), QStringLiteral("Grammar (1)"));
    ASSERT_EQ(chosen.size(), 1U);
    ASSERT_EQ(other.size(), 1U);
    EXPECT_EQ(chosen[0]->role(), QAccessible::RadioButton);
    EXPECT_TRUE(chosen[0]->state().checkable);
    EXPECT_TRUE(chosen[0]->state().checked);
    EXPECT_FALSE(other[0]->state().checked);
}

TEST_F(HomeKeyboard, TheHomeWindowIsAWindowNamedByItsTitleForAssistiveTechnology) {
    const auto home = Open();
    QAccessibleInterface* window = QAccessible::queryAccessibleInterface(home.get());
    EXPECT_EQ(window->role(), QAccessible::Window);
    EXPECT_EQ(window->text(QAccessible::Name), home->windowTitle());
}

TEST_F(HomeKeyboard, TheTabInFrontIsTheSelectedPageTabForAssistiveTechnology) {
    const auto home = Open();
    home->TabClick(4);
    const auto help = buttonsNamed(home.get(), QStringLiteral("Help"));
    const auto practice = buttonsNamed(home.get(), QStringLiteral("Practice"));
    ASSERT_EQ(help.size(), 1U);
    ASSERT_EQ(practice.size(), 1U);
    EXPECT_EQ(help[0]->role(), QAccessible::PageTab);
    EXPECT_TRUE(help[0]->state().selected);
    EXPECT_FALSE(practice[0]->state().selected);
}

} // namespace
} // namespace orbisk::gui
