#include "live/window_placement.h"

#include <gtest/gtest.h>

#include <memory>

#include "live_test_print.h"

namespace zim {
namespace {

WindowLayoutRequest onGrid(int32_t cell, PixelSize size, int32_t sizeMode = sizeAsWindow) {
    WindowLayoutRequest request;
    request.placementMode = placementOnGrid;
    request.placement = cell;
    request.sizeMode = sizeMode;
    request.size = size;
    return request;
}

TEST(LiveWindowPlacement, GridCellsAlignInTheReferenceArea) {
    struct Case {
        int32_t cell;
        PixelRect reference;
        PixelSize size;
        PixelRect expected;
    } cases[] = {// The screen, cells row by row.
                 {0, {0, 0, 1024, 768}, {300, 200}, {0, 0, 300, 200}},
                 {4, {0, 0, 1024, 768}, {300, 200}, {362, 284, 662, 484}},
                 // An owner's client area in screen coordinates: the bottom-right cell touches its
                 // bottom-right corner, the top-left cell its top-left corner.
                 {8, {101, 51, 701, 451}, {300, 200}, {401, 251, 701, 451}},
                 {4, {101, 51, 701, 451}, {300, 200}, {251, 151, 551, 351}},
                 // Odd free space loses its half pixel.
                 {4, {0, 0, 1025, 769}, {300, 200}, {362, 284, 662, 484}},
                 // Larger than the area: the negative halves truncate toward zero, not down.
                 {4, {0, 0, 100, 100}, {301, 203}, {-100, -51, 201, 152}},
                 // A cell outside the grid centres.
                 {9, {0, 0, 1024, 768}, {300, 200}, {362, 284, 662, 484}},
                 {-1, {0, 0, 1024, 768}, {300, 200}, {362, 284, 662, 484}}};
    for (const Case& c : cases) {
        const WindowPlacement placed = placeWindow(onGrid(c.cell, c.size), c.reference, {16, 39});
        EXPECT_FALSE(placed.systemDefault);
        EXPECT_EQ(placed.rect, c.expected) << "cell " << c.cell;
    }
}

TEST(LiveWindowPlacement, ClientAreaSizeIsEnlargedByTheFrameAndKeepsItsAlignment) {
    const PixelRect screen{0, 0, 1024, 768};
    const PixelSize frame{16, 39};
    EXPECT_EQ(placeWindow(onGrid(8, {300, 200}, sizeAsClientArea), screen, frame).rect,
              (PixelRect{708, 529, 1024, 768}));
    // The frame is measured for every window but counts only for a client-area size.
    EXPECT_EQ(placeWindow(onGrid(8, {300, 200}, sizeAsWindow), screen, frame).rect,
              (PixelRect{724, 568, 1024, 768}));
    EXPECT_EQ(placeWindow(onGrid(8, {300, 200}, sizeOfFirstImage), screen, frame).rect,
              (PixelRect{724, 568, 1024, 768}));
}

TEST(LiveWindowPlacement, CornerAndSystemDefaultPlacements) {
    WindowLayoutRequest corner = onGrid(8, {300, 200}, sizeAsClientArea);
    corner.placementMode = placementAtCorner;
    corner.x = 50;
    corner.y = 100;
    EXPECT_EQ(placeWindow(corner, {0, 0, 1024, 768}, {16, 39}).rect,
              (PixelRect{50, 100, 366, 339}));
    const PixelRect owner{101, 51, 701, 451};
    const WindowPlacement inOwner = placeWindow(corner, owner, {16, 39});
    EXPECT_EQ(inOwner.rect, (PixelRect{151, 151, 467, 390}));
    // What the position edit window reports places the window where it stood.
    const PixelRect reported = windowInReference(inOwner.rect, owner);
    EXPECT_EQ(reported, (PixelRect{50, 100, 366, 339}));

    WindowLayoutRequest byTheSystem = corner;
    byTheSystem.placementMode = placementSystemDefault;
    const WindowPlacement chosen = placeWindow(byTheSystem, owner, {16, 39});
    EXPECT_TRUE(chosen.systemDefault);
    EXPECT_EQ(chosen.rect, (PixelRect{0, 0, 316, 239}));
}

TEST(LiveWindowPlacement, RequestOfARecordTakesTheFirstImageSizeInSizeMode1) {
    auto window = std::make_unique<AppWindow>();
    window->placementMode = placementAtCorner;
    window->placement = 6;
    window->x = 5;
    window->y = 7;
    window->width = 300;
    window->height = 200;

    window->sizeMode = sizeOfFirstImage;
    WindowLayoutRequest request = layoutRequestOf(*window, {640, 480});
    EXPECT_EQ(request.size, (PixelSize{640, 480}));
    EXPECT_EQ(request.placement, 6);
    EXPECT_EQ(request.x, 5);
    EXPECT_EQ(request.y, 7);
    // A bitmap that could not be loaded leaves the stored size.
    EXPECT_EQ(layoutRequestOf(*window, {0, 0}).size, (PixelSize{300, 200}));
    EXPECT_EQ(layoutRequestOf(*window, {640, 0}).size, (PixelSize{300, 200}));
    EXPECT_EQ(layoutRequestOf(*window, {0, 480}).size, (PixelSize{300, 200}));

    window->sizeMode = sizeAsClientArea;
    EXPECT_EQ(layoutRequestOf(*window, {640, 480}).size, (PixelSize{300, 200}));
}

} // namespace
} // namespace zim
