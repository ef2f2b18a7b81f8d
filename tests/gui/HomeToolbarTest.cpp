// The home window's tabs, toolbar and page switch, its hover poll and its frame.
#include "gui/home/HomeToolbar.h"

#include "HomeFixture.h"
#include "gui/chrome/ImageButton.h"
#include "gui/chrome/SkinnedFrame.h"
#include "gui/home/HomePage.h"
#include "gui/home/TopicButton.h"

#include <QApplication>
#include <QMouseEvent>
#include <QTest>

namespace orbisk::gui {
namespace {

using orbisk::testing::HomeFixture;
using State = ImageButton::State;

class HomeTabs : public HomeFixture {
protected:
    QPoint CentreOf(QWidget* widget) const { return widget->mapToGlobal(widget->rect().center()); }
};

TEST_F(HomeTabs, TheHelpTabGivesTheToolbarItsOwnFunctionsWithinOneTick) {
    const auto home = Open();
    QTest::mouseClick(home->tab(4), Qt::LeftButton);
    home->poller().Tick();
    HomeToolbar& toolbar = home->toolbar();
    const QStringList captions{toolbar.button(1)->caption(), toolbar.button(2)->caption(),
                               toolbar.button(4)->caption()};
    EXPECT_EQ(captions, orbisk::testing::Texts({"About", "Trash", "Setup"}));
    const QStringList tips{toolbar.button(1)->toolTip(), toolbar.button(2)->toolTip(),
                           toolbar.button(4)->toolTip()};
    EXPECT_EQ(tips, orbisk::testing::Texts({"About Orbisk", "Trash past results", "Printer Setup"}));
    EXPECT_FALSE(toolbar.button(3)->isVisibleTo(home.get()));
    EXPECT_EQ(toolbar.button(1)->shownPicture().cacheKey(), Picture("about_off.bmp").cacheKey());
    EXPECT_EQ(home->currentPage(), home->aboutPage());

    QTest::mouseClick(home->tab(2), Qt::LeftButton);
    home->poller().Tick();
    EXPECT_EQ(toolbar.button(3)->caption(), QStringLiteral("Print"));
    EXPECT_EQ(toolbar.button(3)->toolTip(), QStringLiteral("Print results"));
    EXPECT_EQ(toolbar.button(1)->toolTip(), QStringLiteral("Load Home page"));
    EXPECT_EQ(toolbar.button(2)->toolTip(), QStringLiteral("Load Report card"));
    EXPECT_EQ(toolbar.button(4)->toolTip(), QStringLiteral("Close program"));
    EXPECT_TRUE(toolbar.button(3)->isVisibleTo(home.get()));
    EXPECT_EQ(home->currentPage(), home->homePage());
}

struct PageCase {
    const char* name;
    int tab;
    int firstSlot; // the slot that shows a page
    int secondSlot;
    const char* expectedPage; // object name of the page left in front
};

class PageSwitch : public HomeFixture, public ::testing::WithParamInterface<PageCase> {};

TEST_P(PageSwitch, PrintAndSetupLeaveThePageAsItWas) {
    const PageCase& c = GetParam();
    const auto home = Open();
    home->TabClick(c.tab);
    home->ToolBarClick(c.firstSlot);
    home->ToolBarClick(c.secondSlot);
    ASSERT_NE(home->currentPage(), nullptr);
    EXPECT_EQ(home->currentPage()->objectName(), QString::fromLatin1(c.expectedPage));
    EXPECT_EQ(home->state().txtToolBarPos, c.secondSlot);
    // The page in front is the one a learner sees: nothing covers it.
    const QPoint middle = home->currentPage()->geometry().center();
    QWidget* seen = home->childAt(middle);
    while (seen && seen->parentWidget() != home.get()) {
        seen = seen->parentWidget();
    }
    EXPECT_EQ(seen, home->currentPage());
    // The pages behind are out of reach of Tab and of screen readers.
    for (QWidget* page :
         {static_cast<QWidget*>(home->homePage()), static_cast<QWidget*>(home->reportPage()),
          static_cast<QWidget*>(home->trashPage()), static_cast<QWidget*>(home->aboutPage())}) {
        EXPECT_EQ(page->isVisible(), page == home->currentPage()) << page->objectName().toStdString();
    }
    EXPECT_TRUE(m_practice.calls.empty());
    EXPECT_TRUE(home->isVisible());
}

INSTANTIATE_TEST_SUITE_P(HomeToolbar, PageSwitch,
                         ::testing::Values(PageCase{"print_on_the_report", 2, 2, 3, "Body_Report"},
                                           PageCase{"print_on_the_home_page", 2, 1, 3, "Body_Home"},
                                           PageCase{"setup_on_the_trash_page", 4, 2, 4, "Body_Trash"},
                                           PageCase{"setup_on_the_about_page", 4, 1, 4, "Body_About"},
                                           PageCase{"hidden_slot_does_nothing", 4, 2, 3, "Body_Trash"},
                                           PageCase{"home_again_after_the_report", 2, 2, 1, "Body_Home"}),
                         [](const auto& test) { return std::string(test.param.name); });

TEST_F(HomeTabs, ClickingTheCurrentTabAgainReloadsItsHomePageWithTopic1) {
    const auto home = Open();
    home->TopicClick(3);
    home->ToolBarClick(2);
    QTest::mouseClick(home->tab(2), Qt::LeftButton);
    EXPECT_EQ(home->state().TopicCount, 1);
    EXPECT_TRUE(home->topicLabel(1)->chosen());
    EXPECT_EQ(home->currentPage(), home->homePage());
    EXPECT_EQ(home->state().txtToolBarPos, 1);
}

TEST_F(HomeTabs, TheChosenTabStandsTwoTwipsHigherInFrontOfTheStrip) {
    const auto home = Open();
    home->TabClick(3);
    EXPECT_LT(home->tab(3)->y(), home->tab(2)->y());
    EXPECT_EQ(home->tab(3)->shownPicture().cacheKey(), Picture("tabs_front_off.bmp").cacheKey());
    EXPECT_EQ(home->tab(2)->shownPicture().cacheKey(), Picture("tabs_back_off.bmp").cacheKey());
    m_cursor = CentreOf(home->tab(2));
    home->poller().Tick();
    EXPECT_EQ(home->tab(2)->shownPicture().cacheKey(), Picture("tabs_back_on.bmp").cacheKey());
    m_cursor = CentreOf(home->tab(3));
    home->poller().Tick();
    EXPECT_EQ(home->tab(3)->shownPicture().cacheKey(), Picture("tabs_front_on.bmp").cacheKey());
}

TEST_F(HomeTabs, AToolbarButtonShowsPressedOnAndOffPicturesFromTheCursor) {
    const auto home = Open();
    ImageButton* report = home->toolbar().button(2);
    m_cursor = CentreOf(report);
    home->poller().Tick();
    EXPECT_EQ(report->shownPicture().cacheKey(), Picture("report_on.bmp").cacheKey());

    QTest::mousePress(report, Qt::LeftButton);
    EXPECT_TRUE(home->poller().txtPressTrack());
    home->poller().Tick();
    EXPECT_EQ(report->shownPicture().cacheKey(), Picture("report_pressed.bmp").cacheKey());

    m_cursor = report->mapToGlobal(QPoint(report->width() + 5, 0)); // dragged off while held
    home->poller().Tick();
    EXPECT_EQ(report->shownPicture().cacheKey(), Picture("report_off.bmp").cacheKey());

    QTest::mouseRelease(report, Qt::LeftButton, {}, QPoint(report->width() + 5, 0));
    EXPECT_FALSE(home->poller().txtPressTrack()) << "released outside the button";
    EXPECT_EQ(home->currentPage(), home->homePage()) << "a release outside is no click";
    m_cursor = CentreOf(report);
    home->poller().Tick();
    EXPECT_EQ(report->state(), State::On);
}

struct HoverCase {
    const char* name;
    int dx; // from the button's top-left corner; negative counts from its right or bottom edge
    int dy;
    State expected;
};

class HomeHover : public HomeFixture, public ::testing::WithParamInterface<HoverCase> {};

TEST_P(HomeHover, APaperButtonIsOnExactlyWhileTheCursorIsInsideIt) {
    const auto home = Open();
    ImageButton* load = home->homePage()->loadButton(1);
    const HoverCase& c = GetParam();
    const int x = c.dx >= 0 ? c.dx : load->width() + 1 + c.dx;
    const int y = c.dy >= 0 ? c.dy : load->height() + 1 + c.dy;
    m_cursor = load->mapToGlobal(QPoint(x, y));
    home->poller().Tick();
    EXPECT_EQ(load->state(), c.expected);
    EXPECT_EQ(home->homePage()->loadButton(2)->state(), State::Off);
    m_cursor = QPoint(-100, -100);
    home->poller().Tick();
    EXPECT_EQ(load->state(), State::Off);
}

INSTANTIATE_TEST_SUITE_P(HomeWindow, HomeHover,
                         ::testing::Values(HoverCase{"top_left_corner", 0, 0, State::On},
                                           HoverCase{"last_pixel_inside", -2, -2, State::On},
                                           HoverCase{"right_edge", -1, 0, State::Off},
                                           HoverCase{"bottom_edge", 0, -1, State::Off},
                                           HoverCase{"left_of_it", -1000, 0, State::Off}),
                         [](const auto& test) { return std::string(test.param.name); });

TEST_F(HomeTabs, AnInactiveHomeWindowShowsTheWhiteTitleBarAndKeepsItUnderTheCursor) {
    const auto home = Open();
    QApplication::setActiveWindow(home.get());
    ASSERT_TRUE(home->frame().active());
    QWidget other;
    other.resize(50, 50);
    other.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&other));
    QApplication::setActiveWindow(&other);
    ASSERT_FALSE(home->isActiveWindow());

