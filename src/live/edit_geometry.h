// The mouse rules of the edit windows: the selection rectangle with its grips, which drag a
// pointer position starts, where the pointer is snapped to, and the rectangle a drag leaves.
#pragma once

#include <cstdint>

#include "live/pixel_geometry.h"
#include "model/project.h"

namespace zim {

// What an edit window places and sizes. Codes 1 to 4 are those that an editor sets before it
// opens the control edit window; the background-image edit window edits an image's area.
enum class EditTarget : int32_t {
    button = 1,
    staticControl = 2,
    horizontalLine = 3, // a simple-graphics static drawn as a horizontal line
    verticalLine = 4,
    imageArea = 5,
};

enum class DragMode : int32_t {
    leftEdge = 1,
    rightEdge = 2,
    topEdge = 3,
    bottomEdge = 4,
    move = 5,
    none = 6,
};

// The standard cursor a mode shows: IDC_SIZEWE, IDC_SIZENS, IDC_SIZEALL, IDC_ARROW.
enum class DragCursor { sizeWE, sizeNS, sizeAll, arrow };

constexpr int gripWidth = 4;
// Lines are thin: the selection around them is wider than the live line itself.
constexpr int lineSelectionThickness = 10;
constexpr int liveLineThickness = 2;

// The selection rectangle of the placed rectangle (a record's x, y, x + width, y + height, or
// an image's drawing area): a line's selection is 10 pixels across whatever its record says.
PixelRect selectionFor(EditTarget target, const PixelRect& placed);

// Where the live control stands: a line is 2 pixels thick.
PixelRect liveRectFor(EditTarget target, const PixelRect& placed);

// The drag a press at `p` would start. Inside the selection shrunk by the grip width (right
// and bottom excluded) it moves; on the left and right grips, which run from the top down to
// the bottom grip, it sizes horizontally; on the top and bottom grips between the side grips
// vertically; the two corners below the side grips start nothing. A horizontal line has no top
// or bottom grip, a vertical line no left or right grip.
DragMode hitTest(EditTarget target, const PixelRect& selection, PixelPoint p);

DragCursor cursorFor(DragMode mode);

// Where the pointer is put when a drag starts: onto the grabbed edge, keeping the other
// coordinate, or onto the top-left corner for a move; unchanged for none.
PixelPoint snapPoint(DragMode mode, const PixelRect& selection, PixelPoint p);

// Whether the target can be dragged that way: lines only along their length, or moved.
bool acceptsMode(EditTarget target, DragMode mode);

// The placed rectangle after a drag released at `p`. A move puts the top-left corner at `p`.
// An edge drag moves that edge to `p` while the opposite edge stays; past the opposite edge the
// two swap roles, so the rectangle starts at the old opposite edge and reaches to `p`. Released
// on the opposite edge itself, the rectangle keeps one pixel rather than none.
PixelRect draggedRect(DragMode mode, const PixelRect& placed, PixelPoint p);

// The placed rectangle of a control record, and the record's x, y, width and height set from
// one.
PixelRect placedRectOf(const ButtonControl& control);
PixelRect placedRectOf(const StaticControl& control);
void storePlacedRect(const PixelRect& placed, ButtonControl& control);
void storePlacedRect(const PixelRect& placed, StaticControl& control);

} // namespace zim
