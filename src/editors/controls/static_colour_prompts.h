// The colour buttons of a text static's custom scheme as the page runs them: the real colour
// menu under the button, the colour picker, the system-colour and stock-brush lists and message
// boxes, all through the question seam.
#pragma once

#include <windows.h>

#include "model/project.h"

namespace zim {

// "Select Static Control Text Color"; `anchor` is the button, `frame` the parameters window that
// owns the page's messages. Returns whether the copy changed.
bool runTextColourSelection(StaticControl& copy, HWND anchor, HWND frame);

// "Select Static Control Background Color" with the frame's colour menu opened under `anchor`.
// Returns whether the copy changed.
bool runBackgroundColourSelection(StaticControl& copy, HWND anchor, HWND frame, HMENU colourMenu);

} // namespace zim
