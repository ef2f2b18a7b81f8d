// One start of the program's start-up sequence to its first painted home
// window ("home FOLDER", the application folder given), or of an empty Qt
// Widgets window ("empty"), in one process without the program's main: a small
// target for profilers of start-up (valgrind --tool=callgrind, perf). Prints
// the milliseconds from ORBISK_BENCH_T0 (nanoseconds of the real-time clock,
// written by the caller before it started this process) or from its own start.
// The learner's view of the start, from process start to the window mapped, is
// timed by bench/start-to-mapped.sh.
#include "EmbeddedPack.h"
#include "core/formats/ResourcePack.h"
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

namespace {

long long nowNanoseconds() {
    return std::chrono::duration_cast<std::chrono::nanoseconds>(
               std::chrono::system_clock::now().time_since_epoch())
        .count();
}

class FirstPaint final : public QObject {
public:
    explicit FirstPaint(long long start) : m_start(start) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint && !m_done) {
            m_done = true;
            QTimer::singleShot(0, [this] {
                std::printf("%.1f\n", static_cast<double>(nowNanoseconds() - m_start) / 1e6);
                QApplication::quit();
            });
        }
        return QObject::eventFilter(watched, event);
    }

private:
    long long m_start;
    bool m_done = false;
};

} // namespace

int main(int argc, char* argv[]) {
    const char* t0 = std::getenv("ORBISK_BENCH_T0");
    const long long start = t0 ? std::atoll(t0) : nowNanoseconds();
    const bool empty = argc > 1 && std::strcmp(argv[1], "empty") == 0;
    QApplication app(argc, argv);
    FirstPaint firstPaint(start);
    if (empty) {
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
    const orbisk::ResourcePack pack(orbisk::app::EmbeddedPackBytes());
    orbisk::gui::StartupEnvironment environment;
    environment.programFolder = argv[2];
    environment.resources = &pack;
    environment.notifier = &notifier;
    environment.cursor = orbisk::gui::SystemCursor();
    environment.copyStamp = &orbisk::gui::CurrentCopyStamp;
    const orbisk::gui::Started started = orbisk::gui::StartUp(environment);
    if (!started.home) {
        return 1;
    }
    started.home->installEventFilter(&firstPaint);
    started.home->show();
    return QApplication::exec();
}
