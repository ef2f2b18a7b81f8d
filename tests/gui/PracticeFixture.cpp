#include "PracticeFixture.h"

#include "CompiledPack.h"
#include "core/Errors.h"
#include "core/formats/Records.h"
#include "core/io/FileIO.h"
#include "core/product/BankNumbers.h"
#include "gui/practice/AnswerBox.h"
#include "gui/practice/AnswerSheetPanel.h"
#include "gui/practice/MarkingPanel.h"
#include "gui/practice/PracticeStatusBar.h"

#include <QAccessible>
#include <QGuiApplication>
#include <QTest>
#include <QWindow>
#include <algorithm>

namespace orbisk::testing {

PracticeFixture::PracticeFixture() : m_resources(&TestBank().pack()) {}

PracticeFixture::~PracticeFixture() = default;

gui::HomeWindow& PracticeFixture::Home() {
    if (!m_home) {
        m_home = HomeFixture::Open();
        gui::PracticeServices services;
        services.appFolder = m_folder.path();
        services.resources = m_resources;
        services.pictures = m_pictures.get();
        services.notifier = &m_notifier;
        services.asker = &m_asker;
        services.printer = m_pagePrinter;
        services.cursor = [this] { return m_cursor; };
        services.now = [this] { return m_now; };
        services.today = [this] { return m_today; };
        m_set = std::make_unique<gui::PracticeWindowSet>(services, m_home.get(), [this] {
            ++m_refreshes;
            m_home->RefreshContents();
        });
        m_home->SetPracticeWindows(m_set.get());
    }
    return *m_home;
}

gui::PracticeWindow* PracticeFixture::OpenPaper(int paper, int take, int section) {
    gui::HomeWindow& home = Home();
    if (home.state().LChose != section) {
        home.TabClick(section);
    }
    home.TopicClick(bank::TopicOfPaper(paper));
    home.OpenPaper(paper - bank::PaperOfSlot(bank::FirstSlotOfTopic(bank::TopicOfPaper(paper))), take);
    gui::PracticeWindow* window = Open();
    if (window) {
        EXPECT_TRUE(QTest::qWaitForWindowActive(window));
    }
    return window;
}

gui::PracticeWindow* PracticeFixture::Open() const {
    if (!m_set) {
        return nullptr;
    }
    return m_set->first() ? m_set->first() : m_set->second();
}

std::filesystem::path PracticeFixture::File(results::ResultsFile file, int section) const {
    return results::FilePath(m_folder.path(), file, section, m_config.code);
}

std::string PracticeFixture::Record(results::ResultsFile file, int paper, int section) const {
    const int papers = m_config.Section(section).paperCount;
    return records::ReadPaperRecords(File(file, section), papers).at(static_cast<std::size_t>(paper - 101));
}

std::vector<std::string> PracticeFixture::Values(results::ResultsFile file, int paper, int n,
                                                 int section) const {
    return records::SplitRecord(Record(file, paper, section), n);
}

void PracticeFixture::StoreRecord(results::ResultsFile file, int paper,
                                  const std::vector<std::string>& values, int section) {
    const int papers = m_config.Section(section).paperCount;
    std::vector<std::string> lines = records::ReadPaperRecords(File(file, section), papers);
    records::WritePaperRecord(lines, values, paper - 100, std::to_string(paper), papers,
                              static_cast<int>(values.size()), File(file, section));
}

std::vector<std::string> PracticeFixture::PageFiles() const {
    std::vector<std::string> pages;
    for (const auto& entry : std::filesystem::directory_iterator(m_folder.path())) {
        const std::string name = entry.path().filename().string();
        if (name.rfind("temppaper", 0) == 0) {
            pages.push_back(name);
        }
    }
    std::sort(pages.begin(), pages.end());
    return pages;
}

std::vector<std::string> PracticeFixture::Sheet(const gui::PracticeWindow& window) {
    return window.sheet()->Texts();
}

void PracticeFixture::Put(gui::PracticeWindow& window, int frame, const QString& text) {
    window.sheet()->answerBox(frame)->SetText(text);
}

QWidget* PracticeFixture::Named(QWidget* window, const QString& name) {
    for (QWidget* widget : window->findChildren<QWidget*>()) {
        QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(widget);
        if (widget->isVisibleTo(window) && accessible && accessible->text(QAccessible::Name) == name) {
            return widget;
        }
    }
    ADD_FAILURE() << "no control named " << name.toStdString();
    return nullptr;
}

void PracticeFixture::Press(QWidget* window, const QString& name) {
    QWidget* control = Named(window, name);
    ASSERT_NE(control, nullptr);
    QAccessibleActionInterface* action = QAccessible::queryAccessibleInterface(control)->actionInterface();
    ASSERT_NE(action, nullptr) << name.toStdString();
    action->doAction(QAccessibleActionInterface::pressAction());
    QTest::qWait(150); // a pressed button lets go 100 ms later, as a click does
}

void PracticeFixture::Key(Qt::Key key, Qt::KeyboardModifiers modifiers) {
    QWindow* focused = QGuiApplication::focusWindow();
    ASSERT_NE(focused, nullptr) << "no window has the keyboard";
    QTest::keyClick(focused, key, modifiers);
}

void PracticeFixture::Type(const QString& text) {
    for (const QChar c : text) {
        QWindow* focused = QGuiApplication::focusWindow();
        ASSERT_NE(focused, nullptr) << "no window has the keyboard";
        QTest::keyClick(focused, c.toLatin1());
    }
}

void PracticeFixture::Mark(gui::PracticeWindow& window, bool yes,
                           std::chrono::steady_clock::duration during) {
    m_asker.answers.push_back(yes);
    window.MarkPaper();
    gui::MarkingPanel* panel = window.statusBar()->marking();
    if (panel->running()) {
        m_now += during;
        panel->Step();
    }
}

void PracticeFixture::MarkAndClose(gui::PracticeWindow& window) {
    Mark(window);
    m_asker.answers.push_back(true);
    window.ClosePaper();
}

FailingWrites::FailingWrites(std::vector<std::filesystem::path> targets) {
    files::testing::SetBeforeRenameHook(
        [targets = std::move(targets)](const std::filesystem::path& temporary) {
            for (const auto& target : targets) {
                if (temporary == files::TemporaryPathFor(target)) {
                    throw WriteError(target, "the file is read-only (simulated)", 30);
                }
            }
        });
}

FailingWrites::~FailingWrites() {
    files::testing::SetBeforeRenameHook({});
}

} // namespace orbisk::testing
