// The edit windows, through which the editors place and size things with the mouse and the
// keyboard on a working copy: a button or static control, a background image's drawing area, or
// the window itself. An edit window shows the designed window with its background and its
// (disabled) controls, the working copy's record in place of the Project's; the designer's
// main window goes while it is open. Closing it posts WM_COMMAND 134 to the editor page that
// opened it, which then reads the working copy and calls releaseEditWindowClass. One edit
// window is open at a time.
#pragma once

#include <windows.h>

#include "live/edit_geometry.h"
#include "live/pixel_geometry.h"
#include "model/project.h"

namespace zim {

// The command an edit window posts to its page when it closes.
constexpr int editWindowClosedCommand = 134;

// Text of the message shown when the edit window's class cannot be registered.
constexpr const char* editClassError = "Error while registering edit window class";

// Opens the control edit window of window w for button b; the button's x, y, width and height
// in `workCopy` change as it is moved and sized.
bool openButtonEditWindow(int w, int b, ButtonControl& workCopy, HWND page);

// The same for static s, as a static (EditTarget::staticControl) or a horizontal or vertical
// line (EditTarget::horizontalLine, EditTarget::verticalLine).
bool openStaticEditWindow(int w, int s, EditTarget target, StaticControl& workCopy, HWND page);

// Opens the background-image edit window of window w for image i: the image is drawn from
// `workCopy`, whose drawing area is set to where the image stands now and then changes as it is
// moved and sized.
bool openImageEditWindow(int w, int i, BackgroundImage& workCopy, HWND page);

// Opens the window position edit window of window w: the window itself, moved and sized with its
// frame. `chosen` follows it: the left and top of the designed window in its reference area (the
// screen, or its owner's client area) and its outer size, as the designed window's own frame
// would have it.
bool openPositionEditWindow(int w, PixelRect& chosen, HWND page);

// The open edit window, 0 when none is open.
HWND editWindow();

// Closes the open edit window (its page gets 134 as for any closing).
void closeEditWindow();

// Unregisters the edit windows' class and frees its brush (when made from a colour), cursor and
// icons; the page calls it once it has what it wanted. Nothing happens while one is open.
void releaseEditWindowClass();

} // namespace zim
