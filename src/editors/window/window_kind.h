// A window's kind: a standard window of its own registered class, or a dialog made from the
// system's dialog class. A dialog has no class of its own, so its class styles, icons and
// cursor mean nothing; it takes dialog styles and a font instead of extended styles.
#pragma once

#include <cstdint>

#include "model/project.h"

namespace zim {

enum WindowKindCode : int32_t {
    standardWindowKind = 0,
    modelessDialogKind = 1,
    modalDialogKind = 2,
};

// The pages decide by the stored kind of the window itself, not by the tree's object code,
// whose kind tells the application's type and so is the same for every window.
inline bool isDialogWindow(const AppWindow& window) {
    return window.kind != standardWindowKind;
}

} // namespace zim
