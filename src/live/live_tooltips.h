// The tooltips of a live window: one tooltip control, pale yellow and at most 222 pixels wide,
// with one tool per control that shows its description.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "model/project.h"

namespace zim {

struct ControlTool {
    HWND control;
    std::string text;
};

// Whether a control shows its description as a tooltip: when its option is set, except for a
// group box and a simple-graphics static, which take no part in the user's work.
bool showsTooltip(const ButtonControl& record);
bool showsTooltip(const StaticControl& record);

// The tooltip control of `window` with the tools, or 0 when there are none. It is owned by the
// window and goes with it.
HWND createLiveTooltips(HWND window, const std::vector<ControlTool>& tools);

} // namespace zim
