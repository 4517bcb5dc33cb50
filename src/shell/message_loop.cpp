#include "shell/message_loop.h"

#include "shell/shell_state.h"

namespace zim {

namespace {

DialogMessageFilter parameterPageFilter = nullptr;

bool isKey(const MSG& message, WPARAM key) {
    return (message.message == WM_KEYDOWN || message.message == WM_KEYUP ||
            message.message == WM_CHAR) &&
           message.wParam == key;
}

bool focusIsPushButton() {
    HWND focus = GetFocus();
    char name[16] = {};
    GetClassNameA(focus, name, sizeof name);
    const LONG_PTR type = GetWindowLongPtrA(focus, GWL_STYLE) & BS_TYPEMASK;
    return lstrcmpiA(name, "Button") == 0 && (type == BS_PUSHBUTTON || type == BS_DEFPUSHBUTTON);
}

// The File view's commands have the identifiers 1 and 2, which the dialog manager also sends
// for Enter and Escape. So Escape never reaches the view dialog, and Enter only when it presses
// the focused button; elsewhere in the view neither starts a project command.
bool viewDialogTakes(const MSG& message) {
    if (isKey(message, VK_ESCAPE))
        return false;
    if (isKey(message, VK_RETURN))
        return focusIsPushButton();
    return true;
}

} // namespace

void setParameterPageFilter(DialogMessageFilter filter) {
    parameterPageFilter = filter;
}

bool routeDialogMessage(MSG& message) {
    if (parameterPageFilter && parameterPageFilter(message))
        return true;
    return viewDialog && viewDialogTakes(message) && IsDialogMessageA(viewDialog, &message);
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
