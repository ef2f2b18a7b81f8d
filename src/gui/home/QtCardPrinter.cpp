#include "gui/home/QtCardPrinter.h"

#include "gui/app/Notifier.h"
#include "gui/home/CardPainter.h"

#include <QLocale>
#include <QPdfWriter>
#include <QPrinter>
#include <QSaveFile>

namespace orbisk::gui {

namespace {

const QString kTitle = QStringLiteral("Results card");

/// The paper of a card saved without a printer's own: the desktop's usual size.
QPageLayout pdfPage() {
    const bool us = QLocale::system().measurementSystem() == QLocale::ImperialUSSystem;
    return QPageLayout(QPageSize(us ? QPageSize::Letter : QPageSize::A4), QPageLayout::Portrait,
                       QMarginsF(15, 15, 15, 15), QPageLayout::Millimeter);
}

QString printerName(const QString& name) {
    return name.isEmpty() ? QStringLiteral("the printer")
                          : QStringLiteral("the printer \u201c%1\u201d").arg(name);
}

} // namespace

QtCardPrinter::QtCardPrinter(PrinterAccess& access, Notifier& notifier, std::filesystem::path appFolder)
    : m_access(access), m_notifier(notifier), m_appFolder(std::move(appFolder)) {}

void QtCardPrinter::Print(QWidget* owner, const std::vector<report::CardLine>& card) {
    const QStringList printers = m_access.Printers();
    if (printers.isEmpty()) {
        offerPdf(owner, card, nullptr);
        return;
    }
    PrinterChoice target = m_choice;
    if (!printers.contains(target.printerName)) {
        // Never chosen, or no longer installed: the system's default printer.
        const QString fallback = m_access.DefaultPrinter();
        target = {printers.contains(fallback) ? fallback : printers.constFirst(), std::nullopt};
    }
    const PrintRun run = m_access.Preview(
        owner, target, [&card](QPrinter& printer) { return PaintResultsCard(printer, card); });
    if (run.outcome == PrintRun::Outcome::Failed) {
        offerPdf(owner, card, &run);
    }
}

void QtCardPrinter::Setup(QWidget* owner) {
    if (m_access.Printers().isEmpty()) {
        m_notifier.Inform(
            owner, QStringLiteral("Printer Setup"),
            QStringLiteral("There is no printer on this computer, so there is nothing to set up. "
                           "When you print your results card, you can save it as a PDF file "
                           "instead."));
        return;
    }
    if (std::optional<PrinterChoice> chosen = m_access.ChoosePrinter(owner, m_choice)) {
        m_choice = std::move(*chosen);
    }
}

void QtCardPrinter::offerPdf(QWidget* owner, const std::vector<report::CardLine>& card,
                             const PrintRun* failed) {
    const QString notPrinted = failed ? QStringLiteral("Your results card could not be printed on %1.")
                                            .arg(printerName(failed->printer))
                                      : QString();
    const QString printProblem =
        failed ? printerName(failed->printer) + QStringLiteral(": ") + failed->problem : QString();
    const QString proposed =
        QString::fromStdString((m_appFolder / "results-card.pdf").lexically_normal().string());
    const std::optional<QString> file = m_access.AskPdfFile(owner, proposed);
    if (!file) {
        if (failed) {
            m_notifier.Warn(owner, kTitle, notPrinted + QStringLiteral(" It was not saved either."),
                            printProblem);
        }
        return; // the learner chose not to save it; nothing was written
    }
    if (const std::optional<QString> problem = WritePdf(*file, card)) {
        const QString lead = failed ? notPrinted + QStringLiteral(" It could not be saved as %1 either.")
                                    : QStringLiteral("Your results card could not be saved as %1.");
        QStringList details;
        if (failed) {
            details << printProblem;
        }
        details << *file + QStringLiteral(": ") + *problem;
        m_notifier.Warn(owner, kTitle,
                        lead.arg(*file) + QStringLiteral(" Your results are kept as they are; you can try "
                                                         "again and choose another folder."),
                        details.join(QLatin1Char('\n')));
        return;
    }
    if (failed) {
        m_notifier.Warn(owner, kTitle,
                        notPrinted + QStringLiteral(" It was saved as a PDF file instead: %1").arg(*file),
                        printProblem);
    } else {
        m_notifier.Inform(
            owner, kTitle,
            QStringLiteral("There is no printer on this computer, so your results card was saved "
                           "as a PDF file: %1")
                .arg(*file));
    }
}

std::optional<QString> QtCardPrinter::WritePdf(const QString& file,
                                               const std::vector<report::CardLine>& card) const {
    QSaveFile out(file);
    if (!out.open(QIODevice::WriteOnly)) {
        return out.errorString();
    }
    CardPainting painting;
    {
        QPdfWriter writer(&out);
        writer.setTitle(kTitle);
        writer.setPageLayout(m_choice.page.value_or(pdfPage()));
        painting = PaintResultsCard(writer, card);
    }
    if (!painting.painted) {
        out.cancelWriting();
        return painting.problem;
    }
    if (!out.commit()) {
        return out.errorString();
    }
    return std::nullopt;
}

} // namespace orbisk::gui
