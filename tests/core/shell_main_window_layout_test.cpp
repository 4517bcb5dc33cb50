#include "shell/main_window_layout.h"

#include <gtest/gtest.h>

namespace zim {
namespace {

TEST(ShellMainWindowLayout, CentresTheFixedSizeWithTruncatedHalves) {
    EXPECT_EQ(mainWindowPlacement(1024, 768), (LayoutBox{2, 4, 1020, 760}));
    EXPECT_EQ(mainWindowPlacement(1280, 1024), (LayoutBox{130, 132, 1020, 760}));
    // Odd remainders lose their half pixel.
    EXPECT_EQ(mainWindowPlacement(1025, 771), (LayoutBox{2, 5, 1020, 760}));
    // A screen smaller than the window gives a negative offset truncated toward zero.
    EXPECT_EQ(mainWindowPlacement(1019, 759), (LayoutBox{0, 0, 1020, 760}));
    EXPECT_EQ(mainWindowPlacement(1017, 755), (LayoutBox{-1, -2, 1020, 760}));
}

TEST(ShellMainWindowLayout, StatusBarPartsAndViewArea) {
    const std::array<int, 3> edges = statusBarPartEdges();
    EXPECT_EQ(edges[0], 550);
    EXPECT_EQ(edges[1], 860);
    EXPECT_EQ(edges[2], -1);

    EXPECT_EQ(viewArea(1010, 700, 20), (LayoutBox{0, 0, 1010, 680}));
    EXPECT_EQ(viewArea(1010, 700, 0), (LayoutBox{0, 0, 1010, 700}));
}

} // namespace
} // namespace zim
