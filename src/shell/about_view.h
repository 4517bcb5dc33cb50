// The About view: the start picture "ABOUT", centred in the view.
#pragma once

#include <windows.h>

namespace zim {

// Creates the picture as a child of the view dialog and centres it; returns the picture.
HWND buildAboutView(HWND view);

} // namespace zim
