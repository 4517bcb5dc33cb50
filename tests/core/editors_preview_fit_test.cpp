#include "editors/frame/preview_image_fit.h"

#include <gtest/gtest.h>

namespace zim {
namespace {

TEST(EditorsPreviewFit, BitmapsThatFitKeepTheirSizeLargerOnesShrinkWithAMargin) {
    // Fits: own size, centred, odd halves truncated.
    EXPECT_EQ(previewImageBox(20, 11, 100, 80), (LayoutBox{40, 34, 20, 11}));
    EXPECT_EQ(previewImageBox(100, 80, 100, 80), (LayoutBox{0, 0, 100, 80}));
    // Too wide and too high: s = min(100 / 305, 80 / 205); 98.36 x 65.57 truncated.
    EXPECT_EQ(previewImageBox(300, 200, 100, 80), (LayoutBox{1, 7, 98, 65}));
    // One pixel too wide is enough to scale both sides: s = 100 / 106.
    EXPECT_EQ(previewImageBox(101, 10, 100, 80), (LayoutBox{2, 35, 95, 9}));
    // Nothing to draw.
    EXPECT_EQ(previewImageBox(0, 10, 100, 80).width, 0);
}

} // namespace
} // namespace zim
