// The live windows of the designed application: a window of kind 0 on its own class, and the
// modeless and modal dialogs. Each draws its background once, creates its controls with their
// tooltips, colours its static controls, does its buttons' actions and, when it goes, frees what
// it made and tells the preview (closing window 1 ends the preview).
#pragma once

#include <windows.h>

#include <string>

#include "live/dialog_runner.h"
#include "live/window_placement.h"

namespace zim {

// Property on a designed window and on a designed dialog: its window number.
constexpr const char* windowProperty = "Window";
constexpr const char* dialogProperty = "Dialog";

// Creates window w of kind 0 on the class `className` at `place`, owned by `owner`, and shows
// it: animated for `animation` milliseconds when that is not 0.
HWND createPreviewWindow(int w, const std::string& className, DWORD style, DWORD extendedStyle,
                         const WindowPlacement& place, HWND owner, DWORD animation);

// Creates window w as a modeless dialog from `frame` and moves it to `place`.
HWND createPreviewDialog(int w, const DialogFrame& frame, HWND owner, const WindowPlacement& place,
                         DWORD animation);

// Runs window w as a modal dialog until it is closed.
void runPreviewDialog(int w, const DialogFrame& frame, HWND owner, const WindowPlacement& place);

} // namespace zim
