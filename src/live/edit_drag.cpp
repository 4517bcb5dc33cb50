#include "live/edit_drag.h"

namespace zim {

namespace {

// One pixel more or less of a size, never below one pixel.
int resized(int size, int step) {
    const int next = size + step;
    return next < 1 && step < 0 ? size : next;
}

} // namespace

EditDrag::EditDrag(EditTarget target, const PixelRect& placed)
    : target_(target), placed_(placed), selection_(selectionFor(target, placed)) {}

void EditDrag::setPlaced(const PixelRect& placed) {
    placed_ = placed;
    selection_ = selectionFor(target_, placed_);
}

DragMode EditDrag::hover(PixelPoint p) {
    if (!dragging_)
        mode_ = hitTest(target_, selection_, p);
    return mode_;
}

std::optional<PixelPoint> EditDrag::press(PixelPoint p) {
    if (dragging_)
        return std::nullopt;
    // The press decides by its own position: a press may arrive without a move before it.
    mode_ = hitTest(target_, selection_, p);
    if (!acceptsMode(target_, mode_))
        return std::nullopt;
    dragging_ = true;
    return snapPoint(mode_, selection_, p);
}

bool EditDrag::dragTo(PixelPoint p) {
    if (!dragging_)
        return false;
    const PixelRect shown = selectionFor(target_, draggedRect(mode_, placed_, p));
    if (shown == selection_)
        return false;
    selection_ = shown;
    return true;
}

bool EditDrag::release(PixelPoint p) {
    if (!dragging_)
        return false;
    dragging_ = false;
    const PixelRect before = placed_;
    setPlaced(draggedRect(mode_, placed_, p));
    mode_ = hitTest(target_, selection_, p);
    return placed_ != before;
}

bool EditDrag::cancel() {
    if (!dragging_)
        return false;
    dragging_ = false;
    selection_ = selectionFor(target_, placed_);
    mode_ = DragMode::none;
    return true;
}

bool EditDrag::nudge(EditKey key, bool shift) {
    if (dragging_)
        return false;
    const bool horizontal = key == EditKey::left || key == EditKey::right;
    const int step = key == EditKey::left || key == EditKey::up ? -1 : 1;
    PixelRect r = placed_;
    if (!shift) {
        r = horizontal ? offsetRect(r, step, 0) : offsetRect(r, 0, step);
    } else if (horizontal) {
        if (target_ == EditTarget::verticalLine)
            return false;
        r.right = r.left + resized(r.width(), step);
    } else {
        if (target_ == EditTarget::horizontalLine)
            return false;
        r.bottom = r.top + resized(r.height(), step);
    }
    if (r == placed_)
        return false;
    setPlaced(r);
    return true;
}

} // namespace zim
