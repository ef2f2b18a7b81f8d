#pragma once

#include "gui/app/Notifier.h"

#include <QStringList>

namespace orbisk::testing {

/// Records the messages the learner would have been shown.
class FakeNotifier final : public gui::Notifier {
public:
    void Inform(QWidget*, const QString& title, const QString& message) override {
        messages << title + QStringLiteral(": ") + message;
    }
    void Warn(QWidget*, const QString& title, const QString& message) override {
        messages << title + QStringLiteral(": ") + message;
    }

    QStringList messages;
};

} // namespace orbisk::testing
