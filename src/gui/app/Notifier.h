#pragma once

#include <QString>

class QWidget;

namespace orbisk::gui {

/// Tells the learner something that needs no answer. The program shows a
/// message box; tests record what would have been shown.
///
/// The message is what a learner reads: what happened and what was kept, in
/// plain words, with the full path of any file concerned. Technical detail
/// (record keys, value counts, system error texts) goes in @p details, which
/// the box shows behind its "Show Details..." button.
class Notifier {
public:
    virtual ~Notifier() = default;
    virtual void Inform(QWidget* owner, const QString& title, const QString& message,
                        const QString& details = {}) = 0;
    virtual void Warn(QWidget* owner, const QString& title, const QString& message,
                      const QString& details = {}) = 0;
    /// A bare message with no icon and an OK button (the question view's "Invalid
    /// operation"). Without its own way of showing one, a notifier informs.
    virtual void Say(QWidget* owner, const QString& title, const QString& message) {
        Inform(owner, title, message);
    }
};

/// Shows each message in a modal message box.
class MessageBoxNotifier final : public Notifier {
public:
    void Inform(QWidget* owner, const QString& title, const QString& message,
                const QString& details) override;
    void Warn(QWidget* owner, const QString& title, const QString& message, const QString& details) override;
    void Say(QWidget* owner, const QString& title, const QString& message) override;
};

} // namespace orbisk::gui
