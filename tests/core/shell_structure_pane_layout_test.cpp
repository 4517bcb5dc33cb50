#include "shell/structure_pane_layout.h"

#include <gtest/gtest.h>

namespace zim {
namespace {

TEST(ShellStructurePaneLayout, PaneTakesTheLeftQuarterAndParametersTheRest) {
    EditViewLayout layout = editViewLayout(1000, 680);
    EXPECT_EQ(layout.pane, (LayoutBox{0, 0, 250, 680}));
    EXPECT_EQ(layout.parameters, (LayoutBox{251, 0, 749, 680}));

    // A quarter is truncated.
    layout = editViewLayout(1003, 500);
    EXPECT_EQ(layout.pane, (LayoutBox{0, 0, 250, 500}));
    EXPECT_EQ(layout.parameters.left, 251);
    EXPECT_EQ(layout.parameters.right(), 1003);
}

TEST(ShellStructurePaneLayout, TreeUnderTheTitleAndButtonAtTheBottom) {
    const StructurePaneLayout layout = structurePaneLayout(250, 680);
    EXPECT_EQ(layout.tree, (LayoutBox{10, 30, 230, 600}));
    EXPECT_EQ(layout.previewButton, (LayoutBox{10, 640, 230, 30}));
    EXPECT_FALSE(overlaps(layout.tree, layout.previewButton));
}

} // namespace
} // namespace zim
