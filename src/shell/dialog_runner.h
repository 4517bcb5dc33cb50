// The shell's dialogs: run from in-memory templates as every dialog is, and placed over their
// owner.
#pragma once

#include <windows.h>

#include "live/dialog_runner.h"

namespace zim {

// Sizes a dialog in pixels and places it over its owner (see dialogPlacement): centred over a
// visible owner, else over the work area, and always wholly inside the work area.
void placeOverOwner(HWND dialog, int width, int height);

} // namespace zim
