#include "gui/print/SystemPrinters.h"

#include "gui/print/PrintingModule.h"

#include <QDialogButtonBox>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QPushButton>

namespace orbisk::gui {

namespace {

void applyChoice(QPrinter& printer, const PrinterChoice& choice) {
    if (!choice.printerName.isEmpty()) {
        printer.setPrinterName(choice.printerName);
    }
    if (choice.page) {
        printer.setPageLayout(*choice.page);
    }
}

// A document painted on @p printer; a painting the printer took but then
// reported as failed is a failed painting.
Painting paintOn(QPrinter& printer, const Paint& paint) {
    Painting painting = paint(printer);
    if (painting.painted && printer.printerState() == QPrinter::Error) {
        painting = {false, painting.pages, QStringLiteral("the printer reported an error")};
    }
    return painting;
}

} // namespace

QStringList SystemPrinters::Printers() const {
    return QPrinterInfo::availablePrinterNames();
}

QString SystemPrinters::DefaultPrinter() const {
    return QPrinterInfo::defaultPrinterName();
}

std::optional<PrinterChoice> SystemPrinters::ChoosePrinter(QWidget* owner, const PrinterChoice& current) {
    QPrinter printer(QPrinter::HighResolution);
    applyChoice(printer, current);
    QPrintDialog dialog(&printer, owner);
    dialog.setWindowTitle(QStringLiteral("Printer Setup"));
    dialog.setAccessibleName(QStringLiteral("Printer Setup"));
    // The set-up form: which printer and which paper, nothing about one print run.
    dialog.setOptions(QAbstractPrintDialog::PrintShowPageSize);
    // Its button keeps the choice and prints nothing, so it does not say "Print".
    if (auto* buttons = dialog.findChild<QDialogButtonBox*>()) {
        if (QPushButton* keep = buttons->button(QDialogButtonBox::Ok)) {
            keep->setText(QStringLiteral("OK"));
        }
    }
    if (dialog.exec() != QDialog::Accepted) {
        return std::nullopt;
    }
    return PrinterChoice{printer.printerName(), printer.pageLayout()};
}

PrintRun SystemPrinters::Preview(QWidget* owner, const PrinterChoice& target, const Paint& paint) {
    QPrinter printer(QPrinter::HighResolution);
    applyChoice(printer, target);
    QPrintPreviewDialog dialog(&printer, owner);
    dialog.setWindowTitle(QStringLiteral("Results card"));
    dialog.setAccessibleName(QStringLiteral("Results card preview"));
    // The dialog paints for its pages and, after its Print button, once more on
    // the printer before it closes accepted: that last painting is the print.
    Painting last;
    QObject::connect(&dialog, &QPrintPreviewDialog::paintRequested, &dialog,
                     [&last, &paint](QPrinter* shown) { last = paintOn(*shown, paint); });
    const QString name = target.printerName;
    if (dialog.exec() != QDialog::Accepted) {
        return {PrintRun::Outcome::Cancelled, name, {}};
    }
    const QString printed = printer.printerName().isEmpty() ? name : printer.printerName();
    if (!last.painted) {
        return {PrintRun::Outcome::Failed, printed, last.problem};
    }
    return {PrintRun::Outcome::Printed, printed, {}};
}

PrintRun SystemPrinters::PrintWithDialog(QWidget* owner, const QString& name, const Paint& paint) {
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(name);
    QPrintDialog dialog(&printer, owner);
    dialog.setWindowTitle(QStringLiteral("Print %1").arg(name));
    dialog.setAccessibleName(dialog.windowTitle());
    if (dialog.exec() != QDialog::Accepted) {
        return {PrintRun::Outcome::Cancelled, printer.printerName(), {}};
    }
    const Painting painting = paintOn(printer, paint);
    if (!painting.painted) {
        return {PrintRun::Outcome::Failed, printer.printerName(), painting.problem};
    }
    return {PrintRun::Outcome::Printed, printer.printerName(), {}};
}

} // namespace orbisk::gui

// The module's one entry: the loader finds it by this name.
extern "C" orbisk::gui::PrinterSystem* orbisk_printing_system() {
    return new orbisk::gui::SystemPrinters();
}
