#pragma once

class QString;
class QTextDocument;
class QWidget;

namespace orbisk::gui {

/// Prints the question page on show. The program asks the learner in the
/// print dialog, or offers the page as a PDF file when there is no printer;
/// tests record what would have been printed.
class PagePrinter {
public:
    virtual ~PagePrinter() = default;
    /// Offers @p page, question @p question of the paper captioned @p paper,
    /// for printing over @p owner; prints it only if the learner confirms.
    virtual void Print(QWidget* owner, const QTextDocument& page, const QString& paper, int question) = 0;
};

} // namespace orbisk::gui
