#include "gui/app/Notifier.h"

#include <QMessageBox>

namespace orbisk::gui {

namespace {

void show(QMessageBox::Icon icon, QWidget* owner, const QString& title, const QString& message,
          const QString& details) {
    QMessageBox box(icon, title, message, QMessageBox::Ok, owner);
    if (!details.isEmpty()) {
        box.setDetailedText(details);
    }
    box.exec();
}

} // namespace

void MessageBoxNotifier::Inform(QWidget* owner, const QString& title, const QString& message,
                                const QString& details) {
    show(QMessageBox::Information, owner, title, message, details);
}

void MessageBoxNotifier::Warn(QWidget* owner, const QString& title, const QString& message,
                              const QString& details) {
    show(QMessageBox::Warning, owner, title, message, details);
}

void MessageBoxNotifier::Say(QWidget* owner, const QString& title, const QString& message) {
    show(QMessageBox::NoIcon, owner, title, message, {});
}

} // namespace orbisk::gui
