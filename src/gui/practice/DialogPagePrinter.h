#pragma once

#include "gui/practice/PagePrinter.h"

namespace orbisk::gui {

/// Prints through the system's print dialog: the page goes to the printer the
/// learner confirms, and nowhere when the dialog is cancelled.
class DialogPagePrinter final : public PagePrinter {
public:
    void Print(QWidget* owner, const QTextDocument& page) override;
};

} // namespace orbisk::gui
