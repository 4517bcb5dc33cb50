// The base of the windows that exist more than once or carry state (the live and edit windows,
// the parameters frame). The class's window procedure is WindowBase::procedure: it finds the
// window's object and hands every message to its handleMessage.
//
// Lifetime: an object is made with new and passed to createObjectWindow. From WM_NCCREATE on it
// belongs to its window and is deleted after the window's WM_NCDESTROY, however the window
// goes (DestroyWindow, or with its parent or owner). If no window was made it is deleted at
// once. Nobody else deletes it.
#pragma once

#include <windows.h>

#include <memory>

namespace zim {

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

// The arguments of CreateWindowExA but the creation parameter, which is the object.
struct WindowCreation {
    const char* className;
    const char* title = "";
    DWORD style = 0;
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
    HWND parent = nullptr; // the parent of a child window, the owner of any other
    DWORD extendedStyle = 0;
    HINSTANCE instance = nullptr; // null: the program's module
};

// Creates the window with `object` behind it (see the lifetime above); returns the window, or
// 0 when it could not be created.
HWND createObjectWindow(std::unique_ptr<WindowBase> object, const WindowCreation& creation);

} // namespace zim
