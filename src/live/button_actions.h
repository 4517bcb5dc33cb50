// What a click on a button of the designed application does, by the button's action code: in
// the designer each action is announced in a message box before it is done; in a generated
// program every click calls the user's routine first, then action 1 closes the window and
// action 2 ends the program.
#pragma once

#include <windows.h>

#include <cstdint>

namespace zim {

enum ButtonAction : int32_t {
    actionUserSubroutine = 0,
    actionCloseWindow = 1,
    actionCloseApplication = 2,
    actionNewWindow = 3,
};

// Button b of window w, in the live `window` (a dialog when `dialog`), was clicked. Closing may
// destroy `window`.
void runButtonAction(HWND window, int w, int b, int32_t action, bool dialog);

// Closes a live window as its own buttons do: a window of kind 0 is destroyed, a dialog is sent
// SC_CLOSE.
void closeLiveWindow(HWND window, bool dialog);

} // namespace zim
