// Draws a bitmap in its drawing area as the portable plan says: clipped to the area grown by
// one pixel, copied with StretchBlt or, in the transparent scheme, TransparentBlt, and framed
// with FrameRgn.
#pragma once

#include <windows.h>

#include "live/image_draw_plan.h"
#include "live/image_drawing.h"
#include "live/pixel_geometry.h"

namespace zim {

// Carries out `plan` on `target`; `source` is a memory context holding the bitmap.
void paintImagePlan(HDC target, HDC source, const ImageDrawPlan& plan);

// Loads the description's bitmap (from a file, or in a generated program from the resources
// when the description says so), draws it and frees it again. The drawing area is placed in
// `outer` by the description's placement, or taken as the description holds it when
// `areaAsGiven`; `outer` is also the extent of the target. Returns the drawing area, which is
// empty when the bitmap could not be loaded.
PixelRect paintImage(HDC target, const ImageDrawing& drawing, const PixelRect& outer,
                     bool areaAsGiven = false);

} // namespace zim
