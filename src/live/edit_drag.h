// The state of one edit window's selection, driven by its mouse and key messages: hover sets
// the cursor, a press on a grip starts a drag, moves show the rectangle the release would give,
// the release changes the placed rectangle, Esc cancels the drag. Arrow keys move the placed
// rectangle by one pixel, Shift with an arrow key resizes it at its right or bottom edge.
#pragma once

#include <optional>

#include "live/edit_geometry.h"
#include "live/pixel_geometry.h"

namespace zim {

enum class EditKey { left, right, up, down };

class EditDrag {
  public:
    // `placed` is the object's rectangle: a control's x, y, x + width, y + height from the work
    // copy, or an image's drawing area.
    EditDrag(EditTarget target, const PixelRect& placed);

    EditTarget target() const { return target_; }
    // The rectangle to write back into the work copy; it changes on a release or a key only.
    const PixelRect& placed() const { return placed_; }
    // The focus rectangle: the placed rectangle's selection, or while dragging the selection
    // of the rectangle that a release at the last pointer position would give.
    const PixelRect& selection() const { return selection_; }
    // Where the live control stands (lines 2 pixels thick).
    PixelRect liveRect() const { return liveRectFor(target_, placed_); }
    DragMode mode() const { return mode_; }
    DragCursor cursor() const { return cursorFor(mode_); }
    bool dragging() const { return dragging_; }

    // A mouse move without a drag: the mode of the pointer's position, whose cursor shows.
    DragMode hover(PixelPoint p);

    // The left button goes down: a drag starts unless the position grabs nothing. Returns the
    // point (client coordinates) to which the pointer is moved, or nothing when no drag starts.
    std::optional<PixelPoint> press(PixelPoint p);

    // A mouse move while dragging. Returns whether the focus rectangle changed.
    bool dragTo(PixelPoint p);

    // The left button goes up. Returns whether the placed rectangle changed; the drag ends
    // either way.
    bool release(PixelPoint p);

    // Esc: the drag ends and the selection is the placed rectangle's again. Returns whether a
    // drag was in progress.
    bool cancel();

    // An arrow key, with or without Shift. Moves by one pixel, or with Shift grows or shrinks
    // the width (left, right) or height (up, down) by one, never below one pixel; a line keeps
    // its thickness. Ignored while dragging. Returns whether the placed rectangle changed.
    bool nudge(EditKey key, bool shift);

  private:
    void setPlaced(const PixelRect& placed);

    EditTarget target_;
    PixelRect placed_;
    PixelRect selection_;
    DragMode mode_ = DragMode::none;
    bool dragging_ = false;
};

} // namespace zim
