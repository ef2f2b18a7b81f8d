#include "gui/chrome/FrameActivation.h"

#include "gui/chrome/SkinnedFrame.h"

#include <QApplication>
#include <QPointer>
#include <QWidget>
#include <algorithm>

namespace orbisk::gui {

FrameActivation::FrameActivation(QObject* parent) : QObject(parent) {
    // Every window's activation passes here, the program's own windows that
    // have no skinned frame included.
    QCoreApplication::instance()->installEventFilter(this);
}

QPointer<FrameActivation>& FrameActivation::current() {
    static QPointer<FrameActivation> coordinator;
    return coordinator;
}

FrameActivation* FrameActivation::instance() {
    QPointer<FrameActivation>& coordinator = current();
    if (coordinator.isNull() && QCoreApplication::instance() != nullptr) {
        coordinator = new FrameActivation(QCoreApplication::instance());
    }
    return coordinator.data();
}

void FrameActivation::Register(SkinnedFrame* frame) {
    if (FrameActivation* coordinator = instance()) {
        coordinator->m_frames.push_back(frame);
    }
}

void FrameActivation::Unregister(SkinnedFrame* frame) {
    if (FrameActivation* coordinator = current().data()) {
        auto& frames = coordinator->m_frames;
        frames.erase(std::remove(frames.begin(), frames.end(), frame), frames.end());
    }
}

void FrameActivation::Update() {
    const QWidget* active = QApplication::activeWindow();
    FrameActivation* coordinator = current().data();
    if (active == nullptr || coordinator == nullptr) {
        return; // another program is in front: every title bar stays as it is
    }
    for (SkinnedFrame* frame : coordinator->m_frames) {
        const bool shown = frame->window() == active;
        if (frame->active() != shown) {
            frame->SetActive(shown);
        }
    }
}

bool FrameActivation::eventFilter(QObject* watched, QEvent* event) {
    // The window losing the focus and the one gaining it are told, not the
    // others: the others learn of it here.
    if (event->type() == QEvent::ActivationChange && watched->isWidgetType() &&
        static_cast<QWidget*>(watched)->isWindow()) {
        Update();
    }
    return QObject::eventFilter(watched, event);
}

void ReturnKeysTo(const QPointer<QWidget>& owner) {
    if (owner && owner->isVisible()) {
        owner->window()->activateWindow();
    }
}

} // namespace orbisk::gui
