#include "editors/frame/page_base.h"

#include "shell/dialog_runner.h"
#include "shell/message_loop.h"
#include "shell/shell_state.h"

namespace zim {

namespace {

// Every page's template: a child dialog at (0, 0) that moves onto its rectangle itself.
const DialogFrame pageFrame{
    WS_CHILD | WS_VISIBLE | DS_3DLOOK | DS_SETFONT, 0, 0, 0, 100, 100, "", "Arial", 16};

// The page whose window is being created and has not reached WM_INITDIALOG yet: until then
// createPage still owns it.
PageBase* unattached = nullptr;

// A dialog procedure gives its answer to a message through DWLP_MSGRESULT.
INT_PTR answer(HWND dialog, LRESULT result) {
    SetWindowLongPtrA(dialog, DWLP_MSGRESULT, result);
    return TRUE;
}

} // namespace

PageBase* PageBase::pageOf(HWND pageWindow) {
    if (!pageWindow ||
        GetWindowLongPtrA(pageWindow, DWLP_DLGPROC) != reinterpret_cast<LONG_PTR>(&procedure))
        return nullptr;
    return reinterpret_cast<PageBase*>(GetWindowLongPtrA(pageWindow, DWLP_USER));
}

void PageBase::enableControls(bool enabled) {
    enableChildren(window_, enabled);
    onEnableControls(enabled);
}

bool PageBase::routeKeyboard(MSG& message) {
    return window_ && routeDialogKeys(window_, message);
}

void PageBase::onInitDialog(HWND dialog) {
    window_ = dialog;
    SetWindowLongPtrA(dialog, DWLP_USER, reinterpret_cast<LONG_PTR>(this));
    if (unattached == this)
        unattached = nullptr;
    MoveWindow(dialog, area_.left, area_.top, area_.width, area_.height, FALSE);
    RECT client;
    GetClientRect(dialog, &client);
    createControls(dialog, controls(client.right, client.bottom));
    onInit();
    loadControls();
}

INT_PTR CALLBACK PageBase::procedure(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_INITDIALOG) {
        reinterpret_cast<PageBase*>(lParam)->onInitDialog(dialog);
        return FALSE; // the focus stays where it is
    }
    auto* page = reinterpret_cast<PageBase*>(GetWindowLongPtrA(dialog, DWLP_USER));
    if (!page)
        return FALSE;
    switch (message) {
    case WM_COMMAND:
        // void onCommand(int id, int code, HWND control)
        page->onCommand(LOWORD(wParam), HIWORD(wParam), reinterpret_cast<HWND>(lParam));
        return TRUE;
    case WM_NOTIFY:
        // LRESULT onNotify(const NMHDR& header)
        return answer(dialog, page->onNotify(*reinterpret_cast<const NMHDR*>(lParam)));
    case WM_CTLCOLORSTATIC:
        // HBRUSH onControlColour(HDC dc, HWND control); a dialog returns the brush itself.
        return reinterpret_cast<INT_PTR>(
            page->onControlColour(reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam)));
    // A page has no default push button and cannot be closed, so an edit that passes Enter to
    // the default button or closes its dialog on Escape gives the page no stray IDOK or
    // IDCANCEL, which may be the identifiers of its own controls.
    case DM_GETDEFID:
    case WM_CLOSE:
        return answer(dialog, 0);
    case WM_NCDESTROY:
        SetWindowLongPtrA(dialog, DWLP_USER, 0);
        delete page;
        return FALSE;
    }
    return FALSE;
}

HWND createPage(std::unique_ptr<PageBase> page, HWND parent, const LayoutBox& area) {
    PageBase* const self = page.release();
    self->area_ = area;
    PageBase* const outer = unattached;
    unattached = self;
    HINSTANCE instance = hInstance ? hInstance : GetModuleHandleA(nullptr);
    HWND window = createModelessDialog(instance, parent, pageFrame, PageBase::procedure,
                                       reinterpret_cast<LPARAM>(self), 0);
    if (unattached == self)
        delete self; // no window ever took it
    unattached = outer;
    return window;
}

} // namespace zim
