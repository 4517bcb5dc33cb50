#include "live/button_subclass.h"

#include <windowsx.h>

namespace zim {

namespace {

HANDLE propertyValue(INT_PTR value) {
    return reinterpret_cast<HANDLE>(value);
}

bool isMouseInput(UINT message) {
    return message == WM_MOUSEMOVE || message == WM_LBUTTONDOWN || message == WM_LBUTTONUP ||
           message == WM_LBUTTONDBLCLK;
}

LRESULT CALLBACK canvasHandler(HWND button, UINT message, WPARAM wParam, LPARAM lParam) {
    const auto old = reinterpret_cast<WNDPROC>(GetPropA(button, oldProcedureProperty));
    if (isMouseInput(message)) {
        HWND parent = GetParent(button);
        POINT p{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
        MapWindowPoints(button, parent, &p, 1);
        return SendMessageA(parent, message, wParam, MAKELPARAM(p.x, p.y));
    }
    if (message == WM_NCDESTROY) {
        SetWindowLongPtrA(button, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(old));
        RemovePropA(button, controlTypeProperty);
        RemovePropA(button, controlNumberProperty);
        RemovePropA(button, parentWindowProperty);
        RemovePropA(button, oldProcedureProperty);
    }
    return CallWindowProcA(old, button, message, wParam, lParam);
}

} // namespace

void subclassButton(HWND button, int w, int b) {
    const LONG_PTR old = GetWindowLongPtrA(button, GWLP_WNDPROC);
    SetPropA(button, controlTypeProperty, propertyValue(buttonControlType));
    SetPropA(button, controlNumberProperty, propertyValue(b));
    SetPropA(button, parentWindowProperty, propertyValue(w));
    SetPropA(button, oldProcedureProperty, reinterpret_cast<HANDLE>(old));
    SetWindowLongPtrA(button, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(canvasHandler));
}

} // namespace zim
