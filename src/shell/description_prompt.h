// The prompt for the description of a new button or static control.
#pragma once

#include <windows.h>

#include "shell/description_rules.h"

namespace zim {

// Asks for the description of the new record (see describeNewControl) and writes it there.
// A description is required, so the prompt has no "Cancel" and returns 1 once one is given.
int runDescriptionPrompt(HWND owner, NewControlKind kind);

} // namespace zim
