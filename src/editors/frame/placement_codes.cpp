#include "editors/frame/placement_codes.h"

#include "live/image_drawing.h"

namespace zim {

namespace {

constexpr int gridSize = lastPlacementButton - firstPlacementButton + 1;

constexpr int32_t placementOfCell[gridSize] = {
    placeTopLeft,    placeTopCentre,    placeTopRight,    // top row
    placeMiddleLeft, placeCentred,      placeMiddleRight, // middle row
    placeBottomLeft, placeBottomCentre, placeBottomRight, // bottom row
};

constexpr int32_t fillOfCell[gridSize] = {
    fillTopLeft,    fillTopCentre,    fillTopRight,    // top row
    fillMiddleLeft, fillCentred,      fillMiddleRight, // middle row
    fillBottomLeft, fillBottomCentre, fillBottomRight, // bottom row
};

bool isGridButton(int controlId) {
    return controlId >= firstPlacementButton && controlId <= lastPlacementButton;
}

int buttonOfCode(const int32_t (&codes)[gridSize], int32_t code) {
    for (int cell = 0; cell < gridSize; ++cell)
        if (codes[cell] == code)
            return firstPlacementButton + cell;
    return 0;
}

} // namespace

int32_t imagePlacementOfControl(int controlId) {
    if (isGridButton(controlId))
        return placementOfCell[controlId - firstPlacementButton];
    switch (controlId) {
    case wholeAreaRadio:
        return placeWholeArea;
    case predefinedPlacementRadio:
        return placeCentred;
    case cornerCoordinatesRadio:
        return placeMoved;
    default:
        return -1;
    }
}

int placementButtonOfImagePlacement(int32_t code) {
    return buttonOfCode(placementOfCell, code);
}

int32_t imageFillOfControl(int controlId) {
    if (isGridButton(controlId))
        return fillOfCell[controlId - firstPlacementButton];
    switch (controlId) {
    case tiledRadio:
        return fillTiled;
    case stretchedRadio:
        return fillStretched;
    default:
        return -1;
    }
}

int placementButtonOfImageFill(int32_t code) {
    return buttonOfCode(fillOfCell, code);
}

} // namespace zim
