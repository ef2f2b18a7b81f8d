// The practice window as the learner meets it, in a temporary application
// folder with the compiled test bank: paper 101 opened from the home window's
// load button (no other practice window open) until its question page has
// painted, and one Next (store the sheet, rewrite the answer file, write and
// read the next page, render it) until the new page has painted, with an
// answer typed before it that differs from the one stored (a move with
// nothing new writes no answer file); each against
// an empty turn of the event loop measured in the same run. Prints medians in
// milliseconds and ratios. The answer file is written through to the disk, so
// Next includes the disk's answer to that.
// Usage: practice_window_bench [RUNS]  (any Qt platform; offscreen needs no display)
#include "core/formats/ResourcePack.h"
#include "core/io/FileIO.h"
#include "core/setup/FolderSetup.h"
#include "gui/app/Notifier.h"
#include "gui/chrome/SkinPictures.h"
#include "gui/home/HomeWindow.h"
#include "gui/popup/Asker.h"
#include "gui/practice/AnswerBox.h"
#include "gui/practice/AnswerFrame.h"
#include "gui/practice/AnswerSheetPanel.h"
#include "gui/practice/PracticeWindow.h"
#include "gui/practice/PracticeWindowSet.h"
#include "gui/practice/QtPagePrinter.h"
#include "gui/practice/QuestionView.h"
#include "gui/print/SystemPrinterAccess.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

using namespace orbisk;

class Silent final : public gui::Notifier, public gui::Asker {
public:
    void Inform(QWidget*, const QString&, const QString& message, const QString&) override {
        report(message);
    }
    void Warn(QWidget*, const QString&, const QString& message, const QString&) override { report(message); }
    std::optional<bool> Ask(QWidget*, const QString&, const QString&, int, gui::FirstFocus) override {
        return true;
    }

private:
    static void report(const QString& message) { std::fprintf(stderr, "%s\n", qPrintable(message)); }
};

/// Notes the first paint of a widget after it is armed.
class PaintWatch final : public QObject {
public:
    void Arm(QWidget* widget) {
        m_painted = false;
        widget->installEventFilter(this);
    }
    bool painted() const { return m_painted; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint) {
            m_painted = true;
            watched->removeEventFilter(this);
        }
        return QObject::eventFilter(watched, event);
    }

private:
    bool m_painted = false;
};

double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    const std::size_t n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

double milliseconds(const QElapsedTimer& timer) {
    return static_cast<double>(timer.nsecsElapsed()) / 1e6;
}

} // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 30;
    const std::string bytes = files::ReadWholeFile(ORBISK_TESTBANK_PACK);
    const ResourcePack pack(bytes);
    QTemporaryDir folder;
    const std::filesystem::path appFolder = folder.path().toStdString();
    const setup::StartupFiles files = setup::PrepareApplicationFolder(appFolder, pack, "bench");
    if (!files.config) {
        std::fprintf(stderr, "the test bank's configuration cannot be read\n");
        return 1;
    }
    gui::SkinPictures pictures(setup::GraphicsFolder(appFolder));
    Silent silent;
    gui::SystemPrinterAccess printerAccess({}, silent);
    gui::QtPagePrinter printer(printerAccess, silent, appFolder);
    const gui::CursorSource cursor = [] { return QPoint(-100, -100); };
    gui::HomeWindow::Services services{appFolder, &pictures, &silent, cursor, &silent, nullptr};
    gui::HomeWindow home(services, *files.config);
    gui::PracticeServices practice{appFolder, &pack,           &pictures,
                                   &silent,   &silent,         &printer,
                                   cursor,    &gui::SteadyNow, &gui::TodayShortDate};
    gui::PracticeWindowSet windows(practice, &home, [&home] { home.RefreshContents(); });
    home.SetPracticeWindows(&windows);
    home.show();
    QApplication::processEvents();

    PaintWatch watch;
    auto settle = [&] {
        while (!watch.painted()) {
            QApplication::processEvents(QEventLoop::AllEvents);
        }
    };
    std::vector<double> empty, open, next;
    for (int run = 0; run <= runs; ++run) { // run 0 warms the caches and is not counted
        QElapsedTimer timer;
        timer.start();
        QApplication::postEvent(&watch, new QEvent(QEvent::User));
        QApplication::processEvents();
        const double turn = milliseconds(timer);

        windows.CloseAll(); // the window of the run before goes first, outside the timing
        QApplication::processEvents();
        timer.restart();
        home.OpenPaper(0, 1); // paper 101 in a fresh window
        gui::PracticeWindow* window = windows.first();
        watch.Arm(window->view()->viewport());
        settle();
        const double opened = milliseconds(timer);

        // Another option than the run before typed, so that Next has an answer to store.
        window->sheet()->frame(1)->answerBox()->setPlainText(QString::number(run % 4 + 1));
        timer.restart();
        watch.Arm(window->view()->viewport());
        window->NextQuestion();
        settle();
        const double moved = milliseconds(timer);
        if (run > 0) {
            empty.push_back(turn);
            open.push_back(opened);
            next.push_back(moved);
        }
    }
    windows.CloseAll();
    const double base = median(empty);
    std::printf("platform %s, %d runs (medians)\n", qPrintable(QGuiApplication::platformName()), runs);
    std::printf("empty event-loop turn:                 %8.3f ms\n", base);
    std::printf("open paper 101 to its page painted:    %8.3f ms  (%.0f x the empty turn)\n", median(open),
                median(open) / base);
    std::printf("Next to the new page painted:          %8.3f ms  (%.0f x the empty turn)\n", median(next),
                median(next) / base);
    std::printf("target: each under 16 ms (one frame at 60 Hz)\n");
    return 0;
}
