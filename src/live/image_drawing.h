// One description of a bitmap drawn in an area: where the area lies, how the bitmap fills it,
// the transparent colour and the frame. The wallpaper's image and a window's background images
// keep these fields in different records; the drawing code sees only this description.
#pragma once

#include <cstdint>
#include <string>

#include "live/pixel_geometry.h"
#include "model/project.h"

namespace zim {

// Where the drawing area lies in its outer area (the screen or a client area), and the moves
// of "place image" that the edit windows and pages use.
enum ImagePlacement : int32_t {
    placeWholeArea = 0,
    placeCentred = 1,
    placeTopLeft = 2,
    placeTopCentre = 3,
    placeTopRight = 4,
    placeMiddleRight = 5,
    placeBottomRight = 6,
    placeBottomCentre = 7,
    placeBottomLeft = 8,
    placeMiddleLeft = 9,
    placeMoved = 10, // moved by (dx, dy); for a record: top-left corner at (x, y)
    placeUnchanged = 11,
};

// How the bitmap fills the drawing area.
enum ImageFill : int32_t {
    fillCentred = 0,
    fillTiled = 1,
    fillStretched = 2,
    fillTopLeft = 3,
    fillTopCentre = 4,
    fillTopRight = 5,
    fillMiddleRight = 6,
    fillBottomRight = 7,
    fillBottomCentre = 8,
    fillBottomLeft = 9,
    fillMiddleLeft = 10,
};

struct ImageDrawing {
    std::string bitmapName; // file name without ".bmp", or the resource name
    bool fromResource = false;

    int32_t placement = placeWholeArea;
    bool useImageSize = true; // the area has the bitmap's size, else areaSize
    PixelSize areaSize;
    PixelPoint corner; // top-left of the area for placeMoved

    int32_t fill = fillCentred;
    bool transparent = false;
    int32_t transparentColour = 0;
    bool framed = false;
    int32_t frameColour = 0;
    PixelSize frameBorder; // FrameRgn's border width and height

    PixelRect drawingArea;
};

ImageDrawing drawingOf(const Wallpaper& wallpaper);
ImageDrawing drawingOf(const BackgroundImage& image);

// Writes the area back into the record's drawingArea, where pages and the edit windows read it.
void storeDrawingArea(const PixelRect& area, Wallpaper& wallpaper);
void storeDrawingArea(const PixelRect& area, BackgroundImage& image);

} // namespace zim
