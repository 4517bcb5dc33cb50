#include "shell/selection_dialog.h"

#include "shell/dialog_runner.h"
#include "shell/shell_state.h"
#include "shell/user_questions.h"

namespace zim {

INT_PTR SelectionDialog::run(HWND owner, const std::string& caption, int width, int height) {
    width_ = width;
    height_ = height;
    DWORD style = WS_POPUP | WS_CAPTION | DS_MODALFRAME | DS_SETFONT | DS_3DLOOK;
    if (cancellable_)
        style |= WS_SYSMENU;
    // The template's size in dialog units is replaced by the pixel size on WM_INITDIALOG.
    const DialogFrame frame{style,
                            0,
                            0,
                            0,
                            static_cast<short>(width / 2),
                            static_cast<short>(height / 2),
                            caption,
                            "Times New Roman",
                            10};
    HINSTANCE instance = hInstance ? hInstance : GetModuleHandleA(nullptr);
    return runModalDialog(instance, owner, frame, procedure, reinterpret_cast<LPARAM>(this));
}

INT_PTR CALLBACK SelectionDialog::procedure(HWND dialog, UINT message, WPARAM wParam,
                                            LPARAM lParam) {
    if (message == WM_INITDIALOG) {
        auto* self = reinterpret_cast<SelectionDialog*>(lParam);
        SetWindowLongPtrA(dialog, DWLP_USER, lParam);
        self->dialog_ = dialog;
        placeOverOwner(dialog, self->width_, self->height_);
        SetFocus(self->onInit());
        return FALSE; // the focus is set
    }
    auto* self = reinterpret_cast<SelectionDialog*>(GetWindowLongPtrA(dialog, DWLP_USER));
    if (!self || message != WM_COMMAND)
        return FALSE;
    // void onCommand(int id, int code)
    self->dispatchCommand(LOWORD(wParam), HIWORD(wParam));
    return TRUE;
}

void SelectionDialog::dispatchCommand(int id, int code) {
    // The dialog manager reports Enter as IDOK when it finds no default button, Esc and the
    // close box always as IDCANCEL.
    const bool clicked = code == BN_CLICKED;
    if (clicked && (id == selectionAccept || id == IDOK))
        onAccept();
    else if (clicked && (id == selectionCancel || id == IDCANCEL)) {
        if (cancellable_)
            end(0);
    } else
        onCommand(id, code);
}

void SelectionDialog::onCommand(int, int) {}

int SelectionDialog::clientWidth() const {
    RECT client{};
    GetClientRect(dialog_, &client);
    return client.right;
}

int SelectionDialog::clientHeight() const {
    RECT client{};
    GetClientRect(dialog_, &client);
    return client.bottom;
}

HWND SelectionDialog::add(const ControlDescription& control) {
    return createControl(dialog_, control);
}

void SelectionDialog::addButtonRow(std::initializer_list<RowButton> buttons, int width,
                                   int height) {
    const int count = static_cast<int>(buttons.size());
    const int rowWidth = count * width + (count - 1) * selectionMargin;
    int x = (clientWidth() - rowWidth) / 2;
    const int y = buttonRowTop(height);
    bool first = true;
    for (const RowButton& button : buttons) {
        const DWORD kind = first ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON;
        add({"BUTTON", button.text, kind | WS_TABSTOP, {x, y, width, height}, button.id});
        if (first)
            SendMessageA(dialog_, DM_SETDEFID, static_cast<WPARAM>(button.id), 0);
        first = false;
        x += width + selectionMargin;
    }
}

int SelectionDialog::buttonRowTop(int buttonHeight) const {
    return clientHeight() - selectionMargin - buttonHeight;
}

void SelectionDialog::refuse(HWND field, const char* text, const char* caption) {
    ask(dialog_, text, caption, MB_ICONHAND | MB_TASKMODAL);
    SendMessageA(dialog_, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(field), TRUE);
}

void SelectionDialog::end(INT_PTR result) {
    EndDialog(dialog_, result);
}

} // namespace zim
