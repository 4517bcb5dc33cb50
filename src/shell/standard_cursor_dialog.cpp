#include "shell/standard_cursor_dialog.h"

#include "model/style_lists.h"
#include "shell/selection_list_rules.h"
#include "shell/selection_state.h"
#include "shell/standard_image_dialog.h"

namespace zim {

int runStandardCursorDialog(HWND owner) {
    const int32_t entry =
        chooseStandardImage(owner, "Select new standard cursor", StandardImageKind::cursor,
                            listPosition(pendingCursor, standardCursorList.count));
    if (entry == 0)
        return 0;
    pendingCursor = entry;
    return 1;
}

} // namespace zim
