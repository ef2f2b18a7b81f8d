#include "gui/practice/DialogPagePrinter.h"

#include <QPrintDialog>
#include <QPrinter>
#include <QTextDocument>

namespace orbisk::gui {

void DialogPagePrinter::Print(QWidget* owner, const QTextDocument& page) {
    QPrinter printer(QPrinter::HighResolution);
    QPrintDialog dialog(&printer, owner);
    dialog.setWindowTitle(QStringLiteral("Print question"));
    if (dialog.exec() == QDialog::Accepted) {
        page.print(&printer);
    }
}

} // namespace orbisk::gui
