// The four popup menus of the parameters window, which the class-data pages open with
// TrackPopupMenu and whose commands they handle. They live as long as the parameters window.
#pragma once

#include <windows.h>

namespace zim {

enum FrameMenuCommand : int {
    systemColourCommand = 2001,
    customColourCommand = 2002,
    systemBrushCommand = 2003,
    standardIconCommand = 104,
    customIconCommand = 105,
    noIconCommand = 106,
    standardSmallIconCommand = 304,
    customSmallIconCommand = 305,
    standardCursorCommand = 107,
    customCursorCommand = 108,
    noCursorCommand = 109,
};

struct FrameMenus {
    HMENU colour = nullptr;
    HMENU icon = nullptr;
    HMENU smallIcon = nullptr;
    HMENU cursor = nullptr;
};

FrameMenus createFrameMenus();
// Destroys the menus and forgets them.
void destroyFrameMenus(FrameMenus& menus);

} // namespace zim
