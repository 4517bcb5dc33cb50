// Editing variables that the open page shares with the selection dialogs: the page sets them
// before it opens a dialog and reads them after the dialog returns 1.
#pragma once

#include <cstdint>

namespace zim {

// Background being edited: kind 1 colour, 2 system colour, 3 stock brush; for kinds 2 and 3
// the value is a 1-based entry of the system-colour or stock-brush list.
extern int32_t pendingBackgroundKind;
extern int32_t pendingBackgroundValue;

// 1-based entry of the standard-cursor list.
extern int32_t pendingCursor;

// 0: the icon dialog edits pendingIcon; otherwise pendingSmallIcon. Both are 1-based entries of
// the standard-icon list.
extern int32_t iconTarget;
extern int32_t pendingIcon;
extern int32_t pendingSmallIcon;

// 1-based positions of the button and the static control selected on the window's control
// page; the description prompts write into the record at that position of currentWindow.
extern int32_t selectedButton;
extern int32_t selectedStatic;

// 1-based position of the image selected on the window's background-images page.
extern int32_t selectedImage;

} // namespace zim
