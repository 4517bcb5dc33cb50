// A list box of the names of one value list, from which one entry is chosen: the dialog of the
// system colours and of the stock brushes.
#pragma once

#include <windows.h>

#include <cstdint>

#include "model/style_lists.h"

namespace zim {

struct NamedListChoice {
    const char* caption;
    int width, height; // pixels of the dialog window
    const ValueList& list;
    int preselected; // 0-based position
    // The message that refuses an entry, or nullptr when the entry may be chosen.
    const char* (*refusal)(int32_t entry);
};

// The 1-based entry chosen with "Select", or 0 after "Cancel".
int32_t chooseFromNamedList(HWND owner, const NamedListChoice& choice);

} // namespace zim
