#pragma once

#include "core/home/HomeScreen.h"
#include "core/layout/HomeLayout.h"
#include "gui/chrome/HoverPoller.h"
#include "gui/home/AboutPage.h"
#include "gui/home/ReportPage.h"
#include "gui/home/TrashPage.h"

#include <QLabel>
#include <QWidget>
#include <array>
#include <filesystem>
#include <vector>

namespace orbisk::gui {

class Asker;
class BrowserLauncher;
class CardPrinter;
class HomePage;
class HomeToolbar;
class ImageButton;
class Notifier;
class PracticeWindows;
class SkinnedFrame;
class SkinPictures;
class TopicButton;

/// The home window: the learner chooses a section with the tabs, a topic and a
/// paper on the home page, and reaches the report, the erase page, the About
/// page and printing through the toolbar.
///
/// It is a view over a home::HomeScreen (core/home), which holds the state and
/// the rules: the window paints what the screen says and forwards clicks. The
/// practice windows get the screen's hand-over (a practice::PaperRequest) and
/// call RefreshContents when they close; every window asks the learner through
/// AskLearner (gui/popup/Asker.h).
class HomeWindow final : public QWidget {
    Q_OBJECT
public:
    struct Services {
        std::filesystem::path appFolder;
        SkinPictures* pictures = nullptr;
        Notifier* notifier = nullptr;
        CursorSource cursor;
        /// Asks the learner in a pop-up box (AskLearner); without one, nothing is asked.
        Asker* asker = nullptr;
        /// Opens and closes the practice windows; without them, opening a paper
        /// records the hand-over and opens nothing.
        PracticeWindows* practice = nullptr;
        /// Prints the results card and sets up its printer; without one, Print
        /// and Setup do nothing.
        CardPrinter* cardPrinter = nullptr;
        /// The program's resources: erasing writes the results templates back.
        const ResourceSource* resources = nullptr;
        /// Finds and starts the web browser; without one, the web link finds none.
        BrowserLauncher* browser = nullptr;
        /// Results files start-up has told the learner it could not make or
        /// put right: the window does not tell of them again.
        std::vector<std::filesystem::path> toldAtStart = {};
    };

    /// Builds the window for @p config and selects the first section, as the
    /// start-up sequence does; show() it afterwards.
    HomeWindow(Services services, config::ProductConfig config, QWidget* parent = nullptr);
    ~HomeWindow() override;

    /// The state and marks of the window's core.
    const home::HomeState& state() const { return m_home.state(); }
    const results::Marks& marks() const { return m_home.marks(); }
    HoverPoller& poller() { return *m_poller; }
    SkinnedFrame& frame() { return *m_frame; }
    HomeToolbar& toolbar() { return *m_toolbar; }

    /// Tab @p n: 1 to bank::kMaxSections the sections, home::kHelpTab Help.
    ImageButton* tab(int n) const { return m_tabs.at(static_cast<std::size_t>(n - 1)); }
    TopicButton* topicLabel(int t) const;
    HomePage* homePage() const { return m_bodyHome; }
    /// The report, erase and About pages, built on first use (their first
    /// visit, or here); a page built here stays hidden until it is visited.
    ReportPage* reportPage();
    TrashPage* trashPage();
    AboutPage* aboutPage();
    /// The page in front.
    QWidget* currentPage() const { return m_currentPage; }

    /// Connects the practice windows once they exist.
    void SetPracticeWindows(PracticeWindows* practice) { m_services.practice = practice; }

    /// Selects tab @p n (1 to home::kHelpTab), as a click on it does, and shows its first page.
    void TabClick(int n);
    /// Runs toolbar slot @p slot (1 to home::kToolbarSlots) of the current tab, as a click on it does.
    void ToolBarClick(int slot);
    /// Reads the current section's marks and shows its topics; selects topic 1
    /// unless the page is being refreshed.
    void LoadSection();
    /// Chooses topic @p t (1 to 10): its papers, its name and its highlight.
    void TopicClick(int t);
    /// Hands paper @p offset (0 to 4) of the chosen topic to the practice
    /// window of attempt @p take (1 or 2), closing any practice window first.
    void OpenPaper(int offset, int take);
    /// Re-reads the results and shows the same topic again, and the report when
    /// it is on show (a practice window marked its paper or closed).
    void RefreshContents();
    /// Prints the current section's results card, titled with the window's caption.
    void PrintResultsCard();
    /// Lets the learner choose the printer of the next results card.
    void PrintSetup();
    /// Erasing every result: closes the open paper (its answers stored), then
    /// rewrites every results file from its template, or none when one
    /// cannot be, and reads the scores again. Returns what was not erased.
    results::ResetReport EraseResults();
    /// Closes the practice windows, then this window, which ends the program.
    void CloseProgram();

protected:
    void closeEvent(QCloseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void focusFirstOf(QWidget* page);
    void buildStrip();
    void buildTabs();
    void PlaceTabs(int chosen);
    void ShowPage(home::PageAction action);
    void showSection(const home::SectionView& view);
    void placePage(QWidget* page);
    void BuildReport();

    Services m_services;
    home::HomeScreen m_home;
    layout::HomeLayout m_layout;
    HoverPoller* m_poller;
    SkinnedFrame* m_frame;
    HomeToolbar* m_toolbar = nullptr;
    QLabel* m_strip = nullptr;
    QLabel* m_logo = nullptr;
    std::array<ImageButton*, home::kTabCount> m_tabs{};
    HomePage* m_bodyHome = nullptr;
    ReportPage* m_bodyReport = nullptr;
    TrashPage* m_bodyTrash = nullptr;
    AboutPage* m_bodyAbout = nullptr;
    QWidget* m_currentPage = nullptr;
};

} // namespace orbisk::gui
