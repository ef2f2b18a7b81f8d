// The About page and its web link: what it shows, and how the link finds and
// starts the desktop's browser or says why it cannot.
#include "HomeFixture.h"
#include "TempFolder.h"
#include "gui/chrome/ImageButton.h"
#include "gui/home/AboutPage.h"
#include "gui/home/DesktopBrowserLauncher.h"
#include "gui/home/HomeToolbar.h"
#include "gui/home/LinkLabel.h"

#include <QApplication>
#include <QTest>

namespace orbisk::gui {
namespace {

using orbisk::testing::TempFolder;
using orbisk::testing::WriteBytes;

class HomeAbout : public orbisk::testing::HomeFixture {
protected:
    AboutPage* VisitAbout(HomeWindow& home) {
        QTest::mouseClick(home.tab(4), Qt::LeftButton);
        QTest::mouseClick(home.toolbar().button(1), Qt::LeftButton);
        EXPECT_EQ(home.currentPage(), home.aboutPage());
        return home.aboutPage();
    }
};

TEST_F(HomeAbout, ShowsTheProductThePlatformTheVersionAndTheLink) {
    const auto home = Open();
    AboutPage* page = VisitAbout(*home);
    EXPECT_EQ(page->programName()->text(), QString::fromStdString(m_config.name));
    EXPECT_EQ(page->platform()->text(), QStringLiteral("For Linux"));
    EXPECT_EQ(page->version()->text(), QStringLiteral("Version 2.0"));
    EXPECT_FALSE(page->logo()->pixmap().isNull());
    EXPECT_EQ(page->link()->text(), QStringLiteral("www.orbisk.example/eduprog.html"));
    EXPECT_EQ(page->link()->toolTip(), QStringLiteral("Go to Orbisk home page"));
    EXPECT_EQ(page->link()->cursor().shape(), Qt::PointingHandCursor);
    EXPECT_FALSE(page->link()->accessibleName().isEmpty());
    EXPECT_TRUE(page->notice()->text().contains(QStringLiteral("copyright")));
    // Nothing of the page is cut off at its bottom.
    for (QWidget* child : page->findChildren<QWidget*>()) {
        EXPECT_TRUE(page->rect().contains(child->geometry())) << child->objectName().toStdString();
    }
}

struct NoBrowserCase {
    const char* name;
    const char* execLine;
};

class NoBrowser : public HomeAbout, public ::testing::WithParamInterface<NoBrowserCase> {};

TEST_P(NoBrowser, SaysBrowserNotFoundAndStartsNothing) {
    m_browser.execLine = GetParam().execLine;
    const auto home = Open();
    QTest::mouseClick(VisitAbout(*home)->link(), Qt::LeftButton);
    EXPECT_EQ(m_browser.lookups, 1);
    EXPECT_TRUE(m_browser.started.isEmpty());
    EXPECT_EQ(m_notifier.messages,
              QStringList{QStringLiteral("Browser Not Found: Could not find associated Browser")});
    EXPECT_EQ(home->currentPage(), home->aboutPage());
}

INSTANTIATE_TEST_SUITE_P(HomeAbout, NoBrowser,
                         ::testing::Values(NoBrowserCase{"no_default_program", ""},
                                           NoBrowserCase{"unreadable_command_line", "\"web %u"}),
                         [](const auto& test) { return std::string(test.param.name); });

TEST_F(HomeAbout, AProgramThatCannotStartSaysURLFailed) {
    m_browser.execLine = "web %u";
    m_browser.starts = false;
    const auto home = Open();
    QTest::mouseClick(VisitAbout(*home)->link(), Qt::LeftButton);
    EXPECT_EQ(m_browser.started.size(), 1);
    EXPECT_EQ(m_notifier.messages, QStringList{QStringLiteral("URL Failed: Web Page not Opened")});
}

TEST_F(HomeAbout, TheBrowserStartsWithTheAddressAsItsOnlyArgument) {
    m_browser.execLine = "/usr/bin/web-browser %u";
    const auto home = Open();
    QTest::mouseClick(VisitAbout(*home)->link(), Qt::LeftButton);
    ASSERT_EQ(m_browser.started.size(), 1);
    EXPECT_EQ(m_browser.started[0].program, QStringLiteral("/usr/bin/web-browser"));
    EXPECT_EQ(m_browser.started[0].arguments,
              QStringList{QStringLiteral("http://www.orbisk.example/eduprog.html")});
    EXPECT_TRUE(m_notifier.messages.isEmpty());
}

class LinkKey : public HomeAbout, public ::testing::WithParamInterface<Qt::Key> {};

TEST_P(LinkKey, OpensTheLinkFromTheKeyboard) {
    m_browser.execLine = "web %u";
    const auto home = Open();
    QApplication::setActiveWindow(home.get());
    ASSERT_TRUE(QTest::qWaitForWindowActive(home.get()));
    LinkLabel* link = VisitAbout(*home)->link();
    EXPECT_NE(link->focusPolicy() & Qt::TabFocus, 0);
    link->setFocus(Qt::TabFocusReason);
    QTest::keyClick(link, GetParam());
    EXPECT_EQ(m_browser.started.size(), 1);
}

INSTANTIATE_TEST_SUITE_P(HomeAbout, LinkKey, ::testing::Values(Qt::Key_Return, Qt::Key_Enter, Qt::Key_Space));

// The desktop's own answer, from a stand-in for xdg-mime and applications folders.
class DesktopLookup : public ::testing::Test {
protected:
    QString Answering(const std::string& answer) {
        const auto script = m_folder / "xdg-mime";
        WriteBytes(script, "#!/bin/sh\n[ \"$*\" = \"query default text/html\" ] && printf '%s\\n' '" +
                               answer + "'\n");
        std::filesystem::permissions(script, std::filesystem::perms::owner_all);
        return QString::fromStdString(script.string());
    }
    TempFolder m_folder;
    std::filesystem::path m_home = m_folder / "home-apps";
    std::filesystem::path m_system = m_folder / "system-apps";
};

TEST_F(DesktopLookup, FindsTheExecLineOfTheEntryTheDesktopNames) {
    std::filesystem::create_directories(m_system / "kde4");
    std::filesystem::create_directories(m_home);
    WriteBytes(m_system / "kde4" / "web.desktop", "[Desktop Entry]\nName=Web\nExec=web --new %U\n");
    DesktopBrowserLauncher launcher(Answering("kde4-web.desktop"), {m_home, m_system});
    const BrowserLauncher::Lookup found = launcher.FindHtmlHandler();
    EXPECT_EQ(found.execLine, "web --new %U");

    // The user's own entry comes before the system's.
    WriteBytes(m_home / "kde4-web.desktop", "[Desktop Entry]\nExec=own-web %u\n");
    EXPECT_EQ(launcher.FindHtmlHandler().execLine, "own-web %u");
}

struct LookupFailure {
    const char* name;
    const char* answer; // nullptr: no xdg-mime at all
    const char* entry;  // content of web.desktop, or nullptr for none
};

class DesktopLookupFails : public DesktopLookup, public ::testing::WithParamInterface<LookupFailure> {};

TEST_P(DesktopLookupFails, GivesNoExecLineAndSaysWhy) {
    const LookupFailure& c = GetParam();
    std::filesystem::create_directories(m_system);
    if (c.entry) {
        WriteBytes(m_system / "web.desktop", c.entry);
    }
    const QString xdgMime =
        c.answer ? Answering(c.answer) : QString::fromStdString((m_folder / "no-such-program").string());
    DesktopBrowserLauncher launcher(xdgMime, {m_system});
    const BrowserLauncher::Lookup found = launcher.FindHtmlHandler();
    EXPECT_TRUE(found.execLine.empty()) << found.execLine;
    EXPECT_FALSE(found.detail.isEmpty());
}

INSTANTIATE_TEST_SUITE_P(
    HomeAbout, DesktopLookupFails,
    ::testing::Values(LookupFailure{"xdg_mime_missing", nullptr, "[Desktop Entry]\nExec=web %u\n"},
                      LookupFailure{"empty_answer", "", "[Desktop Entry]\nExec=web %u\n"},
                      LookupFailure{"entry_not_found", "other.desktop", "[Desktop Entry]\nExec=web %u\n"},
                      LookupFailure{"entry_without_exec", "web.desktop", "[Desktop Entry]\nName=Web\n"}),
    [](const auto& test) { return std::string(test.param.name); });

} // namespace
} // namespace orbisk::gui
