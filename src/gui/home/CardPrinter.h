#pragma once

#include "core/report/ResultsCard.h"

#include <vector>

class QWidget;

namespace orbisk::gui {

/// Prints the results card and sets up the printer it goes to. The program
/// shows the card before printing and falls back to a PDF file when there is
/// no printer; tests record what would have been printed.
class CardPrinter {
public:
    virtual ~CardPrinter() = default;
    /// Prints @p card (lines of print-zone items) over @p owner.
    virtual void Print(QWidget* owner, const std::vector<report::CardLine>& card) = 0;
    /// Lets the learner choose the printer of the next card; cancelling keeps the last choice.
    virtual void Setup(QWidget* owner) = 0;
};

} // namespace orbisk::gui
