#pragma once

#include "gui/practice/PagePrinter.h"

#include <QString>
#include <QTextDocument>

namespace orbisk::testing {

/// Records the pages it was asked to print instead of asking a printer.
class FakePagePrinter final : public gui::PagePrinter {
public:
    void Print(QWidget*, const QTextDocument& page) override { printed << page.toPlainText(); }

    QStringList printed; ///< the text of each page printed, in turn
};

} // namespace orbisk::testing
