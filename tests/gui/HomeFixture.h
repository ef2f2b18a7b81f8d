#pragma once

#include "FakeAsker.h"
#include "FakeBrowserLauncher.h"
#include "FakeNotifier.h"
#include "FakePracticeWindows.h"
#include "TempFolder.h"
#include "core/product/Config.h"
#include "gui/chrome/SkinPictures.h"
#include "gui/home/HomeWindow.h"

#include <QPoint>
#include <QStringList>
#include <gtest/gtest.h>
#include <initializer_list>
#include <map>
#include <memory>
#include <string>

namespace orbisk::testing {

/// A first score and a second score, as the marks file stores them.
struct StoredScores {
    std::string first;
    std::string second;
};

/// An application folder set up as start-up leaves it (pictures, results files
/// of the test bank's sections 2 and 3), and a home window over it with fakes
/// for the cursor, the pop-up boxes, the practice windows and the messages.
class HomeFixture : public ::testing::Test {
protected:
    HomeFixture();
    ~HomeFixture() override;

    /// The test bank's configuration; with @p topics set, section 2 keeps only
    /// its first @p topics topics (and their papers).
    config::ProductConfig Config(int topics = 0) const;
    /// A shown home window over the folder.
    std::unique_ptr<gui::HomeWindow> Open(const config::ProductConfig& config);
    std::unique_ptr<gui::HomeWindow> Open() { return Open(Config()); }

    /// Stores scores by paper slot in a section's marks file.
    void StoreScores(const std::map<int, StoredScores>& scores, int section = 2);
    std::filesystem::path MarksFile(int section = 2) const;
    /// The picture of the Graphics folder named @p name, as the windows get it.
    QPixmap Picture(const char* name) const;

    TempFolder m_folder;
    FakeNotifier m_notifier;
    FakeAsker m_asker;
    FakePracticeWindows m_practice;
    FakeBrowserLauncher m_browser;
    QPoint m_cursor{-100, -100};
    std::unique_ptr<gui::SkinPictures> m_pictures;
    config::ProductConfig m_config;
    /// The results card's printer of the windows opened; none prints nothing.
    gui::CardPrinter* m_cardPrinter = nullptr;
};

/// A list of texts written as plain literals.
QStringList Texts(std::initializer_list<const char*> texts);

/// Waits for @p condition while events are handled (a button pressed through
/// the accessibility interface clicks a moment later); false if it never holds.
bool EventuallyTrue(const std::function<bool()>& condition);

} // namespace orbisk::testing
