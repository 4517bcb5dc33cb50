#include "editors/controls/control_preview_rules.h"

#include <algorithm>

#include "editors/controls/button_type_rules.h"
#include "model/style_lists.h"

namespace zim {

namespace {

constexpr uint32_t childAndVisible = 0x50000000; // WS_CHILD | WS_VISIBLE

constexpr int groupBoxMargin = 5;
constexpr int sideMargin = 10;
constexpr int previewHeight = 30;

constexpr uint32_t colourButtonFace = 15; // COLOR_BTNFACE
// What the default class brush value 2 paints: system colour 2 - 1.
constexpr uint32_t colourBackground = 1; // COLOR_BACKGROUND

uint32_t rgb(uint32_t red, uint32_t green, uint32_t blue) {
    return red | green << 8 | blue << 16;
}

// The colours of the stock brushes, in the order of the stock-brush list; the null brush
// paints nothing, so the dialog face shows through it.
PreviewColour stockBrushColour(int32_t entry) {
    using Kind = PreviewColour::Kind;
    switch (entry) {
    case 1: // BLACK_BRUSH
        return {Kind::colour, rgb(0, 0, 0)};
    case 2: // DKGRAY_BRUSH
        return {Kind::colour, rgb(64, 64, 64)};
    case 3: // GRAY_BRUSH
        return {Kind::colour, rgb(128, 128, 128)};
    case 4: // LTGRAY_BRUSH
        return {Kind::colour, rgb(192, 192, 192)};
    case 5: // NULL_BRUSH
        return {Kind::systemColour, colourButtonFace};
    default: // WHITE_BRUSH
        return {Kind::colour, rgb(255, 255, 255)};
    }
}

} // namespace

PreviewStyles buttonPreviewStyles(const ButtonControl& button) {
    return {childAndVisible | styleWord(button.buttonStyles, buttonStyleList) |
                styleWord(button.windowStyles, windowStyleList),
            styleWord(button.extendedStyles, extendedStyleList)};
}

PreviewPlace classicPreviewPlace(const ButtonControl& button, int boxWidth, int boxHeight) {
    if (isGroupBox(button))
        return {groupBoxMargin, groupBoxMargin, boxWidth - 2 * groupBoxMargin,
                boxHeight - 2 * groupBoxMargin};
    return {sideMargin, (boxHeight - previewHeight) / 2, boxWidth - 2 * sideMargin, previewHeight};
}

PreviewPlace centredPreviewPlace(int width, int height, int boxWidth, int boxHeight) {
    return {std::max(0, (boxWidth - width) / 2), std::max(0, (boxHeight - height) / 2), width,
            height};
}

int previewCheckState(const ButtonControl& button) {
    if (!isThreeStateCheckBox(button))
        return -1;
    return button.checkState == 1 || button.checkState == 2 ? button.checkState : 0;
}

PreviewColour previewBackground(int32_t backgroundKind, int32_t backgroundValue) {
    using Kind = PreviewColour::Kind;
    const ClassBrush brush = classBrush(backgroundKind, backgroundValue);
    switch (brush.type) {
    case ClassBrush::solidColour:
        return {Kind::colour, brush.value};
    case ClassBrush::systemColourPlusOne:
        return {Kind::systemColour, brush.value - 1};
    case ClassBrush::stockObject:
        return stockBrushColour(backgroundValue);
    case ClassBrush::defaultValue:
        break;
    }
    return {Kind::systemColour, colourBackground};
}

} // namespace zim
