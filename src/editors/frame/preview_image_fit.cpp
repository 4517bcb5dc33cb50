#include "editors/frame/preview_image_fit.h"

#include <algorithm>

namespace zim {

namespace {

// Room kept around a scaled bitmap, in bitmap pixels.
constexpr double scaledMargin = 5.0;

} // namespace

LayoutBox previewImageBox(int bitmapWidth, int bitmapHeight, int panelWidth, int panelHeight) {
    if (bitmapWidth <= 0 || bitmapHeight <= 0)
        return {centredOffset(panelWidth, 0), centredOffset(panelHeight, 0), 0, 0};
    int width = bitmapWidth;
    int height = bitmapHeight;
    if (bitmapWidth > panelWidth || bitmapHeight > panelHeight) {
        const double scale = std::min(panelWidth / (bitmapWidth + scaledMargin),
                                      panelHeight / (bitmapHeight + scaledMargin));
        width = std::max(static_cast<int>(bitmapWidth * scale), 0);
        height = std::max(static_cast<int>(bitmapHeight * scale), 0);
    }
    return {centredOffset(panelWidth, width), centredOffset(panelHeight, height), width, height};
}

} // namespace zim
