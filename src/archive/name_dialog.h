// The four modal dialogs that ask for a project name (new project, load, save, generator).
#pragma once

#include <string>

#include "archive/user_prompts.h"

namespace zim {

// Shows the dialog of this kind owned by the main window. Returns 0 when cancelled, 1 for a
// name not in the dialog's listing, k + 2 for the listing entry at 0-based position k; the
// trimmed name goes into chosenName.
int nameDialog(NameDialogKind kind, std::string& chosenName);

} // namespace zim
