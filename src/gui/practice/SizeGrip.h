#pragma once

#include "core/layout/CornerResize.h"

#include <QLabel>
#include <QPoint>

namespace orbisk::gui {

/// The grip in the practice window's bottom-right corner (Sizer), and the
/// corner resize it starts: a left press within 6 px of both the right and
/// the bottom edge lets the window's bottom-right corner follow the mouse,
/// never to 7300 x 5000 twips or less. A press near one edge only puts the
/// cursor on that edge and resizes nothing. The window hands presses on its
/// own surface to the grip as well.
class SizeGrip final : public QLabel {
    Q_OBJECT
public:
    explicit SizeGrip(QWidget* window);

    /// A press at @p global (screen pixels) with @p button.
    void PressAt(QPoint global, Qt::MouseButton button);
    /// The mouse held and moved to @p global.
    void DragTo(QPoint global);
    void Release();
    bool dragging() const { return m_dragging; }

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    QWidget* m_window;
    layout::ResizeZones m_zones;
    bool m_dragging = false;
};

} // namespace orbisk::gui
