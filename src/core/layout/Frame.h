#pragma once

#include "core/layout/Geometry.h"

#include <vector>

namespace orbisk::layout {

/// The sizes of a skinned window's frame pictures, in twips.
struct FramePieceSizes {
    double topLeftWidth = Twips(48), topLeftHeight = Twips(28);
    double topRightWidth = Twips(48), topRightHeight = Twips(28);
    double leftWidth = Twips(4), rightWidth = Twips(4);
    double bottomHeight = Twips(4);
    double bottomLeftWidth = Twips(6), bottomLeftHeight = Twips(4);
    double bottomRightWidth = Twips(6), bottomRightHeight = Twips(4);
};

/// Where the frame pieces go on a client area of W x H twips.
struct FrameRects {
    Rect topLeft, topCentre, topRight;
    Rect left, right;
    Rect bottomLeft, bottom, bottomRight;
};

/// The arrangement rule: the title-bar ends in the top corners with the centre
/// piece between them, the bottom corners on the bottom edge, the side borders
/// from under the title bar down to the bottom corners, the bottom border
/// between the bottom corners. @p fixedCentreWidth, when positive, gives the
/// centre piece a fixed width instead of reaching the right end (the practice
/// windows, where the right end lies over it); on a window wider than that
/// it still reaches the right end.
FrameRects ArrangeFrame(double width, double height, const FramePieceSizes& sizes = {},
                        double fixedCentreWidth = 0);

enum class OutlineKind {
    MainWindow, ///< top corners cut 5 px, bottom corners square
    PopUp,      ///< top corners cut 5 px, bottom corners cut 7 px
};

/// The window outline in client pixels, to be filled with the winding rule.
std::vector<Point> WindowOutline(int width, int height, OutlineKind kind);

} // namespace orbisk::layout
