#include "live/window_placement.h"

namespace zim {

namespace {

enum class Align { start, centre, end };

// Grid cells 0..8 row by row; a cell outside the grid centres the window, as cell 4 does.
Align columnOf(int32_t cell) {
    if (cell < 0 || cell > 8)
        return Align::centre;
    return static_cast<Align>(cell % 3);
}

Align rowOf(int32_t cell) {
    if (cell < 0 || cell > 8)
        return Align::centre;
    return static_cast<Align>(cell / 3);
}

// Start of a span of `length` aligned in [start, end); integer division truncates toward zero,
// so a window larger than its area is shifted by the truncated half.
int alignedStart(Align align, int start, int end, int length) {
    switch (align) {
    case Align::start:
        return start;
    case Align::centre:
        return start + (end - start - length) / 2;
    case Align::end:
        return end - length;
    }
    return start;
}

} // namespace

WindowLayoutRequest layoutRequestOf(const AppWindow& window, PixelSize firstImageBitmap) {
    WindowLayoutRequest request;
    request.placementMode = window.placementMode;
    request.placement = window.placement;
    request.x = window.x;
    request.y = window.y;
    request.sizeMode = window.sizeMode;
    request.size = {window.width, window.height};
    if (window.sizeMode == sizeOfFirstImage && firstImageBitmap.width > 0 &&
        firstImageBitmap.height > 0)
        request.size = firstImageBitmap;
    return request;
}

WindowPlacement placeWindow(const WindowLayoutRequest& request, const PixelRect& reference,
                            PixelSize frame) {
    PixelSize outer = request.size;
    if (request.sizeMode == sizeAsClientArea) {
        outer.width += frame.width;
        outer.height += frame.height;
    }

    WindowPlacement placement;
    switch (request.placementMode) {
    case placementSystemDefault:
        placement.systemDefault = true;
        placement.rect = rectAt(0, 0, outer.width, outer.height);
        break;
    case placementAtCorner:
        placement.rect = rectAt(reference.left + request.x, reference.top + request.y, outer.width,
                                outer.height);
        break;
    default: {
        const int left =
            alignedStart(columnOf(request.placement), reference.left, reference.right, outer.width);
        const int top =
            alignedStart(rowOf(request.placement), reference.top, reference.bottom, outer.height);
        placement.rect = rectAt(left, top, outer.width, outer.height);
        break;
    }
    }
    return placement;
}

PixelRect windowInReference(const PixelRect& windowRect, const PixelRect& reference) {
    return offsetRect(windowRect, -reference.left, -reference.top);
}

} // namespace zim
