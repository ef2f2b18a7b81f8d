// Memory as the learner's machine sees it: the resident set (VmRSS) of an empty
// Qt window, then of the program's own start-up with its embedded pack, with
// the home window shown and with paper 1 of the first topic open, each after
// the windows have painted and settled. Prints megabytes and the ratios to the
// empty window measured in the same run.
// Usage: memory_bench EMPTY_WINDOW [SETTLE_MS]
//   EMPTY_WINDOW is the empty_window program built beside this one.
#include "EmbeddedPack.h"
#include "gui/app/Notifier.h"
#include "gui/app/Startup.h"
#include "gui/home/HomeWindow.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <QTemporaryDir>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>

namespace {

using namespace orbisk;

class Silent final : public gui::Notifier {
public:
    void Inform(QWidget*, const QString&, const QString& message, const QString&) override {
        std::fprintf(stderr, "%s\n", qPrintable(message));
    }
    void Warn(QWidget*, const QString&, const QString& message, const QString&) override {
        std::fprintf(stderr, "%s\n", qPrintable(message));
    }
};

// The resident set of a process in megabytes (1000 kB), from /proc; -1 when it cannot be read.
double residentMegabytes(const std::string& pid) {
    std::ifstream status("/proc/" + pid + "/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.rfind("VmRSS:", 0) == 0) {
            return std::atof(line.c_str() + 6) / 1000.0;
        }
    }
    return -1;
}

void settle(int milliseconds) {
    QElapsedTimer timer;
    timer.start();
    while (timer.elapsed() < milliseconds) {
        QApplication::processEvents(QEventLoop::AllEvents, 10);
    }
}

} // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: memory_bench EMPTY_WINDOW [SETTLE_MS]\n");
        return 2;
    }
    const int wait = argc > 2 ? std::atoi(argv[2]) : 1500;

    QProcess empty;
    empty.start(QString::fromLocal8Bit(argv[1]), {});
    if (!empty.waitForStarted()) {
        std::fprintf(stderr, "%s cannot be started\n", argv[1]);
        return 1;
    }
    settle(wait);
    const double floor = residentMegabytes(std::to_string(empty.processId()));
    empty.kill();
    empty.waitForFinished();

    const app::EmbeddedPackSource pack;
    QTemporaryDir folder;
    Silent silent;
    gui::StartupEnvironment environment;
    environment.programFolder = folder.path().toStdString();
    environment.resources = &pack;
    environment.notifier = &silent;
    environment.cursor = gui::SystemCursor();
    environment.copyStamp = &gui::CurrentCopyStamp;
    gui::Started started = gui::StartUp(environment);
    if (!started.home) {
        return 1;
    }
    started.home->show();
    settle(wait);
    const double home = residentMegabytes("self");
    started.home->OpenPaper(0, 1);
    settle(wait);
    const double paper = residentMegabytes("self");

    std::printf("resident set (VmRSS), platform %s\n", qPrintable(QGuiApplication::platformName()));
    std::printf("empty Qt window        %6.1f MB\n", floor);
    std::printf("program, home window   %6.1f MB  %.2f x empty\n", home, home / floor);
    std::printf("program, paper 1 open  %6.1f MB  %.2f x empty\n", paper, paper / floor);
    std::printf("target: paper open <= 1.50 x empty\n");
    return 0;
}
