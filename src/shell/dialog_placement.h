// Where a dialog of a fixed size in pixels goes on the screen: centred over its owner, or over
// the work area when it has no visible owner, and then moved wholly into the work area, so an
// owner near a screen edge never pushes the dialog's caption or buttons out of reach.
#pragma once

#include "shell/layout_box.h"

namespace zim {

// The dialog's box centred over `over` and clamped into `workArea`; a dialog larger than the
// work area keeps its size and starts at the work area's top-left corner.
LayoutBox dialogPlacement(const LayoutBox& over, const LayoutBox& workArea, int width, int height);

} // namespace zim
