#include "shell/window_base.h"

#include "shell/shell_state.h"

namespace zim {

HWND createWindow(std::unique_ptr<WindowBase> object, const WindowDescription& window) {
    const LayoutBox& box = window.box;
    return createObjectWindow(std::move(object), {window.className, window.title, window.style,
                                                  box.left, box.top, box.width, box.height,
                                                  window.parent, window.extendedStyle, hInstance});
}

} // namespace zim
