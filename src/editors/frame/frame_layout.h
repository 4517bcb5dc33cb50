// Where the parameters frame puts its shared controls: the three command buttons along the
// bottom of a page, the kind header of buttons and statics, and the rectangle inside the tab
// control that every tab page fills.
#pragma once

#include <array>

#include "shell/layout_box.h"

namespace zim {

enum FrameCommand : int {
    editParametersCommand = 15,
    restoreParametersCommand = 16,
    saveParametersCommand = 17,
};

struct CommandButton {
    int id;
    const char* text;
    LayoutBox box;
};

// The margin every page passes to the command buttons.
constexpr int commandButtonMargin = 10;

// "Edit Parameters", "Restore Previous Parameters" and "Save Parameters Values" side by side,
// each a third of the width inside the margins (integer division), 30 high, their tops 40 above
// the bottom of the rectangle (0, 0, right, bottom).
std::array<CommandButton, 3> commandButtons(int right, int bottom, int margin);

struct KindHeaderLayout {
    LayoutBox frame;   // the etched frame around heading and radios
    LayoutBox heading; // centred heading
    std::array<LayoutBox, 4> radios;
    LayoutBox tabControl;
};

// The kind header in the frame's client rectangle (0, 0, right, bottom).
KindHeaderLayout kindHeaderLayout(int right, int bottom);

// The rectangle of the tab pages in the tab control's client coordinates, from the tab
// control's client size and the top and bottom of its display area (the window rectangle
// adjusted to the display area, in any coordinates: only its height counts). A page lies 5
// pixels inside the sides and is as high as the display area less 15, its top 10 below where
// the display area would start if it reached the client's bottom. Never negative in size.
LayoutBox tabPageRectangle(int clientRight, int clientBottom, int displayTop, int displayBottom);

} // namespace zim
