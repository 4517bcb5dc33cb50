// The program's one message loop. Keyboard messages go first to the open parameter page (the
// parameters window sets a filter for it), then to the view dialog, so that Tab and the arrow
// keys move between controls as in any dialog.
#pragma once

#include <windows.h>

namespace zim {

// Returns true when it handled the message (typically with IsDialogMessageA for the open
// parameter page and the frame's object-kind page).
using DialogMessageFilter = bool (*)(MSG& message);

// Installs the parameter pages' filter; nullptr removes it.
void setParameterPageFilter(DialogMessageFilter filter);

// Gives the message to the dialogs that take keyboard input; returns whether one handled it.
bool routeDialogMessage(MSG& message);

// The keyboard of one modeless dialog (a view or a parameter page): Tab, the arrows and the
// mnemonics move as in any dialog; Enter presses the focused push button and nothing else, and
// Escape is left to the focused control: neither becomes the dialog manager's IDOK or
// IDCANCEL. Returns whether the dialog took the message; messages for other windows are left.
bool routeDialogKeys(HWND dialog, MSG& message);

// Handles one message as the loop does: routed to the dialogs, otherwise translated and
// dispatched.
void processMessage(MSG& message);

// Runs until WM_QUIT; returns its exit code.
int runMessageLoop();

} // namespace zim