    SkinnedFrame& frame = home->frame();
    EXPECT_FALSE(frame.active());
    EXPECT_EQ(frame.title()->palette().color(QPalette::WindowText), QColor(128, 128, 128));
    const auto piece = [&](const char* name) {
        return home->findChild<QLabel*>(QString::fromLatin1(name))->pixmap().cacheKey();
    };
    EXPECT_EQ(piece("BTopLeft"), Picture("border_white_top_left.bmp").cacheKey());
    EXPECT_EQ(piece("BTopCentre"), Picture("border_white_top_center.bmp").cacheKey());
    EXPECT_EQ(piece("BTopRight"), Picture("border_white_top_right.bmp").cacheKey());
    for (ImageButton* button : {frame.closeButton(), frame.minimiseButton()}) {
        m_cursor = CentreOf(button);
        home->poller().Tick();
        EXPECT_EQ(
            button->shownPicture().cacheKey(),
            Picture(button == frame.closeButton() ? "prog_white_close.bmp" : "prog_white_min.bmp").cacheKey())
            << button->objectName().toStdString();
    }

    QApplication::setActiveWindow(home.get());
    EXPECT_TRUE(frame.active());
    EXPECT_EQ(piece("BTopLeft"), Picture("border_top_left.bmp").cacheKey());
    home->poller().Tick();
    EXPECT_EQ(frame.minimiseButton()->shownPicture().cacheKey(), Picture("prog_blue_min.bmp").cacheKey());
}

