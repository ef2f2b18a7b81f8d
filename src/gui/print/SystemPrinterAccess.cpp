#include "gui/print/SystemPrinterAccess.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QPrinterInfo>

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

} // namespace

QStringList SystemPrinterAccess::Printers() const {
    return QPrinterInfo::availablePrinterNames();
}

QString SystemPrinterAccess::DefaultPrinter() const {
    return QPrinterInfo::defaultPrinterName();
}

std::optional<PrinterChoice> SystemPrinterAccess::ChoosePrinter(QWidget* owner,
                                                                const PrinterChoice& current) {
    QPrinter printer(QPrinter::HighResolution);
    applyChoice(printer, current);
    QPrintDialog dialog(&printer, owner);
    dialog.setWindowTitle(QStringLiteral("Printer Setup"));
    dialog.setAccessibleName(QStringLiteral("Printer Setup"));
    // The set-up form: which printer and which paper, nothing about one print run.
    dialog.setOptions(QAbstractPrintDialog::PrintShowPageSize);
    if (dialog.exec() != QDialog::Accepted) {
        return std::nullopt;
    }
    return PrinterChoice{printer.printerName(), printer.pageLayout()};
}

PrintRun SystemPrinterAccess::Preview(QWidget* owner, const PrinterChoice& target, const Paint& paint) {
    QPrinter printer(QPrinter::HighResolution);
    applyChoice(printer, target);
    QPrintPreviewDialog dialog(&printer, owner);
    dialog.setWindowTitle(QStringLiteral("Results card"));
    dialog.setAccessibleName(QStringLiteral("Results card preview"));
    // The dialog paints for its pages and, after its Print button, once more on
    // the printer before it closes accepted: that last painting is the print.
    Painting last;
    QObject::connect(&dialog, &QPrintPreviewDialog::paintRequested, &dialog,
                     [&last, &paint](QPrinter* shown) { last = paint(*shown); });
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

PrintRun SystemPrinterAccess::PrintWithDialog(QWidget* owner, const QString& name, const Paint& paint) {
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(name);
    QPrintDialog dialog(&printer, owner);
    dialog.setWindowTitle(QStringLiteral("Print %1").arg(name));
    dialog.setAccessibleName(dialog.windowTitle());
    if (dialog.exec() != QDialog::Accepted) {
        return {PrintRun::Outcome::Cancelled, printer.printerName(), {}};
    }
    const Painting painting = paint(printer);
    if (!painting.painted) {
        return {PrintRun::Outcome::Failed, printer.printerName(), painting.problem};
    }
    return {PrintRun::Outcome::Printed, printer.printerName(), {}};
}

std::optional<QString> SystemPrinterAccess::AskPdfFile(QWidget* owner, const QString& title,
                                                       const QString& proposed) {
    QFileDialog dialog(owner, title);
    dialog.setAccessibleName(title);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setNameFilter(QStringLiteral("PDF files (*.pdf)"));
    dialog.setDefaultSuffix(QStringLiteral("pdf"));
    const QFileInfo file(proposed);
    dialog.setDirectory(file.absolutePath());
    dialog.selectFile(file.fileName());
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return std::nullopt;
    }
    return dialog.selectedFiles().constFirst();
}

} // namespace orbisk::gui
