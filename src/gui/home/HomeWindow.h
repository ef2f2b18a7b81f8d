#pragma once

#include "core/layout/HomeLayout.h"
#include "core/product/Config.h"
#include "core/results/ResultsStore.h"
#include "gui/chrome/HoverPoller.h"

#include <QLabel>
#include <QWidget>
#include <array>
#include <filesystem>
#include <memory>

namespace orbisk::gui {

class ImageButton;
class Notifier;
class SkinnedFrame;
class SkinPictures;

/// What the home window knows between its handlers and hands to the practice
/// windows: the chosen section, tab, topic and paper.
struct HomeState {
    int LChose = 0;        ///< the current section
    int txtTabPos = 0;     ///< the current tab: 1 to 3 sections, 4 Help
    int txtToolBarPos = 1; ///< the last toolbar slot pressed
    int txtReportPos = 1;  ///< the open report panel
    int TopicCount = 1;    ///< first paper slot of the chosen topic: 1, 6, ..., 46
    std::string lblCOD;    ///< the product code
    int TtPapersCon = 0;   ///< paper count of the current section
    bool RefreshLog = false;
};

/// The home window: the learner chooses a section, a topic and a paper here.
class HomeWindow final : public QWidget {
    Q_OBJECT
public:
    struct Services {
        std::filesystem::path appFolder;
        SkinPictures* pictures = nullptr;
        Notifier* notifier = nullptr;
        CursorSource cursor;
    };

    /// Builds the window for @p config and selects the first section, as the
    /// start-up sequence does; show() it afterwards.
    HomeWindow(Services services, config::ProductConfig config, QWidget* parent = nullptr);
    ~HomeWindow() override;

    const HomeState& state() const { return m_state; }
    const config::ProductConfig& config() const { return m_config; }
    const results::Marks& marks() const { return m_marks; }
    HoverPoller& poller() { return *m_poller; }
    SkinnedFrame& frame() { return *m_frame; }

    ImageButton* tab(int n) const { return m_tabs[static_cast<std::size_t>(n - 1)]; }
    QLabel* topicLabel(int t) const { return m_topics[static_cast<std::size_t>(t - 1)]; }
    QWidget* homePage() const { return m_bodyHome; }

    /// Selects tab @p n (1 to 4), as a click on it does.
    void TabClick(int n);
    /// Reads the current section's marks and shows its topics.
    void LoadSection();

protected:
    void changeEvent(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void buildTabs();
    void buildHomePage();
    void placeTabs(int chosen);
    void showPage();
    void topicClick(int t);
    void highlightTopic(int t);

    Services m_services;
    config::ProductConfig m_config;
    HomeState m_state;
    results::Marks m_marks;
    layout::HomeLayout m_layout;
    HoverPoller* m_poller;
    SkinnedFrame* m_frame;
    QLabel* m_strip = nullptr;
    QLabel* m_logo = nullptr;
    std::array<ImageButton*, 4> m_tabs{};
    QWidget* m_bodyHome = nullptr;
    QLabel* m_subHeading = nullptr;
    std::array<QLabel*, 10> m_topics{};
    std::array<QLabel*, 10> m_bullets{};
};

} // namespace orbisk::gui
