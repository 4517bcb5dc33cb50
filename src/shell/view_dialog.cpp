#include "shell/view_dialog.h"

#include "shell/about_view.h"
#include "shell/dialog_runner.h"
#include "shell/main_window.h"
#include "shell/main_window_layout.h"
#include "shell/project_view.h"
#include "shell/shell_state.h"
#include "shell/startup.h"
#include "shell/structure_pane.h"

namespace zim {

namespace {

constexpr DWORD editViewStyle = WS_CHILD | WS_VISIBLE | DS_SETFONT | DS_3DLOOK;
constexpr DWORD otherViewStyle = editViewStyle | DS_MODALFRAME;
static_assert(editViewStyle == 0x50000044, "the Edit view's style");
static_assert(otherViewStyle == 0x500000C4, "the File and About views' style");
constexpr WORD viewPointSize = 8;
constexpr const char* viewError = "System Error - Can't create view window...";

// The view dialog covers the main window's client area above the status bar.
void coverClientArea(HWND dialog) {
    HWND owner = GetParent(dialog);
    RECT client;
    GetClientRect(owner, &client);
    const LayoutBox area = viewArea(client.right, client.bottom, statusBarHeight());
    MoveWindow(dialog, area.left, area.top, area.width, area.height, TRUE);
}

void buildView(HWND dialog, int view) {
    switch (view) {
    case viewFile:
        buildProjectView(dialog);
        break;
    case viewEdit:
        createStructurePane(dialog);
        break;
    default:
        buildAboutView(dialog);
        break;
    }
}

// BOOL onInitDialog(HWND dialog, int view)
// The dialog is the view dialog from now on, so that what the view builds can find it.
BOOL onInitDialog(HWND dialog, int view) {
    viewDialog = dialog;
    SetWindowLongPtrA(dialog, DWLP_USER, view);
    coverClientArea(dialog);
    buildView(dialog, view);
    return FALSE;
}

// A dialog procedure gives its answer to a message through DWLP_MSGRESULT.
BOOL answer(HWND dialog, LRESULT result) {
    SetWindowLongPtrA(dialog, DWLP_MSGRESULT, result);
    return TRUE;
}

INT_PTR CALLBACK viewProcedure(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_INITDIALOG:
        return onInitDialog(dialog, static_cast<int>(lParam));
    // The dialog manager presses a dialog's default push button (IDOK unless set) and turns
    // WM_CLOSE into the command IDCANCEL, and the File view's commands 1 and 2 share those
    // identifiers. So a view has no default push button and cannot be closed: a multi-line edit
    // that passes Enter to the default button or closes its dialog on Escape starts nothing.
    case DM_GETDEFID:
        return answer(dialog, 0);
    case WM_CLOSE:
        return answer(dialog, 0);
    case WM_COMMAND:
        if (GetWindowLongPtrA(dialog, DWLP_USER) == viewFile)
            return onProjectViewCommand(LOWORD(wParam), HIWORD(wParam));
        return FALSE;
    case WM_DESTROY:
        if (viewDialog == dialog)
            viewDialog = nullptr;
        return FALSE;
    }
    return FALSE;
}

} // namespace

void switchView(int view) {
    if (viewDialog)
        DestroyWindow(viewDialog);
    viewDialog = nullptr;
    const DialogFrame frame{view == viewEdit ? editViewStyle : otherViewStyle,
                            0,
                            0,
                            0,
                            100,
                            100,
                            "",
                            "Arial",
                            viewPointSize};
    // Without its view the main window stays, so that the user can try another view and save.
    if (!createModelessDialog(hInstance, mainWindow, frame, viewProcedure, view, 0)) {
        showCriticalError(viewError);
        return;
    }
    // The old view took the keyboard focus with it. A main window that is not active (still
    // being created) is given the focus when it is activated.
    if (GetActiveWindow() == mainWindow)
        focusCurrentView();
}

void focusCurrentView() {
    if (!viewDialog) {
        SetFocus(mainWindow);
        return;
    }
    HWND first = currentView == viewEdit ? structurePaneTree()
                                         : GetNextDlgTabItem(viewDialog, nullptr, FALSE);
    SetFocus(first ? first : viewDialog);
}

} // namespace zim
