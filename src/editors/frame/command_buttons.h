// The three command buttons every editing page or kind header shows along its bottom:
// "Edit Parameters" (15), "Restore Previous Parameters" (16) and "Save Parameters Values" (17).
#pragma once

#include <windows.h>

#include "editors/frame/editing_session.h"

namespace zim {

// Creates the buttons in `parent` along the bottom of `rect` (the parent's client rectangle),
// `margin` from its sides.
void CreateCommandButtons(HWND parent, const RECT& rect, int margin);

// Enables the buttons of `parent` as the session's enabling says.
void enableCommandButtons(HWND parent, const FrameEnabling& enabling);

// View state: "Edit Parameters" enabled, the other two disabled.
void SetViewState(HWND parent);

} // namespace zim
