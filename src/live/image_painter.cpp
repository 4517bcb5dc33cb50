#include "live/image_painter.h"

#include "live/image_placement.h"
#include "live/live_images.h"

namespace zim {

namespace {

void copyPart(HDC target, HDC source, const ImageCopy& copy, const ImageDrawPlan& plan) {
    const PixelRect& s = copy.source;
    const PixelRect& t = copy.target;
    if (plan.transparent)
        TransparentBlt(target, t.left, t.top, t.width(), t.height(), source, s.left, s.top,
                       s.width(), s.height(), static_cast<UINT>(plan.transparentColour));
    else
        StretchBlt(target, t.left, t.top, t.width(), t.height(), source, s.left, s.top, s.width(),
                   s.height(), SRCCOPY);
}

} // namespace

void paintImagePlan(HDC target, HDC source, const ImageDrawPlan& plan) {
    const PixelRect& c = plan.clip;
    HRGN region = CreateRectRgn(c.left, c.top, c.right, c.bottom);
    SelectClipRgn(target, region);
    const int previousMode = SetStretchBltMode(target, COLORONCOLOR);
    for (const ImageCopy& copy : plan.copies)
        copyPart(target, source, copy, plan);
    SetStretchBltMode(target, previousMode);
    if (plan.framed) {
        HBRUSH frame = CreateSolidBrush(static_cast<COLORREF>(plan.frameColour));
        FrameRgn(target, region, frame, plan.frameBorder.width, plan.frameBorder.height);
        DeleteObject(frame);
    }
    SelectClipRgn(target, nullptr);
    DeleteObject(region);
}

PixelRect paintImage(HDC target, const ImageDrawing& drawing, const PixelRect& outer,
                     bool areaAsGiven) {
    HBITMAP bitmap = loadLiveBitmap(drawing.bitmapName, imagesFromResources(drawing.fromResource));
    if (!bitmap)
        return {};
    const PixelSize size = bitmapSize(bitmap);
    ImageDrawing placed = drawing;
    if (!areaAsGiven)
        placed.drawingArea = imageAreaIn(drawing, size, outer);
    HDC source = CreateCompatibleDC(target);
    HGDIOBJ previous = SelectObject(source, bitmap);
    paintImagePlan(target, source, planImageDrawing(placed, size, outer));
    SelectObject(source, previous);
    DeleteDC(source);
    DeleteObject(bitmap);
    return placed.drawingArea;
}

} // namespace zim
