#pragma once

#include <QObject>
#include <QPointer>
#include <QWidget>
#include <vector>

namespace orbisk::gui {

class SkinnedFrame;

/// Keeps the title bars of the program's main windows in step with which of
/// its windows is active. Whenever the active window becomes one of the
/// program's own (a main window, the pop-up box, a message box, a dialog),
/// every registered frame shows the active title bar exactly when its window
/// is that one, however the focus got there (from another of the program's
/// windows or from another program). When it becomes none, because the learner
/// switched to another program, every title bar stays as it is.
///
/// The main windows' frames register themselves (SkinnedFrame does it for the
/// home and practice windows).
class FrameActivation final : public QObject {
    Q_OBJECT
public:
    static void Register(SkinnedFrame* frame);
    static void Unregister(SkinnedFrame* frame);
    /// Sets every registered frame from the program's active window now.
    static void Update();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    explicit FrameActivation(QObject* parent);
    /// The one coordinator, made on first use and owned by the application.
    static FrameActivation* instance();
    /// The coordinator if one was made and still lives, else null.
    static QPointer<FrameActivation>& current();

    std::vector<SkinnedFrame*> m_frames;
};

/// Makes the window of @p owner, which opened a box that has now gone, the
/// active window again, so that its keys work: a window manager hands the
/// keys back by itself, but without one no window would have them. Nothing
/// when the owner has gone or is hidden.
void ReturnKeysTo(const QPointer<QWidget>& owner);

} // namespace orbisk::gui
