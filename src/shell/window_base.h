// The shell's windows on the window base: placed by a layout box of the shell's layouts.
#pragma once

#include <windows.h>

#include <memory>

#include "live/window_base.h"
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

// Creates the window with `object` behind it in the program's module (see the lifetime of
// WindowBase); returns the window, or 0 when it could not be created.
HWND createWindow(std::unique_ptr<WindowBase> object, const WindowDescription& window);

} // namespace zim
