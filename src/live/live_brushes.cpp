#include "live/live_brushes.h"

#include "model/style_lists.h"

namespace zim {

LiveBrush classBrushOf(int32_t kind, int32_t value) {
    const ClassBrush brush = classBrush(kind, value);
    switch (brush.type) {
    case ClassBrush::solidColour:
        return {CreateSolidBrush(brush.value), true};
    case ClassBrush::stockObject:
        return {static_cast<HBRUSH>(GetStockObject(static_cast<int>(brush.value))), false};
    default:
        return {reinterpret_cast<HBRUSH>(static_cast<INT_PTR>(brush.value)), false};
    }
}

LiveBrush drawingBrushOf(int32_t kind, int32_t value) {
    const ClassBrush brush = classBrush(kind, value);
    if (brush.type == ClassBrush::systemColourPlusOne)
        return {GetSysColorBrush(static_cast<int>(brush.value) - 1), false};
    if (brush.type == ClassBrush::defaultValue)
        return {}; // no brush: the control keeps the system's colours
    return classBrushOf(kind, value);
}

void releaseBrush(LiveBrush& brush) {
    if (brush.owned && brush.handle)
        DeleteObject(brush.handle);
    brush = {};
}

} // namespace zim
