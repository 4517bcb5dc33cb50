#include "shell/system_colour_dialog.h"

#include "shell/named_list_dialog.h"
#include "shell/selection_list_rules.h"
#include "shell/selection_state.h"

namespace zim {

int runSystemColourDialog(HWND owner) {
    const NamedListChoice choice{"Select new background color",
                                 300,
                                 400,
                                 systemColourList,
                                 backgroundPosition(pendingBackgroundKind, pendingBackgroundValue,
                                                    systemColourKind, systemColourList.count),
                                 nullptr};
    const int32_t entry = chooseFromNamedList(owner, choice);
    if (entry == 0)
        return 0;
    pendingBackgroundKind = systemColourKind;
    pendingBackgroundValue = entry;
    return 1;
}

} // namespace zim
