#pragma once

#include "gui/print/PrinterAccess.h"

#include <QPageLayout>
#include <QString>
#include <optional>

class QWidget;

namespace orbisk::gui {

class Notifier;

/// The paper of a document saved without a printer's own: the desktop's usual
/// size (Letter where US measures are used, A4 elsewhere) with 15 mm margins.
QPageLayout DefaultPdfPage();

/// @p name made fit to be a file name on any desktop: each character a file
/// name cannot hold (/ \ : * ? " < > | and control characters) becomes "_",
/// and spaces and dots at either end are dropped.
QString FileNameFrom(const QString& name);

/// Writes the document painted by @p paint as a PDF file titled @p title on
/// pages of @p page, replacing @p file whole or not at all.
/// @return what went wrong, or nothing when the file was written.
std::optional<QString> WritePdf(const QString& file, const QString& title, const QPageLayout& page,
                                const Paint& paint);

/// A document offered as a PDF file because it could not be printed.
struct PdfDocument {
    QString title;    ///< the messages' title and the PDF file's ("Results card")
    QString what;     ///< how the messages name it mid-sentence ("your results card")
    QString proposed; ///< the file the save dialog proposes, in full
    QPageLayout page;
    Paint paint;
};

/// Offers @p document as a PDF file in the save dialog and writes the file
/// the learner chooses, then says where it went, or why it could not be
/// written (the system's reason on the details line). @p failed is the print
/// run that failed, or null when there is no printer. A cancelled save writes
/// nothing and says nothing, unless printing failed: then it says the
/// document was neither printed nor saved.
void OfferPdf(PrinterAccess& access, Notifier& notifier, QWidget* owner, const PdfDocument& document,
              const PrintRun* failed);

} // namespace orbisk::gui
