#include "shell/backdrop.h"

#include "shell/exit_question.h"
#include "shell/main_window.h"
#include "shell/shell_animation.h"
#include "shell/shell_state.h"
#include "shell/window_classes.h"

namespace zim {

namespace {

constexpr const char* backdropTitle = "Zuruzuv URE Vavodured ava VUD 6.i.";
constexpr DWORD backdropStyle = WS_POPUP | WS_CLIPSIBLINGS | WS_CLIPCHILDREN | WS_BORDER;

bool mainWindowOpened = false;

// The switching window of the preview belongs here too, once the preview exists.
void onCreate(HWND window) {
    MoveWindow(window, 0, 0, screenWidth, screenHeight, FALSE);
    SetTimer(window, backdropTimer, backdropTimerPeriod, nullptr);
}

void onTimer(HWND window) {
    if (!mainWindowOpened) {
        mainWindowOpened = true;
        createMainWindow(window);
    } else if (!mainWindow) {
        DestroyWindow(window);
    }
}

// The rectangle being chosen in the rectangle-size dialog is drawn while it is shown.
void onPaint(HWND window) {
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(window, &paint);
    if (boundingRectShown == 1)
        DrawFocusRect(dc, &boundingRectOnScreen);
    EndPaint(window, &paint);
}

void onDestroy(HWND window) {
    KillTimer(window, backdropTimer);
    if (backdropWindow == window)
        backdropWindow = nullptr;
    mainWindowOpened = false;
    PostQuitMessage(0);
}

} // namespace

LRESULT CALLBACK backdropProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_CREATE:
        onCreate(window);
        return 0;
    case WM_TIMER:
        if (wParam == backdropTimer)
            onTimer(window);
        return 0;
    case WM_PAINT:
        onPaint(window);
        return 0;
    case WM_CLOSE:
        // Alt+F4 while the backdrop is active, or its taskbar button's close: the destroyed
        // backdrop takes the main window it owns with it and ends the program.
        if (exitIsCancelled())
            return 0;
        break;
    case WM_QUERYENDSESSION:
        // Answering YES (save first) keeps the session from ending.
        return exitIsCancelled() ? FALSE : TRUE;
    case WM_DESTROY:
        onDestroy(window);
        return 0;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

HWND createBackdrop() {
    backdropWindow = CreateWindowExA(0, backdropClass, backdropTitle, backdropStyle, 0, 0, 800, 600,
                                     nullptr, nullptr, hInstance, nullptr);
    if (backdropWindow)
        showShellWindow(backdropWindow);
    return backdropWindow;
}

void openMainWindowNow() {
    mainWindowOpened = true;
    createMainWindow(backdropWindow);
}

} // namespace zim
