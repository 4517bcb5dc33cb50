#include "live/edit_geometry.h"

namespace zim {

namespace {

bool within(int value, int low, int high) {
    return low <= value && value <= high;
}

// One edge dragged to `to` against the edge `anchor` that stays: the span from the anchor to
// the pointer, whichever side the pointer is on, never narrower than one pixel.
struct Span {
    int start;
    int end;
};

Span draggedSpan(int anchor, int to, bool anchorIsEnd) {
    if (to < anchor)
        return {to, anchor};
    if (to > anchor)
        return {anchor, to};
    return anchorIsEnd ? Span{anchor - 1, anchor} : Span{anchor, anchor + 1};
}

template <typename Control> PixelRect placedRectOfControl(const Control& control) {
    return rectAt(control.x, control.y, control.width, control.height);
}

template <typename Control> void storePlacedRectOfControl(const PixelRect& r, Control& control) {
    control.x = r.left;
    control.y = r.top;
    control.width = r.width();
    control.height = r.height();
}

} // namespace

PixelRect selectionFor(EditTarget target, const PixelRect& placed) {
    switch (target) {
    case EditTarget::horizontalLine:
        return {placed.left, placed.top, placed.right, placed.top + lineSelectionThickness};
    case EditTarget::verticalLine:
        return {placed.left, placed.top, placed.left + lineSelectionThickness, placed.bottom};
    default:
        return placed;
    }
}

PixelRect liveRectFor(EditTarget target, const PixelRect& placed) {
    switch (target) {
    case EditTarget::horizontalLine:
        return {placed.left, placed.top, placed.right, placed.top + liveLineThickness};
    case EditTarget::verticalLine:
        return {placed.left, placed.top, placed.left + liveLineThickness, placed.bottom};
    default:
        return placed;
    }
}

DragMode hitTest(EditTarget target, const PixelRect& selection, PixelPoint p) {
    const int l = selection.left;
    const int t = selection.top;
    const int r = selection.right;
    const int b = selection.bottom;
    const int g = gripWidth;
    const bool sideGrips = target != EditTarget::verticalLine;
    const bool topBottomGrips = target != EditTarget::horizontalLine;

    if (containsPoint({l + g, t + g, r - g, b - g}, p))
        return DragMode::move;
    if (sideGrips && within(p.y, t, b - g)) {
        if (within(p.x, l, l + g))
            return DragMode::leftEdge;
        if (within(p.x, r - g, r))
            return DragMode::rightEdge;
    }
    if (topBottomGrips && within(p.x, l + g, r - g)) {
        if (within(p.y, t, t + g))
            return DragMode::topEdge;
        if (within(p.y, b - g, b))
            return DragMode::bottomEdge;
    }
    return DragMode::none;
}

DragCursor cursorFor(DragMode mode) {
    switch (mode) {
    case DragMode::leftEdge:
    case DragMode::rightEdge:
        return DragCursor::sizeWE;
    case DragMode::topEdge:
    case DragMode::bottomEdge:
        return DragCursor::sizeNS;
    case DragMode::move:
        return DragCursor::sizeAll;
    default:
        return DragCursor::arrow;
    }
}

PixelPoint snapPoint(DragMode mode, const PixelRect& selection, PixelPoint p) {
    switch (mode) {
    case DragMode::leftEdge:
        return {selection.left, p.y};
    case DragMode::rightEdge:
        return {selection.right, p.y};
    case DragMode::topEdge:
        return {p.x, selection.top};
    case DragMode::bottomEdge:
        return {p.x, selection.bottom};
    case DragMode::move:
        return {selection.left, selection.top};
    default:
        return p;
    }
}

bool acceptsMode(EditTarget target, DragMode mode) {
    switch (mode) {
    case DragMode::move:
        return true;
    case DragMode::leftEdge:
    case DragMode::rightEdge:
        return target != EditTarget::verticalLine;
    case DragMode::topEdge:
    case DragMode::bottomEdge:
        return target != EditTarget::horizontalLine;
    default:
        return false;
    }
}

PixelRect draggedRect(DragMode mode, const PixelRect& placed, PixelPoint p) {
    PixelRect r = placed;
    Span span{};
    switch (mode) {
    case DragMode::move:
        return rectAt(p.x, p.y, placed.width(), placed.height());
    case DragMode::leftEdge:
        span = draggedSpan(placed.right, p.x, true);
        r.left = span.start;
        r.right = span.end;
        break;
    case DragMode::rightEdge:
        span = draggedSpan(placed.left, p.x, false);
        r.left = span.start;
        r.right = span.end;
        break;
    case DragMode::topEdge:
        span = draggedSpan(placed.bottom, p.y, true);
        r.top = span.start;
        r.bottom = span.end;
        break;
    case DragMode::bottomEdge:
        span = draggedSpan(placed.top, p.y, false);
        r.top = span.start;
        r.bottom = span.end;
        break;
    default:
        break;
    }
    return r;
}

PixelRect placedRectOf(const ButtonControl& control) {
    return placedRectOfControl(control);
}

PixelRect placedRectOf(const StaticControl& control) {
    return placedRectOfControl(control);
}

void storePlacedRect(const PixelRect& placed, ButtonControl& control) {
    storePlacedRectOfControl(placed, control);
}

void storePlacedRect(const PixelRect& placed, StaticControl& control) {
    storePlacedRectOfControl(placed, control);
}

} // namespace zim
