// The designer's part in the live windows: while a preview or an edit window is shown, the main
// window is disabled and hidden and the switching window shown; the designed windows are owned
// by the backdrop, which also hears of a preview's end (command 111, on which it unregisters
// the preview's classes); every message goes through the program's one question seam.
#pragma once

namespace zim {

// Installs the designer's host for the live windows.
void installDesignerLiveHost();

} // namespace zim
