// The switching window: a small window with one button, "Back", shown above the preview and the
// edit windows while the designer's main window is hidden. "Back" closes the open edit window,
// or window 1 of the preview, and so brings the designer back. The backdrop creates it hidden.
#pragma once

#include <windows.h>

namespace zim {

constexpr int backButtonId = 174;

// The switching window, 0 while there is none.
extern HWND switchingWindow;

LRESULT CALLBACK switchingWindowProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

// Creates the switching window hidden and disabled, owned by the backdrop.
HWND createSwitchingWindow(HWND backdrop);

} // namespace zim
