// The system's standard icons, offered for a window class's icon or small icon, or for an
// image button.
#pragma once

#include <windows.h>

namespace zim {

// Works on pendingIcon when iconTarget is 0, else on pendingSmallIcon: preselects it, and
// "Select" sets it to the chosen entry and returns 1. "Cancel" changes nothing and returns 0.
int runStandardIconDialog(HWND owner);

} // namespace zim
