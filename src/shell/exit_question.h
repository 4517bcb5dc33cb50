// The one question every way out of the program asks while the open project is unsaved: the
// main window's close, the backdrop's close (Alt+F4, the taskbar) and the end of the session.
#pragma once

namespace zim {

// Asks "save before exiting?" when projectUnsaved is 1 and returns true when the user answers
// YES: the exit is then cancelled so that the user can save from the File view. Once the main
// window is gone its own close has already asked, so nothing is asked again.
bool exitIsCancelled();

} // namespace zim
