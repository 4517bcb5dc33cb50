#include "shell/main_window.h"

#include <commctrl.h>

#include "editors/frame/parameters_frame.h"
#include "shell/exit_question.h"
#include "shell/main_window_layout.h"
#include "shell/shell_animation.h"
#include "shell/shell_state.h"
#include "shell/startup.h"
#include "shell/view_dialog.h"
#include "shell/window_classes.h"

namespace zim {

namespace {

constexpr const char* mainWindowTitle = "Zuruzuv URE Vavodured ava VUD 6.i. Version 3.01.";
constexpr DWORD mainWindowStyle = WS_CAPTION | WS_SYSMENU;
constexpr DWORD mainWindowExtendedStyle = WS_EX_DLGMODALFRAME | WS_EX_CLIENTEDGE | WS_EX_STATICEDGE;
constexpr const char* mainWindowError = "System Error - Can't create main window...";
static_assert(mainWindowStyle == 0xC80000, "the main window's style");
static_assert(mainWindowExtendedStyle == 0x20201, "the main window's extended style");

HWND statusBar = nullptr;
// The control of the view that had the keyboard focus when the main window was last deactivated.
HWND focusInView = nullptr;

// The menu bar's items in their order, one per view; the item of the shown view is greyed.
struct ViewMenuItem {
    int view;
    MainMenuCommand item;
    const char* text;
};
constexpr ViewMenuItem viewMenuItems[] = {{viewFile, fileMenuItem, "File"},
                                          {viewEdit, editMenuItem, "Edit"},
                                          {viewAbout, aboutMenuItem, "About"}};

int menuItemOf(int view) {
    for (const ViewMenuItem& entry : viewMenuItems)
        if (entry.view == view)
            return entry.item;
    return 0;
}

// The view a menu command chooses, or 0 for a command that is no view's item.
int viewOfMenuItem(int item) {
    for (const ViewMenuItem& entry : viewMenuItems)
        if (entry.item == item)
            return entry.view;
    return 0;
}

void createMenu(HWND window) {
    HMENU menu = CreateMenu();
    for (const ViewMenuItem& entry : viewMenuItems)
        AppendMenuA(menu, MF_STRING, static_cast<UINT_PTR>(entry.item), entry.text);
    EnableMenuItem(menu, menuItemOf(viewAbout), MF_BYCOMMAND | MF_GRAYED);
    SetMenu(window, menu);
}

void createStatusBar(HWND window) {
    statusBar = CreateStatusWindowA(WS_CHILD | WS_VISIBLE, "", window, statusBarId);
    const auto edges = statusBarPartEdges();
    int parts[3] = {edges[0], edges[1], edges[2]};
    SendMessageA(statusBar, SB_SETPARTS, 3, reinterpret_cast<LPARAM>(parts));
}

// The About view is shown first.
void onCreate(HWND window) {
    mainWindow = window;
    createMenu(window);
    currentView = viewAbout;
    createStatusBar(window);
    switchView(viewAbout);
}

// The item of the shown view is greyed, so choosing it again does nothing.
void onViewCommand(HWND window, int view) {
    if (view == currentView)
        return;
    HMENU menu = GetMenu(window);
    EnableMenuItem(menu, menuItemOf(view), MF_BYCOMMAND | MF_GRAYED);
    EnableMenuItem(menu, menuItemOf(currentView), MF_BYCOMMAND | MF_ENABLED);
    DrawMenuBar(window);
    previousView = currentView;
    currentView = view;
    switchView(view);
}

// void onActivate(HWND window, UINT state)
// The system gives the focus to an activated main window itself, where Tab, Enter and the arrow
// keys reach no control; so the control that had it (before a message box or a dialog, say)
// takes it back, or else the view's first control.
void onActivate(HWND window, UINT state) {
    if (state == WA_INACTIVE) {
        HWND focus = GetFocus();
        focusInView = focus && IsChild(window, focus) ? focus : nullptr;
        return;
    }
    if (focusInView && IsChild(window, focusInView))
        SetFocus(focusInView);
    else
        focusCurrentView();
}

// The backdrop ends the program at its next tick once mainWindow is 0.
void onDestroy(HWND window) {
    if (mainWindow == window)
        mainWindow = nullptr;
    viewDialog = nullptr;
    parametersWindow = nullptr;
    statusBar = nullptr;
    focusInView = nullptr;
}

} // namespace

LRESULT CALLBACK mainWindowProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_CREATE:
        onCreate(window);
        return 0;
    case WM_COMMAND:
        // void onCommand(int id, HWND control): menu items come without a control.
        if (const int view = lParam == 0 ? viewOfMenuItem(LOWORD(wParam)) : 0) {
            onViewCommand(window, view);
            return 0;
        }
        break;
    case WM_ACTIVATE:
        onActivate(window, LOWORD(wParam));
        return 0;
    case WM_CLOSE:
        // Alt+F4, the close box and the system menu all arrive here.
        if (exitIsCancelled())
            return 0;
        break;
    case WM_DESTROY:
        onDestroy(window);
        return 0;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

HWND createMainWindow(HWND backdrop) {
    const LayoutBox place = mainWindowPlacement(screenWidth, screenHeight);
    HWND window = CreateWindowExA(mainWindowExtendedStyle, mainWindowClass, mainWindowTitle,
                                  mainWindowStyle, place.left, place.top, place.width, place.height,
                                  backdrop, nullptr, hInstance, nullptr);
    if (!window) {
        showCriticalError(mainWindowError);
        return nullptr;
    }
    showShellWindow(window);
    return window;
}

int statusBarHeight() {
    RECT bar = {};
    if (statusBar)
        GetWindowRect(statusBar, &bar);
    return bar.bottom - bar.top;
}

} // namespace zim
