#include "gui/app/Notifier.h"

#include <QMessageBox>

namespace orbisk::gui {

void MessageBoxNotifier::Inform(QWidget* owner, const QString& title, const QString& message) {
    QMessageBox::information(owner, title, message);
}

void MessageBoxNotifier::Warn(QWidget* owner, const QString& title, const QString& message) {
    QMessageBox::warning(owner, title, message);
}

} // namespace orbisk::gui
