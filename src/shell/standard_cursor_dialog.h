// The system's standard cursors, offered for a window class.
#pragma once

#include <windows.h>

namespace zim {

// Preselects pendingCursor. "Select" sets pendingCursor to the chosen entry and returns 1;
// "Cancel" changes nothing and returns 0.
int runStandardCursorDialog(HWND owner);

} // namespace zim
