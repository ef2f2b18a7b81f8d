#pragma once

#include "core/formats/ResourceSource.h"
#include "gui/chrome/HoverPoller.h"

#include <QString>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>

namespace orbisk::gui {

class HomeWindow;
class Notifier;
class SkinPictures;
class SingleInstance;

/// What start-up works with; the program passes the real ones, tests their own.
struct StartupEnvironment {
    std::filesystem::path appFolder;
    const ResourceSource* resources = nullptr;
    Notifier* notifier = nullptr;
    CursorSource cursor;
    /// The stamp in the names of kept copies of damaged files, e.g. "20261208-101500".
    std::function<std::string()> copyStamp;
};

/// A started program: the folder lock, the pictures and the home window.
struct Started {
    std::unique_ptr<SingleInstance> instance;
    std::unique_ptr<SkinPictures> pictures;
    std::unique_ptr<HomeWindow> home;
};

/// Runs the start-up sequence: refuses a second copy on the same folder
/// before anything is written, installs the pictures, reads the configuration,
/// makes sure the results files can be read (telling the learner about any
/// that had to be recreated) and builds the home window, not yet shown.
/// Returns no window when start-up cannot go on; the learner has been told why.
Started StartUp(const StartupEnvironment& environment);

/// Today's stamp for kept copies, from the system clock.
std::string CurrentCopyStamp();

} // namespace orbisk::gui
