#pragma once

#include <QLabel>

namespace orbisk::gui {

/// A label whose text another control's accessible name already says (a
/// button's caption, a figure's caption): it is left out for a screen reader,
/// nameless and not showing, so nothing is read twice.
class SpokenElsewhereLabel : public QLabel {
    Q_OBJECT
public:
    explicit SpokenElsewhereLabel(const QString& text, QWidget* parent = nullptr);
};

/// The caption lying on a picture button: the practice toolbar's (lblTB01 ..
/// lblTB06) and the erase page's (ButTrashlbl, ...). A click on it
/// is a click on its button when the button takes clicks; pressing on it does
/// not press the button, so the button shows its hover picture, not its
/// pressed one.
class CaptionLabel final : public SpokenElsewhereLabel {
    Q_OBJECT
public:
    explicit CaptionLabel(const QString& text, QWidget* parent = nullptr);

signals:
    void clicked();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    bool m_pressed = false;
};

} // namespace orbisk::gui
