#pragma once

#include "core/formats/ResourceSource.h"
#include "core/practice/OpenPaper.h"
#include "gui/chrome/HoverPoller.h"

#include <QString>
#include <filesystem>
#include <functional>

namespace orbisk::gui {

class Asker;
class Notifier;
class PagePrinter;
class SkinPictures;

/// What a practice window works with. The program passes the real ones
/// (DefaultPracticeClock and friends); tests pass their own.
struct PracticeServices {
    std::filesystem::path appFolder;
    const ResourceSource* resources = nullptr;
    SkinPictures* pictures = nullptr;
    Notifier* notifier = nullptr;
    /// The pop-up boxes: "Paper saved", "Close Practice", the marking questions.
    Asker* asker = nullptr;
    PagePrinter* printer = nullptr;
    CursorSource cursor;
    /// Now, on the monotonic clock the practice clock and the time taken count on.
    std::function<practice::Instant()> now;
    /// Today's date as the learner's desktop writes it in short form.
    std::function<QString()> today;
};

/// The monotonic clock.
practice::Instant SteadyNow();
/// Today's date in the system's short date format: the one place the program takes it.
QString TodayShortDate();

} // namespace orbisk::gui
