// The view dialog: the modeless dialog inside the main window that shows the current view.
#pragma once

#include <windows.h>

namespace zim {

// Replaces the view dialog with a new one that shows view 1 (File), 2 (Edit) or 3 (About). A
// view that cannot be created is reported as a critical error.
void switchView(int view);

// Gives the keyboard focus to the first control of the shown view: the Edit view's tree, or the
// first control that takes it with Tab.
void focusCurrentView();

} // namespace zim
