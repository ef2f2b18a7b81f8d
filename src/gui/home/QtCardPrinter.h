#pragma once

#include "gui/home/CardPrinter.h"
#include "gui/print/PrinterAccess.h"

#include <filesystem>

namespace orbisk::gui {

class Notifier;

/// Prints the results card on the printer chosen in the set-up dialog, else
/// on the system's default printer, after showing it in the print preview.
///
/// With no printer installed, or when printing fails, the card is offered as
/// a PDF file instead ("results-card.pdf" in the application folder, in a save
/// dialog; see OfferPdf), and the learner is told where it went or why it
/// could not be written. The set-up choice is kept for the next card.
class QtCardPrinter final : public CardPrinter {
public:
    QtCardPrinter(PrinterAccess& access, Notifier& notifier, std::filesystem::path appFolder);

    void Print(QWidget* owner, const std::vector<report::CardLine>& card) override;
    void Setup(QWidget* owner) override;

    /// The printer of the next card, as the set-up dialog last left it.
    const PrinterChoice& choice() const { return m_choice; }

private:
    void offerPdf(QWidget* owner, const std::vector<report::CardLine>& card, const PrintRun* failed);

    PrinterAccess& m_access;
    Notifier& m_notifier;
    std::filesystem::path m_appFolder;
    PrinterChoice m_choice;
};

} // namespace orbisk::gui
