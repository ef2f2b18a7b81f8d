#include "gui/chrome/HoverPoller.h"

#include "gui/chrome/ImageButton.h"

#include <QCursor>
#include <QEvent>
#include <QPointer>

namespace orbisk::gui {

CursorSource SystemCursor() {
    return [] { return QCursor::pos(); };
}

HoverPoller::HoverPoller(CursorSource cursor, QObject* parent)
    : QObject(parent), m_cursor(std::move(cursor)) {
    m_timer.setInterval(100);
    connect(&m_timer, &QTimer::timeout, this, &HoverPoller::Tick);
}

void HoverPoller::Add(ImageButton* button, Rule rule, std::function<bool()> polled) {
    m_entries.push_back({button, rule, std::move(polled)});
    if (rule == Rule::Pressable) {
        button->installEventFilter(this);
    }
    connect(button, &QObject::destroyed, this, [this, button] {
        std::erase_if(m_entries, [button](const Entry& entry) { return entry.button == button; });
    });
}

void HoverPoller::Start() {
    m_timer.start();
}

void HoverPoller::Tick() {
    const QPoint cursor = m_cursor();
    for (const Entry& entry : m_entries) {
        if (entry.polled && !entry.polled()) {
            continue;
        }
        ImageButton* button = entry.button;
        if (!button->isEnabled()) {
            button->SetState(ImageButton::State::Disabled);
            continue;
        }
        // Geometry alone decides: left and top inclusive, right and bottom exclusive.
        const QRect area(button->mapToGlobal(QPoint(0, 0)), button->size());
        const bool inside = area.contains(cursor);
        if (!inside) {
            button->SetState(ImageButton::State::Off);
        } else if (entry.rule == Rule::Pressable && m_pressTrack) {
            button->SetState(ImageButton::State::Pressed);
        } else {
            button->SetState(ImageButton::State::On);
        }
    }
}

bool HoverPoller::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseButtonPress || event->type() == QEvent::MouseButtonDblClick) {
        m_pressTrack = true;
    } else if (event->type() == QEvent::MouseButtonRelease) {
        m_pressTrack = false;
    }
    return QObject::eventFilter(watched, event);
}

} // namespace orbisk::gui
