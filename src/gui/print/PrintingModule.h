#pragma once

#include "gui/print/PrinterAccess.h"

#include <QString>
#include <memory>
#include <string_view>

namespace orbisk::gui {

/// The printing module loaded, or why it could not be.
struct LoadedPrinting {
    std::unique_ptr<PrinterSystem> printers; ///< null when the module could not be loaded
    QString problem;                         ///< why not, in the system's words
};

/// Loads the printing module from @p module, its bytes as the program carries
/// them, and asks it for the system's printers.
///
/// The module holds everything that needs the printing library, which links
/// the system's printing stack: carried inside the program rather than linked
/// to it, that library is loaded only when the learner first prints, and a
/// computer without it still runs every other part of the program. The bytes
/// are handed to the dynamic loader through an anonymous in-memory file, so
/// that the module always matches the program that carries it and nothing is
/// written to the disk. The module, and that file, stay until the program ends.
LoadedPrinting LoadPrintingModule(std::string_view module);

} // namespace orbisk::gui

/// The printing module's one entry (defined in the module, not in the program):
/// a new PrinterSystem of the system's printers, owned by the caller.
extern "C" orbisk::gui::PrinterSystem* orbisk_printing_system();
