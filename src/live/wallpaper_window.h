// The wallpaper of the designed application: a full-screen window behind all its windows, with
// its background and image drawn once, whose timer opens window 1 and, once window 1 is gone,
// closes the wallpaper and so ends the preview.
#pragma once

#include <windows.h>

#include "model/project.h"

namespace zim {

constexpr UINT_PTR wallpaperTimer = 1;

// Creates the wallpaper window on the wallpaper's class from a copy of the record and shows it
// (animated when the record says so); returns it, or 0 when it could not be created.
HWND createWallpaperWindow(const Wallpaper& wallpaper);

} // namespace zim
