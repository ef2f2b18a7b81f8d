#include "gui/app/Notifier.h"

#include "gui/chrome/FrameActivation.h"

#include <QMessageBox>
#include <QPointer>

namespace orbisk::gui {

namespace {

void show(QMessageBox::Icon icon, QWidget* owner, const QString& title, const QString& message,
          const QString& details) {
    const QPointer<QWidget> showing = owner;
    QMessageBox box(icon, title, message, QMessageBox::Ok, owner);
    if (!details.isEmpty()) {
        box.setDetailedText(details);
    }
    box.exec();
    ReturnKeysTo(showing);
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
