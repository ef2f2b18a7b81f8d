#pragma once

#include <QAbstractButton>

namespace orbisk::gui {

/// A topic name in the home page's list, drawn as a label: transparent with
/// black text, or grey with the highlighted-text colour while it is the chosen
/// topic. It is a button underneath, so it takes focus and is chosen with the
/// mouse, Space or Enter, each on the Tab chain. Assistive technology sees a
/// radio button named after the topic, checked while chosen; pressing or
/// toggling it there chooses the topic as a click does.
class TopicButton final : public QAbstractButton {
    Q_OBJECT
public:
    explicit TopicButton(QWidget* parent = nullptr);

    /// Shows the topic as the chosen one (grey) or not.
    void SetChosen(bool chosen);
    bool chosen() const { return isChecked(); }

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    /// A click chooses; it never unchooses (the window decides which topic is chosen).
    void nextCheckState() override {}
};

} // namespace orbisk::gui
