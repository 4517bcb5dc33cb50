#include "live/image_draw_plan.h"

#include <gtest/gtest.h>

#include <vector>

#include "live_test_print.h"

namespace zim {
namespace {

const PixelRect wholeScreen{0, 0, 1920, 1080};

ImageDrawing filling(int32_t fill, const PixelRect& area) {
    ImageDrawing drawing;
    drawing.fill = fill;
    drawing.drawingArea = area;
    return drawing;
}

// Target rectangles of a plan's copies, with the source checked to be the bitmap's top-left
// part of the same size (every copy except a stretched one).
std::vector<PixelRect> unscaledTargets(const std::vector<ImageCopy>& copies) {
    std::vector<PixelRect> targets;
    for (const ImageCopy& copy : copies) {
        EXPECT_EQ(copy.source, rectAt(0, 0, copy.target.width(), copy.target.height()));
        targets.push_back(copy.target);
    }
    return targets;
}

TEST(LiveImageDrawPlan, TilingLaysWholeCopiesThenCutsTheLastColumnAndRow) {
    // 10 x 10 over 25 x 25: four whole, four cut to 5 pixels in one direction, one 5 x 5.
    const ImageDrawPlan plan =
        planImageDrawing(filling(fillTiled, {100, 50, 125, 75}), {10, 10}, wholeScreen);
    EXPECT_EQ(unscaledTargets(plan.copies), (std::vector<PixelRect>{{100, 50, 110, 60},
                                                                    {110, 50, 120, 60},
                                                                    {120, 50, 125, 60},
                                                                    {100, 60, 110, 70},
                                                                    {110, 60, 120, 70},
                                                                    {120, 60, 125, 70},
                                                                    {100, 70, 110, 75},
                                                                    {110, 70, 120, 75},
                                                                    {120, 70, 125, 75}}));

    // At least as large as the area both ways: one copy of the top-left part.
    EXPECT_EQ(unscaledTargets(tileImage({40, 25}, {0, 0, 25, 25}, wholeScreen)),
              (std::vector<PixelRect>{{0, 0, 25, 25}}));
    // Larger in one direction only: one column, rows cut at the bottom.
    EXPECT_EQ(unscaledTargets(tileImage({40, 10}, {0, 0, 25, 25}, wholeScreen)),
              (std::vector<PixelRect>{{0, 0, 25, 10}, {0, 10, 25, 20}, {0, 20, 25, 25}}));
}

TEST(LiveImageDrawPlan, TilingSkipsTilesOutsideTheSurfaceAndEmptyInputs) {
    // A huge typed area costs only the visible tiles, still counted from the area's corner.
    EXPECT_EQ(tileImage({10, 10}, {0, 0, 2000000000, 2000000000}, {0, 0, 25, 25}).size(), 9u);
    const std::vector<ImageCopy> partly = tileImage({10, 10}, {0, 0, 100, 100}, {15, 15, 40, 40});
    ASSERT_EQ(partly.size(), 9u);
    EXPECT_EQ(partly.front().target, (PixelRect{10, 10, 20, 20}));
    EXPECT_EQ(partly.back().target, (PixelRect{30, 30, 40, 40}));
    EXPECT_TRUE(tileImage({10, 10}, {0, 0, 100, 100}, {200, 200, 300, 300}).empty());

    // A bitmap that failed to load, or an area of negative width, draws nothing (and never
    // loops for ever).
    for (int32_t fill : {fillTiled, fillStretched, fillCentred, fillBottomLeft}) {
        EXPECT_TRUE(
            planImageDrawing(filling(fill, {0, 0, 25, 25}), {0, 0}, wholeScreen).copies.empty());
        EXPECT_TRUE(
            planImageDrawing(filling(fill, {0, 0, 25, 25}), {10, 0}, wholeScreen).copies.empty());
        EXPECT_TRUE(planImageDrawing(filling(fill, {100, 0, 90, 25}), {10, 10}, wholeScreen)
                        .copies.empty());
    }
}

TEST(LiveImageDrawPlan, PlacedCopiesStandAtTheirPositionAndAreCutFromTheNamedSide) {
    const PixelRect area{100, 100, 200, 200};
    struct Case {
        int32_t fill;
        PixelSize bitmap;
        PixelRect source;
        PixelRect target;
    } cases[] = {// A bitmap smaller than the area stands at the named position.
                 {fillCentred, {40, 20}, {0, 0, 40, 20}, {130, 140, 170, 160}},
                 {fillTopLeft, {40, 20}, {0, 0, 40, 20}, {100, 100, 140, 120}},
                 {fillTopRight, {40, 20}, {0, 0, 40, 20}, {160, 100, 200, 120}},
                 {fillMiddleRight, {40, 20}, {0, 0, 40, 20}, {160, 140, 200, 160}},
                 {fillBottomRight, {40, 20}, {0, 0, 40, 20}, {160, 180, 200, 200}},
                 {fillBottomLeft, {40, 20}, {0, 0, 40, 20}, {100, 180, 140, 200}},
                 {42, {40, 20}, {0, 0, 40, 20}, {130, 140, 170, 160}},
                 // A larger bitmap gives the part at the named side; centred it loses equal parts.
                 {fillCentred, {160, 130}, {30, 15, 130, 115}, area},
                 {fillCentred, {161, 131}, {30, 15, 130, 115}, area},
                 {fillTopCentre, {160, 130}, {30, 0, 130, 100}, area},
                 {fillMiddleRight, {160, 130}, {60, 15, 160, 115}, area},
                 {fillBottomLeft, {160, 130}, {0, 30, 100, 130}, area},
                 // Taller only: cut vertically, placed horizontally.
                 {fillBottomLeft, {40, 130}, {0, 30, 40, 130}, {100, 100, 140, 200}},
                 {fillBottomRight, {160, 20}, {60, 0, 160, 20}, {100, 180, 200, 200}}};
    for (const Case& c : cases) {
        const ImageDrawPlan plan = planImageDrawing(filling(c.fill, area), c.bitmap, wholeScreen);
        ASSERT_EQ(plan.copies.size(), 1u) << "fill " << c.fill;
        EXPECT_EQ(plan.copies[0].source, c.source) << "fill " << c.fill;
        EXPECT_EQ(plan.copies[0].target, c.target) << "fill " << c.fill;
    }
}

TEST(LiveImageDrawPlan, StretchClipTransparencyAndFrameFollowTheDescription) {
    ImageDrawing drawing = filling(fillStretched, {100, 100, 300, 250});
    drawing.transparent = true;
    drawing.transparentColour = 0x00FF00FF;
    drawing.framed = true;
    drawing.frameColour = 0x0000FFFF;
    drawing.frameBorder = {3, 4};
    const ImageDrawPlan plan = planImageDrawing(drawing, {40, 20}, wholeScreen);
    ASSERT_EQ(plan.copies.size(), 1u);
    EXPECT_EQ(plan.copies[0].source, (PixelRect{0, 0, 40, 20}));
    EXPECT_EQ(plan.copies[0].target, (PixelRect{100, 100, 300, 250}));
    EXPECT_EQ(plan.clip, (PixelRect{99, 99, 301, 251}));
    EXPECT_TRUE(plan.transparent);
    EXPECT_EQ(plan.transparentColour, 0x00FF00FF);
    EXPECT_TRUE(plan.framed);
    EXPECT_EQ(plan.frameColour, 0x0000FFFF);
    EXPECT_EQ(plan.frameBorder, (PixelSize{3, 4}));
}

} // namespace
} // namespace zim
