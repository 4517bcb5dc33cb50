// An extended combo box of the system's standard cursors or icons, each shown with its image
// and its name, from which one is chosen.
#pragma once

#include <windows.h>

#include <cstdint>

namespace zim {

enum class StandardImageKind { cursor, icon };

// The 1-based entry chosen with "Select", or 0 after "Cancel". `preselected` is 0-based.
int32_t chooseStandardImage(HWND owner, const char* caption, StandardImageKind kind,
                            int preselected);

} // namespace zim
