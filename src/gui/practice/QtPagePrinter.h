#pragma once

#include "gui/practice/PagePrinter.h"

#include <filesystem>

class QPagedPaintDevice;

namespace orbisk::gui {

class Notifier;
class PrinterAccess;
struct Painting;

/// Prints the question page through the system's print dialog: the page goes
/// to the printer the learner confirms, and nowhere when the dialog is
/// cancelled.
///
/// With no printer installed, or when printing fails, the page is offered as
/// a PDF file instead ("<paper> - Question N.pdf" in the application folder,
/// in a save dialog; see OfferPdf), and the learner is told where it went or
/// why it could not be written.
class QtPagePrinter final : public PagePrinter {
public:
    QtPagePrinter(PrinterAccess& access, Notifier& notifier, std::filesystem::path appFolder);

    void Print(QWidget* owner, const QTextDocument& page, const QString& paper, int question) override;

private:
    PrinterAccess& m_access;
    Notifier& m_notifier;
    std::filesystem::path m_appFolder;
};

/// Paints @p page on @p device, a page of the device after another, with the
/// pictures at the size they are shown on the screen.
Painting PaintQuestionPage(QPagedPaintDevice& device, const QTextDocument& page);

} // namespace orbisk::gui
