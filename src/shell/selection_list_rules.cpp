#include "shell/selection_list_rules.h"

#include <cstring>

#include "model/style_lists.h"

namespace zim {

int listPosition(int32_t entry, int count) {
    return entry >= 1 && entry <= count ? entry - 1 : 0;
}

int backgroundPosition(int32_t kind, int32_t value, int32_t listKind, int count) {
    return kind == listKind ? listPosition(value, count) : 0;
}

bool isNullBrush(int32_t stockBrushEntry) {
    return stockBrushEntry >= 1 && stockBrushEntry <= stockBrushList.count &&
           std::strcmp(stockBrushList[stockBrushEntry].name, "NULL_BRUSH") == 0;
}

} // namespace zim
