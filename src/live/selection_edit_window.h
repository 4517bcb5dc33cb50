// The control edit window and the background-image edit window: the designed window with a
// selection rectangle around the thing being placed, whose grips size it and whose inside moves
// it, dragged with the mouse (Esc cancels a drag) or nudged with the arrow keys (Shift sizes).
// Each change is written into the working copy at once.
#pragma once

#include <memory>

#include "live/edit_geometry.h"
#include "live/live_content.h"
#include "live/window_base.h"

namespace zim {

// `copies` holds the working copy being edited: a button for EditTarget::button, a static for
// the static and line targets, an image for EditTarget::imageArea.
std::unique_ptr<WindowBase> makeSelectionEditWindow(int w, EditTarget target,
                                                    const WorkingCopies& copies);

} // namespace zim
