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

} // namespace

void closeLiveWindow(HWND window, bool dialog) {
    if (dialog)
        SendMessageA(window, WM_SYSCOMMAND, SC_CLOSE, 0);
    else
        DestroyWindow(window);
}

void runButtonAction(HWND window, int w, int b, int32_t action, bool dialog) {
    const bool designer = designMode == 1;
    switch (action) {
    case actionUserSubroutine:
        if (designer)
            announce(window, subroutineMessage);
        else
            liveHost().userSubroutine(w, b);
        break;
    case actionCloseWindow:
        if (designer)
            announce(window, closeWindowMessage);
        closeLiveWindow(window, dialog);
        break;
    case actionCloseApplication:
        // The designer's preview closes only the window; the designer itself goes on.
        if (designer) {
            announce(window, closeApplicationMessage);
            closeLiveWindow(window, dialog);
        } else {
            PostQuitMessage(0);
        }
        break;
    default:
        // Opening a new window is the generated program's own logic; the preview opens none.
        break;
    }
}

} // namespace zim
