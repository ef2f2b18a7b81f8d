#pragma once

#include "core/layout/Frame.h"

#include <QLabel>
#include <QObject>
#include <QPoint>
#include <QPointer>

class QMouseEvent;

namespace orbisk::gui {

class HoverPoller;
class ImageButton;
class SkinPictures;

/// What every skinned window shares: the frame pieces along its edges, the
/// title text and icon, the window buttons, the cut-corner outline, dragging
/// by the title bar, and the active and inactive look of the title bar.
class SkinnedFrame final : public QObject {
    Q_OBJECT
public:
    enum class Kind { Home, Practice, PopUp };

    /// A home or practice window's frame shows the active title bar while its
    /// window is the program's active one (FrameActivation keeps it so).
    SkinnedFrame(QWidget* window, SkinPictures& pictures, HoverPoller& poller, Kind kind);
    ~SkinnedFrame() override;

    /// Loads the border and icon pictures of this kind of window.
    void ApplySkin();
    /// The title-bar skin: active (blue bar, white title) or inactive (white bar, grey title).
    void SetActive(bool active);
    bool active() const { return m_active; }
    /// Shows the maximise button for the window's state, should that state have
    /// changed unannounced: when a window system drops the maximised state of a
    /// window resized by the program (its grip), Qt sends no state change. The
    /// frame does so on every resize; a window with a clock on every tick.
    void FollowWindowState();

    /// Places the pieces; all rectangles in twips of the client area.
    void Arrange(const layout::FrameRects& frame);
    void PlaceTitle(const layout::Rect& title);
    void PlaceIcon(const layout::Rect& icon);
    void PlaceButtons(const layout::Rect& minimise, const layout::Rect* maximise, const layout::Rect& close);
    /// Sets the window outline from its current size.
    void pRoundCorners();

    QWidget* window() const { return m_window; }
    QLabel* title() const { return m_title; }
    QLabel* icon() const { return m_icon; }
    ImageButton* closeButton() const { return m_close; }
    ImageButton* minimiseButton() const { return m_minimise; }
    ImageButton* maximiseButton() const { return m_maximise; }

signals:
    void closeClicked();
    void minimiseClicked();
    void maximiseClicked();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QLabel* makePiece(const char* name, bool stretched);
    void setPicture(QLabel* label, const char* file);
    void setButtonPictures();
    void nameMaximiseButton();
    /// Starts moving the window by its title bar, from the press @p press.
    void MoveForm(const QMouseEvent& press);

    QWidget* m_window;
    SkinPictures& m_pictures;
    Kind m_kind;
    bool m_active = true;
    QLabel* m_topLeft;
    QLabel* m_topCentre;
    QLabel* m_topRight;
    QLabel* m_left;
    QLabel* m_right;
    QLabel* m_bottom;
    QLabel* m_bottomLeft;
    QLabel* m_bottomRight;
    QLabel* m_title;
    QLabel* m_icon = nullptr;
    ImageButton* m_close = nullptr;
    ImageButton* m_minimise = nullptr;
    ImageButton* m_maximise = nullptr;
    bool m_shownMaximised = false; ///< the state the maximise button's pictures and name show
    bool m_dragging = false;
    QPoint m_dragOffset;
};

} // namespace orbisk::gui
