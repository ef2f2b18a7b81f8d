#pragma once

#include <QString>

class QWidget;

namespace orbisk::gui {

/// Tells the learner something that needs no answer. The program shows a
/// message box; tests record what would have been shown.
class Notifier {
public:
    virtual ~Notifier() = default;
    virtual void Inform(QWidget* owner, const QString& title, const QString& message) = 0;
    virtual void Warn(QWidget* owner, const QString& title, const QString& message) = 0;
};

/// Shows each message in a modal message box.
class MessageBoxNotifier final : public Notifier {
public:
    void Inform(QWidget* owner, const QString& title, const QString& message) override;
    void Warn(QWidget* owner, const QString& title, const QString& message) override;
};

} // namespace orbisk::gui
