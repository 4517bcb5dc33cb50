#include "shell/shell_animation.h"

#include "shell/dialog_runner.h"

namespace zim {

bool animateShellWindows = true;

void showShellWindow(HWND window) {
    // A window the system cannot animate is still shown.
    if (animateShellWindows && AnimateWindow(window, shellAnimationTime, animateFlags))
        return;
    ShowWindow(window, SW_SHOW);
    UpdateWindow(window);
}

} // namespace zim
