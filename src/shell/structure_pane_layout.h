// The Edit view: the structure pane in its left quarter, the parameters window in the rest, and
// the tree and the "Preview" button inside the pane.
#pragma once

#include "shell/layout_box.h"

namespace zim {

struct EditViewLayout {
    LayoutBox pane;
    LayoutBox parameters;
};

// The pane runs from the left edge to a quarter of the width (truncated); the parameters
// window from one pixel further to the right edge. Both take the full height.
EditViewLayout editViewLayout(int width, int height);

struct StructurePaneLayout {
    LayoutBox tree;
    LayoutBox previewButton;
};

// Inside the pane's client area: the tree below the painted title, the button at the bottom.
StructurePaneLayout structurePaneLayout(int width, int height);

} // namespace zim
