// A window's background drawn once into a memory bitmap and copied to the window whenever it
// paints, so images are loaded and drawn once, not on every paint.
#pragma once

#include <windows.h>

#include "live/pixel_geometry.h"

namespace zim {

class BackgroundCanvas {
  public:
    BackgroundCanvas() = default;
    ~BackgroundCanvas() { release(); }
    BackgroundCanvas(const BackgroundCanvas&) = delete;
    BackgroundCanvas& operator=(const BackgroundCanvas&) = delete;

    // A memory context of `size`, compatible with the window, filled with `brush` (a brush or
    // a system colour number + 1). What was there before is freed.
    void prepare(HWND window, PixelSize size, HBRUSH brush);
    // Where the background is drawn; 0 before prepare.
    HDC dc() const { return dc_; }
    PixelSize size() const { return size_; }
    // Copies the part `area` (client coordinates) to the same place on `target`.
    void copyTo(HDC target, const RECT& area) const;
    void release();

  private:
    HDC dc_ = nullptr;
    HBITMAP bitmap_ = nullptr;
    HGDIOBJ previousBitmap_ = nullptr;
    PixelSize size_;
};

} // namespace zim
