// One start of the program's start-up sequence to its first painted home
// window ("home FOLDER", the application folder given), or of an empty Qt
// Widgets window ("empty"), in one process without the program's main: a small
// target for profilers of start-up (valgrind --tool=callgrind, perf). Prints
// the milliseconds from ORBISK_BENCH_T0 (nanoseconds of the real-time clock,
// written by the caller before it started this process) or from its own start.
// For the home window it also prints, on standard error, where that time went:
// the process to main, the application object, the folder and pictures, the
// wait for the font configuration (read on a second thread from main on, as the
// program does), the home window's building, its show and its first paint.
// The learner's view of the start, from process start to the window mapped, is
// timed by bench/start-to-mapped.sh.
#include "EmbeddedPack.h"
#include "FontsWarmUp.h"
#include "gui/app/Notifier.h"
#include "gui/app/SingleInstance.h"
#include "gui/app/Startup.h"
#include "gui/chrome/SkinPictures.h"
#include "gui/home/HomeWindow.h"

#include <QApplication>
#include <QEvent>
#include <QTimer>
#include <QWidget>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <optional>
#include <utility>

namespace {

long long nowNanoseconds() {
    return std::chrono::duration_cast<std::chrono::nanoseconds>(
               std::chrono::system_clock::now().time_since_epoch())
        .count();
}

// The moments of one start, in nanoseconds of the real-time clock.
struct Phases {
    long long start = 0, main = 0, application = 0, folder = 0, fonts = 0, home = 0, shown = 0;

    void Print(long long painted) const {
        const std::pair<const char*, long long> steps[] = {{"process to main", main - start},
                                                           {"application object", application - main},
                                                           {"folder and pictures", folder - application},
                                                           {"font configuration wait", fonts - folder},
                                                           {"home window built", home - fonts},
                                                           {"shown", shown - home},
                                                           {"to first paint", painted - shown}};
        for (const auto& [name, nanoseconds] : steps) {
            std::fprintf(stderr, "%-24s %6.2f ms\n", name, static_cast<double>(nanoseconds) / 1e6);
        }
    }
};

class FirstPaint final : public QObject {
public:
    explicit FirstPaint(long long start, const Phases* phases = nullptr) : m_start(start), m_phases(phases) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint && !m_done) {
            m_done = true;
            if (m_phases != nullptr) {
                m_phases->Print(nowNanoseconds());
            }
            QTimer::singleShot(0, [this] {
                std::printf("%.1f\n", static_cast<double>(nowNanoseconds() - m_start) / 1e6);
                QApplication::quit();
            });
        }
        return QObject::eventFilter(watched, event);
    }

private:
    long long m_start;
    const Phases* m_phases;
    bool m_done = false;
};

} // namespace

int main(int argc, char* argv[]) {
    Phases phases;
    phases.main = nowNanoseconds();
    const char* t0 = std::getenv("ORBISK_BENCH_T0");
    phases.start = t0 ? std::atoll(t0) : phases.main;
    const bool empty = argc > 1 && std::strcmp(argv[1], "empty") == 0;
    std::optional<orbisk::app::FontsWarmUp> fonts; // as the program's main does; the empty window has none
    if (!empty) {
        fonts.emplace();
    }
    QApplication app(argc, argv);
    phases.application = nowNanoseconds();
    if (empty) {
        FirstPaint firstPaint(phases.start);
        QWidget window;
        window.resize(405, 492);
        window.installEventFilter(&firstPaint);
        window.show();
        return QApplication::exec();
    }
    if (argc < 3) {
        std::fprintf(stderr, "usage: startup_bench empty | home FOLDER\n");
        return 2;
    }
    orbisk::gui::MessageBoxNotifier notifier;
    const orbisk::app::EmbeddedPackSource pack;
    orbisk::gui::StartupEnvironment environment;
    environment.programFolder = argv[2];
    environment.resources = &pack;
    environment.notifier = &notifier;
    environment.cursor = orbisk::gui::SystemCursor();
    environment.copyStamp = &orbisk::gui::CurrentCopyStamp;
    environment.beforeFirstText = [&] {
        phases.folder = nowNanoseconds();
        fonts->Wait();
        phases.fonts = nowNanoseconds();
    };
    const orbisk::gui::Started started = orbisk::gui::StartUp(environment);
    if (!started.home) {
        return 1;
    }
    phases.home = nowNanoseconds();
    FirstPaint firstPaint(phases.start, &phases);
    started.home->installEventFilter(&firstPaint);
    started.home->show();
    phases.shown = nowNanoseconds();
    return QApplication::exec();
}
