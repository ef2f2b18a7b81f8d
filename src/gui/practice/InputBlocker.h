#pragma once

#include <QObject>

namespace orbisk::gui {

/// While it exists, the program takes no input: mouse, keys, wheel, touch,
/// shortcuts and drops are swallowed before any window sees them. Timers,
/// painting and the window system's own events go on.
class InputBlocker final : public QObject {
    Q_OBJECT
public:
    InputBlocker();
    ~InputBlocker() override;
    InputBlocker(const InputBlocker&) = delete;
    InputBlocker& operator=(const InputBlocker&) = delete;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};

} // namespace orbisk::gui
