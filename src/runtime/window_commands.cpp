// OpenZIMWindow and CloseZIMWindow: the user's code opens and closes the other windows of the
// design, as the program opens window 1 and as a close-window button closes its window.
#include <windows.h>

#include "live/button_actions.h"
#include "live/designed_window.h"
#include "live/preview.h"
#include "live/win32_handles.h"
#include "model/project.h"
#include "runtime/fortran_calls.h"

namespace {

constexpr int32_t standardWindow = 0;

bool isDesignedWindow(int32_t w) {
    return w >= 1 && w <= zim::project().program.windowCount;
}

HWND openWindowOf(int32_t w) {
    HWND open = zim::loadHandle<HWND>(zim::window(w).hwnd);
    return open && IsWindow(open) ? open : nullptr;
}

} // namespace

extern "C" void zim_open_window(int32_t windowNumber) {
    // Before the program's windows run (in User_On_Init) their classes do not exist yet.
    if (!isDesignedWindow(windowNumber) || !zim::previewRunning())
        return;
    if (HWND open = openWindowOf(windowNumber)) {
        ShowWindow(open, SW_SHOW);
        SetForegroundWindow(open);
        return;
    }
    zim::createDesignedWindow(windowNumber);
}

extern "C" void zim_close_window(int32_t windowNumber) {
    if (!isDesignedWindow(windowNumber))
        return;
    if (HWND open = openWindowOf(windowNumber))
        zim::closeLiveWindow(open, zim::window(windowNumber).kind != standardWindow);
}
