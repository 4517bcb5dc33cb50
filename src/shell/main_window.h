// The main window: the menu of the three views, the status bar and the view dialog between
// them. Closing it asks about an unsaved project; it gives the keyboard focus back to its view
// whenever it is activated.
#pragma once

#include <windows.h>

namespace zim {

enum MainMenuCommand : int {
    fileMenuItem = 1001,
    editMenuItem = 1002,
    aboutMenuItem = 1003,
};

constexpr int statusBarId = 10;

LRESULT CALLBACK mainWindowProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

// Creates the main window, owned by the backdrop, centred on the screen, and shows it. A main
// window that cannot be created is reported as a critical error and 0 is returned.
HWND createMainWindow(HWND backdrop);

// Height of the main window's status bar.
int statusBarHeight();

} // namespace zim
