// Where a designed window stands and how large it is: the 3 x 3 grid in a reference area,
// a corner given by coordinates, or the system's default position.
#pragma once

#include "live/pixel_geometry.h"
#include "model/project.h"

namespace zim {

enum WindowPlacementMode : int32_t {
    placementOnGrid = 0,       // the grid cell `placement` of the reference area
    placementAtCorner = 1,     // top-left corner at (x, y) in the reference area
    placementSystemDefault = 2 // CW_USEDEFAULT
};

enum WindowSizeMode : int32_t {
    sizeAsWindow = 0,     // width and height are the window's outer size
    sizeOfFirstImage = 1, // the first background image's bitmap gives the outer size
    sizeAsClientArea = 2  // width and height are the client area's size
};

// What positioning reads of a window record.
struct WindowLayoutRequest {
    int32_t placementMode = placementOnGrid;
    int32_t placement = 4; // grid cell 0..8, row by row from the top left
    int32_t x = 0;
    int32_t y = 0;
    int32_t sizeMode = sizeAsWindow;
    PixelSize size; // outer size, or client size in size mode 2
};

// The request of a window record. In size mode 1 the size is the first image's bitmap; when
// that bitmap could not be loaded (no positive size) the stored width and height serve, so a
// missing image never gives an empty window.
WindowLayoutRequest layoutRequestOf(const AppWindow& window, PixelSize firstImageBitmap);

struct WindowPlacement {
    // The system chooses the position (CW_USEDEFAULT for x and y); `rect` then holds the size
    // at (0, 0).
    bool systemDefault = false;
    PixelRect rect; // the window rectangle, frame included, in screen coordinates
};

// The window's rectangle. `reference` is the screen, or the owner's client area in screen
// coordinates; grid cells align the window to its edges or centre it, the halves of the free
// space truncated toward zero. Corner coordinates count from the reference area's top left, as
// the position edit window reports them. `frame` is what the window's frame adds to its client
// size (measured with AdjustWindowRectEx); it enlarges the window only in size mode 2, so the
// client area gets the requested size, and the enlarged window keeps its alignment.
WindowPlacement placeWindow(const WindowLayoutRequest& request, const PixelRect& reference,
                            PixelSize frame);

// The window rectangle moved into the reference area's coordinates: its left and top are the
// corner coordinates, its width and height the outer size that the position edit window hands
// back.
PixelRect windowInReference(const PixelRect& windowRect, const PixelRect& reference);

} // namespace zim
