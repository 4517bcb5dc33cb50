#include "live/window_base.h"

namespace zim {

namespace {

// The object whose window is being created and has not reached WM_NCCREATE yet: until then
// createObjectWindow still owns it.
WindowBase* unattached = nullptr;

} // namespace

LRESULT CALLBACK WindowBase::procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* self = reinterpret_cast<WindowBase*>(GetWindowLongPtrA(window, GWLP_USERDATA));
    if (message == WM_NCCREATE) {
        self = static_cast<WindowBase*>(reinterpret_cast<CREATESTRUCTA*>(lParam)->lpCreateParams);
        self->window_ = window;
        SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
        if (unattached == self)
            unattached = nullptr;
    }
    // WM_GETMINMAXINFO comes before WM_NCCREATE.
    if (!self)
        return DefWindowProcA(window, message, wParam, lParam);
    const LRESULT result = self->handleMessage(message, wParam, lParam);
    if (message == WM_NCDESTROY) {
        SetWindowLongPtrA(window, GWLP_USERDATA, 0);
        delete self;
    }
    return result;
}

LRESULT WindowBase::handleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    return DefWindowProcA(window_, message, wParam, lParam);
}

HWND createObjectWindow(std::unique_ptr<WindowBase> object, const WindowCreation& creation) {
    WindowBase* const self = object.release();
    WindowBase* const outer = unattached; // a window created while another one is
    unattached = self;
    HWND handle = CreateWindowExA(
        creation.extendedStyle, creation.className, creation.title, creation.style, creation.x,
        creation.y, creation.width, creation.height, creation.parent, nullptr,
        creation.instance ? creation.instance : GetModuleHandleA(nullptr), self);
    if (unattached == self)
        delete self; // no window ever took it
    unattached = outer;
    return handle;
}

} // namespace zim
