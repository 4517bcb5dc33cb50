#include "live/image_placement.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>

#include "live/image_drawing.h"
#include "live_test_print.h"
#include "model/text_field.h"

namespace zim {
namespace {

TEST(LiveImagePlacement, EveryModeKeepsTheAreaSizeInTheOuterArea) {
    const PixelRect area{5, 5, 205, 105}; // 200 x 100
    struct Case {
        int32_t mode;
        PixelRect outer;
        PixelRect expected;
    } cases[] = {{placeWholeArea, {0, 0, 800, 600}, {0, 0, 800, 600}},
                 {placeCentred, {0, 0, 800, 600}, {300, 250, 500, 350}},
                 {placeTopLeft, {0, 0, 800, 600}, {0, 0, 200, 100}},
                 {placeTopRight, {0, 0, 800, 600}, {600, 0, 800, 100}},
                 {placeMiddleRight, {0, 0, 800, 600}, {600, 250, 800, 350}},
                 {placeBottomRight, {0, 0, 800, 600}, {600, 500, 800, 600}},
                 {placeBottomLeft, {0, 0, 800, 600}, {0, 500, 200, 600}},
                 {placeUnchanged, {0, 0, 800, 600}, area},
                 {42, {0, 0, 800, 600}, area},
                 // Odd and negative free space: halves truncated toward zero.
                 {placeCentred, {0, 0, 801, 601}, {300, 250, 500, 350}},
                 {placeCentred, {0, 0, 197, 97}, {-1, -1, 199, 99}},
                 // An outer area away from the origin: centred, left and top positions count from
                 // the origin, right and bottom positions from the outer area's edges.
                 {placeCentred, {50, 40, 850, 640}, {300, 250, 500, 350}},
                 {placeMiddleRight, {50, 40, 850, 640}, {650, 290, 850, 390}},
                 {placeBottomLeft, {50, 40, 850, 640}, {0, 540, 200, 640}}};
    for (const Case& c : cases)
        EXPECT_EQ(placeImage(c.mode, area, c.outer, 7, -3), c.expected) << "mode " << c.mode;
    EXPECT_EQ(placeImage(placeMoved, area, {0, 0, 800, 600}, 7, -3), (PixelRect{12, 2, 212, 102}));
}

TEST(LiveImagePlacement, AreaOfADescriptionTakesItsSizeFromTheBitmapOrTheRecord) {
    ImageDrawing drawing;
    const PixelRect client{0, 0, 300, 200};
    drawing.useImageSize = true;
    drawing.areaSize = {100, 50};
    drawing.placement = placeBottomRight;
    EXPECT_EQ(imageAreaIn(drawing, {64, 32}, client), (PixelRect{236, 168, 300, 200}));

    drawing.useImageSize = false;
    EXPECT_EQ(imageAreaIn(drawing, {64, 32}, client), (PixelRect{200, 150, 300, 200}));

    drawing.placement = placeMoved;
    drawing.corner = {20, 30};
    EXPECT_EQ(imageAreaIn(drawing, {64, 32}, client), (PixelRect{20, 30, 120, 80}));

    drawing.placement = placeWholeArea;
    EXPECT_EQ(imageAreaIn(drawing, {64, 32}, client), client);
}

// The wallpaper and a background image keep the same meanings in differently named and
// ordered fields; both give the same description.
TEST(LiveImageDrawing, WallpaperAndBackgroundImageGiveTheSameDescription) {
    Wallpaper wallpaper{};
    setText(wallpaper.imageFile, "Wallpaper");
    wallpaper.imageFromResource = 1;
    wallpaper.imagePlacement = placeMoved;
    wallpaper.imageSizeMode = 0;
    wallpaper.imageAreaWidth = 120;
    wallpaper.imageAreaHeight = 80;
    wallpaper.imageX = 11;
    wallpaper.imageY = 22;
    wallpaper.imageFill = fillBottomLeft;
    wallpaper.drawingScheme = 1;
    wallpaper.transparentColour = 0x00FFFFFF;
    wallpaper.frameMode = 1;
    wallpaper.frameColour = 0x0000FFFF;
    wallpaper.frameWidth = 3;
    wallpaper.frameHeight = 5;
    const int32_t area[4] = {1, 2, 301, 402};
    std::copy(area, area + 4, wallpaper.drawingArea);

    BackgroundImage image{};
    setText(image.fileName, "Wallpaper");
    image.imageFromResource = 1;
    image.placement = placeMoved;
    image.useImageSize = 0;
    image.rectWidth = 120;
    image.rectHeight = 80;
    image.x = 11;
    image.y = 22;
    image.imageFill = fillBottomLeft;
    image.drawingScheme = 1;
    image.transparentColour = 0x00FFFFFF;
    image.frameMode = 1;
    image.frameColour = 0x0000FFFF;
    image.frameWidth = 3;
    image.frameHeight = 5;
    std::copy(area, area + 4, image.drawingArea);

    for (const ImageDrawing& d : {drawingOf(wallpaper), drawingOf(image)}) {
        std::ostringstream shown;
        shown << d.bitmapName << " " << d.fromResource << " " << d.placement << " "
              << d.useImageSize << " " << d.areaSize.width << "x" << d.areaSize.height << " "
              << d.corner.x << "," << d.corner.y << " " << d.fill << " " << d.transparent << " "
              << d.transparentColour << " " << d.framed << " " << d.frameColour << " "
              << d.frameBorder.width << "x" << d.frameBorder.height;
        EXPECT_EQ(shown.str(), "Wallpaper 1 " + std::to_string(placeMoved) + " 0 120x80 11,22 " +
                                   std::to_string(fillBottomLeft) + " 1 16777215 1 65535 3x5");
        EXPECT_EQ(d.drawingArea, (PixelRect{1, 2, 301, 402}));
    }

    // The drawing area goes back into each record's own field and nowhere else.
    storeDrawingArea({7, 8, 9, 10}, wallpaper);
    storeDrawingArea({7, 8, 9, 10}, image);
    EXPECT_EQ(drawingOf(wallpaper).drawingArea, (PixelRect{7, 8, 9, 10}));
    EXPECT_EQ(drawingOf(image).drawingArea, (PixelRect{7, 8, 9, 10}));
    EXPECT_EQ(image.frameColour, 0x0000FFFF);
}

} // namespace
} // namespace zim
