// What the three edit windows share: the designed window's place and styles as an edit window
// has them, and the bookkeeping of opening and closing.
#pragma once

#include <windows.h>

#include <memory>

#include "live/pixel_geometry.h"
#include "live/window_base.h"

namespace zim {

// The styles and place of window w's edit window: the designed window's place and window
// styles as a top-level window that is shown; `framed` adds a caption and a sizing frame.
struct EditWindowFrame {
    DWORD style;
    DWORD extendedStyle;
    PixelRect rect; // screen coordinates
    bool systemDefault;
    HWND owner;
    PixelRect reference;    // the designed window's reference area
    DWORD designedStyle;    // the designed window's own styles, whose frame the sizes count
    DWORD designedExtended; //
};

EditWindowFrame editWindowFrameOf(int w, bool framed);

// The outer rectangle of a window with these styles around a client rectangle.
PixelRect outerAround(const PixelRect& client, DWORD style, DWORD extendedStyle);

// Hides the designer, registers the edit windows' class from window w's class data and creates
// the window with `object` behind it. A class that cannot be registered shows its error and
// brings the designer back; returns the window, or 0.
HWND openEditWindowWith(int w, std::unique_ptr<WindowBase> object, const EditWindowFrame& frame,
                        HWND page);

// Called by an edit window when it goes: the designer comes back and its page gets 134.
void editWindowClosed(HWND window);

} // namespace zim
