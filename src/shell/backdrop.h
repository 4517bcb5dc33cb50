// The full-screen backdrop behind the main window. Its timer opens the main window on the
// first tick and, once the main window is gone, ends the program on a later one. Closing it
// (or ending the session) asks about unsaved work as closing the main window does. It owns the
// switching window of the preview and the designed windows of a design without wallpaper.
#pragma once

#include <windows.h>

namespace zim {

constexpr UINT_PTR backdropTimer = 1;
// Posted to the backdrop when a preview has ended: the preview's classes can go now.
constexpr int releasePreviewCommand = 111;
constexpr UINT backdropTimerPeriod = 2000;

LRESULT CALLBACK backdropProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

// Creates the backdrop (which starts its timer) and shows it. A backdrop that cannot be created
// or cannot start its timer is reported as a critical error and 0 is returned.
HWND createBackdrop();

// Opens the main window now instead of on the timer's first tick.
void openMainWindowNow();

} // namespace zim
