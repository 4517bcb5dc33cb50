// How a loaded bitmap is drawn in its drawing area, as a plan of copies that the Win32 layer
// executes with StretchBlt or TransparentBlt, clipped, and framed with FrameRgn.
#pragma once

#include <cstdint>
#include <vector>

#include "live/image_drawing.h"
#include "live/pixel_geometry.h"

namespace zim {

// One copy of a part of the bitmap (bitmap coordinates) onto a target rectangle. Source and
// target have the same size except when the bitmap is stretched.
struct ImageCopy {
    PixelRect source;
    PixelRect target;
};

struct ImageDrawPlan {
    // The drawing area grown by one pixel on every side: the clip region while copying, and
    // the region whose edge the frame is drawn along.
    PixelRect clip;
    std::vector<ImageCopy> copies;
    bool transparent = false;
    int32_t transparentColour = 0;
    bool framed = false;
    int32_t frameColour = 0;
    PixelSize frameBorder;
};

// The plan for the description's drawing area and fill. Tiled: copies laid over the area;
// stretched: the whole bitmap onto the area; every other fill code one unscaled copy at the
// named position (an unknown code centres it). When the bitmap is larger than the area in a
// direction, only the part that fits is copied, cut from the side that the position names (a
// centred bitmap loses equal parts at both sides). An empty bitmap or area gives no copies.
// `surface` is the extent of the target (the client area, the screen): tiles that lie wholly
// outside it are left out, so a small bitmap tiled over a huge typed area costs no more than
// the visible tiles.
ImageDrawPlan planImageDrawing(const ImageDrawing& drawing, PixelSize bitmap,
                               const PixelRect& surface);

// Copies that fill the area with the bitmap: whole copies row by row from the area's top left,
// the last column and row cut to the space left; only those that reach into `surface`. A bitmap
// at least as large as the area in both directions gives one copy of its top-left part.
std::vector<ImageCopy> tileImage(PixelSize bitmap, const PixelRect& area, const PixelRect& surface);

} // namespace zim
