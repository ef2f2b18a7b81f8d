#pragma once

#include <QObject>
#include <QPoint>
#include <QTimer>
#include <functional>
#include <vector>

namespace orbisk::gui {

class ImageButton;

/// Where the cursor is, in global coordinates. The program reads the real
/// cursor; tests put it where they like.
using CursorSource = std::function<QPoint()>;
CursorSource SystemCursor();

/// The hover poll of one window: every 100 ms it reads the cursor and gives
/// each of its buttons the picture of its state. Two-state buttons show "on"
/// while the cursor is over them; pressable buttons also show "pressed" while
/// a mouse button, pressed on any of them, is held.
class HoverPoller final : public QObject {
    Q_OBJECT
public:
    HoverPoller(CursorSource cursor, QObject* parent = nullptr);

    enum class Rule { TwoState, Pressable };
    /// @param polled when given, the button is left alone while it returns false
    /// (the title-bar buttons of an inactive window keep their inactive picture).
    void Add(ImageButton* button, Rule rule, std::function<bool()> polled = {});

    void Start();
    /// One poll, as the timer runs it.
    void Tick();

    bool txtPressTrack() const { return m_pressTrack; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct Entry {
        ImageButton* button;
        Rule rule;
        std::function<bool()> polled;
    };
    CursorSource m_cursor;
    std::vector<Entry> m_entries;
    QTimer m_timer;
    bool m_pressTrack = false;
};

} // namespace orbisk::gui
