// The structure pane of the Edit view: the painted title "Program structure", the program
// structure tree and the "Preview" button. Selecting a tree item opens the parameters window
// for that object.
#pragma once

#include <windows.h>

#include <cstdint>

namespace zim {

enum StructurePaneControl : int {
    structureTreeId = 1,
    previewButtonId = 2,
};

LRESULT CALLBACK structurePaneProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

// Creates the pane in the left quarter of the Edit view and fills its tree, which selects the
// program item and so opens its parameters window.
HWND createStructurePane(HWND view);

// The tree of the Edit view's pane, 0 while the Edit view is not shown.
HWND structurePaneTree();

// Rebuilds the pane's tree, selecting the item of `selectCode`, once the message that asks
// for it has been handled. A page whose command changes the set of objects calls it: the
// rebuilt tree opens the selected object, which replaces the parameters window and the page,
// so the page must not be on the stack when that happens.
void rebuildStructureTreeLater(int32_t selectCode);

} // namespace zim
