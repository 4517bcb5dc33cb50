// The list of system colours offered for a background.
#pragma once

#include <windows.h>

namespace zim {

// Preselects pendingBackgroundValue when pendingBackgroundKind is a system colour, else the
// first colour. "Select" sets the kind to system colour and the value to the chosen entry and
// returns 1; "Cancel" changes nothing and returns 0.
int runSystemColourDialog(HWND owner);

} // namespace zim
