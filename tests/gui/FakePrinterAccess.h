#pragma once

#include "gui/print/PrinterAccess.h"

#include <QPrinter>
#include <vector>

namespace orbisk::testing {

/// A printing system with the printers a test names, whose dialogs answer
/// as the test says and remember what they were shown.
class FakePrinterAccess final : public gui::PrinterAccess {
public:
    QStringList Printers() const override { return printers; }
    QString DefaultPrinter() const override { return defaultPrinter; }

    std::optional<gui::PrinterChoice> ChoosePrinter(QWidget*, const gui::PrinterChoice& current) override {
        setupShownWith.push_back(current);
        return setupAnswer;
    }

    gui::PrintRun Preview(QWidget*, const gui::PrinterChoice& target, const gui::Paint&) override {
        previewed.push_back(target);
        return {previewOutcome, target.printerName, previewProblem};
    }

    gui::PrintRun PrintWithDialog(QWidget*, const QString& name, const gui::Paint&) override {
        printDialogs << name;
        return {previewOutcome, printers.value(0), previewProblem};
    }

    std::optional<QString> AskPdfFile(QWidget*, const QString&, const QString& proposed) override {
        proposedFiles << proposed;
        return saveAnswer;
    }

    QStringList printers; ///< none: the system has no printer
    QString defaultPrinter;
    std::optional<gui::PrinterChoice> setupAnswer; ///< nothing: the set-up is cancelled
    gui::PrintRun::Outcome previewOutcome = gui::PrintRun::Outcome::Printed; ///< of a preview or print dialog
    QString previewProblem;
    std::optional<QString> saveAnswer; ///< nothing: the save dialog is cancelled

    std::vector<gui::PrinterChoice> setupShownWith;
    std::vector<gui::PrinterChoice> previewed;
    QStringList printDialogs; ///< the name of each document the print dialog was shown for
    QStringList proposedFiles;
};

} // namespace orbisk::testing
