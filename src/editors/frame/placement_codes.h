// The controls that choose an image's area and where the image goes, and the codes they
// store. The wallpaper page and the window-images page choose the area's size and where it
// lies (ImagePlacement); the background-image page chooses where the bitmap lies inside the
// area (ImageFill). Both use the placement selector: nine push buttons, ids 18 to 26 row by
// row from the top-left.
#pragma once

#include <cstdint>

namespace zim {

enum PlacementControlId : int {
    firstPlacementButton = 18,
    lastPlacementButton = 26,
    wholeAreaRadio = 30,           // the full screen, or the full client area
    predefinedPlacementRadio = 49, // centred; the grid picks another position
    cornerCoordinatesRadio = 50,   // top-left corner at x, y
    rectangleAreaRadio = 28,       // the area is the typed width and height
    imageDimensionsRadio = 29,     // the area has the bitmap's own size
    tiledRadio = 35,
    stretchedRadio = 36,
};

// The area position a control sets: 30 gives 0, 49 gives 1 (centred), 50 gives 10, and the
// grid buttons 2, 3, 4, 9, 1, 5, 8, 7, 6 in grid order. -1 for any other control.
int32_t imagePlacementOfControl(int controlId);

// The grid button shown pushed for an area position: that of codes 1 to 9, else 0.
int placementButtonOfImagePlacement(int32_t code);

// The fill a control sets: " Tiled" gives 1, " Stretched" 2, and the grid buttons 3, 4, 5, 10,
// 0, 6, 9, 8, 7 in grid order. -1 for any other control.
int32_t imageFillOfControl(int controlId);

// The grid button shown pushed for a fill: that of codes 0 and 3 to 10, else 0.
int placementButtonOfImageFill(int32_t code);

} // namespace zim
