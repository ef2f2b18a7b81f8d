#pragma once

#include "gui/print/PrinterAccess.h"

#include <memory>
#include <string_view>

namespace orbisk::gui {

class Notifier;

/// The system's printers and its print and save dialogs, as the program uses
/// them. The printers and print dialogs come from the printing module, loaded
/// from @p module the first time any of them is asked for; the save dialog of
/// a PDF file needs no module. Should the module not load (the system's
/// printing library missing, say), the learner is told once and the program
/// goes on as on a computer without printers: every document can still be
/// saved as a PDF file.
class SystemPrinterAccess final : public PrinterAccess {
public:
    /// @p module: the printing module's bytes, which must outlive this object.
    SystemPrinterAccess(std::string_view module, Notifier& notifier);
    ~SystemPrinterAccess() override;
    SystemPrinterAccess(const SystemPrinterAccess&) = delete;
    SystemPrinterAccess& operator=(const SystemPrinterAccess&) = delete;

    QStringList Printers() const override;
    QString DefaultPrinter() const override;
    std::optional<PrinterChoice> ChoosePrinter(QWidget* owner, const PrinterChoice& current) override;
    PrintRun Preview(QWidget* owner, const PrinterChoice& target, const Paint& paint) override;
    PrintRun PrintWithDialog(QWidget* owner, const QString& name, const Paint& paint) override;
    std::optional<QString> AskPdfFile(QWidget* owner, const QString& title, const QString& proposed) override;

private:
    /// The loaded printers, or null when the module could not be loaded.
    PrinterSystem* printers() const;

    std::string_view m_module;
    Notifier& m_notifier;
    mutable std::unique_ptr<PrinterSystem> m_printers;
    mutable bool m_loadTried = false;
    mutable QString m_problem;
};

} // namespace orbisk::gui
