// Shows a message that a page's rule returned, through the question seam, owned by the
// parameters window when the rule says so.
#pragma once

#include <windows.h>

#include "editors/frame/page_message.h"
#include "shell/user_questions.h"

namespace zim {

// Returns the answer (IDYES, IDNO, ...).
inline int showPageMessage(HWND parametersWindow, const PageMessage& message) {
    HWND owner = message.owner == MessageOwner::parametersWindow ? parametersWindow : nullptr;
    return ask(owner, message.text, message.caption, message.flags);
}

} // namespace zim
