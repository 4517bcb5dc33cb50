#include "shell/message_loop.h"

#include "shell/shell_state.h"

namespace zim {

namespace {

DialogMessageFilter parameterPageFilter = nullptr;

bool isEnterOrEscape(const MSG& message) {
    const bool key =
        message.message == WM_KEYDOWN || message.message == WM_KEYUP || message.message == WM_CHAR;
    return key && (message.wParam == VK_RETURN || message.wParam == VK_ESCAPE);
}

// Enter on a push button of the dialog presses that button, as the dialog manager presses its
// default button; the button says what it is through WM_GETDLGCODE. A button that took the
// focus from the mouse is not the dialog's default, and the dialog manager would press the
// default one instead.
bool pressFocusedPushButton(HWND dialog) {
    HWND focus = GetFocus();
    if (!focus || !IsChild(dialog, focus))
        return false;
    const LRESULT code = SendMessageA(focus, WM_GETDLGCODE, 0, 0);
    if (!(code & (DLGC_DEFPUSHBUTTON | DLGC_UNDEFPUSHBUTTON)))
        return false;
    SendMessageA(GetParent(focus), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(focus), BN_CLICKED),
                 reinterpret_cast<LPARAM>(focus));
    return true;
}

} // namespace

// The dialog manager turns Enter into the default button's command (IDOK, 1, when none is set)
// and Escape into IDCANCEL (2), which are the File view's "Create New Project" and "Load
// Project From Archive", and may be any page's controls. So the dialogs never see them: Enter
// presses the focused push button, and otherwise both go to the focused control as plain keys.
bool routeDialogKeys(HWND dialog, MSG& message) {
    if (!isEnterOrEscape(message))
        return IsDialogMessageA(dialog, &message) != FALSE;
    if (message.message == WM_KEYDOWN && message.wParam == VK_RETURN)
        return pressFocusedPushButton(dialog);
    return false;
}

void setParameterPageFilter(DialogMessageFilter filter) {
    parameterPageFilter = filter;
}

bool routeDialogMessage(MSG& message) {
    if (parameterPageFilter && parameterPageFilter(message))
        return true;
    return viewDialog && routeDialogKeys(viewDialog, message);
}

void processMessage(MSG& message) {
    if (routeDialogMessage(message))
        return;
    TranslateMessage(&message);
    DispatchMessageA(&message);
}

int runMessageLoop() {
    MSG message;
    while (GetMessageA(&message, nullptr, 0, 0) > 0)
        processMessage(message);
    return static_cast<int>(message.wParam);
}

} // namespace zim
