// Times a program's start to its top-level window mapped, as a learner sees it:
// from just before the process is started to the X server's MapNotify of the
// program's window, caught from a SubstructureNotify selection on the root
// window. The helper sleeps in poll() while it waits, so it takes no CPU from
// the program it times. Runs, in turn, an empty Qt Widgets window (the floor),
// the program in a folder it has already set up, and the program in a fresh
// folder, syncing the disk before each start; closes each window as a window
// manager would (WM_DELETE_WINDOW) so the program ends normally. Prints the
// medians, the extremes and the ratios against the floor of the same run.
//
// Usage: start_to_mapped ROUNDS EMPTY_WINDOW PROGRAM WORK_FOLDER [TEXT_WINDOW [OTHER_PROGRAM]]
// (on the display in DISPLAY; bench/start-to-mapped.sh starts Xvfb for it).
// OTHER_PROGRAM, another build of the program, is timed in turn with it in
// set-up and fresh folders of its own, to compare two builds in one run.
#include <algorithm>
#include <array>
#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <memory>
#include <optional>
#include <poll.h>
#include <spawn.h>
#include <string>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>
#include <xcb/xcb.h>

extern char** environ;

namespace {

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

[[noreturn]] void fail(const std::string& message) {
    std::fprintf(stderr, "start_to_mapped: %s\n", message.c_str());
    std::exit(1);
}

double milliseconds(Clock::duration duration) {
    return std::chrono::duration<double, std::milli>(duration).count();
}

// A started process and a descriptor that becomes readable when it ends.
struct Child {
    pid_t pid = -1;
    int pidfd = -1;
};

Child start(const fs::path& program) {
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
    const std::string file = program.string();
    std::array<char*, 2> argv{const_cast<char*>(file.c_str()), nullptr};
    Child child;
    const int error = posix_spawn(&child.pid, file.c_str(), &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    if (error != 0) {
        fail("cannot start " + file + ": " + std::strerror(error));
    }
    child.pidfd = static_cast<int>(syscall(SYS_pidfd_open, child.pid, 0));
    if (child.pidfd < 0) {
        fail(std::string("pidfd_open: ") + std::strerror(errno));
    }
    return child;
}

// Waits for the child to end (up to the time given, then kills it) and reaps it.
void finish(Child& child, int timeoutMs) {
    pollfd ended{child.pidfd, POLLIN, 0};
    if (poll(&ended, 1, timeoutMs) <= 0) {
        kill(child.pid, SIGKILL);
    }
    waitpid(child.pid, nullptr, 0);
    close(child.pidfd);
    child = {};
}

class Display {
public:
    Display() : m_connection(xcb_connect(nullptr, nullptr)) {
        if (xcb_connection_has_error(m_connection) != 0) {
            fail("cannot open the X display in DISPLAY");
        }
        m_root = xcb_setup_roots_iterator(xcb_get_setup(m_connection)).data->root;
        const uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
        xcb_generic_error_t* error =
            xcb_request_check(m_connection, xcb_change_window_attributes_checked(m_connection, m_root,
                                                                                 XCB_CW_EVENT_MASK, &mask));
        if (error != nullptr) {
            std::free(error);
            fail("cannot watch the root window");
        }
        m_pidAtom = atom("_NET_WM_PID");
        m_protocolsAtom = atom("WM_PROTOCOLS");
        m_deleteAtom = atom("WM_DELETE_WINDOW");
    }
    ~Display() { xcb_disconnect(m_connection); }
    Display(const Display&) = delete;
    Display& operator=(const Display&) = delete;

    struct Mapped {
        Clock::time_point at;
        xcb_window_t window;
    };

    // The moment the child's first top-level window is mapped; nothing when
    // the child ends first or the wait runs out.
    std::optional<Mapped> waitForMap(const Child& child, int timeoutMs) {
        const Clock::time_point deadline = Clock::now() + std::chrono::milliseconds(timeoutMs);
        for (;;) {
            while (xcb_generic_event_t* event = xcb_poll_for_event(m_connection)) {
                const Clock::time_point at = Clock::now();
                std::unique_ptr<xcb_generic_event_t, decltype(&std::free)> owned(event, &std::free);
                if ((event->response_type & 0x7f) != XCB_MAP_NOTIFY) {
                    continue;
                }
                const auto* map = reinterpret_cast<xcb_map_notify_event_t*>(event);
                if (map->event == m_root && !map->override_redirect && belongsTo(map->window, child.pid)) {
                    return Mapped{at, map->window};
                }
            }
            if (xcb_connection_has_error(m_connection) != 0) {
                fail("the X connection broke");
            }
            const int left = static_cast<int>(
                std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now()).count());
            if (left <= 0) {
                return std::nullopt;
            }
            std::array<pollfd, 2> fds{pollfd{xcb_get_file_descriptor(m_connection), POLLIN, 0},
                                      pollfd{child.pidfd, POLLIN, 0}};
            if (poll(fds.data(), fds.size(), left) < 0 && errno != EINTR) {
                fail(std::string("poll: ") + std::strerror(errno));
            }
            if ((fds[1].revents & POLLIN) != 0 && (fds[0].revents & POLLIN) == 0) {
                return std::nullopt; // ended without a window
            }
        }
    }

    // Asks the window to close, as a window manager's close button does.
    void askToClose(xcb_window_t window) {
        xcb_client_message_event_t message{};
        message.response_type = XCB_CLIENT_MESSAGE;
        message.format = 32;
        message.window = window;
        message.type = m_protocolsAtom;
        message.data.data32[0] = m_deleteAtom;
        message.data.data32[1] = XCB_CURRENT_TIME;
        xcb_send_event(m_connection, 0, window, XCB_EVENT_MASK_NO_EVENT,
                       reinterpret_cast<const char*>(&message));
        xcb_flush(m_connection);
    }

    // The window's size, to show which window was timed.
    std::string size(xcb_window_t window) {
        xcb_get_geometry_reply_t* reply =
            xcb_get_geometry_reply(m_connection, xcb_get_geometry(m_connection, window), nullptr);
        if (reply == nullptr) {
            return "gone";
        }
        const std::string text = std::to_string(reply->width) + "x" + std::to_string(reply->height);
        std::free(reply);
        return text;
    }

    // Drops the events left from the last start (its unmaps and destroys).
    void drain() {
        while (xcb_generic_event_t* event = xcb_poll_for_event(m_connection)) {
            std::free(event);
        }
    }

private:
    xcb_atom_t atom(const char* name) {
        xcb_intern_atom_reply_t* reply = xcb_intern_atom_reply(
            m_connection, xcb_intern_atom(m_connection, 0, static_cast<uint16_t>(std::strlen(name)), name),
            nullptr);
        if (reply == nullptr) {
            fail(std::string("cannot intern ") + name);
        }
        const xcb_atom_t result = reply->atom;
        std::free(reply);
        return result;
    }

    // Qt names the owner of each window in _NET_WM_PID; a window without it is
    // taken as the child's, since the child is the only client that maps one.
    bool belongsTo(xcb_window_t window, pid_t pid) {
        xcb_get_property_reply_t* reply = xcb_get_property_reply(
            m_connection, xcb_get_property(m_connection, 0, window, m_pidAtom, XCB_ATOM_CARDINAL, 0, 1),
            nullptr);
        if (reply == nullptr) {
            return false; // the window is gone already
        }
        bool mine = true;
        if (xcb_get_property_value_length(reply) == 4) {
            mine = *static_cast<const uint32_t*>(xcb_get_property_value(reply)) == static_cast<uint32_t>(pid);
        }
        std::free(reply);
        return mine;
    }

    xcb_connection_t* m_connection;
    xcb_window_t m_root = 0;
    xcb_atom_t m_pidAtom = 0;
    xcb_atom_t m_protocolsAtom = 0;
    xcb_atom_t m_deleteAtom = 0;
};

struct Kind {
    const char* label;
    fs::path program;        ///< for a fresh kind, the program placed anew in a fresh folder each round
    std::string freshFolder; ///< the fresh folders' name, for a kind timed in a fresh folder
    std::vector<double> times;
    std::string window; ///< the size of the window timed
};

// A copy of the program in a folder of its own: a hard link where the file
// system allows one (the program finds its folder from the path it was started
// by), else a copy.
fs::path placeProgram(const fs::path& program, const fs::path& folder) {
    fs::create_directories(folder);
    const fs::path placed = folder / program.filename();
    std::error_code ec;
    if (fs::equivalent(program, placed, ec)) {
        return placed; // placed by an earlier run in the same work folder
    }
    fs::remove(placed, ec);
    fs::create_hard_link(program, placed, ec);
    if (ec) {
        fs::copy_file(program, placed, fs::copy_options::overwrite_existing);
    }
    return placed;
}

constexpr int kMapTimeoutMs = 60000;
constexpr int kExitTimeoutMs = 10000;

double timeOneStart(Display& display, const fs::path& program, std::string* window = nullptr) {
    display.drain();
    sync(); // no start pays for the disk writes of the one before, or of other programs
    const Clock::time_point begin = Clock::now();
    Child child = start(program);
    const std::optional<Display::Mapped> mapped = display.waitForMap(child, kMapTimeoutMs);
    if (!mapped) {
        finish(child, 0);
        fail(program.string() + " ended, or mapped no window within a minute");
    }
    if (window != nullptr) {
        *window = display.size(mapped->window);
    }
    display.askToClose(mapped->window);
    finish(child, kExitTimeoutMs);
    return milliseconds(mapped->at - begin);
}

double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    const std::size_t n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

std::string loadAverage() {
    std::FILE* file = std::fopen("/proc/loadavg", "r");
    std::array<char, 64> text{};
    if (file == nullptr || std::fgets(text.data(), text.size(), file) == nullptr) {
        if (file != nullptr) {
            std::fclose(file);
        }
        return "unknown";
    }
    std::fclose(file);
    std::string line(text.data());
    const std::size_t third = line.find(' ', line.find(' ', line.find(' ') + 1) + 1);
    return line.substr(0, third);
}

} // namespace

