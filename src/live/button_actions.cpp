#include "live/button_actions.h"

#include "live/live_host.h"
#include "model/program_state.h"

namespace zim {

namespace {

constexpr const char* actionCaption = "Button Action";
constexpr const char* subroutineMessage = "User-provided subroutine was called...";
constexpr const char* closeWindowMessage = "Current window is closed now...";
constexpr const char* closeApplicationMessage = "Application is closed now...";

void announce(HWND window, const char* text) {
    liveHost().message(window, text, actionCaption, MB_OK | MB_ICONINFORMATION);
}

// The designer's preview says what the generated program would do; its close-application
// button closes only the window, since the designer itself goes on.
void announceAndClose(HWND window, int32_t action, bool dialog) {
    switch (action) {
    case actionUserSubroutine:
        announce(window, subroutineMessage);
        break;
    case actionCloseWindow:
        announce(window, closeWindowMessage);
        closeLiveWindow(window, dialog);
        break;
    case actionCloseApplication:
        announce(window, closeApplicationMessage);
        closeLiveWindow(window, dialog);
        break;
    default:
        // The preview opens no other window.
        break;
    }
}

} // namespace

void closeLiveWindow(HWND window, bool dialog) {
    if (dialog)
        SendMessageA(window, WM_SYSCOMMAND, SC_CLOSE, 0);
    else
        DestroyWindow(window);
}

void runButtonAction(HWND window, int w, int b, int32_t action, bool dialog) {
    if (designMode == 1) {
        announceAndClose(window, action, dialog);
        return;
    }
    // The user's routine hears of every button, also of those that close: it can keep what it
    // needs before its window or the program goes.
    liveHost().userSubroutine(w, b);
    switch (action) {
    case actionCloseWindow:
        // The routine may have closed the window already.
        if (IsWindow(window))
            closeLiveWindow(window, dialog);
        break;
    case actionCloseApplication:
        PostQuitMessage(0);
        break;
    default:
        // Opening a new window is the program's own logic (OpenZIMWindow in its routine).
        break;
    }
}

} // namespace zim
