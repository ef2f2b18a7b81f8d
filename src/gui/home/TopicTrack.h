#pragma once

#include "core/layout/ReportPageLayout.h"

#include <QColor>
#include <QLabel>
#include <QWidget>
#include <string>

namespace orbisk::gui {

/// One attempt's track of a topic row on the report (TBack<k>A or TBack<k>B):
/// a framed groove holding the bar TBar<k>A/B, as long as the topic's mean,
/// and the mark label TMark<k>A/B with the rounded mean.
class TopicTrack final : public QWidget {
    Q_OBJECT
public:
    /// @p suffix names the controls ("1A" gives TBack1A, TBar1A, TMark1A); the
    /// bar shades from @p light at its top to @p dark at its bottom.
    TopicTrack(const QString& suffix, const layout::TrackLayout& layout, const QColor& light,
               const QColor& dark, QWidget* parent);

    /// The bar for the unrounded @p mean (percent) and the mark text beside it
    /// ("" leaves the mark empty and the bar, given a mean of 0, without width).
    void Show(double mean, const std::string& mark);

    QWidget* bar() const { return m_bar; }
    QLabel* mark() const { return m_mark; }
    const layout::TrackLayout& layout() const { return m_layout; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    layout::TrackLayout m_layout;
    QWidget* m_bar;
    QLabel* m_mark;
};

} // namespace orbisk::gui
