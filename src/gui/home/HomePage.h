#pragma once

#include "core/home/HomeScreen.h"
#include "core/layout/HomePageLayout.h"

#include <QLabel>
#include <QList>
#include <QRect>
#include <QWidget>
#include <array>
#include <string>
#include <vector>

namespace orbisk::gui {

class HoverPoller;
class ImageButton;
class PercentColumn;
class SkinPictures;
class TopicButton;

/// The home page (Body_Home): the section's topics down the left, and for the
/// chosen topic its five papers with their first- and second-attempt scores,
/// a load button each and a try-again button where a second attempt is offered.
/// It shows what the home window gives it and reports clicks; the window keeps
/// the state.
class HomePage final : public QWidget {
    Q_OBJECT
public:
    /// Builds the page at @p at (twips of @p parent).
    HomePage(SkinPictures& pictures, HoverPoller& poller, const layout::Rect& at, QWidget* parent);

    /// Captions the ten topic rows with @p names and shows the first @p topicCount
    /// of them with their bullets; the rest are hidden.
    void ShowTopics(const std::vector<std::string>& names, int topicCount);
    /// Greys the chosen topic @p t (1 to 10) and clears the others.
    void Topicbuttoncolour(int t);
    /// Shows the topic's name over the papers and each paper's stored scores as
    /// they are, placed against the "%" column, with the try-again buttons the
    /// rows offer. An attempt begun and not marked shows "started" (its
    /// accessible description and tooltip say how many questions are answered)
    /// and no "%".
    void ShowPapers(const QString& heading, const std::array<home::PaperRow, bank::kPapersPerTopic>& papers);

    TopicButton* topic(int t) const { return m_topics.at(static_cast<std::size_t>(t - 1)); }
    QLabel* bullet(int t) const { return m_bullets.at(static_cast<std::size_t>(t - 1)); }
    QLabel* subHeading() const { return m_subHeading; }
    QLabel* firstScore(int n) const { return m_firstScores.at(static_cast<std::size_t>(n - 1)); }
    QLabel* secondScore(int n) const { return m_secondScores.at(static_cast<std::size_t>(n - 1)); }
    ImageButton* loadButton(int n) const { return m_load.at(static_cast<std::size_t>(n - 1)); }
    ImageButton* tryAgainButton(int n) const { return m_tryAgain.at(static_cast<std::size_t>(n - 1)); }
    PercentColumn* percentColumn() const { return m_percent; }

signals:
    void topicClicked(int t);
    /// A paper button: @p offset 0 to 4 within the topic, @p take 1 (load) or 2 (try again).
    void paperClicked(int offset, int take);

private:
    void buildTopics(SkinPictures& pictures);
    void buildPapers(SkinPictures& pictures, HoverPoller& poller);
    QLabel* makeText(const QString& text, const QString& name, const layout::Rect& at);

    layout::HomePageLayout m_layout;
    QLabel* m_subHeading = nullptr;
    std::array<TopicButton*, 10> m_topics{};
    std::array<QLabel*, 10> m_bullets{};
    std::array<QLabel*, 5> m_firstScores{};
    std::array<QLabel*, 5> m_secondScores{};
    std::array<ImageButton*, 5> m_load{};
    std::array<ImageButton*, 5> m_tryAgain{};
    PercentColumn* m_percent = nullptr;
    /// The "%" of each score row, first and second of paper 1, then of paper 2, ...
    QList<QRect> m_percentRows;
};

} // namespace orbisk::gui
