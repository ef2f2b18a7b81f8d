#pragma once

#include "gui/practice/PagePrinter.h"

#include <filesystem>

namespace orbisk::gui {

class Notifier;
class PrinterAccess;

/// Prints through the system's print dialog: the page goes to the printer the
/// learner confirms, and nowhere when the dialog is cancelled.
class QtPagePrinter final : public PagePrinter {
public:
    QtPagePrinter(PrinterAccess& access, Notifier& notifier, std::filesystem::path appFolder);

    void Print(QWidget* owner, const QTextDocument& page, const QString& paper, int question) override;

private:
    PrinterAccess& m_access;
    Notifier& m_notifier;
    std::filesystem::path m_appFolder;
};

} // namespace orbisk::gui