int main(int argc, char* argv[]) {
    if (argc < 5 || argc > 7) {
        std::fprintf(stderr, "usage: start_to_mapped ROUNDS EMPTY_WINDOW PROGRAM WORK_FOLDER "
                             "[TEXT_WINDOW [OTHER_PROGRAM]]\n");
        return 2;
    }
    const int rounds = std::max(1, std::atoi(argv[1]));
    const fs::path emptyWindow = fs::absolute(argv[2]);
    const fs::path program = fs::absolute(argv[3]);
    const fs::path work = fs::absolute(argv[4]);
    const fs::path textWindow = argc >= 6 ? fs::absolute(argv[5]) : fs::path();
    // Another build of the program, timed in turn with this one, so that two
    // builds are compared in one run rather than across runs.
    const fs::path other = argc == 7 ? fs::absolute(argv[6]) : fs::path();
    Display display;

    Kind empty{"empty Qt window", emptyWindow, {}, {}, {}};
    Kind text{"Qt window, a line of text", textWindow, {}, {}, {}};
    Kind setUp{"program, set-up folder", placeProgram(program, work / "set-up"), {}, {}, {}};
    Kind fresh{"program, fresh folder", program, "fresh", {}, {}};
    Kind otherSetUp{"other build, set-up",
                    other.empty() ? fs::path() : placeProgram(other, work / "other-set-up"),
                    {},
                    {},
                    {}};
    Kind otherFresh{"other build, fresh", other, "other-fresh", {}, {}};
    std::vector<Kind*> kinds{&empty};
    if (!text.program.empty()) {
        kinds.push_back(&text);
    }
    kinds.push_back(&setUp);
    kinds.push_back(&fresh);
    if (!other.empty()) {
        kinds.push_back(&otherSetUp);
        kinds.push_back(&otherFresh);
    }
    const auto freshProgram = [&](const Kind& kind, int round) {
        return placeProgram(kind.program, work / (kind.freshFolder + "-" + std::to_string(round)));
    };

    // One start of each, not counted: it brings the files into the page cache
    // and sets up the set-up folders (their first start is a fresh one).
    for (Kind* kind : kinds) {
        if (!kind->freshFolder.empty()) {
            const fs::path placed = freshProgram(*kind, 0);
            timeOneStart(display, placed, &kind->window);
            fs::remove_all(placed.parent_path());
        } else {
            timeOneStart(display, kind->program, &kind->window);
        }
    }

    const std::string loadBefore = loadAverage();
    const int count = static_cast<int>(kinds.size());
    for (int round = 1; round <= rounds; ++round) {
        // The order turns each round, so no kind always follows the same one.
        for (int i = 0; i < count; ++i) {
            Kind* kind = kinds[static_cast<std::size_t>((round + i) % count)];
            if (!kind->freshFolder.empty()) {
                const fs::path placed = freshProgram(*kind, round);
                kind->times.push_back(timeOneStart(display, placed));
                fs::remove_all(placed.parent_path());
            } else {
                kind->times.push_back(timeOneStart(display, kind->program));
            }
        }
    }

    const double floor = median(empty.times);
    const double textFloor = text.times.empty() ? 0 : median(text.times);
    std::printf("start to the window mapped (X MapNotify), %d rounds in turn, disk synced before each "
                "start\nload average before %s, after %s\n",
                rounds, loadBefore.c_str(), loadAverage().c_str());
    for (const Kind* kind : kinds) {
        const auto [low, high] = std::minmax_element(kind->times.begin(), kind->times.end());
        std::printf("%-25s %-8s median %7.1f ms  (min %6.1f, max %6.1f)", kind->label, kind->window.c_str(),
                    median(kind->times), *low, *high);
        if (kind != &empty) {
            std::printf("  %.2f x empty", median(kind->times) / floor);
        }
        if (textFloor > 0 && kind != &empty && kind != &text) {
            std::printf("  (%.2f x the window with text)", median(kind->times) / textFloor);
        }
        std::printf("\n");
    }
    if (!other.empty()) {
        std::printf("this build against the other: set-up %+.1f ms, fresh %+.1f ms\n",
                    median(setUp.times) - median(otherSetUp.times),
                    median(fresh.times) - median(otherFresh.times));
    }
    std::printf("targets: set-up folder <= 1.30 x empty, fresh folder <= 1.40 x empty\n");
    return 0;
}
