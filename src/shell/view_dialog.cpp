#include "shell/view_dialog.h"

#include "shell/about_view.h"
#include "shell/dialog_runner.h"
#include "shell/main_window.h"
#include "shell/main_window_layout.h"
#include "shell/project_view.h"
#include "shell/shell_state.h"
#include "shell/structure_pane.h"

namespace zim {

namespace {

constexpr DWORD editViewStyle = WS_CHILD | WS_VISIBLE | DS_SETFONT | DS_3DLOOK;
constexpr DWORD otherViewStyle = editViewStyle | DS_MODALFRAME;
constexpr WORD viewPointSize = 8;

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

INT_PTR CALLBACK viewProcedure(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_INITDIALOG:
        return onInitDialog(dialog, static_cast<int>(lParam));
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

// The old view took the keyboard focus with it: it goes to the Edit view's tree or to the
// first control of the other views that takes it, as in any dialog. A main window that is not
// active (still being created) keeps its focus where it is.
void focusFirstControl(HWND dialog, int view) {
    if (GetActiveWindow() != GetParent(dialog))
        return;
    HWND first = view == viewEdit ? structurePaneTree() : GetNextDlgTabItem(dialog, nullptr, FALSE);
    SetFocus(first ? first : dialog);
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
    HWND dialog = createModelessDialog(hInstance, mainWindow, frame, viewProcedure, view, 0);
    if (dialog)
        focusFirstControl(dialog, view);
}

} // namespace zim
