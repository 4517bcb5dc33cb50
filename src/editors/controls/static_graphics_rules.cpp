#include "editors/controls/static_graphics_rules.h"

#include "editors/controls/control_style_entries.h"
#include "model/style_lists.h"

namespace zim {

namespace {

struct GraphicsType {
    int radioId;
    const char* text;
    const char* style;
};

constexpr GraphicsType graphicsTypes[] = {
    {blackFrameRadio, " Frame with the color as the window frames", "SS_BLACKFRAME"},
    {blackRectRadio, " Rectangle filled with window frame color", "SS_BLACKRECT"},
    {etchedFrameRadio, " Etched frame", "SS_ETCHEDFRAME"},
    {etchedHorzRadio, " Etched horizontal line", "SS_ETCHEDHORZ"},
    {etchedVertRadio, " Etched vertical line", "SS_ETCHEDVERT"},
    {grayFrameRadio, " Frame drawn with screen background color", "SS_GRAYFRAME"},
    {grayRectRadio, " Rectangle filled with screen background color", "SS_GRAYRECT"},
    {whiteFrameRadio, " Frame drawn with the window background color", "SS_WHITEFRAME"},
    {whiteRectRadio, " Rectangle filled with window background color", "SS_WHITERECT"},
};

// The type bits of a static style word (SS_TYPEMASK) and the two line types among them.
constexpr uint32_t typeMask = 0x1F;
constexpr uint32_t etchedHorizontal = 0x10;
constexpr uint32_t etchedVertical = 0x11;

bool isTypeValue(uint32_t value) {
    return (value & ~typeMask) == 0;
}

const GraphicsType* typeOfRadio(int radioId) {
    for (const GraphicsType& type : graphicsTypes)
        if (type.radioId == radioId)
            return &type;
    return nullptr;
}

} // namespace

std::array<ChoiceRadio, 9> graphicsTypeRadios(const StaticControl& copy) {
    std::array<ChoiceRadio, 9> radios{};
    for (std::size_t i = 0; i < radios.size(); ++i) {
        const GraphicsType& type = graphicsTypes[i];
        radios[i] = {type.radioId, type.text, hasStaticStyle(copy, type.style), true};
    }
    return radios;
}

bool chooseGraphicsType(StaticControl& copy, int radioId) {
    const GraphicsType* chosen = typeOfRadio(radioId);
    if (!chosen)
        return false;
    const int chosenEntry = styleEntry(staticStyleList, chosen->style);
    bool changed = false;
    for (int k = 1; k <= staticStyleList.count; ++k) {
        if (!isTypeValue(staticStyleList[k].value))
            continue;
        const int32_t wanted = k == chosenEntry ? 1 : 0;
        changed = changed || copy.staticStyles[k - 1] != wanted;
        copy.staticStyles[k - 1] = wanted;
    }
    return changed;
}

EditTarget staticEditTarget(const StaticControl& control) {
    switch (styleWord(control.staticStyles, staticStyleList) & typeMask) {
    case etchedHorizontal:
        return EditTarget::horizontalLine;
    case etchedVertical:
        return EditTarget::verticalLine;
    default:
        return EditTarget::staticControl;
    }
}

} // namespace zim
