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

} // namespace zim
