// The base of the program's windows that exist more than once or carry state (the parameters
// frame; the live and edit windows). The class's window procedure is WindowBase::procedure: it
// finds the window's object and hands every message to its handleMessage.
//
// Lifetime: an object is made with new and passed to createWindow. From WM_NCCREATE on it
// belongs to its window and is deleted after the window's WM_NCDESTROY, however the window
// goes (DestroyWindow, or with its parent). If no window was made it is deleted at once.
// Nobody else deletes it.
#pragma once

#include <windows.h>

#include <memory>

#include "shell/layout_box.h"

namespace zim {

// The window to create: its class (registered with WindowBase::procedure), title, styles,
// place in the parent's client area (or on the screen) and parent or owner.
struct WindowDescription {
    const char* className;
    const char* title = "";
    DWORD style = 0;
    LayoutBox box{};
    HWND parent = nullptr;
    DWORD extendedStyle = 0;
};

class WindowBase {
  public:
    virtual ~WindowBase() = default;
    WindowBase(const WindowBase&) = delete;
    WindowBase& operator=(const WindowBase&) = delete;

    // The window procedure of every class whose windows have an object.
    static LRESULT CALLBACK procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

    // The window; 0 before WM_NCCREATE.
    HWND window() const { return window_; }

  protected:
    WindowBase() = default;

    // Every message from WM_NCCREATE to WM_NCDESTROY. Overrides decode what they handle and
    // end with WindowBase::handleMessage, which is DefWindowProcA.
    virtual LRESULT handleMessage(UINT message, WPARAM wParam, LPARAM lParam);

  private:
    HWND window_ = nullptr;
};

// Creates the window with `object` behind it (see the lifetime above); returns the window, or
// 0 when it could not be created.
HWND createWindow(std::unique_ptr<WindowBase> object, const WindowDescription& window);

} // namespace zim
