#pragma once

#include "gui/app/Notifier.h"

#include <QStringList>

namespace orbisk::testing {

/// Records the messages the learner would have been shown.
class FakeNotifier final : public gui::Notifier {
public:
    void Inform(QWidget*, const QString& title, const QString& message, const QString& detail) override {
        record(title, message, detail);
    }
    void Warn(QWidget*, const QString& title, const QString& message, const QString& detail) override {
        record(title, message, detail);
    }

    QStringList messages; ///< "title: message"
    QStringList details;  ///< the details of each message, in the same order

private:
    void record(const QString& title, const QString& message, const QString& detail) {
        messages << title + QStringLiteral(": ") + message;
        details << detail;
    }
};

} // namespace orbisk::testing
