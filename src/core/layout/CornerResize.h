#pragma once

#include <optional>

/// Resizing the borderless practice window by its bottom-right corner, and the
/// cursor shapes near its edges. Lengths are in any one unit (twips for the
/// resize, as the limits are given), positions relative to the window's top-left.
namespace orbisk::layout {

/// A corner drag keeps the window wider than this and higher than that (twips:
/// about 487 x 333 px).
inline constexpr double kMinResizeWidth = 7300;
inline constexpr double kMinResizeHeight = 5000;
/// The edge zones are 6 pixels deep.
inline constexpr int kResizeEdgePixels = 6;

/// The edges a press at (x, y) lies near: within @p edgeX of the left or right
/// edge, within @p edgeY of the top or bottom one.
struct ResizeZones {
    bool left = false, top = false, right = false, bottom = false;

    bool Any() const { return left || top || right || bottom; }
    /// Only a press near both the right and the bottom edge resizes.
    bool ResizesCorner() const { return right && bottom; }
    bool operator==(const ResizeZones&) const = default;
};

ResizeZones GrabZones(double x, double y, double width, double height, double edgeX, double edgeY);

/// Where the cursor is put when a press grabs edges: onto each grabbed edge,
/// the later one of left, top, right, bottom winning; relative to the window's
/// top-left. Empty when no edge was grabbed.
struct EdgePoint {
    double x = 0, y = 0;
    bool operator==(const EdgePoint&) const = default;
};
std::optional<EdgePoint> CursorOnGrabbedEdge(const ResizeZones& zones, double x, double y, double width,
                                             double height);

struct WindowSize {
    double width = 0, height = 0;
    bool operator==(const WindowSize&) const = default;
};

/// One step of a corner drag with the cursor at (@p dx, @p dy) from the window's
/// top-left: when the press resizes the corner and the cursor lies beyond twice
/// the edge zone, a width above kMinResizeWidth and a height above
/// kMinResizeHeight follow the cursor; a dimension dragged to its limit or
/// below keeps its last value. A window already below a limit stays so until
/// a drag takes it above.
WindowSize DragCorner(const ResizeZones& zones, double dx, double dy, WindowSize current, double edgeX,
                      double edgeY);

enum class CursorShape {
    Default,
    SizeWestEast,
    SizeNorthSouth,
    SizeNorthWestSouthEast,
    SizeNorthEastSouthWest,
};

/// The cursor over the window's own surface at (x, y): a sizing cursor within
/// @p edge of an edge (diagonal in the corners), else the default cursor; while
/// the left button is held a position away from the edges leaves the cursor as
/// it is (empty).
std::optional<CursorShape> CursorFor(double x, double y, double width, double height, double edge,
                                     bool leftButtonHeld);

} // namespace orbisk::layout
