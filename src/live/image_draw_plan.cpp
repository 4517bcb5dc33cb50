#include "live/image_draw_plan.h"

#include <algorithm>

namespace zim {

namespace {

enum class Align { start, centre, end };

struct Position {
    Align horizontal;
    Align vertical;
};

Position positionOfFill(int32_t fill) {
    switch (fill) {
    case fillTopLeft:
        return {Align::start, Align::start};
    case fillTopCentre:
        return {Align::centre, Align::start};
    case fillTopRight:
        return {Align::end, Align::start};
    case fillMiddleRight:
        return {Align::end, Align::centre};
    case fillBottomRight:
        return {Align::end, Align::end};
    case fillBottomCentre:
        return {Align::centre, Align::end};
    case fillBottomLeft:
        return {Align::start, Align::end};
    case fillMiddleLeft:
        return {Align::start, Align::centre};
    default:
        return {Align::centre, Align::centre};
    }
}

// One direction of an unscaled copy: where it starts in the bitmap and in the target, and
// its length.
struct Span {
    int source;
    int target;
    int length;
};

// A bitmap that fits is moved into the area by the free space; one that does not is cut by
// its excess, from the end for a start position, from the start for an end position, by the
// truncated half from the start when centred.
int shareOf(Align align, int space) {
    switch (align) {
    case Align::start:
        return 0;
    case Align::centre:
        return space / 2;
    case Align::end:
        return space;
    }
    return 0;
}

Span alignedSpan(Align align, int bitmapLength, int areaStart, int areaLength) {
    if (bitmapLength <= areaLength)
        return {0, areaStart + shareOf(align, areaLength - bitmapLength), bitmapLength};
    return {shareOf(align, bitmapLength - areaLength), areaStart, areaLength};
}

ImageCopy placedCopy(int32_t fill, PixelSize bitmap, const PixelRect& area) {
    const Position position = positionOfFill(fill);
    const Span x = alignedSpan(position.horizontal, bitmap.width, area.left, area.width());
    const Span y = alignedSpan(position.vertical, bitmap.height, area.top, area.height());
    return {rectAt(x.source, y.source, x.length, y.length),
            rectAt(x.target, y.target, x.length, y.length)};
}

bool hasPixels(PixelSize size) {
    return size.width > 0 && size.height > 0;
}

} // namespace

std::vector<ImageCopy> tileImage(PixelSize bitmap, const PixelRect& area,
                                 const PixelRect& surface) {
    std::vector<ImageCopy> copies;
    const PixelRect visible = intersection(area, surface);
    if (!hasPixels(bitmap) || visible.empty())
        return copies;
    // Tiles are counted from the area's top left even when the surface shows only part of it.
    const int firstLeft = area.left + (visible.left - area.left) / bitmap.width * bitmap.width;
    const int firstTop = area.top + (visible.top - area.top) / bitmap.height * bitmap.height;
    for (long long top = firstTop; top < visible.bottom; top += bitmap.height) {
        const int y = static_cast<int>(top);
        const int height = std::min(bitmap.height, area.bottom - y);
        for (long long left = firstLeft; left < visible.right; left += bitmap.width) {
            const int x = static_cast<int>(left);
            const int width = std::min(bitmap.width, area.right - x);
            copies.push_back({rectAt(0, 0, width, height), rectAt(x, y, width, height)});
        }
    }
    return copies;
}

ImageDrawPlan planImageDrawing(const ImageDrawing& drawing, PixelSize bitmap,
                               const PixelRect& surface) {
    const PixelRect& area = drawing.drawingArea;
    ImageDrawPlan plan;
    plan.clip = inflateRect(area, 1);
    plan.transparent = drawing.transparent;
    plan.transparentColour = drawing.transparentColour;
    plan.framed = drawing.framed;
    plan.frameColour = drawing.frameColour;
    plan.frameBorder = drawing.frameBorder;

    if (!hasPixels(bitmap) || area.empty())
        return plan;
    switch (drawing.fill) {
    case fillTiled:
        plan.copies = tileImage(bitmap, area, surface);
        break;
    case fillStretched:
        plan.copies.push_back({rectAt(0, 0, bitmap.width, bitmap.height), area});
        break;
    default:
        plan.copies.push_back(placedCopy(drawing.fill, bitmap, area));
        break;
    }
    return plan;
}

} // namespace zim
