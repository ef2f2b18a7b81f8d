#include "gui/practice/SizeGrip.h"

#include "core/layout/Geometry.h"
#include "core/practice/PracticeTexts.h"
#include "gui/chrome/QtText.h"

#include <QCursor>
#include <QMouseEvent>

namespace orbisk::gui {

namespace {

constexpr double kEdge = layout::kResizeEdgePixels * layout::kTwipsPerPixel;

} // namespace

SizeGrip::SizeGrip(QWidget* window) : QLabel(window), m_window(window) {
    setObjectName(QStringLiteral("Sizer"));
    setCursor(Qt::SizeFDiagCursor);
    setAccessibleName(ToQString(practice::texts::kResizeName));
}

void SizeGrip::PressAt(QPoint global, Qt::MouseButton button) {
    if (button != Qt::LeftButton) {
        return;
    }
    // Everything in twips, relative to the window's top-left.
    const QPoint origin = m_window->geometry().topLeft();
    const double x = layout::Twips(global.x() - origin.x());
    const double y = layout::Twips(global.y() - origin.y());
    const double width = layout::Twips(m_window->width());
    const double height = layout::Twips(m_window->height());
    m_zones = layout::GrabZones(x, y, width, height, kEdge, kEdge);
    if (const auto edge = layout::CursorOnGrabbedEdge(m_zones, x, y, width, height)) {
        QCursor::setPos(origin + QPoint(layout::Px(edge->x), layout::Px(edge->y)));
    }
    m_dragging = m_zones.Any();
}

void SizeGrip::DragTo(QPoint global) {
    if (!m_dragging) {
        return;
    }
    const QPoint origin = m_window->geometry().topLeft();
    const layout::WindowSize now{static_cast<double>(layout::Twips(m_window->width())),
                                 static_cast<double>(layout::Twips(m_window->height()))};
    const layout::WindowSize next =
        layout::DragCorner(m_zones, layout::Twips(global.x() - origin.x()),
                           layout::Twips(global.y() - origin.y()), now, kEdge, kEdge);
    if (next != now) {
        m_window->resize(layout::Px(next.width), layout::Px(next.height));
    }
}

void SizeGrip::Release() {
    m_dragging = false;
    m_zones = {};
}

void SizeGrip::mousePressEvent(QMouseEvent* event) {
    event->accept();
    PressAt(event->globalPosition().toPoint(), event->button());
}

void SizeGrip::mouseMoveEvent(QMouseEvent* event) {
    event->accept();
    if (event->buttons() & Qt::LeftButton) {
        DragTo(event->globalPosition().toPoint());
    }
}

void SizeGrip::mouseReleaseEvent(QMouseEvent* event) {
    event->accept();
    if (event->button() == Qt::LeftButton) {
        Release();
    }
}

} // namespace orbisk::gui
