#include "live/static_text_colours.h"

#include "model/style_lists.h"

namespace zim {

namespace {

constexpr int32_t textStatic = 0;

StaticBrush backgroundBrush(int32_t kind, int32_t value) {
    using Type = StaticBrush::Type;
    const ClassBrush brush = classBrush(kind, value);
    switch (brush.type) {
    case ClassBrush::solidColour:
        return {Type::solidColour, brush.value};
    case ClassBrush::systemColourPlusOne:
        return {Type::systemColour, brush.value - 1};
    case ClassBrush::stockObject:
        return {Type::stockObject, brush.value};
    case ClassBrush::defaultValue:
        break;
    }
    return {Type::systemDefault, 0};
}

} // namespace

std::optional<StaticTextColours> staticTextColours(const StaticControl& control) {
    if (control.kind != textStatic || control.customColours == 0)
        return std::nullopt;
    return StaticTextColours{backgroundBrush(control.backgroundKind, control.backgroundValue),
                             control.opaque != 0, static_cast<uint32_t>(control.textColour)};
}

} // namespace zim
