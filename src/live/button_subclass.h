// The canvas handler on the live buttons of an edit window: each button carries four window
// properties that name it ("ControlType" 1 for a button, "ControlNumber", "ParentWindow" the
// window number, "OldProcedure" its own procedure), and the mouse input it receives goes to the
// edit window in the edit window's coordinates, so the edit window sees the mouse wherever it
// is. Every other message goes on to the button's own procedure; the properties are removed
// when the button is destroyed.
#pragma once

#include <windows.h>

namespace zim {

constexpr const char* controlTypeProperty = "ControlType";
constexpr const char* controlNumberProperty = "ControlNumber";
constexpr const char* parentWindowProperty = "ParentWindow";
constexpr const char* oldProcedureProperty = "OldProcedure";
constexpr int buttonControlType = 1;

// Installs the handler on `button`, button number `b` of window `w`.
void subclassButton(HWND button, int w, int b);

} // namespace zim
