#pragma once

#include "FakePagePrinter.h"
#include "HomeFixture.h"
#include "core/formats/ResourceSource.h"
#include "core/practice/OpenPaper.h"
#include "core/results/ResultsStore.h"
#include "gui/practice/PracticeWindow.h"
#include "gui/practice/PracticeWindowSet.h"

#include <chrono>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

namespace orbisk::testing {

/// The home window over a prepared application folder, with the real practice
/// windows behind its paper buttons: a clock and a date the test sets, pop-up
/// answers it gives, a printer that records, and the synthetic test bank.
class PracticeFixture : public HomeFixture {
protected:
    PracticeFixture();
    ~PracticeFixture() override;

    /// The shown home window (made on first use, with the resources of m_resources).
    gui::HomeWindow& Home();
    /// Opens @p paper of @p section for attempt @p take as its home-page button does
    /// and waits until it is the active window; the window opened, or null when none opened.
    gui::PracticeWindow* OpenPaper(int paper, int take = 1, int section = 2);
    /// The practice window now open, or null.
    gui::PracticeWindow* Open() const;

    std::filesystem::path File(results::ResultsFile file, int section = 2) const;
    /// The record of @p paper in a results file, as the file holds it.
    std::string Record(results::ResultsFile file, int paper, int section = 2) const;
    /// The first @p n values of that record.
    std::vector<std::string> Values(results::ResultsFile file, int paper, int n, int section = 2) const;
    /// Writes @p values as the paper's record of an answer or result file.
    void StoreRecord(results::ResultsFile file, int paper, const std::vector<std::string>& values,
                     int section = 2);
    /// The page files ("temppaper...") in the application folder.
    std::vector<std::string> PageFiles() const;
    /// The texts of the answer boxes the question on show uses.
    static std::vector<std::string> Sheet(const gui::PracticeWindow& window);
    /// Puts @p text in answer box @p frame as if typed.
    static void Put(gui::PracticeWindow& window, int frame, const QString& text);

    /// The control a screen reader or an automation script finds by @p name
    /// among the shown controls of @p window (a failure when there is none).
    static QWidget* Named(QWidget* window, const QString& name);
    /// Presses the control named @p name through its accessible action, as automation does.
    static void Press(QWidget* window, const QString& name);
    /// Presses @p key on the keyboard: the window that has the focus gets it,
    /// as from the window system, so shortcuts, the focus and open lists all take part.
    static void Key(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier);
    /// Types @p text key by key, as Key does.
    static void Type(const QString& text);

    /// Marks the open window: Mark, answers the question with @p yes, plays the
    /// animation on the test's clock (@p during from its start to its end).
    void Mark(gui::PracticeWindow& window, bool yes = true,
              std::chrono::steady_clock::duration during = std::chrono::seconds(3));
    /// Marks the open window as Mark does, then closes it, answering Yes when asked.
    void MarkAndClose(gui::PracticeWindow& window);

    practice::Instant m_now = practice::Instant{} + std::chrono::hours(1000);
    QString m_today = QStringLiteral("08/12/2026");
    FakePagePrinter m_printer;
    /// The page printer of the windows opened (set before the first); the fake by default.
    gui::PagePrinter* m_pagePrinter = &m_printer;
    const ResourceSource* m_resources;
    int m_refreshes = 0;
    std::unique_ptr<gui::HomeWindow> m_home;
    std::unique_ptr<gui::PracticeWindowSet> m_set;
};

/// Makes every write of the named files fail just before it would replace
/// them, while it lives (the file on disk stays as it was).
class FailingWrites final {
public:
    explicit FailingWrites(std::vector<std::filesystem::path> targets);
    ~FailingWrites();
    FailingWrites(const FailingWrites&) = delete;
    FailingWrites& operator=(const FailingWrites&) = delete;
};

} // namespace orbisk::testing
