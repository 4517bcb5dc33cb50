// The designed windows as the preview and a generated program create them: their styles, owner
// and place, and the window of kind 0 (a window of its own class), 1 (a modeless dialog) or
// 2 (a modal dialog).
#pragma once

#include <windows.h>

#include "live/pixel_geometry.h"
#include "live/window_placement.h"
#include "model/project.h"

namespace zim {

// Kind 0: the window styles; a dialog: the dialog styles with them.
DWORD designedStyleOf(const AppWindow& record);
DWORD designedExtendedStyleOf(const AppWindow& record);

// What the frame of a window with these styles adds to its client area.
PixelSize frameSizeOf(DWORD style, DWORD extendedStyle);

// The size of the bitmap of window w's first background image, read from the loaded image and
// freed again; empty when it has none or it cannot be loaded.
PixelSize firstImageBitmapSize(int w);

// The owner of window w: none when it has no owner; else its owner window's live window, or the
// wallpaper's. In the designer a design without wallpaper has its windows owned by the
// designer's frame window.
HWND designedOwnerOf(int w);

// The reference area of a window with or without that owner, in screen coordinates: the
// owner's client area, or the screen.
PixelRect referenceAreaOf(bool hasOwner, HWND owner);

// Where window w goes: its grid cell, corner or the system's choice in its reference area.
WindowPlacement designedPlacementOf(int w, DWORD style, DWORD extendedStyle,
                                    const PixelRect& reference);

// Creates and shows window w of the design. A modal dialog runs until it is closed and 0 is
// returned then; otherwise the window, or 0 when it could not be created.
HWND createDesignedWindow(int w);

} // namespace zim
