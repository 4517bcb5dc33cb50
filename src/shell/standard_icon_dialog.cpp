#include "shell/standard_icon_dialog.h"

#include "model/style_lists.h"
#include "shell/selection_list_rules.h"
#include "shell/selection_state.h"
#include "shell/standard_image_dialog.h"

namespace zim {

int runStandardIconDialog(HWND owner) {
    int32_t& target = iconTarget == 0 ? pendingIcon : pendingSmallIcon;
    const int32_t entry =
        chooseStandardImage(owner, "Select new standard icon", StandardImageKind::icon,
                            listPosition(target, standardIconList.count));
    if (entry == 0)
        return 0;
    target = entry;
    return 1;
}

} // namespace zim
