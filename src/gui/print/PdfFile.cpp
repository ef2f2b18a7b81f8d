#include "gui/print/PdfFile.h"

#include "gui/app/Notifier.h"

#include <QLocale>
#include <QPdfWriter>
#include <QSaveFile>

namespace orbisk::gui {

namespace {

QString printerName(const QString& name) {
    return name.isEmpty() ? QStringLiteral("the printer")
                          : QStringLiteral("the printer \u201c%1\u201d").arg(name);
}

/// @p text with its first letter made a capital, to start a sentence.
QString sentence(const QString& text) {
    return text.isEmpty() ? text : text.left(1).toUpper() + text.mid(1);
}

} // namespace

QPageLayout DefaultPdfPage() {
    const bool us = QLocale::system().measurementSystem() == QLocale::ImperialUSSystem;
    return QPageLayout(QPageSize(us ? QPageSize::Letter : QPageSize::A4), QPageLayout::Portrait,
                       QMarginsF(15, 15, 15, 15), QPageLayout::Millimeter);
}

QString FileNameFrom(const QString& name) {
    static const QString kForbidden = QStringLiteral("/\\:*?\"<>|");
    QString out;
    out.reserve(name.size());
    for (const QChar c : name) {
        out += c.category() == QChar::Other_Control || kForbidden.contains(c) ? QChar(u'_') : c;
    }
    qsizetype first = 0;
    qsizetype last = out.size();
    const auto trimmed = [&](qsizetype i) { return out[i] == u' ' || out[i] == u'.'; };
    while (first < last && trimmed(first)) {
        ++first;
    }
    while (last > first && trimmed(last - 1)) {
        --last;
    }
    return out.mid(first, last - first);
}

std::optional<QString> WritePdf(const QString& file, const QString& title, const QPageLayout& page,
                                const Paint& paint) {
    QSaveFile out(file);
    if (!out.open(QIODevice::WriteOnly)) {
        return out.errorString();
    }
    Painting painting;
    {
        QPdfWriter writer(&out);
        writer.setTitle(title);
        writer.setPageLayout(page);
        painting = paint(writer);
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

void OfferPdf(PrinterAccess& access, Notifier& notifier, QWidget* owner, const PdfDocument& document,
              const PrintRun* failed) {
    const QString notPrinted = failed ? QStringLiteral("%1 could not be printed on %2.")
                                            .arg(sentence(document.what), printerName(failed->printer))
                                      : QString();
    const QString printProblem =
        failed ? printerName(failed->printer) + QStringLiteral(": ") + failed->problem : QString();
    const std::optional<QString> file = access.AskPdfFile(
        owner, QStringLiteral("Save %1 as a PDF file").arg(document.what), document.proposed);
    if (!file) {
        if (failed) {
            notifier.Warn(owner, document.title, notPrinted + QStringLiteral(" It was not saved either."),
                          printProblem);
        }
        return; // the learner chose not to save it; nothing was written
    }
    if (const std::optional<QString> problem =
            WritePdf(*file, document.title, document.page, document.paint)) {
        // Pieces joined, not substituted: a name may hold a "%1" of its own.
        const QString lead = failed ? notPrinted + QStringLiteral(" It could not be saved as ") + *file +
                                          QStringLiteral(" either.")
                                    : sentence(document.what) + QStringLiteral(" could not be saved as ") +
                                          *file + QStringLiteral(".");
        QStringList details;
        if (failed) {
            details << printProblem;
        }
        details << *file + QStringLiteral(": ") + *problem;
        notifier.Warn(owner, document.title,
                      lead + QStringLiteral(" Your results are kept as they are; you can try "
                                            "again and choose another folder."),
                      details.join(QLatin1Char('\n')));
        return;
    }
    if (failed) {
        notifier.Warn(owner, document.title,
                      notPrinted + QStringLiteral(" It was saved as a PDF file instead: %1").arg(*file),
                      printProblem);
    } else {
        notifier.Inform(
            owner, document.title,
            QStringLiteral("There is no printer on this computer, so %1 was saved as a PDF file: %2")
                .arg(document.what, *file));
    }
}

} // namespace orbisk::gui
