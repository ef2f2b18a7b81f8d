#pragma once

#include "core/formats/ResourceSource.h"
#include "gui/chrome/HoverPoller.h"

#include <QString>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <string_view>

namespace orbisk::gui {

class Asker;
class BrowserLauncher;
class CardPrinter;
class EndRequests;
class HomeWindow;
class Notifier;
class PagePrinter;
class PictureInstaller;
class PrinterAccess;
class PracticeWindowSet;
class SkinPictures;
class SingleInstance;

/// What start-up works with; the program passes the real ones, tests their own.
struct StartupEnvironment {
    /// Where a portable copy keeps its files: the program's own folder.
    std::filesystem::path programFolder;
    /// Where the files go instead when the program's folder cannot be used (or
    /// for an installed copy); empty when there is no such folder.
    std::filesystem::path perUserFolder;
    /// True for an installed copy, which always keeps its files per user.
    bool installed = false;
    const ResourceSource* resources = nullptr;
    Notifier* notifier = nullptr;
    CursorSource cursor;
    /// Asks the learner in pop-up boxes; when none is given, start-up makes the
    /// program's own, which shows a PopUpBox.
    Asker* asker = nullptr;
    /// The stamp in the names of kept copies of damaged files, e.g. "20261208-101500".
    std::function<std::string()> copyStamp;
    /// Prints question pages; when none is given, start-up makes the program's
    /// own, which asks in the print dialog, or offers a PDF file when there is
    /// no printer.
    PagePrinter* printer = nullptr;
    /// Opens the maker's web page; when none is given, start-up makes the
    /// program's own, which asks the desktop for its default browser.
    BrowserLauncher* browser = nullptr;
    /// The printing module's bytes as the program carries them, loaded the
    /// first time the learner prints (empty: printing is not available).
    std::string_view printingModule;
    /// Called once before the home window is made, the first use of a font;
    /// main waits here for the font configuration it loads on the side.
    std::function<void()> beforeFirstText;
};

/// A started program: the folder lock, the folder chosen, the pictures and the home window.
struct Started {
    Started();
    Started(Started&&) noexcept;
    Started& operator=(Started&&) noexcept;
    ~Started();

    std::unique_ptr<SingleInstance> instance;
    std::filesystem::path appFolder;
    std::unique_ptr<SkinPictures> pictures;
    std::unique_ptr<Asker> asker;         ///< the pop-up boxes, unless the environment brought its own
    std::unique_ptr<PagePrinter> printer; ///< the page printer, unless the environment brought its own
    std::unique_ptr<PrinterAccess> printerAccess; ///< the system's printers and print dialogs
    std::unique_ptr<CardPrinter> cardPrinter;     ///< the results card's printer
    std::unique_ptr<BrowserLauncher>
        browser; ///< the desktop's browser, unless the environment brought its own
    std::unique_ptr<HomeWindow> home;
    /// The practice windows the home window opens. They go before the home
    /// window, storing the answers of any still open.
    std::unique_ptr<PracticeWindowSet> practice;
    /// Writes the skin pictures into the Graphics folder once the home window has painted.
    std::unique_ptr<PictureInstaller> pictureInstaller;
    /// Ends the program when the system asks, the practice windows' answers stored first.
    std::unique_ptr<EndRequests> endRequests;
};

/// Runs the start-up sequence: chooses the application folder and takes its
/// one-copy lock before anything is written (a second copy is told and stops),
/// reads the configuration, makes sure the results files can be read (telling
/// the learner about any that had to be set aside or could not be put right)
/// and builds the home window, not yet shown; the pictures are written to the
/// Graphics folder after the window's first paint (see PictureInstaller). From
/// then on a request of the system to end the program (see EndRequests) closes
/// the practice windows, their answers stored, and leaves the event loop.
/// Returns no window when start-up cannot go on; the learner has been told why.
Started StartUp(const StartupEnvironment& environment);

/// Today's stamp for kept copies, from the system clock.
std::string CurrentCopyStamp();

} // namespace orbisk::gui
