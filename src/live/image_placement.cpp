#include "live/image_placement.h"

namespace zim {

PixelRect placeImage(int32_t mode, const PixelRect& area, const PixelRect& outer, int dx, int dy) {
    const int w = area.width();
    const int h = area.height();
    const int centredLeft = (outer.width() - w) / 2;
    const int centredTop = (outer.height() - h) / 2;
    const int rightAligned = outer.right - w;
    const int bottomAligned = outer.bottom - h;

    switch (mode) {
    case placeWholeArea:
        return outer;
    case placeCentred:
        return rectAt(centredLeft, centredTop, w, h);
    case placeTopLeft:
        return rectAt(0, 0, w, h);
    case placeTopCentre:
        return rectAt(centredLeft, 0, w, h);
    case placeTopRight:
        return rectAt(rightAligned, outer.top, w, h);
    case placeMiddleRight:
        return rectAt(rightAligned, outer.top + centredTop, w, h);
    case placeBottomRight:
        return rectAt(rightAligned, bottomAligned, w, h);
    case placeBottomCentre:
        return rectAt(centredLeft, bottomAligned, w, h);
    case placeBottomLeft:
        return rectAt(0, bottomAligned, w, h);
    case placeMiddleLeft:
        return rectAt(0, centredTop, w, h);
    case placeMoved:
        return offsetRect(area, dx, dy);
    default:
        return area;
    }
}

PixelRect imageAreaIn(const ImageDrawing& drawing, PixelSize bitmap, const PixelRect& outer) {
    const PixelSize size = drawing.useImageSize ? bitmap : drawing.areaSize;
    const PixelRect atOrigin = rectAt(0, 0, size.width, size.height);
    if (drawing.placement == placeMoved)
        return placeImage(placeMoved, atOrigin, outer, drawing.corner.x, drawing.corner.y);
    return placeImage(drawing.placement, atOrigin, outer, 0, 0);
}

} // namespace zim
