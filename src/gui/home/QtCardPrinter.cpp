#include "gui/home/QtCardPrinter.h"

#include "gui/app/Notifier.h"
#include "gui/home/CardPainter.h"
#include "gui/print/PdfFile.h"

#include <QPagedPaintDevice>

namespace orbisk::gui {

namespace {

const QString kTitle = QStringLiteral("Results card");

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
        owner, target, [&card](QPagedPaintDevice& printer) { return PaintResultsCard(printer, card); });
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
    const QString proposed =
        QString::fromStdString((m_appFolder / "results-card.pdf").lexically_normal().string());
    OfferPdf(m_access, m_notifier, owner,
             {kTitle, QStringLiteral("your results card"), proposed, m_choice.page.value_or(DefaultPdfPage()),
              [&card](QPagedPaintDevice& device) { return PaintResultsCard(device, card); }},
             failed);
}

} // namespace orbisk::gui
