#pragma once

#include "gui/popup/Asker.h"

#include <QStringList>
#include <deque>

namespace orbisk::testing {

/// Answers pop-up boxes from a list instead of a person, and records what was asked.
class FakeAsker final : public gui::Asker {
public:
    std::optional<bool> Ask(QWidget* owner, const QString& title, const QString& message, int buttons,
                            gui::FirstFocus focus) override {
        asked << QStringLiteral("%1: %2 (%3)").arg(title, message).arg(buttons);
        owners.push_back(owner);
        focuses.push_back(focus);
        if (answers.empty()) {
            return std::nullopt;
        }
        const std::optional<bool> answer = answers.front();
        answers.pop_front();
        return answer;
    }

    std::deque<std::optional<bool>> answers; ///< given in turn; an empty one leaves the box unanswered
    QStringList asked;                       ///< "title: message (buttons)"
    std::vector<QWidget*> owners;
    std::vector<gui::FirstFocus> focuses; ///< the button each box opened with the keyboard on
};

} // namespace orbisk::testing