TEST_F(HomeTabs, SwitchingToAnotherProgramChangesNoSkin) {
    const auto home = Open();
    QApplication::setActiveWindow(home.get());
    ASSERT_TRUE(home->frame().active());
    QApplication::setActiveWindow(nullptr); // no window of ours is active now
    EXPECT_TRUE(home->frame().active());
    EXPECT_EQ(home->frame().title()->palette().color(QPalette::WindowText), QColor(255, 255, 255));
}

TEST_F(HomeTabs, ARightButtonDragOnTheTitleMovesTheWindow) {
    const auto home = Open();
    QLabel* title = home->frame().title();
    const QPoint before = home->pos();
    const QPoint grip = title->mapToGlobal(QPoint(5, 5));
    const auto send = [&](QEvent::Type type, QPoint global, Qt::MouseButtons buttons) {
        QMouseEvent event(type, title->mapFromGlobal(global), global, Qt::RightButton, buttons,
                          Qt::NoModifier);
        QApplication::sendEvent(title, &event);
    };
    send(QEvent::MouseButtonPress, grip, Qt::RightButton);
    send(QEvent::MouseMove, grip + QPoint(30, 40), Qt::RightButton);
    send(QEvent::MouseButtonRelease, grip + QPoint(30, 40), Qt::NoButton);
    EXPECT_EQ(home->pos(), before + QPoint(30, 40));
}

struct CloseCase {
    const char* name;
    bool titleBar; // the title bar's Close, else the toolbar's
};

class Closing : public HomeFixture, public ::testing::WithParamInterface<CloseCase> {};

TEST_P(Closing, ClosesThePracticeWindowsFirstThenTheProgram) {
    const auto home = Open();
    ImageButton* close = GetParam().titleBar ? home->frame().closeButton() : home->toolbar().button(4);
    ASSERT_EQ(close->caption().isEmpty(), GetParam().titleBar);
    QTest::mouseClick(close, Qt::LeftButton);
    EXPECT_FALSE(home->isVisible());
    EXPECT_EQ(m_practice.calls, (std::vector<std::string>{"close all keeping answers"}));
}

TEST_P(Closing, StaysOpenWhileAPaperKeptOpenWithAnswersNotSaved) {
    const auto home = Open();
    m_practice.keeps = true;
    QTest::mouseClick(GetParam().titleBar ? home->frame().closeButton() : home->toolbar().button(4),
                      Qt::LeftButton);
    EXPECT_TRUE(home->isVisible());
}

INSTANTIATE_TEST_SUITE_P(HomeWindow, Closing,
                         ::testing::Values(CloseCase{"title_bar", true}, CloseCase{"toolbar", false}),
                         [](const auto& test) { return std::string(test.param.name); });

TEST_F(HomeTabs, TheMinimiseButtonMinimisesTheWindow) {
    const auto home = Open();
    QTest::mouseClick(home->frame().minimiseButton(), Qt::LeftButton);
    EXPECT_TRUE(home->isMinimized());
}

} // namespace
} // namespace orbisk::gui
