#include "gui/app/EndRequests.h"

#include <QApplication>
#include <QDialog>
#include <QSocketNotifier>
#include <QTimer>
#include <array>
#include <cerrno>
#include <csignal>
#include <sys/socket.h>
#include <unistd.h>

namespace orbisk::gui {

namespace {

constexpr std::array<int, 3> kSignals{SIGTERM, SIGHUP, SIGINT};

// The socket pair the handler writes into (0) and the event loop reads (1);
// -1 while no object holds the signals.
std::array<int, 2> s_pair{-1, -1};
std::array<struct sigaction, kSignals.size()> s_previous{};

extern "C" void onSignal(int) {
    const int saved = errno;
    const char byte = 1;
    // A full socket already holds a request: one is enough.
    [[maybe_unused]] const ssize_t written = ::write(s_pair[0], &byte, 1);
    errno = saved;
}

void restoreHandlers() {
    for (std::size_t i = 0; i < kSignals.size(); ++i) {
        ::sigaction(kSignals[i], &s_previous[i], nullptr);
    }
}

} // namespace

EndRequests::EndRequests(std::function<void()> onEnd) : m_onEnd(std::move(onEnd)) {
    if (s_pair[0] >= 0) {
        return;
    }
    int pair[2];
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0, pair) != 0) {
        return; // the program ends on these signals as it would without us
    }
    s_pair = {pair[0], pair[1]};
    m_notifier = new QSocketNotifier(pair[1], QSocketNotifier::Read, this);
    connect(m_notifier, &QSocketNotifier::activated, this, &EndRequests::received);
    struct sigaction action {};
    action.sa_handler = onSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (std::size_t i = 0; i < kSignals.size(); ++i) {
        ::sigaction(kSignals[i], &action, &s_previous[i]);
    }
}

EndRequests::~EndRequests() {
    if (!holds()) {
        return;
    }
    restoreHandlers();
    delete m_notifier;
    ::close(s_pair[0]);
    ::close(s_pair[1]);
    s_pair = {-1, -1};
}

void EndRequests::received() {
    std::array<char, 16> bytes{};
    while (::read(s_pair[1], bytes.data(), bytes.size()) > 0) {
    }
    if (!m_called) {
        m_called = true;
        // A second request, while the answers are being stored or a message
        // about them waits, ends the program at once as it would have.
        restoreHandlers();
        endOnceNoBoxIsOpen();
    }
}

void EndRequests::endOnceNoBoxIsOpen() {
    // A box open runs its own event loop inside the handler that asked, whose
    // window must outlive it: the box goes without an answer (read as the
    // harmless "No"), and the end waits for that handler to finish.
    if (auto* box = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
        box->done(QDialog::Rejected);
        QTimer::singleShot(0, this, &EndRequests::endOnceNoBoxIsOpen);
        return;
    }
    m_onEnd();
}

} // namespace orbisk::gui
