// The prompts for the description of a new button or static control and for the title of a
// new window.
#pragma once

#include <windows.h>

#include <string>

#include "shell/description_rules.h"

namespace zim {

// Asks for the description of the new record (see describeNewControl) and writes it there.
// A description is required, so the prompt has no "Cancel" and returns 1 once one is given.
int runDescriptionPrompt(HWND owner, NewControlKind kind);

// Asks for the title of a new window, at most as long as a window's title field holds. A title
// is required as a description is, so the prompt returns once one is given.
std::string runWindowTitlePrompt(HWND owner);

} // namespace zim
