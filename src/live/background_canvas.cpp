#include "live/background_canvas.h"

namespace zim {

void BackgroundCanvas::prepare(HWND window, PixelSize size, HBRUSH brush) {
    release();
    HDC windowDc = GetDC(window);
    dc_ = CreateCompatibleDC(windowDc);
    bitmap_ = CreateCompatibleBitmap(windowDc, size.width, size.height);
    ReleaseDC(window, windowDc);
    previousBitmap_ = SelectObject(dc_, bitmap_);
    size_ = size;
    const RECT all{0, 0, size.width, size.height};
    FillRect(dc_, &all, brush);
}

void BackgroundCanvas::copyTo(HDC target, const RECT& area) const {
    if (dc_)
        BitBlt(target, area.left, area.top, area.right - area.left, area.bottom - area.top, dc_,
               area.left, area.top, SRCCOPY);
}

void BackgroundCanvas::release() {
    if (dc_) {
        SelectObject(dc_, previousBitmap_);
        DeleteDC(dc_);
    }
    if (bitmap_)
        DeleteObject(bitmap_);
    dc_ = nullptr;
    bitmap_ = nullptr;
    previousBitmap_ = nullptr;
    size_ = {};
}

} // namespace zim
