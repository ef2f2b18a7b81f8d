#include "gui/practice/QtPagePrinter.h"

#include "gui/print/PrinterAccess.h"

#include <QPagedPaintDevice>
#include <QTextDocument>

namespace orbisk::gui {

QtPagePrinter::QtPagePrinter(PrinterAccess& access, Notifier& notifier, std::filesystem::path appFolder)
    : m_access(access), m_notifier(notifier), m_appFolder(std::move(appFolder)) {}

void QtPagePrinter::Print(QWidget* owner, const QTextDocument& page, const QString& paper, int question) {
    const QString name = QStringLiteral("%1 - Question %2").arg(paper).arg(question);
    m_access.PrintWithDialog(owner, name, [&page](QPagedPaintDevice& device) {
        page.print(&device);
        return Painting{true, 1, {}};
    });
}

} // namespace orbisk::gui
