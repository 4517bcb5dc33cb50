// The window position edit window: the designed window itself, with its background and its
// (disabled) controls, which the user moves and sizes with its frame. It follows every move
// into the chosen rectangle as the designed window would stand: the corner in its reference
// area and its outer size with its own frame.
#pragma once

#include <memory>

#include "live/edit_window_frame.h"
#include "live/pixel_geometry.h"
#include "live/window_base.h"

namespace zim {

std::unique_ptr<WindowBase> makePositionEditWindow(int w, PixelRect& chosen,
                                                   const EditWindowFrame& frame);

} // namespace zim
