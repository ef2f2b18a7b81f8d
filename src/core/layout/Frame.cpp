#include "core/layout/Frame.h"

#include <algorithm>

namespace orbisk::layout {

FrameRects ArrangeFrame(double width, double height, const FramePieceSizes& s, double fixedCentreWidth) {
    FrameRects f;
    f.topLeft = {0, 0, s.topLeftWidth, s.topLeftHeight};
    f.topRight = {width - s.topRightWidth, 0, s.topRightWidth, s.topRightHeight};
    const double centreLeft = f.topLeft.left + f.topLeft.width;
    // A fixed centre still reaches the right end: a window wider than the
    // centre piece must show no gap in its title bar, where nothing drags it.
    const double reach = f.topRight.left - centreLeft;
    f.topCentre = {centreLeft, 0, fixedCentreWidth > 0 ? std::max(fixedCentreWidth, reach) : reach,
                   s.topLeftHeight};
    f.bottomLeft = {0, height - s.bottomLeftHeight, s.bottomLeftWidth, s.bottomLeftHeight};
    f.left = {0, f.topLeft.top + f.topLeft.height, s.leftWidth,
              f.bottomLeft.top - f.topLeft.top - f.topLeft.height};
    f.bottomRight = {width - s.bottomRightWidth, height - s.bottomRightHeight, s.bottomRightWidth,
                     s.bottomRightHeight};
    f.right = {width - s.rightWidth, f.topRight.top + f.topRight.height, s.rightWidth,
               f.bottomRight.top - f.topRight.top - f.topRight.height};
    f.bottom = {f.bottomLeft.left + f.bottomLeft.width, height - s.bottomHeight,
                f.bottomRight.left - f.bottomLeft.left - f.bottomLeft.width, s.bottomHeight};
    return f;
}

std::vector<Point> WindowOutline(int w, int h, OutlineKind kind) {
    std::vector<Point> points{{0, 5},     {1, 3},     {2, 2},     {3, 1},     {5, 0},
                              {w - 5, 0}, {w - 3, 1}, {w - 2, 2}, {w - 1, 3}, {w, 5}};
    if (kind == OutlineKind::MainWindow) {
        points.insert(points.end(), {{w, h}, {0, h}});
    } else {
        points.insert(points.end(), {{w, h - 7},
                                     {w - 2, h - 3},
                                     {w - 3, h - 2},
                                     {w - 7, h},
                                     {7, h},
                                     {3, h - 2},
                                     {2, h - 3},
                                     {0, h - 7}});
    }
    return points;
}

} // namespace orbisk::layout
