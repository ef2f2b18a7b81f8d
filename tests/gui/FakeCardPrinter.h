#pragma once

#include "gui/home/CardPrinter.h"

namespace orbisk::testing {

/// Records the cards it was asked to print and the set-ups asked for.
class FakeCardPrinter final : public gui::CardPrinter {
public:
    void Print(QWidget*, const std::vector<report::CardLine>& card) override { printed.push_back(card); }
    void Setup(QWidget*) override { ++setups; }

    std::vector<std::vector<report::CardLine>> printed;
    int setups = 0;
};

} // namespace orbisk::testing
