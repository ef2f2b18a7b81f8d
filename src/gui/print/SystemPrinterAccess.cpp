#include "gui/print/SystemPrinterAccess.h"

#include "gui/app/Notifier.h"
#include "gui/chrome/FrameActivation.h"
#include "gui/print/PrintingModule.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QPointer>

namespace orbisk::gui {

SystemPrinterAccess::SystemPrinterAccess(std::string_view module, Notifier& notifier)
    : m_module(module), m_notifier(notifier) {}

SystemPrinterAccess::~SystemPrinterAccess() = default;

PrinterSystem* SystemPrinterAccess::printers() const {
    if (!m_loadTried) {
        m_loadTried = true;
        LoadedPrinting loaded = LoadPrintingModule(m_module);
        m_printers = std::move(loaded.printers);
        m_problem = loaded.problem;
        if (!m_printers) {
            m_notifier.Warn(nullptr, QStringLiteral("Printing"),
                            QStringLiteral("Orbisk cannot reach the printers on this computer, because its "
                                           "printing part could not be started. You can still save pages "
                                           "and your results card as PDF files."),
                            m_problem);
        }
    }
    return m_printers.get();
}

QStringList SystemPrinterAccess::Printers() const {
    PrinterSystem* system = printers();
    return system ? system->Printers() : QStringList();
}

QString SystemPrinterAccess::DefaultPrinter() const {
    PrinterSystem* system = printers();
    return system ? system->DefaultPrinter() : QString();
}

// Each dialog hands the keys back to the window that opened it, as the pop-up
// box does: without a window manager nothing else would.

std::optional<PrinterChoice> SystemPrinterAccess::ChoosePrinter(QWidget* owner,
                                                                const PrinterChoice& current) {
    PrinterSystem* system = printers();
    const QPointer<QWidget> asking = owner;
    std::optional<PrinterChoice> chosen = system ? system->ChoosePrinter(owner, current) : std::nullopt;
    ReturnKeysTo(asking);
    return chosen;
}

PrintRun SystemPrinterAccess::Preview(QWidget* owner, const PrinterChoice& target, const Paint& paint) {
    PrinterSystem* system = printers();
    const QPointer<QWidget> asking = owner;
    PrintRun run = system ? system->Preview(owner, target, paint)
                          : PrintRun{PrintRun::Outcome::Failed, target.printerName, m_problem};
    ReturnKeysTo(asking);
    return run;
}

PrintRun SystemPrinterAccess::PrintWithDialog(QWidget* owner, const QString& name, const Paint& paint) {
    PrinterSystem* system = printers();
    const QPointer<QWidget> asking = owner;
    PrintRun run = system ? system->PrintWithDialog(owner, name, paint)
                          : PrintRun{PrintRun::Outcome::Failed, QString(), m_problem};
    ReturnKeysTo(asking);
    return run;
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
    const QPointer<QWidget> asking = owner;
    const bool chosen = dialog.exec() == QDialog::Accepted && !dialog.selectedFiles().isEmpty();
    ReturnKeysTo(asking);
    if (!chosen) {
        return std::nullopt;
    }
    return dialog.selectedFiles().constFirst();
}

} // namespace orbisk::gui
