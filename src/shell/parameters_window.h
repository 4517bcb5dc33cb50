// The parameters window: the right three quarters of the Edit view, where the pages of the
// object selected in the structure tree are shown. Its pages are not built yet, so for now it
// is an empty window of its class whose object knows which object it was opened for.
#pragma once

#include <windows.h>

namespace zim {

// The open parameters window, 0 when none is open.
extern HWND parametersWindow;

// Opens the parameters window for the editing state (currentObjectKind, currentWindow,
// currentControl) in the right three quarters of the Edit view `view`; the project is then
// unsaved (projectUnsaved 1).
HWND openParametersWindow(HWND view);

// Destroys the open parameters window, if any.
void closeParametersWindow();

} // namespace zim
