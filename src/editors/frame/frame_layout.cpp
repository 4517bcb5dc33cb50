#include "editors/frame/frame_layout.h"

#include <algorithm>

namespace zim {

namespace {

constexpr int commandButtonHeight = 30;
constexpr int commandButtonRise = 40; // from the rectangle's bottom to the buttons' top

constexpr int pageSideInset = 5;
constexpr int pageTopInset = 10;
constexpr int pageHeightLoss = 15;

} // namespace

std::array<CommandButton, 3> commandButtons(int right, int bottom, int margin) {
    const int width = (right - 2 * margin) / 3;
    const int top = bottom - commandButtonRise;
    auto at = [&](int column) {
        return LayoutBox{margin + column * width, top, width, commandButtonHeight};
    };
    return {{{editParametersCommand, "Edit Parameters", at(0)},
             {restoreParametersCommand, "Restore Previous Parameters", at(1)},
             {saveParametersCommand, "Save Parameters Values", at(2)}}};
}

KindHeaderLayout kindHeaderLayout(int right, int bottom) {
    KindHeaderLayout layout;
    layout.frame = {10, 40, right - 20, 95};
    layout.heading = {20, 50, right - 40, 22};
    layout.radios = {
        {{40, 75, 300, 20}, {370, 75, 350, 20}, {40, 100, 330, 20}, {370, 100, 300, 20}}};
    layout.tabControl = {10, 140, right - 20, bottom - 185};
    return layout;
}

LayoutBox tabPageRectangle(int clientRight, int clientBottom, int displayTop, int displayBottom) {
    const int displayHeight = displayBottom - displayTop;
    const int top = clientBottom - displayHeight + pageTopInset;
    const int width = clientRight - 2 * pageSideInset;
    const int height = displayHeight - pageHeightLoss;
    return {pageSideInset, top, std::max(width, 0), std::max(height, 0)};
}

} // namespace zim
