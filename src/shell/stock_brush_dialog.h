// The list of stock brushes offered for a background.
#pragma once

#include <windows.h>

namespace zim {

// Preselects pendingBackgroundValue when pendingBackgroundKind is a stock brush, else the
// first brush. "Select" refuses NULL_BRUSH; any other brush sets the kind to stock brush and
// the value to the chosen entry and returns 1. "Cancel" changes nothing and returns 0.
int runStockBrushDialog(HWND owner);

} // namespace zim
