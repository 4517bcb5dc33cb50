#include "shell/control_toolkit.h"

#include "shell/shell_state.h"

namespace zim {

namespace {

HFONT fontFor(ControlFont font) {
    switch (font) {
    case ControlFont::none:
        break;
    case ControlFont::control:
        return fontControl;
    case ControlFont::labelBold:
        return fontLabelBold;
    case ControlFont::heading:
        return fontHeading;
    case ControlFont::headingBold:
        return fontHeadingBold;
    case ControlFont::titleBold:
        return fontTitleBold;
    case ControlFont::banner:
        return fontBanner;
    case ControlFont::impact:
        return fontImpact;
    }
    return nullptr;
}

// Dialogs are also run by tests that never start the shell, before hInstance is known.
HINSTANCE programInstance() {
    return hInstance ? hInstance : GetModuleHandleA(nullptr);
}

} // namespace

HWND createControl(HWND parent, const ControlDescription& control) {
    const LayoutBox& box = control.box;
    HWND window = CreateWindowExA(
        control.extendedStyle, control.className, control.text,
        WS_CHILD | WS_VISIBLE | control.style, box.left, box.top, box.width, box.height, parent,
        reinterpret_cast<HMENU>(static_cast<INT_PTR>(control.id)), programInstance(), nullptr);
    if (window && control.font != ControlFont::none)
        SendMessageA(window, WM_SETFONT, reinterpret_cast<WPARAM>(fontFor(control.font)), FALSE);
    return window;
}

std::vector<HWND> createControls(HWND parent, const std::vector<ControlDescription>& controls) {
    std::vector<HWND> windows;
    windows.reserve(controls.size());
    for (const ControlDescription& control : controls)
        windows.push_back(createControl(parent, control));
    return windows;
}

std::string textOf(HWND control) {
    std::string text(static_cast<std::size_t>(GetWindowTextLengthA(control)) + 1, '\0');
    text.resize(static_cast<std::size_t>(
        GetWindowTextA(control, text.data(), static_cast<int>(text.size()))));
    return text;
}

std::string textOf(HWND parent, int id) {
    return textOf(GetDlgItem(parent, id));
}

void setText(HWND parent, int id, const std::string& text) {
    SetWindowTextA(GetDlgItem(parent, id), text.c_str());
}

bool isChecked(HWND parent, int id) {
    return SendMessageA(GetDlgItem(parent, id), BM_GETCHECK, 0, 0) == BST_CHECKED;
}

void setChecked(HWND parent, int id, bool checked) {
    SendMessageA(GetDlgItem(parent, id), BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
}

void enable(HWND parent, std::initializer_list<int> ids, bool enabled) {
    for (int id : ids)
        EnableWindow(GetDlgItem(parent, id), enabled);
}

void enableChildren(HWND parent, bool enabled) {
    EnumChildWindows(
        parent,
        [](HWND child, LPARAM on) -> BOOL {
            EnableWindow(child, static_cast<BOOL>(on));
            return TRUE;
        },
        enabled);
}

} // namespace zim
