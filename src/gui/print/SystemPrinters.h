#pragma once

#include "gui/print/PrinterAccess.h"

namespace orbisk::gui {

/// The system's printers and its print dialogs: the print set-up dialog, the
/// print preview (whose Print button asks in the print dialog and prints) and
/// the print dialog. It lives in the printing module (PrintingModule.h); a
/// painting that the printer reports as failed comes back as a failed run.
class SystemPrinters final : public PrinterSystem {
public:
    QStringList Printers() const override;
    QString DefaultPrinter() const override;
    std::optional<PrinterChoice> ChoosePrinter(QWidget* owner, const PrinterChoice& current) override;
    PrintRun Preview(QWidget* owner, const PrinterChoice& target, const Paint& paint) override;
    PrintRun PrintWithDialog(QWidget* owner, const QString& name, const Paint& paint) override;
};

} // namespace orbisk::gui
