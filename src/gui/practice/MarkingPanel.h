#pragma once

#include "core/practice/MarkingProgress.h"
#include "core/practice/OpenPaper.h"

#include <QLabel>
#include <QTimer>
#include <array>
#include <functional>
#include <memory>

namespace orbisk::gui {

class InputBlocker;
class SkinPictures;

/// The marking progress panel (fmeMark) in the status bar: once the learner
/// confirms a marking it shows, then its fifteen bars (imgBar01 .. imgBar15)
/// one every 0.2 s; after 3 s it hides and says the marking may go on. While it
/// plays the program takes no input. It is driven by a timer, never a busy
/// wait, and measures the time on the window's monotonic clock.
class MarkingPanel final : public QLabel {
    Q_OBJECT
public:
    MarkingPanel(SkinPictures& pictures, std::function<practice::Instant()> now, QWidget* parent = nullptr);
    ~MarkingPanel() override;

    /// Shows the panel with no bar and starts the animation.
    void Start();
    /// One step, as the timer runs it: the bars the time elapsed calls for,
    /// and at the end the panel hidden and finished emitted.
    void Step();
    /// Ends the animation at once (the window is going), emitting finished.
    void Finish();

    bool running() const { return m_running; }
    int barsShown() const;
    QLabel* bar(int n) const { return m_bars.at(static_cast<std::size_t>(n - 1)); }

signals:
    void finished();

private:
    std::function<practice::Instant()> m_now;
    std::array<QLabel*, practice::kProgressBars> m_bars{};
    QTimer m_timer;
    practice::Instant m_start{};
    bool m_running = false;
    std::unique_ptr<InputBlocker> m_blocker;
};

} // namespace orbisk::gui
