#include "core/layout/CornerResize.h"

namespace orbisk::layout {

ResizeZones GrabZones(double x, double y, double width, double height, double edgeX, double edgeY) {
    return {x<edgeX, y<edgeY, x> width - edgeX, y> height - edgeY};
}

std::optional<EdgePoint> CursorOnGrabbedEdge(const ResizeZones& zones, double x, double y, double width,
                                             double height) {
    std::optional<EdgePoint> point;
    if (zones.left) {
        point = EdgePoint{0, y};
    }
    if (zones.top) {
        point = EdgePoint{x, 0};
    }
    if (zones.right) {
        point = EdgePoint{width, y};
    }
    if (zones.bottom) {
        point = EdgePoint{x, height};
    }
    return point;
}

WindowSize DragCorner(const ResizeZones& zones, double dx, double dy, WindowSize current, double edgeX,
                      double edgeY) {
    if (!zones.ResizesCorner() || dx <= 2 * edgeX || dy <= 2 * edgeY) {
        return current;
    }
    if (dx > kMinResizeWidth) {
        current.width = dx;
    }
    if (dy > kMinResizeHeight) {
        current.height = dy;
    }
    return current;
}

std::optional<CursorShape> CursorFor(double x, double y, double width, double height, double edge,
                                     bool leftButtonHeld) {
    std::optional<CursorShape> shape;
    if (!leftButtonHeld) {
        shape = CursorShape::Default;
    }
    const bool left = x<edge, right = x> width - edge, top = y<edge, bottom = y> height - edge;
    if (left || right) {
        shape = CursorShape::SizeWestEast;
    }
    if (top || bottom) {
        shape = CursorShape::SizeNorthSouth;
    }
    if ((left && top) || (right && bottom)) {
        shape = CursorShape::SizeNorthWestSouthEast;
    }
    if ((left && bottom) || (right && top)) {
        shape = CursorShape::SizeNorthEastSouthWest;
    }
    return shape;
}

} // namespace orbisk::layout
