#include "gui/chrome/StretchedPicture.h"

#include <QPainter>

namespace orbisk::gui {

StretchedPicture::StretchedPicture(QWidget* parent) : QLabel(parent) {}

void StretchedPicture::paintEvent(QPaintEvent*) {
    const QPixmap source = pixmap();
    if (source.isNull()) {
        return;
    }
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawPixmap(contentsRect(), source);
}

} // namespace orbisk::gui
