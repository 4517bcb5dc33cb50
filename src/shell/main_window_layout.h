// Where the main window stands on the screen and how its status bar is divided.
#pragma once

#include <array>

#include "shell/layout_box.h"

namespace zim {

constexpr int mainWindowWidth = 1020;
constexpr int mainWindowHeight = 760;

// The main window's fixed size, centred on the screen with the halves truncated toward zero
// (on a 1024 x 768 screen it stands at (2, 4)).
LayoutBox mainWindowPlacement(int screenWidth, int screenHeight);

// Right edges of the status bar's three parts; -1 runs the last part to the window's edge.
std::array<int, 3> statusBarPartEdges();

// The area of the view dialog: the client area above the status bar.
LayoutBox viewArea(int clientWidth, int clientHeight, int statusBarHeight);

} // namespace zim
