#include "gui/practice/QtPagePrinter.h"

#include "core/practice/PracticeTexts.h"
#include "gui/chrome/QtText.h"
#include "gui/print/PdfFile.h"
#include "gui/print/PrinterAccess.h"

#include <QAbstractTextDocumentLayout>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QTextDocument>
#include <cmath>
#include <memory>

namespace orbisk::gui {

QtPagePrinter::QtPagePrinter(PrinterAccess& access, Notifier& notifier, std::filesystem::path appFolder)
    : m_access(access), m_notifier(notifier), m_appFolder(std::move(appFolder)) {}

void QtPagePrinter::Print(QWidget* owner, const QTextDocument& page, const QString& paper, int question) {
    const QString name =
        ToQString(practice::texts::kPrintedQuestionName).arg(paper, QString::number(question));
    const Paint paint = [&page](QPagedPaintDevice& device) { return PaintQuestionPage(device, page); };
    const auto offer = [&](const PrintRun* failed) {
        const std::filesystem::path file =
            m_appFolder / (FileNameFrom(name) + QStringLiteral(".pdf")).toStdString();
        OfferPdf(m_access, m_notifier, owner,
                 {name,
                  ToQString(practice::texts::kPrintedQuestionWhat).arg(QString::number(question), paper),
                  QString::fromStdString(file.lexically_normal().string()), DefaultPdfPage(), paint},
                 failed);
    };
    // Without a printer the print dialog could only print to a file of its
    // own choosing; the save dialog names the file and its folder instead.
    if (m_access.Printers().isEmpty()) {
        offer(nullptr);
        return;
    }
    const PrintRun run = m_access.PrintWithDialog(owner, name, paint);
    if (run.outcome == PrintRun::Outcome::Failed) {
        offer(&run);
    }
}

Painting PaintQuestionPage(QPagedPaintDevice& device, const QTextDocument& page) {
    QPainter painter;
    if (!painter.begin(&device)) {
        return {false, 0, QStringLiteral("the printer could not be started")};
    }
    // A copy laid out on the device's pages; its pictures still come from the
    // page on show, whose view holds them.
    const std::unique_ptr<QTextDocument> copy(page.clone(const_cast<QTextDocument*>(&page)));
    copy->documentLayout()->setPaintDevice(&device);
    const QSizeF body(device.width(), device.height());
    copy->setPageSize(body);
    const int pages = std::max(1, copy->pageCount());
    Painting painting{true, 0, {}};
    for (int p = 0; p < pages; ++p) {
        if (p > 0 && !device.newPage()) {
            painting = {false, p, QStringLiteral("the printer could not start a new page")};
            break;
        }
        painter.save();
        painter.translate(0, -p * body.height());
        copy->drawContents(&painter, QRectF(QPointF(0, p * body.height()), body));
        painter.restore();
        painting.pages = p + 1;
    }
    if (!painter.end() && painting.painted) {
        painting = {false, painting.pages, QStringLiteral("the printer could not finish the page")};
    }
    return painting;
}

} // namespace orbisk::gui
