#include "shell/stock_brush_dialog.h"

#include "shell/named_list_dialog.h"
#include "shell/selection_list_rules.h"
#include "shell/selection_state.h"

namespace zim {

namespace {

const char* nullBrushRefusal(int32_t entry) {
    return isNullBrush(entry) ? "You can't select the NULL_BRUSH for background..." : nullptr;
}

} // namespace

int runStockBrushDialog(HWND owner) {
    const NamedListChoice choice{"Select new background color",
                                 200,
                                 200,
                                 stockBrushList,
                                 backgroundPosition(pendingBackgroundKind, pendingBackgroundValue,
                                                    stockBrushKind, stockBrushList.count),
                                 nullBrushRefusal};
    const int32_t entry = chooseFromNamedList(owner, choice);
    if (entry == 0)
        return 0;
    pendingBackgroundKind = stockBrushKind;
    pendingBackgroundValue = entry;
    return 1;
}

} // namespace zim
