#pragma once

#include <QObject>
#include <functional>

class QSocketNotifier;

namespace orbisk::gui {

/// Turns the system's requests to end the program into a call on the event
/// loop, so that the learner's answers are stored as closing the program
/// stores them: SIGTERM (a shutdown, `kill`), SIGHUP (the session or terminal
/// ended) and SIGINT (Ctrl+C in a terminal). Without it the program would end
/// at once, losing the answers typed on the question on show.
///
/// The signal handler only writes a byte into a socket pair; the event loop
/// reads it, puts the previous handlers back (a second request ends the
/// program at once) and calls @p onEnd, once no box is open: an open box
/// goes without an answer first, and its loop unwinds. One object at a time holds the
/// signals: while one exists a second does nothing. The previous handlers
/// come back when the holder goes.
class EndRequests final : public QObject {
public:
    explicit EndRequests(std::function<void()> onEnd);
    ~EndRequests() override;
    EndRequests(const EndRequests&) = delete;
    EndRequests& operator=(const EndRequests&) = delete;

    /// Whether this object holds the signals.
    bool holds() const { return m_notifier != nullptr; }

private:
    void received();
    void endOnceNoBoxIsOpen();

    std::function<void()> m_onEnd;
    QSocketNotifier* m_notifier = nullptr;
    bool m_called = false;
};

} // namespace orbisk::gui
