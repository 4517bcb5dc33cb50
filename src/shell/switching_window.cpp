#include "shell/switching_window.h"

#include "live/edit_windows.h"
#include "live/preview.h"
#include "shell/control_toolkit.h"
#include "shell/shell_state.h"
#include "shell/window_classes.h"

namespace zim {

HWND switchingWindow = nullptr;

namespace {

constexpr DWORD backStyle = WS_TABSTOP | BS_FLAT;
static_assert((WS_CHILD | WS_VISIBLE | backStyle) == 0x50018000, "the style of \"Back\"");
// Top-most, so that the designed windows never cover it; a tool window, so that it takes no
// place in the taskbar.
constexpr DWORD switchingStyle = WS_POPUP | WS_BORDER;
constexpr DWORD switchingExtendedStyle = WS_EX_TOPMOST | WS_EX_TOOLWINDOW;
constexpr LayoutBox switchingBox{4, 4, 100, 36};

void onCreate(HWND window) {
    RECT client;
    GetClientRect(window, &client);
    createControl(window, {"BUTTON",
                           "Back",
                           backStyle,
                           {0, 0, client.right, client.bottom},
                           backButtonId,
                           ControlFont::control,
                           WS_EX_STATICEDGE});
}

// The open edit window goes first: while one is open no preview runs.
void onBack() {
    if (editWindow())
        closeEditWindow();
    else
        closeFirstWindow();
}

} // namespace

LRESULT CALLBACK switchingWindowProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_CREATE:
        onCreate(window);
        return 0;
    case WM_COMMAND:
        if (LOWORD(wParam) == backButtonId && HIWORD(wParam) == BN_CLICKED)
            onBack();
        return 0;
    case WM_DESTROY:
        if (switchingWindow == window)
            switchingWindow = nullptr;
        return 0;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

HWND createSwitchingWindow(HWND backdrop) {
    const LayoutBox& box = switchingBox;
    switchingWindow =
        CreateWindowExA(switchingExtendedStyle, switchingWindowClass, "", switchingStyle, box.left,
                        box.top, box.width, box.height, backdrop, nullptr, hInstance, nullptr);
    if (switchingWindow)
        EnableWindow(switchingWindow, FALSE);
    return switchingWindow;
}

} // namespace zim
