#include "shell/dialog_placement.h"

#include <algorithm>

namespace zim {

namespace {

int clampedStart(int areaStart, int areaSize, int workStart, int workSize, int size) {
    const int centred = areaStart + centredOffset(areaSize, size);
    const int last = std::max(workStart, workStart + workSize - size);
    return std::clamp(centred, workStart, last);
}

} // namespace

LayoutBox dialogPlacement(const LayoutBox& over, const LayoutBox& workArea, int width, int height) {
    return {clampedStart(over.left, over.width, workArea.left, workArea.width, width),
            clampedStart(over.top, over.height, workArea.top, workArea.height, height), width,
            height};
}

} // namespace zim
