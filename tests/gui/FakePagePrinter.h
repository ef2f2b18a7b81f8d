#pragma once

#include "gui/practice/PagePrinter.h"

#include <QString>
#include <QTextDocument>

namespace orbisk::testing {

/// Records the pages it was asked to print instead of asking a printer.
class FakePagePrinter final : public gui::PagePrinter {
public:
    void Print(QWidget*, const QTextDocument& page, const QString& paper, int question) override {
        printed << page.toPlainText();
        names << QStringLiteral("%1: %2").arg(paper).arg(question);
    }

    QStringList printed; ///< the text of each page printed, in turn
    QStringList names;   ///< "paper: question" of each page printed
};

} // namespace orbisk::testing
