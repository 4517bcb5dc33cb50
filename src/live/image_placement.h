// Where an image's drawing area lies inside its outer area (the screen or a client area).
#pragma once

#include "live/image_drawing.h"
#include "live/pixel_geometry.h"

namespace zim {

// The area moved by `mode` (ImagePlacement) into `outer`, keeping its width and height; mode 0
// takes the whole outer area, mode 10 moves the area by (dx, dy), mode 11 and unknown modes
// leave it as it is. Halves are truncated toward zero. The centred, left and top positions
// count from the coordinate origin, the right and bottom positions from the outer area's right
// and bottom edges (and its top for the right-hand cells); the outer areas of the live windows
// start at (0, 0), where both readings agree.
PixelRect placeImage(int32_t mode, const PixelRect& area, const PixelRect& outer, int dx, int dy);

// The drawing area of a description in `outer`: the bitmap's size (or the description's own
// area size), placed by the description's placement; placeMoved puts the area's top-left
// corner at the description's corner.
PixelRect imageAreaIn(const ImageDrawing& drawing, PixelSize bitmap, const PixelRect& outer);

} // namespace zim
