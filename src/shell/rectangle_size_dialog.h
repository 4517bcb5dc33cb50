// Asks for the width and height of a bounding rectangle that the backdrop then shows.
#pragma once

#include <windows.h>

namespace zim {

// "OK" with a valid size sets boundingRect to (0, 0, width, height), boundingRectOnScreen to
// that rectangle centred in the backdrop's client area and boundingRectShown to 1, has the
// backdrop repainted and returns 1. An invalid size is refused and the dialog stays open.
// "Cancel" changes nothing and returns 0.
int runRectangleSizeDialog(HWND owner);

} // namespace zim
