#pragma once

#include "gui/print/PrinterAccess.h"

namespace orbisk::gui {

/// The system's printers and its print dialogs: the print set-up dialog, the
/// print preview (whose Print button asks in the print dialog and prints), the
/// print dialog and the save dialog.
class SystemPrinterAccess final : public PrinterAccess {
public:
    QStringList Printers() const override;
    QString DefaultPrinter() const override;
    std::optional<PrinterChoice> ChoosePrinter(QWidget* owner, const PrinterChoice& current) override;
    PrintRun Preview(QWidget* owner, const PrinterChoice& target, const Paint& paint) override;
    PrintRun PrintWithDialog(QWidget* owner, const QString& name, const Paint& paint) override;
    std::optional<QString> AskPdfFile(QWidget* owner, const QString& title, const QString& proposed) override;
};

} // namespace orbisk::gui
