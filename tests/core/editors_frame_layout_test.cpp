#include "editors/frame/frame_layout.h"

#include <gtest/gtest.h>

namespace zim {
namespace {

TEST(EditorsFrameLayout, PageRectangleFollowsTheAdjustedDisplayArea) {
    // A tab control 740 x 500 whose display area (screen coordinates) is 450 high.
    EXPECT_EQ(tabPageRectangle(740, 500, 230, 680), (LayoutBox{5, 60, 730, 435}));
    // Only the height of the display area counts, not where it lies.
    EXPECT_EQ(tabPageRectangle(740, 500, 30, 480), (LayoutBox{5, 60, 730, 435}));
    // A tab control too small for a page gives an empty one, never a negative size.
    const LayoutBox tiny = tabPageRectangle(6, 10, 0, 8);
    EXPECT_EQ(tiny.width, 0);
    EXPECT_EQ(tiny.height, 0);
}

} // namespace
} // namespace zim
