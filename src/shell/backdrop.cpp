#include "shell/backdrop.h"

#include "live/preview.h"
#include "shell/exit_question.h"
#include "shell/main_window.h"
#include "shell/shell_animation.h"
#include "shell/shell_state.h"
#include "shell/startup.h"
#include "shell/switching_window.h"
#include "shell/window_classes.h"

namespace zim {

namespace {

constexpr const char* backdropTitle = "Zuruzuv URE Vavodured ava VUD 6.i.";
constexpr DWORD backdropStyle = WS_POPUP | WS_CLIPSIBLINGS | WS_CLIPCHILDREN | WS_BORDER;
static_assert(backdropStyle == 0x86800000, "the backdrop's style");
constexpr const char* backdropError = "System Error - Can't create background window...";
constexpr const char* timerError = "System Error - Can't start timer of background window...";

// Where the backdrop is with its main window. While the first tick opens it, a message box
// shown meanwhile runs its own loop, and the ticks that arrive in it must wait.
enum class MainWindowStage { waiting, opening, opened };
MainWindowStage stage = MainWindowStage::waiting;
// Why the last creation of the backdrop failed.
const char* creationError = backdropError;

// bool onCreate(HWND window)
// Without its timer the backdrop would never open the main window, so it is not created.
bool onCreate(HWND window) {
    MoveWindow(window, 0, 0, screenWidth, screenHeight, FALSE);
    createSwitchingWindow(window);
    if (SetTimer(window, backdropTimer, backdropTimerPeriod, nullptr))
        return true;
    creationError = timerError;
    return false;
}

// A main window that cannot be created has shown why; the program ends.
void onTimer(HWND window) {
    switch (stage) {
    case MainWindowStage::waiting:
        stage = MainWindowStage::opening;
        if (!createMainWindow(window)) {
            DestroyWindow(window);
            return;
        }
        stage = MainWindowStage::opened;
        break;
    case MainWindowStage::opening:
        break;
    case MainWindowStage::opened:
        if (!mainWindow)
            DestroyWindow(window);
        break;
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
    stage = MainWindowStage::waiting;
    PostQuitMessage(0);
}

} // namespace

LRESULT CALLBACK backdropProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_CREATE:
        return onCreate(window) ? 0 : -1;
    case WM_TIMER:
        if (wParam == backdropTimer)
            onTimer(window);
        return 0;
    case WM_PAINT:
        onPaint(window);
        return 0;
    case WM_COMMAND:
        if (LOWORD(wParam) == releasePreviewCommand)
            releasePreviewClasses();
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
    creationError = backdropError;
    backdropWindow = CreateWindowExA(0, backdropClass, backdropTitle, backdropStyle, 0, 0, 800, 600,
                                     nullptr, nullptr, hInstance, nullptr);
    if (!backdropWindow) {
        showCriticalError(creationError);
        return nullptr;
    }
    showShellWindow(backdropWindow);
    return backdropWindow;
}

void openMainWindowNow() {
    stage = MainWindowStage::opened;
    createMainWindow(backdropWindow);
}

} // namespace zim
