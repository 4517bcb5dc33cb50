#include "shell/structure_tree.h"

#include <commctrl.h>

#include <vector>

#include "model/project.h"
#include "shell/shell_state.h"
#include "shell/structure_tree_items.h"

namespace zim {

namespace {

HTREEITEM insertItem(HWND tree, HTREEITEM parent, const StructureItem& item) {
    TVINSERTSTRUCTA insert = {};
    insert.hParent = parent;
    insert.hInsertAfter = TVI_LAST;
    insert.item.mask = TVIF_TEXT | TVIF_IMAGE | TVIF_SELECTEDIMAGE | TVIF_PARAM;
    insert.item.pszText = const_cast<char*>(item.text.c_str());
    insert.item.iImage = item.image;
    insert.item.iSelectedImage = item.image;
    insert.item.lParam = item.code;
    return reinterpret_cast<HTREEITEM>(
        SendMessageA(tree, TVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&insert)));
}

} // namespace

// The selection is cleared before the items go: a tree that moves the selection to the next
// item as it deletes the selected one would announce items that are about to be deleted, and
// the Edit view opens the parameters window of every item it is told is selected.
void buildStructureTree(HWND tree, int32_t selectCode) {
    SendMessageA(tree, TVM_SELECTITEM, TVGN_CARET, 0);
    SendMessageA(tree, TVM_DELETEITEM, 0, reinterpret_cast<LPARAM>(TVI_ROOT));
    const std::vector<StructureItem> items = structureTreeItems(project());
    std::vector<HTREEITEM> inserted(items.size());
    HTREEITEM chosen = nullptr;
    for (std::size_t i = 0; i < items.size(); ++i) {
        const StructureItem& item = items[i];
        inserted[i] = insertItem(tree, item.parent < 0 ? TVI_ROOT : inserted[item.parent], item);
        if (!chosen && item.code == selectCode)
            chosen = inserted[i];
    }
    if (!chosen)
        chosen = inserted.front();
    SendMessageA(tree, TVM_EXPAND, TVE_EXPAND, reinterpret_cast<LPARAM>(chosen));
    SendMessageA(tree, TVM_SELECTITEM, TVGN_CARET, reinterpret_cast<LPARAM>(chosen));
}

void prepareStructureTree(HWND tree, COLORREF background) {
    SendMessageA(tree, TVM_SETBKCOLOR, 0, static_cast<LPARAM>(background));
    SendMessageA(tree, TVM_SETIMAGELIST, TVSIL_NORMAL, reinterpret_cast<LPARAM>(treeImages));
}

} // namespace zim
