// How the shell shows its backdrop and main window: sliding open from the centre for half a
// second, or at once when animations are turned off (tests start the shell that way).
#pragma once

#include <windows.h>

namespace zim {

extern bool animateShellWindows;

constexpr DWORD shellAnimationTime = 500;

// Shows and activates the window, animated when animations are on.
void showShellWindow(HWND window);

} // namespace zim
