#pragma once

#include <QPageLayout>
#include <QString>
#include <QStringList>
#include <functional>
#include <optional>

class QPagedPaintDevice;
class QWidget;

namespace orbisk::gui {

/// The printer a card goes to: a name from the set-up dialog (empty for the
/// system's default printer) and, when the learner set it there, the page.
struct PrinterChoice {
    QString printerName;
    std::optional<QPageLayout> page;
};

/// What painting a document (the results card, a question page) on a printer
/// or a PDF file came to.
struct Painting {
    bool painted = false;
    int pages = 0;
    QString problem; ///< why nothing was painted, in the printing system's words
};

/// How a print run ended.
struct PrintRun {
    enum class Outcome { Printed, Cancelled, Failed };
    Outcome outcome = Outcome::Cancelled;
    QString printer; ///< the printer it went to or should have gone to
    QString problem; ///< for Failed: what went wrong
};

/// Paints a document on the printer or PDF file it is given.
using Paint = std::function<Painting(QPagedPaintDevice&)>;

/// The system's printers and their dialogs: the part of printing that needs
/// the printing library. The program carries it in a module of its own that is
/// loaded the first time the learner prints (SystemPrinterAccess), so that no
/// start pays for loading that library.
class PrinterSystem {
public:
    virtual ~PrinterSystem() = default;
    /// The names of the installed printers; empty when there is none.
    virtual QStringList Printers() const = 0;
    /// The system's default printer, empty when none is set.
    virtual QString DefaultPrinter() const = 0;
    /// Shows the printer set-up dialog over @p owner, starting from @p current.
    /// @return the learner's choice, or nothing when the dialog was cancelled.
    virtual std::optional<PrinterChoice> ChoosePrinter(QWidget* owner, const PrinterChoice& current) = 0;
    /// Shows the card painted by @p paint as it will print on @p target, and
    /// prints it there if the learner asks to.
    virtual PrintRun Preview(QWidget* owner, const PrinterChoice& target, const Paint& paint) = 0;
    /// Shows the print dialog for the document @p name over @p owner and, when
    /// the learner confirms it, prints the document painted by @p paint.
    virtual PrintRun PrintWithDialog(QWidget* owner, const QString& name, const Paint& paint) = 0;
};

/// What the printers ask of the system: which printers there are, and the
/// modal dialogs, the save dialog of a PDF file among them. The program asks
/// the real system; tests answer themselves so that no test waits on a dialog.
class PrinterAccess : public PrinterSystem {
public:
    /// Asks where to save a document as a PDF file, in a save dialog titled
    /// @p title proposing @p proposed.
    /// @return the file chosen, or nothing when the learner cancelled.
    virtual std::optional<QString> AskPdfFile(QWidget* owner, const QString& title,
                                              const QString& proposed) = 0;
};

} // namespace orbisk::gui
