// The window classes of the live windows, made from the design's class data: one class per
// designed window of the preview (every name unique), one for the edit windows and one for the
// wallpaper. A class owns the brush it was given when that brush was made from a colour, and
// the cursor and icons it loaded from files; unregistering it frees them.
#pragma once

#include <windows.h>

#include <string>

#include "model/project.h"

namespace zim {

constexpr const char* wallpaperClassName = "ZIM_Wallpaper Window Class";
constexpr const char* editWindowClassName = "ZIM_Window000 Class";

// The preview's class of window `w`: "ZIM_Window001 Class" for window 1.
std::string designedClassName(int w);

// Registers the class `name` from window `w`'s class data (class styles, background brush,
// cursor, icon and small icon), or from the wallpaper's; returns false when the system refuses
// it (the name is taken). What was loaded for a refused class is freed at once.
bool registerDesignedClass(const std::string& name, int w, WNDPROC procedure);
bool registerWallpaperClass(const Wallpaper& wallpaper, WNDPROC procedure);

// Unregisters a class registered here and frees what it owns. A class that is still in use by
// a window, or was not registered here, is left alone; returns whether it went.
bool unregisterLiveClass(const std::string& name);

bool liveClassRegistered(const std::string& name);

// The background brush of a registered class (a brush, or a system colour number + 1).
HBRUSH liveClassBrush(const std::string& name);

} // namespace zim
