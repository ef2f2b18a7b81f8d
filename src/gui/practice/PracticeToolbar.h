#pragma once

#include "core/layout/PracticeLayout.h"
#include "core/practice/Toolbar.h"

#include <QKeySequence>
#include <QLabel>
#include <QList>
#include <QWidget>
#include <array>

namespace orbisk::gui {

class CaptionLabel;
class HoverPoller;
class ImageButton;
class SkinPictures;

/// The practice window's toolbar strip (ScnTabBG): Save, Mark, Print and
/// Close at its left end, Back and Next at its right end, each a picture
/// button with its caption, and the score panel (PaperSum) showing the
/// percentage once the attempt is marked, with the right answers out of all
/// just left of it. The keyboard reaches the buttons with Tab and through
/// shortcuts, which the tooltips name.
class PracticeToolbar final : public QWidget {
    Q_OBJECT
public:
    PracticeToolbar(SkinPictures& pictures, HoverPoller& poller, QWidget* window);

    /// Places the strip, its buttons and the score panel as the layout pass says.
    void Place(const layout::PracticeLayout& layout);
    /// Which buttons take clicks; a button that does not shows its disabled picture at once.
    void ApplyStates(const practice::ToolbarEnabled& enabled);
    /// PScoring: the percentage, followed by "%", and the right answers out of
    /// all ("22 / 30") beside it (nothing before marking).
    void ShowScore(const QString& percentage, const QString& rightOutOf);

    ImageButton* button(practice::ToolbarButton which) const;
    CaptionLabel* caption(practice::ToolbarButton which) const;
    QLabel* score() const { return m_score; }
    QLabel* rightCount() const { return m_rightCount; }
    /// The shortcuts of a button (empty for Close).
    static QList<QKeySequence> Shortcuts(practice::ToolbarButton which);

signals:
    /// A button, its caption or its shortcut was used while the button takes clicks.
    void triggered(practice::ToolbarButton which);

private:
    void showRightCountIfItFits();
    void trigger(practice::ToolbarButton which);

    std::array<ImageButton*, 6> m_buttons{};
    std::array<CaptionLabel*, 6> m_captions{};
    QLabel* m_paperSum;
    QLabel* m_score;
    QLabel* m_percent;
    QLabel* m_rightCount;
};

} // namespace orbisk::gui
